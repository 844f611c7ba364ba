#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <utility>

// One SQLite connection per database file for the whole process. The working
// database and every bound data source on the same file share it, so a walk
// that writes through a data source runs inside the same transaction as any
// other writer and the file sees one writer only.
class Connection final {
public:
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The connection to the file at path, opened on first use. The file must
    // exist: a missing file is an error, never a new empty database.
    static std::shared_ptr<Connection> open(const QString& path);

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    QString path() const { return m_path; }

    // Runs a statement that returns no rows; throws StoreError on failure.
    void exec(const QString& sql);

    // Whether a file may be written: a file with no write flag at all is
    // read-only even for root, who could otherwise write it anyway.
    static bool writable(const QString& path);

    // Runs before every save. A -wal or -shm deleted is made afresh first
    // (refazerLog). Throws StoreError when the path no longer names the file
    // open here, or the -wal or -shm beside it is not the one SQLite holds
    // (Moved), or when one of them may not be written (ReadOnly). A -shm
    // cut short by another program is first given its length back: SQLite
    // keeps it mapped, and touching the missing part would end the process.
    void checkFile();
    // At quitting, after checkFile said Moved: the log goes into the file that
    // is open (wherever it is now), the connection closes, and the -wal and
    // -shm it leaves at the path are removed, so they are never replayed onto
    // the file that stands there now.
    void closeMoved();

    // The -wal or -shm deleted while the file is open: SQLite goes on with the
    // copies it holds open, which nobody would find after a crash. Their
    // content goes into the file, and both are made afresh at the path. Only
    // the program's own connection may hold the file for that.
    enum class Log { Intacto, Refeito, Falhou };
    Log refazerLog();
    // How often the log was made afresh (here or by checkFile before a save)
    // since the last call: what nobody was told yet.
    int logsRefeitosNaoAvisados() { return std::exchange(m_logsRefeitos, 0); }
    // The path still names the file open here (whatever became of its log).
    bool fileStillHere() const;

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

private:
    Connection(QString path, QString name);
    QString m_path;
    QString m_name;
    int m_depth = 0;
    int m_logsRefeitos = 0;
    struct FileId {
        quint64 dev = 0;
        quint64 ino = 0; // 0: no such file
        qint64 size = 0;
    };
    static FileId idOf(const QString& path);
    FileId m_file, m_wal, m_shm;
};

// A walk that writes several rows: all of them or none, and one disk sync.
// Rolls back unless committed. Nested walks join the outer one.
class Transaction final {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& m_c;
    bool m_done = false;
};
