#include "store/Connection.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {
QHash<QString, std::weak_ptr<Connection>>& registry()
{
    static QHash<QString, std::weak_ptr<Connection>> r;
    return r;
}

QString keyOf(const QString& path)
{
    const QFileInfo fi(path);
    const QString canon = fi.canonicalFilePath();
    return canon.isEmpty() ? QDir::cleanPath(fi.absoluteFilePath()) : canon;
}
} // namespace

Connection::Connection(QString path, QString name) : m_path(std::move(path)), m_name(std::move(name)) {}

Connection::~Connection()
{
    {
        QSqlDatabase d = QSqlDatabase::database(m_name, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

std::shared_ptr<Connection> Connection::open(const QString& path)
{
    const QString key = keyOf(path);
    if (auto existing = registry().value(key).lock())
        return existing;

    const QFileInfo fi(key);
    if (!fi.exists() || !fi.isFile())
        throw StoreError(QStringLiteral("Could not find file '%1'.").arg(QDir::toNativeSeparators(key)));

    static int serial = 0;
    const QString name = QStringLiteral("kv-store-%1").arg(++serial);
    std::shared_ptr<Connection> c(new Connection(key, name));
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // mode=rw: opening never creates a file that is not there.
        d.setDatabaseName(QUrl::fromLocalFile(key).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
        if (!d.open())
            throw StoreError(d.lastError().text());
    }
    registry().insert(key, c);
    return c;
}

void Connection::exec(const QString& sql)
{
    QSqlQuery q(db());
    if (!q.exec(sql))
        throw StoreError(q.lastError().text());
}

void Connection::begin()
{
    if (m_depth++ == 0) {
        try {
            exec(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (...) {
            m_depth = 0;
            throw;
        }
    }
}

void Connection::commit()
{
    if (m_depth == 1)
        exec(QStringLiteral("COMMIT"));
    if (m_depth > 0)
        --m_depth;
}

void Connection::rollback()
{
    if (m_depth == 1) {
        QSqlQuery q(db());
        q.exec(QStringLiteral("ROLLBACK"));
    }
    if (m_depth > 0)
        --m_depth;
}

Transaction::Transaction(Connection& c) : m_c(c) { m_c.begin(); }

Transaction::~Transaction()
{
    if (!m_done)
        m_c.rollback();
}

void Transaction::commit()
{
    m_done = true;
    m_c.commit();
}
