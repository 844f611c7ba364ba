#include "store/Connection.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QHash<QString, std::weak_ptr<Connection>>& registry()
{
    static QHash<QString, std::weak_ptr<Connection>> r;
    return r;
}

// How long a save waits for another program's write to finish: a few
// seconds, then the user is told the file is busy.
constexpr int kBusyMs = 6000;

StoreError moved(const QString& path)
{
    return StoreError(QStringLiteral("The file '%1' was moved, replaced or deleted while the program ran.")
                          .arg(QDir::toNativeSeparators(path)),
                      StoreError::Kind::Moved);
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
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMs));
        if (!d.open())
            throw StoreError(d.lastError());
        // A first read makes the -wal and -shm, so all three are known from
        // now on; a file that is no database fails later, where it is checked.
        QSqlQuery(QStringLiteral("SELECT count(*) FROM sqlite_master"), d);
    }
    const QString files[] = {key, key + QStringLiteral("-wal"), key + QStringLiteral("-shm")};
    Connection::FileId* ids[] = {&c->m_file, &c->m_wal, &c->m_shm};
    for (int i = 0; i < 3; ++i)
        *ids[i] = idOf(files[i]);
    registry().insert(key, c);
    return c;
}

Connection::FileId Connection::idOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size)};
}

void Connection::exec(const QString& sql)
{
    QSqlQuery q(db());
    if (!q.exec(sql))
        throw StoreError(q.lastError());
}

bool Connection::writable(const QString& path)
{
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (QFile::permissions(path) & anyWrite) && QFileInfo(path).isWritable();
}

bool Connection::fileStillHere() const
{
    const FileId now = idOf(m_path);
    return now.ino != 0 && now.ino == m_file.ino && now.dev == m_file.dev;
}

Connection::Log Connection::refazerLog()
{
    if (!fileStillHere())
        return Log::Intacto; // the file itself is checkFile's
    const QString wal = m_path + QStringLiteral("-wal"), shm = m_path + QStringLiteral("-shm");
    if (!((m_wal.ino != 0 && idOf(wal).ino == 0) || (m_shm.ino != 0 && idOf(shm).ino == 0)))
        return Log::Intacto;
    if (m_depth > 0)
        return Log::Falhou;
    // Leaving WAL mode needs the file to ourselves; it checkpoints on the way.
    QSqlDatabase d = db();
    auto modo = [&d](const char* m) {
        QSqlQuery q(d);
        return q.exec(QStringLiteral("PRAGMA journal_mode = %1").arg(QLatin1String(m))) && q.next()
            && q.value(0).toString().compare(QLatin1String(m), Qt::CaseInsensitive) == 0;
    };
    QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), d);
    const bool fora = modo("DELETE");
    const bool volta = modo("WAL");
    QSqlQuery(QStringLiteral("SELECT count(*) FROM sqlite_master"), d);
    const FileId novoWal = idOf(wal), novoShm = idOf(shm);
    // Until both stand again, every save is refused as before.
    if (!fora || !volta || novoWal.ino == 0 || novoShm.ino == 0)
        return Log::Falhou;
    m_wal = novoWal;
    m_shm = novoShm;
    ++m_logsRefeitos;
    return Log::Refeito;
}

void Connection::checkFile()
{
    if (!fileStillHere())
        throw moved(m_path);
    refazerLog();
    const struct { QString path; FileId* id; } files[] = {
        {m_path, nullptr},
        {m_path + QStringLiteral("-wal"), &m_wal},
        {m_path + QStringLiteral("-shm"), &m_shm},
    };
    for (const auto& f : files) {
        if (f.id) {
            // Not in WAL mode when it opened: nothing beside it to watch.
            if (f.id->ino == 0)
                continue;
            const FileId c = idOf(f.path);
            if (c.ino != f.id->ino || c.dev != f.id->dev)
                throw moved(f.path);
            // SQLite only ever lengthens its -shm.
            if (f.id == &m_shm && c.size < f.id->size) {
                if (::truncate(QFile::encodeName(f.path).constData(), f.id->size) != 0)
                    throw StoreError(QStringLiteral("disk I/O error"), StoreError::Kind::Disk);
                throw moved(f.path);
            }
            f.id->size = c.size;
        }
        if (!writable(f.path))
            throw StoreError(QStringLiteral("The file '%1' is read-only.").arg(QDir::toNativeSeparators(f.path)),
                             StoreError::Kind::ReadOnly);
    }
}

void Connection::closeMoved()
{
    {
        QSqlDatabase d = db();
        QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), d);
        d.close();
    }
    for (const auto& [path, id] : {std::pair{m_path + QStringLiteral("-wal"), m_wal},
                                   std::pair{m_path + QStringLiteral("-shm"), m_shm}}) {
        const FileId c = idOf(path);
        if (id.ino != 0 && c.ino == id.ino && c.dev == id.dev)
            QFile::remove(path);
    }
}

void Connection::begin()
{
    if (m_depth++ == 0) {
        try {
            checkFile();
            exec(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (...) {
            m_depth = 0;
            throw;
        }
    }
}

void Connection::commit()
{
    if (m_depth == 1) {
        try {
            exec(QStringLiteral("COMMIT"));
        } catch (...) {
            // A failed commit leaves nothing half-written and no transaction
            // open behind it, so the user's retry starts clean.
            QSqlQuery(QStringLiteral("ROLLBACK"), db());
            m_depth = 0;
            throw;
        }
    }
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
    m_c.commit();
    m_done = true;
}
