#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QVariant>

class DataSource;

// A table model over a bound data source, for the bound grids. Each column
// shows one field; columns marked editable take typed text. Edits are held
// per row until the screen writes them (on a move to another row, and when it
// closes) with writePending. No rows are ever added or removed.
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

    // Writes every held row in one transaction. Throws StoreError when the
    // store fails; the edits are then still held, for the retry.
    void writePending();
    // The view asks for this on Enter and on closing an editor; writing waits
    // for the screen, which can tell the user when it fails.
    bool submit() override { return true; }
    void revert() override;
    bool isPending(int row) const { return m_pending.contains(row); }

private:
    void reload();
    QPointer<DataSource> m_source;
    QList<Column> m_columns;
    QMap<int, QHash<int, QVariant>> m_pending; // row -> column -> value
};
