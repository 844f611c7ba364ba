#include "tests/support/TestDb.h"

#include "store/Generator.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

TestDb::TestDb(bool abrir)
{
    Generator::criarBanco(caminho());
    m_estado.pastaPrograma = m_dir.path();
    static int serial = 0;
    m_conexao = QStringLiteral("kv-test-plain-%1").arg(++serial);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_conexao);
    db.setDatabaseName(caminho());
    db.open();
    if (abrir) {
        m_estado.EspacoTrabalho = &DBEngine::Workspaces(0);
        m_estado.BancoDados = m_estado.EspacoTrabalho->OpenDatabase(caminho());
    }
}

TestDb::~TestDb()
{
    m_estado.BancoDados = Database();
    QSqlDatabase::database(m_conexao, false).close();
    QSqlDatabase::removeDatabase(m_conexao);
}

QList<QVariantList> TestDb::linhas(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q(QSqlDatabase::database(m_conexao));
    q.prepare(sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("TestDb failed: %s (%s)", qPrintable(q.lastError().text()), qPrintable(sql));
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        out << row;
    }
    return out;
}

QVariant TestDb::valor(const QString& sql, const QVariantList& valores)
{
    const auto rows = linhas(sql, valores);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

QString TestDb::texto(const QString& sql, const QVariantList& valores)
{
    QString s;
    for (const QVariantList& linha : linhas(sql, valores))
        for (const QVariant& v : linha)
            s += (v.isNull() ? QStringLiteral("~") : v.toString()) + QLatin1Char('|');
    return s;
}

QString TestDb::conteudo(int caso, int ate)
{
    return texto(QStringLiteral("SELECT * FROM Cases WHERE Numero = ?"), {caso})
        + texto(QStringLiteral("SELECT * FROM %1 WHERE Numero <= ? ORDER BY Numero").arg(Tables::TabelaEventos(caso)), {ate});
}

void TestDb::setCase(int numero, const QVariant& nome, const QVariant& sintoma, const QVariant& qtde)
{
    exec(QStringLiteral("UPDATE Cases SET \"Case\" = ?, Sintoma = ?, Qtde = ? WHERE Numero = ?"),
         {nome, sintoma, qtde, numero});
}

void TestDb::exemplo(int caso, const QStringList& nomes, bool atual)
{
    static const double matriz[4][4] = {{0, 5, 0.1, 0.1}, {0.2, 0, 5, 1}, {10, 0.2, 0, 0.1}, {10, 1, 10, 0}};
    static const double emach[4] = {4, 0, 0.4, -1};
    setCase(caso, QStringLiteral("Bomba, 3"), QString::fromUtf8("-Pressão baixa"), 4);
    for (int r = 0; r < 4; ++r) {
        QVariantList v{nomes.isEmpty() ? QString(QChar(u'A' + r)) : nomes.value(r)};
        for (int c = 0; c < 4; ++c)
            v << (r == c ? QVariant() : QVariant(matriz[r][c]));
        v << emach[r] << r + 1;
        exec(QStringLiteral("UPDATE %1 SET Evento = ?, N01 = ?, N02 = ?, N03 = ?, N04 = ?, emach = ? WHERE Numero = ?")
                 .arg(Tables::TabelaEventos(caso)), v);
    }
    if (atual)
        m_estado.CaseAtual = caso, m_estado.QtdeFatores = 4;
}
