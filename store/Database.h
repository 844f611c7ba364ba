#pragma once

#include "store/Recordset.h"

#include <QString>
#include <memory>

class Connection;

// Recordset types of OpenRecordset.
inline constexpr int dbOpenTable = 1;
inline constexpr int dbOpenDynaset = 2;

// The working database, opened once at start-up and shared by every screen.
class Database final {
public:
    Database() = default;
    explicit Database(std::shared_ptr<Connection> c) : m_conn(std::move(c)) {}

    bool isOpen() const { return bool(m_conn); }
    Connection& connection() const;

    // A table name with dbOpenTable, or a query text with dbOpenDynaset.
    Recordset OpenRecordset(const QString& source, int type = dbOpenTable) const;

private:
    std::shared_ptr<Connection> m_conn;
};

// The engine's workspace: opens databases.
class Workspace final {
public:
    // Opens name for shared work, to read and write; the file carries no
    // password. The open makes sure that the file is a database, can be
    // written and is not held by another writer; a failed open leaves the
    // file untouched.
    Database OpenDatabase(const QString& name) const;
};

namespace DBEngine {
// The default workspace is item 0, the only one.
Workspace& Workspaces(int index);
}
