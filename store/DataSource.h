#pragma once

#include "store/Recordset.h"

#include <QObject>
#include <QString>
#include <memory>

class Connection;

// The bound data source of a list or grid screen: a database path, a record
// source (a table name or a query text) and, after Refresh, an updatable
// recordset over its rows. Bound grids listen to refreshed().
class DataSource final : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    void setDatabaseName(const QString& path) { m_databaseName = path; }
    void setRecordSource(const QString& source) { m_recordSource = source; }

    // Runs the record source on the database file; throws StoreError.
    void Refresh();
    ::Recordset& Recordset() { return m_recordset; }
    const ::Recordset& Recordset() const { return m_recordset; }
    bool isOpen() const { return bool(m_conn); }
    Connection& connection() const;

signals:
    void refreshed();

private:
    QString m_databaseName;
    QString m_recordSource;
    std::shared_ptr<Connection> m_conn;
    ::Recordset m_recordset;
};
