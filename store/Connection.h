#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

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

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

private:
    Connection(QString path, QString name);
    QString m_path;
    QString m_name;
    int m_depth = 0;
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
