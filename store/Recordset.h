#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

class Connection;

// A recordset over a table or over a query text: the rows are read once when
// it opens and walked with a current-row position. A row is changed between
// Edit and Update; Update writes only the fields assigned since Edit.
class Recordset final {
public:
    enum class Kind { Table, Query };

    // An empty recordset (no source yet): at its end, no fields.
    Recordset() = default;
    Recordset(std::shared_ptr<Connection> connection, const QString& source, Kind kind);

    // Table-type access: the primary-key index and Seek "=".
    void setIndex(const QString& name);
    void Seek(const QString& comparison, const QVariant& key);
    bool NoMatch() const { return m_noMatch; }

    // Walking in the source's order.
    void MoveFirst();
    void MoveNext();
    bool eof() const { return m_rows.isEmpty() || m_pos >= m_rows.size(); }
    int RecordCount() const { return int(m_rows.size()); }
    void setPosition(int row);
    // Puts the rows in a new order, keeping the source's among rows neither
    // comes before; `antes` compares two rows by their indexes. Back at the first row.
    void ordenar(const std::function<bool(int linhaA, int linhaB)>& antes);

    // Fields of the current row.
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QVariant Fields(const QString& name) const;
    QVariant value(int row, const QString& name) const;

    void Edit();
    // Assigning while editing. A text goes into a number field through the
    // regional format; a text that is no number stores 0. A null QVariant is
    // Null, an empty QString stays the empty text.
    void setField(const QString& name, const QVariant& value);
    void Update();

private:
    int fieldIndex(const QString& name) const;
    int requireField(const QString& name) const;
    void requireCurrent() const;
    QVariant convert(int field, const QVariant& value) const;
    // Each column's declared type, by lower-case name.
    QHash<QString, char> declaredTypes() const;

    std::shared_ptr<Connection> m_conn;
    QString m_table;
    Kind m_kind = Kind::Query;
    QString m_index;
    QStringList m_fields;
    QHash<QString, int> m_indices; // field names case-folded
    QHash<QString, int> m_exact; // field names as the source spells them
    QVector<char> m_types; // 't' text, 'i' integer, 'r' real, per field; read at the first write
    QVector<QVector<QVariant>> m_rows;
    QVector<qint64> m_rowids;
    int m_pos = 0;
    bool m_noMatch = true;
    bool m_editing = false;
    QVector<int> m_dirty;
    QVector<QVariant> m_buffer;
};
