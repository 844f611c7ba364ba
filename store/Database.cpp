#include "store/Database.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

Connection& Database::connection() const
{
    if (!m_conn)
        throw StoreError(QStringLiteral("Object invalid or no longer set."));
    return *m_conn;
}

Recordset Database::OpenRecordset(const QString& source, int type) const
{
    connection();
    return Recordset(m_conn, source, type == dbOpenTable ? Recordset::Kind::Table : Recordset::Kind::Query);
}

Database Workspace::OpenDatabase(const QString& name) const
{
    auto c = Connection::open(name);

    // Reading the schema tells a database from any other file.
    QSqlQuery q(c->db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        throw StoreError(q.lastError());
    q.finish();

    if (!Connection::writable(c->path()))
        throw StoreError(QStringLiteral("The database '%1' is read-only and cannot be opened for writing.").arg(QDir::toNativeSeparators(c->path())));
    // Taking and releasing the write lock writes nothing, but fails when
    // another process holds a write transaction past the busy wait.
    if (!c->inTransaction()) {
        c->exec(QStringLiteral("BEGIN IMMEDIATE"));
        c->exec(QStringLiteral("ROLLBACK"));
    }
    c->exec(QStringLiteral("PRAGMA synchronous = FULL"));
    return Database(c);
}

namespace DBEngine {
Workspace& Workspaces(int index)
{
    if (index != 0)
        throw StoreError(QStringLiteral("Item not found in this collection."));
    static Workspace w;
    return w;
}
} // namespace DBEngine
