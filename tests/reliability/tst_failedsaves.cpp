// Nothing the user entered is lost when a save fails: a busy, full, read-only,
// moved or tampered-with file gets a message in the current language, the
// window keeps everything on screen, nothing is half-written, and the retry
// saves. A file moved or replaced under KV is never written, and quitting
// leaves no -wal or -shm to be replayed onto the file that stands there now.
#include "analysis/FlexGrid.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "shell/Fonts.h"
#include "shell/Gravacao.h"
#include "store/Connection.h"
#include "tests/registration/Janela.h"
#include "tests/support/RecordingSink.h"

#include <QProcess>
#include <QSqlQuery>
#include <QToolButton>
#include <cstdio>

namespace {
using Acao = std::function<void(TestDb&)>;

void modo(const QString& arquivo, bool gravavel)
{
    QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::ReadGroup | (gravavel ? QFile::WriteOwner : QFile::ReadOther));
}

QVariant doKV(TestDb& db, const QString& sql)
{
    QSqlQuery q(sql, db.estado().BancoDados.connection().db());
    return q.next() ? q.value(0) : QVariant();
}

// The matrix screen of case 1 with 25 factors, every cell off the diagonal
// filled with 0.2: more than the factor table's one page holds.
std::unique_ptr<frmDados> matriz(TestDb& db, int idioma = 3)
{
    db.setCase(1, u("C"), u("S"), 25);
    db.estado().CaseAtual = 1;
    db.estado().IdiomaAtual = qint16(idioma);
    auto w = std::make_unique<frmDados>(db.estado());
    w->show();
    auto* g = w->findChild<FlexGrid*>(u("MSFlexGrid1"));
    for (int r = 0; r < 25; ++r)
        for (int c = 1; c <= 25; ++c)
            if (c != r + 1)
                g->setTextMatrix(r, c, u("0.2"));
    return w;
}
} // namespace

class TstFailedSaves : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }

    void matrizFicaNaTelaEGravaNaNovaTentativa()
    {
        const struct {
            const char* falha;
            int idioma;
            const char* titulo;
            const char* motivo; // the message's first line
            const char* tecnico;
            Acao causar, curar;
        } casos[] = {
            {"busy", 3, "Dados não gravados", "O arquivo de dados CONTROLE.mdb está ocupado por outro programa.",
             "database is locked", [](TestDb& db) { db.exec(u("BEGIN IMMEDIATE")); },
             [](TestDb& db) { db.exec(u("ROLLBACK")); }},
            {"full", 1, "Data not saved", "The disk is full.", "database or disk is full",
             [](TestDb& db) { doKV(db, u("PRAGMA max_page_count = ") + doKV(db, u("PRAGMA page_count")).toString()); },
             [](TestDb& db) { doKV(db, u("PRAGMA max_page_count = 1000000")); }},
            {"read-only", 2, "Datos no guardados", "El archivo de datos CONTROLE.mdb es de solo lectura.",
             "CONTROLE.mdb' is read-only.", [](TestDb& db) { modo(db.caminho(), false); },
             [](TestDb& db) { modo(db.caminho(), true); }},
            {"-wal read-only", 3, "Dados não gravados",
             "O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).", "-wal' is read-only.",
             [](TestDb& db) { modo(db.caminho() + u("-wal"), false); },
             [](TestDb& db) { modo(db.caminho() + u("-wal"), true); }},
            {"moved", 1, "Data not saved", "The data file CONTROLE.mdb was moved, replaced or deleted while KV was open.",
             "CONTROLE.mdb' was moved", [](TestDb& db) { QFile::rename(db.caminho(), db.caminho() + u(".x")); },
             [](TestDb& db) { QFile::rename(db.caminho() + u(".x"), db.caminho()); }},
            // SQLite keeps the -shm mapped: cut short, touching it would end KV.
            {"-shm cut", 2, "Datos no guardados",
             "El archivo de datos CONTROLE.mdb fue movido, sustituido o borrado mientras KV estaba abierto.",
             "-shm' was moved", [](TestDb& db) { QFile::resize(db.caminho() + u("-shm"), 0); }, [](TestDb&) {}},
        };
        for (const auto& c : casos) {
            TestDb db;
            auto w = matriz(db, c.idioma);
            c.causar(db);
            RecordingSink sink;
            w->findChild<QToolButton*>(u("cmdSair"))->click();
            QVERIFY2(w->isVisible() && sink.count() == 1, c.falha);
            QCOMPARE(sink.ultima().titulo, u(c.titulo));
            QVERIFY2(sink.ultima().texto.startsWith(u(c.motivo)) && sink.ultima().texto.contains(u(c.tecnico)),
                     qPrintable(sink.ultima().texto));
            c.curar(db);
            QVERIFY2(db.valor(u("SELECT N02 FROM Eventos WHERE Numero = 1")).isNull(), c.falha);
            // The retry, by the title bar's X, which leaves the way Back does.
            QVERIFY(w->close());
            QCOMPARE(sink.count(), 1);
            QCOMPARE(db.linhas(u("SELECT N02, N25 FROM Eventos WHERE Numero IN (1, 25) ORDER BY Numero")),
                     (QList<QVariantList>{{0.2, 0.2}, {0.2, 0.0}}));
        }

        // A writer that finishes within the wait holds the save up, no more.
        TestDb db;
        auto w = matriz(db);
        QProcess escritor;
        escritor.start(u("sqlite3"), {db.caminho()});
        escritor.write("BEGIN IMMEDIATE;\nSELECT 'held';\n.shell sleep 1\nCOMMIT;\n");
        QVERIFY(escritor.waitForReadyRead(10000));
        RecordingSink sink;
        QVERIFY(w->close());
        QCOMPARE(sink.count(), 0);
        QCOMPARE(db.valor(u("SELECT N25 FROM Eventos WHERE Numero = 1")), QVariant(0.2));
        escritor.closeWriteChannel();
        QVERIFY(escritor.waitForFinished());
    }

    void registrosFicamNaTelaEGravamNaNovaTentativa()
    {
        TestDb db;
        db.setCase(3, u("Velho"), u("S"), 6);
        db.exec(u("UPDATE Eventos3 SET Evento = 'antigo'"));
        db.estado().CaseAtual = 3;
        RecordingSink sink;
        // Each save fails once on a read-only file, then saves.
        Janela<frmCases> casos(db);
        casos.clicar(2, 1, true);
        casos.digitar("txtCase", u("Novo nome"), "txtSintoma");
        Janela<frmEventos> eventos(db);
        eventos.grade()->model()->setData(eventos.grade()->model()->index(0, 1), u("Temperatura"));
        const struct { std::function<void()> salvar; const char* consulta; const char* antes; const char* depois; } saves[] = {
            {[&] { casos.c<QAbstractButton>("cmdGravar")->click(); }, "SELECT \"Case\" FROM Cases WHERE Numero = 3",
             "Velho", "Novo nome"},
            {[&] { casos.c<QAbstractButton>("cmdLimpar")->click(); }, "SELECT Evento FROM Eventos3 WHERE Numero = 2",
             "antigo", ""},
            {[&] { eventos.w.close(); }, "SELECT Evento FROM Eventos3 WHERE Numero = 1", "", "Temperatura"},
        };
        for (const auto& s : saves) {
            modo(db.caminho(), false);
            sink.clear();
            s.salvar();
            QCOMPARE(sink.count(), 1);
            QCOMPARE(db.valor(u(s.consulta)).toString(), u(s.antes));
            modo(db.caminho(), true);
            s.salvar();
            QCOMPARE(sink.count(), 1);
            QCOMPARE(db.valor(u(s.consulta)).toString(), u(s.depois));
        }
        QCOMPARE(casos.texto("txtCase"), u("Novo nome"));
        QVERIFY(casos.w.isVisible() && !eventos.w.isVisible());
    }

    void arquivoTrocadoOuApagadoNadaRecebe()
    {
        for (const bool apagado : {false, true}) {
            TestDb db;
            auto w = matriz(db);
            RecordingSink sink;
            // Analysing saves (the equal points are then refused): the log
            // now holds pages of this file.
            w->findChild<QToolButton*>(u("cmdCalcular"))->click();
            sink.clear();
            const QString p = db.caminho();
            if (apagado) {
                QFile::remove(p);
            } else {
                // A grown copy of the file, as it was on disk, moved over it.
                QVERIFY(QFile::copy(p, p + u(".novo")));
                {
                    QSqlDatabase outra = QSqlDatabase::addDatabase(u("QSQLITE"), u("novo"));
                    outra.setDatabaseName(p + u(".novo"));
                    QVERIFY(outra.open());
                    QSqlQuery(u("CREATE TABLE lastro AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                "WHERE i < 2000) SELECT i, randomblob(200) AS b FROM n"), outra);
                    outra.close();
                }
                QSqlDatabase::removeDatabase(u("novo"));
                QVERIFY(::rename(QFile::encodeName(p + u(".novo")), QFile::encodeName(p)) == 0);
            }
            w->findChild<QToolButton*>(u("cmdSair"))->click();
            QVERIFY(w->isVisible());
            Gravacao::aoEncerrar(db.estado());
            QCOMPARE(sink.count(), 2);
            QVERIFY(sink.ultima().texto.startsWith(u("O arquivo de dados CONTROLE.mdb foi movido")));
            QVERIFY(!QFile::exists(p + u("-wal")) && !QFile::exists(p + u("-shm")));
            if (apagado)
                continue;
            // KV starts again on the replacement: whole, and nothing of ours in it.
            w.reset();
            db.estado().BancoDados = Database();
            db.estado().BancoDados = DBEngine::Workspaces(0).OpenDatabase(p, false, false, u(";pwd=TarnBeck"));
            QCOMPARE(doKV(db, u("PRAGMA integrity_check")).toString(), u("ok"));
            QCOMPARE(doKV(db, u("SELECT count(*) FROM lastro")).toInt(), 2000);
            QVERIFY(doKV(db, u("SELECT N02 FROM Eventos WHERE Numero = 1")).isNull());
        }
    }
};

QTEST_MAIN(TstFailedSaves)
#include "tst_failedsaves.moc"
