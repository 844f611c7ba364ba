#include "store/Recordset.h"
#include "store/Connection.h"
#include "store/Regional.h"
#include "store/StoreError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <numeric>

namespace {
const QString kNoCurrent = QStringLiteral("No current record.");
const QString kRowId = QStringLiteral("__kv_rowid__");

QString quoted(const QString& identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// The table a query text reads from: the name after its FROM.
QString tableOfQuery(const QString& sql)
{
    static const QRegularExpression re(QStringLiteral("\\bFROM\\s+\"?([A-Za-z_][A-Za-z0-9_]*)\"?"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    return m.hasMatch() ? m.captured(1) : QString();
}

char typeOf(const QString& declared)
{
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("INT")))
        return 'i';
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CLOB")))
        return 't';
    return 'r';
}
} // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& source, Kind kind)
    : m_conn(std::move(connection)), m_kind(kind)
{
    m_table = kind == Kind::Table ? source : tableOfQuery(source);

    const QString sql = kind == Kind::Table
        ? QStringLiteral("SELECT rowid AS %1, * FROM %2 ORDER BY rowid").arg(kRowId, quoted(m_table))
        : source;
    QSqlQuery q(m_conn->db());
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        if (kind == Kind::Table && declaredTypes().isEmpty())
            throw StoreError(QStringLiteral("The Microsoft Jet database engine cannot find the input table or query '%1'.").arg(m_table));
        throw StoreError(q.lastError());
    }

    const QSqlRecord rec = q.record();
    const int first = kind == Kind::Table ? 1 : 0;
    for (int i = first; i < rec.count(); ++i) {
        m_fields << rec.fieldName(i);
        const QString chave = rec.fieldName(i).toCaseFolded();
        if (!m_indices.contains(chave))
            m_indices.insert(chave, i - first); // the first of a repeated name
        m_exact.insert(rec.fieldName(i), m_indices.value(chave)); // however it is spelt
    }
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(m_fields.size());
        for (int i = first; i < rec.count(); ++i)
            row << q.value(i);
        m_rows << row;
        m_rowids << (kind == Kind::Table ? q.value(0).toLongLong() : -1);
    }
}

QHash<QString, char> Recordset::declaredTypes() const
{
    QHash<QString, char> declared;
    if (m_table.isEmpty())
        return declared;
    QSqlQuery info(m_conn->db());
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(m_table))))
        throw StoreError(info.lastError());
    while (info.next())
        declared.insert(info.value(1).toString().toLower(), typeOf(info.value(2).toString()));
    return declared;
}

void Recordset::setIndex(const QString& name)
{
    if (name != QLatin1String("PrimaryKey"))
        throw StoreError(QStringLiteral("'%1' isn't an index in this table.").arg(name));
    m_index = name;
}

void Recordset::Seek(const QString& comparison, const QVariant& key)
{
    if (m_kind != Kind::Table || m_index.isEmpty())
        throw StoreError(QStringLiteral("Operation is not supported for this type of object."));
    if (comparison != QLatin1String("="))
        throw StoreError(QStringLiteral("Invalid argument."));
    m_noMatch = true;
    const int k = requireField(QStringLiteral("Numero"));
    bool ok = false;
    const double wanted = key.isNull() ? 0 : key.toDouble(&ok);
    if (key.isNull() || !ok) {
        // An empty or non-numeric key matches no row.
        m_pos = int(m_rows.size());
        return;
    }
    for (int r = 0; r < m_rows.size(); ++r) {
        if (!m_rows[r][k].isNull() && m_rows[r][k].toDouble() == wanted) {
            m_pos = r;
            m_noMatch = false;
            return;
        }
    }
    m_pos = int(m_rows.size());
}

void Recordset::MoveFirst()
{
    if (m_rows.isEmpty())
        throw StoreError(kNoCurrent);
    m_pos = 0;
}

void Recordset::MoveNext()
{
    if (eof())
        throw StoreError(kNoCurrent);
    ++m_pos;
}

void Recordset::setPosition(int row)
{
    if (row < 0 || row >= m_rows.size())
        throw StoreError(kNoCurrent);
    m_pos = row;
}

void Recordset::ordenar(const std::function<bool(int, int)>& antes)
{
    QVector<int> ordem(m_rows.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), antes);
    QVector<QVector<QVariant>> linhas;
    QVector<qint64> rowids;
    for (int r : ordem) {
        linhas << m_rows[r];
        rowids << m_rowids[r];
    }
    m_rows = linhas;
    m_rowids = rowids;
    m_pos = 0;
}

int Recordset::fieldIndex(const QString& name) const
{
    // A matrix is read and saved field by field: a name is looked up, not
    // compared with every other, and as spelt in the table first.
    if (const auto it = m_exact.constFind(name); it != m_exact.cend())
        return *it;
    return m_indices.value(name.toCaseFolded(), -1);
}

int Recordset::requireField(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw StoreError(QStringLiteral("Item not found in this collection."));
    return i;
}

void Recordset::requireCurrent() const
{
    if (eof() || m_pos < 0)
        throw StoreError(kNoCurrent);
}

QVariant Recordset::Fields(const QString& name) const
{
    const int i = requireField(name);
    requireCurrent();
    if (m_editing && m_dirty.contains(i))
        return m_buffer[i];
    return m_rows[m_pos][i];
}

QVariant Recordset::value(int row, const QString& name) const
{
    const int i = requireField(name);
    if (row < 0 || row >= m_rows.size())
        throw StoreError(kNoCurrent);
    return m_rows[row][i];
}

void Recordset::Edit()
{
    requireCurrent();
    m_editing = true;
    m_dirty.clear();
    m_buffer = m_rows[m_pos];
}

QVariant Recordset::convert(int field, const QVariant& value) const
{
    if (value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    switch (m_types[field]) {
    case 't':
        if (value.typeId() == QMetaType::Double)
            return Regional::numberText(value.toDouble());
        return value.toString();
    case 'i': {
        double v = 0;
        if (isText)
            v = Regional::toNumber(value.toString()).value_or(0);
        else
            v = value.toDouble();
        return QVariant::fromValue<qlonglong>(Regional::roundHalfEven(v));
    }
    default:
        if (isText)
            return Regional::toNumber(value.toString()).value_or(0);
        return value.toDouble();
    }
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    const int i = requireField(name);
    if (!m_editing)
        throw StoreError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    // Only a write needs the declared types: a recordset that is only read
    // never asks the schema for them.
    if (m_types.isEmpty()) {
        const QHash<QString, char> declared = declaredTypes();
        for (const QString& f : std::as_const(m_fields))
            m_types << declared.value(f.toLower(), 'r');
    }
    m_buffer[i] = convert(i, value);
    if (!m_dirty.contains(i))
        m_dirty << i;
}

void Recordset::Update()
{
    if (!m_editing)
        throw StoreError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    requireCurrent();
    if (!m_dirty.isEmpty()) {
        QString where;
        QVariant key;
        if (m_kind == Kind::Table) {
            where = QStringLiteral("rowid = ?");
            key = m_rowids[m_pos];
        } else {
            const int k = fieldIndex(QStringLiteral("Numero"));
            if (k < 0 || m_table.isEmpty())
                throw StoreError(QStringLiteral("Cannot update. Database or object is read-only."));
            where = QStringLiteral("\"Numero\" = ?");
            key = m_rows[m_pos][k];
        }
        QStringList sets;
        for (int i : std::as_const(m_dirty))
            sets << quoted(m_fields[i]) + QStringLiteral(" = ?");
        // Alone or inside a longer walk: every write checks the file first.
        Transaction t(*m_conn);
        QSqlQuery q(m_conn->db());
        if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(quoted(m_table), sets.join(QLatin1String(", ")), where)))
            throw StoreError(q.lastError());
        for (int i : std::as_const(m_dirty))
            q.addBindValue(m_buffer[i]);
        q.addBindValue(key);
        if (!q.exec())
            throw StoreError(q.lastError());
        q.finish();
        t.commit();
        m_rows[m_pos] = m_buffer;
    }
    m_editing = false;
    m_dirty.clear();
}
