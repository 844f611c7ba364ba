#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QVariant>

class DataSource;

// A table model over a bound data source, for the bound grids. Each column
// shows one field; columns marked editable take typed text. Edits of a row are
// held until submit() (a move to another row, or the screen closing) writes
// them with Edit and Update. No rows are ever added or removed.
class RecordsetModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString header;
        bool editable = false;
    };

    RecordsetModel(DataSource* source, QList<Column> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

    // Writes the pending row, if any; throws StoreError when the store fails.
    bool submit() override;
    void revert() override;
    bool hasPendingEdits() const { return m_pendingRow >= 0; }
    int pendingRow() const { return m_pendingRow; }

    QString fieldOf(int column) const { return m_columns.value(column).field; }

private:
    void reload();
    QPointer<DataSource> m_source;
    QList<Column> m_columns;
    int m_pendingRow = -1;
    QHash<int, QVariant> m_pending; // column -> value
};
