#include "store/Generator.h"
#include "store/StoreError.h"
#include "store/Tables.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace Generator {

namespace {
void run(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        throw StoreError(q.lastError().text() + QStringLiteral(" [") + sql + QLatin1Char(']'));
}

void build(QSqlDatabase& db)
{
    QSqlQuery q(db);
    // WAL: a commit costs one sync of the log, and a killed process never
    // leaves a torn file behind.
    run(q, QStringLiteral("PRAGMA journal_mode = WAL"));
    run(q, QStringLiteral("BEGIN"));
    run(q, QStringLiteral("CREATE TABLE \"Parametro\" (\"Idioma\" INTEGER, \"VersaoBD\" TEXT)"));
    run(q, QStringLiteral("CREATE TABLE \"Cases\" (\"Numero\" INTEGER PRIMARY KEY NOT NULL, \"Case\" TEXT, "
                          "\"Sintoma\" TEXT, \"Qtde\" INTEGER)"));

    QStringList matrix;
    for (int c = 1; c <= Tables::kMatrixFields; ++c)
        matrix << QLatin1Char('"') + Tables::campoMatriz(c) + QStringLiteral("\" REAL");
    for (int caso = 1; caso <= Tables::kCases; ++caso) {
        run(q, QStringLiteral("CREATE TABLE \"%1\" (\"Numero\" INTEGER PRIMARY KEY NOT NULL, \"Evento\" TEXT, %2, \"emach\" REAL)")
                   .arg(Tables::TabelaEventos(caso), matrix.join(QStringLiteral(", "))));
        for (int r = 1; r <= Tables::kFactorRows; ++r)
            run(q, QStringLiteral("INSERT INTO \"%1\" (\"Numero\") VALUES (%2)").arg(Tables::TabelaEventos(caso)).arg(r));
    }
    for (int caso = 1; caso <= Tables::kCases; ++caso)
        run(q, QStringLiteral("INSERT INTO \"Cases\" (\"Numero\", \"Qtde\") VALUES (%1, 0)").arg(caso));

    q.prepare(QStringLiteral("INSERT INTO \"Parametro\" (\"Idioma\", \"VersaoBD\") VALUES (?, ?)"));
    q.addBindValue(kIdiomaInicial);
    q.addBindValue(QString::fromLatin1(kVersaoBD));
    if (!q.exec())
        throw StoreError(q.lastError().text());
    run(q, QStringLiteral("COMMIT"));
}
} // namespace

void criarBanco(const QString& path)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("The file '%1' already exists.").arg(path));
    const QString name = QStringLiteral("kv-generator");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw StoreError(db.lastError().text());
        try {
            build(db);
        } catch (...) {
            db.close();
            QSqlDatabase::removeDatabase(name);
            QFile::remove(path);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace Generator
