#include "store/DataSource.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QRegularExpression>

DataSource::DataSource(QObject* parent) : QObject(parent) {}
DataSource::~DataSource() = default;

void DataSource::Refresh()
{
    m_conn = Connection::open(m_databaseName);
    // A bare table name opens the table; anything else is a query text.
    static const QRegularExpression bare(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const bool isTable = bare.match(m_recordSource.trimmed()).hasMatch();
    m_recordset = ::Recordset(m_conn, m_recordSource.trimmed(), isTable ? ::Recordset::Kind::Table : ::Recordset::Kind::Query);
    emit refreshed();
}

Connection& DataSource::connection() const
{
    if (!m_conn)
        throw StoreError(QStringLiteral("Object invalid or no longer set."));
    return *m_conn;
}
