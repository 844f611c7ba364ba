// Saves lose nothing. A failing one says why in the user's language, the window keeps what it shows, nothing is
// half-written, and the retry saves. Whatever is pasted into a box or a grid cell is stored exactly (or cut at
// its limit), a count only whole and in range.
#include "analysis/ModeloMatriz.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "shell/Gravacao.h"
#include "store/Connection.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QProcess>
#include <QSqlQuery>
#include <cstdio>

namespace {
const QStringList amostras{u("abc"), u("-5"), u("4,5"), u("4.5"), u("1.000"), u("1,000"), u("12"),
                           QString(10000, QLatin1Char('x')), QString(10000, QLatin1Char('9')), u("'; DROP TABLE Cases; --"),
                           u("\"aspas\" e 'apóstrofos'"), u("ação é ñ ü"), u("😀🚀 emoji"),
                           QString(79, QLatin1Char('a')) + u("😀"), u(""), u("   ")};

// Makes (or undoes) a fault on the file under a running KV.
void falha(TestDb& db, const QString& qual, bool fazer)
{
    const QString p = db.caminho();
    if (qual == u("busy"))
        db.exec(fazer ? u("BEGIN IMMEDIATE") : u("ROLLBACK"));
    else if (qual == u("full"))
        QSqlQuery(u("PRAGMA max_page_count = ") + (fazer ? u("1") : u("99999")), db.estado().BancoDados.connection().db());
    else if (qual == u("refused")) // row 13 refused: the transaction stays open with rows 1 to 12 written
        db.exec(fazer ? u("CREATE TRIGGER r BEFORE UPDATE ON Eventos WHEN NEW.Numero = 13 BEGIN SELECT RAISE(ABORT, 'no'); END")
                      : u("DROP TRIGGER r"));
    else if (qual == u("moved"))
        fazer ? QFile::rename(p, p + u(".x")) : QFile::rename(p + u(".x"), p);
    else if (qual == u("-shm cut") && fazer)
        QFile::resize(p + u("-shm"), 0);
    else if (qual.endsWith(u("read-only")))
        QFile::setPermissions(qual.startsWith(u("-wal")) ? p + u("-wal") : p,
                              QFile::ReadOwner | (fazer ? QFile::ReadOther : QFile::WriteOwner));
}

// The matrix screen of case 1 with 25 factors, 0.2 off the diagonal: more than the table's one page holds.
std::unique_ptr<frmDados> matriz(TestDb& db, int idioma = 3)
{
    db.setCase(1, u("C"), u("S"), 25);
    db.estado().CaseAtual = 1;
    db.estado().IdiomaAtual = qint16(idioma);
    auto w = std::make_unique<frmDados>(db.estado());
    w->show();
    for (int r = 0; r < 25; ++r)
        for (int c = 1; c <= 25; ++c)
            w->modelo()->setTextMatrix(r, c, c == r + 1 ? QString() : u("0.2"));
    return w;
}
} // namespace

class TstSaves : public QObject {
    Q_OBJECT
private slots:
    void matrizFicaNaTelaEGravaNaNovaTentativa()
    {
        const char* titulos[] = {"", "Data not saved", "Datos no guardados", "Dados não gravados"};
        const struct { const char* falha; int idioma; const char* motivo; const char* tecnico; } casos[] = {
            {"busy", 3, "O arquivo de dados CONTROLE.mdb está ocupado por outro programa.", "database is locked"},
            {"full", 1, "The disk is full.", "database or disk is full"},
            {"read-only", 2, "El archivo de datos CONTROLE.mdb es de solo lectura.", "CONTROLE.mdb' is read-only."},
            {"-wal read-only", 3, "O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).",
             "-wal' is read-only."},
            {"moved", 1, "The data file CONTROLE.mdb was moved, replaced or deleted while KV was open.", "mdb' was moved"},
            // SQLite keeps the -shm mapped: touching a part cut away would end KV.
            {"refused", 1, "The disk refused the write.", "no"},
            {"-shm cut", 2, "El archivo de datos CONTROLE.mdb fue movido, sustituido o borrado mientras KV estaba abierto.",
             "-shm' was moved"},
        };
        for (const auto& c : casos) {
            TestDb db;
            auto w = matriz(db, c.idioma);
            falha(db, u(c.falha), true);
            Respostas sink;
            // Back, Analyse or the title bar's X, by turns; after the failure all are there to try again.
            const auto k = (&c - casos) % 3;
            k == 2 ? void(w->close()) : clicar(w.get(), k ? "cmdSair" : "cmdCalcular");
            QVERIFY2(w->isVisible() && filho(w.get(), "cmdCalcular")->isVisible() && sink.count() == 1, c.falha);
            const auto& m = sink.ultima();
            QVERIFY2(m.titulo == u(titulos[c.idioma]) && m.texto.startsWith(u(c.motivo)) && m.texto.contains(u(c.tecnico)),
                     qPrintable(m.titulo + u(": ") + m.texto));
            falha(db, u(c.falha), false);
            QVERIFY2(db.valor(u("SELECT N02 FROM Eventos WHERE Numero = 1")).isNull(), c.falha);
            // The retry, by the title bar's X, which leaves the way Back does.
            QVERIFY(w->close() && sink.count() == 1);
            QCOMPARE(db.linhas(u("SELECT N02, N25 FROM Eventos WHERE Numero IN (1, 25)")),
                     (QList<QVariantList>{{0.2, 0.2}, {0.2, 0.0}}));
        }

        // A writer that finishes within the wait holds the save up, no more (line-buffered: "held" comes at once).
        TestDb db;
        auto w = matriz(db);
        QProcess escritor;
        escritor.start(u("stdbuf"), {u("-oL"), u("sqlite3"), db.caminho(), u("BEGIN IMMEDIATE; SELECT 'held';"),
                                     u(".shell sleep 2"), u("COMMIT;")});
        Respostas sink;
        QVERIFY(escritor.waitForReadyRead(10000) && w->close() && sink.count() == 0 && escritor.waitForFinished());
    }

    void registrosFicamNaTelaEGravamNaNovaTentativa()
    {
        TestDb db;
        db.setCase(3, u("Velho"), u("S"), 6);
        db.exec(u("UPDATE Eventos3 SET Evento = 'antigo'"));
        db.estado().CaseAtual = 3;
        Respostas sink;
        Janela<frmCases> casos(db);
        casos.clicar(2, 1, true);
        casos.digitar("txtCase", u("Novo"), "txtSintoma");
        Janela<frmEventos> eventos(db);
        eventos.grade()->model()->setData(eventos.grade()->model()->index(0, 1), u("Temperatura"));
        // Each save fails once on a read-only file, then saves.
        const struct { std::function<void()> salvar; const char* consulta; const char* antes; const char* depois; } saves[] = {
            {[&] { clicar(&casos.w, "cmdGravar"); }, "SELECT \"Case\" FROM Cases WHERE Numero = 3", "Velho", "Novo"},
            {[&] { clicar(&casos.w, "cmdLimpar"); }, "SELECT Evento FROM Eventos3 WHERE Numero = 2", "antigo", ""},
            {[&] { eventos.w.close(); }, "SELECT Evento FROM Eventos3 WHERE Numero = 1", "", "Temperatura"},
        };
        for (const auto& s : saves) {
            for (bool recusado : {true, false}) {
                falha(db, u("read-only"), recusado);
                sink.clear();
                s.salvar();
                QCOMPARE(sink.count(), int(recusado));
                QCOMPARE(db.valor(u(s.consulta)).toString(), u(recusado ? s.antes : s.depois));
            }
        }
        QVERIFY(casos.texto("txtCase") == u("Novo") && casos.w.isVisible() && !eventos.w.isVisible());
    }

    void arquivoTrocadoNadaRecebe()
    {
        TestDb db;
        auto w = matriz(db);
        Respostas sink;
        // Analysing saves (the equal points are refused then): the log holds pages of this file.
        clicar(w.get(), "cmdCalcular");
        // A grown copy of the file as it was on disk, moved over it.
        const QString p = db.caminho();
        QVERIFY(QFile::copy(p, p + u(".novo")));
        db.exec(u("ATTACH ? AS novo"), {p + u(".novo")});
        db.exec(u("CREATE TABLE novo.lastro AS SELECT randomblob(400000) AS b"));
        db.exec(u("DETACH novo"));
        QVERIFY(::rename(QFile::encodeName(p + u(".novo")), QFile::encodeName(p)) == 0);
        sink.clear();
        clicar(w.get(), "cmdSair");
        Gravacao::aoEncerrar(db.estado());
        QVERIFY(w->isVisible() && sink.count() == 2);
        QVERIFY(sink.ultima().texto.startsWith(u("O arquivo de dados CONTROLE.mdb foi movido")));
        QVERIFY(!QFile::exists(p + u("-wal")) && !QFile::exists(p + u("-shm")));
        // The replacement is whole, and nothing of ours is in it.
        const char* sql = "PRAGMA integrity_check; SELECT length(b) FROM lastro; SELECT N02 IS NULL FROM Eventos WHERE Numero=1;";
        QCOMPARE(saidaDe(u("sqlite3"), {p, u(sql)}), u("ok\n400000\n1\n"));
    }

    void registroDeCasosGuardaOQueSeColou()
    {
        for (const char* local : {"en_US", "pt_BR"}) {
            QLocale::setDefault(QLocale(u(local)));
            TestDb db;
            db.setCase(2, "velho", "sintoma", 6);
            Respostas sink;
            for (const QString& t : amostras) {
                Janela<frmCases> j(db);
                j.clicar(1, 1, true);
                sink.clear();
                for (auto* caixa : {j.c<QLineEdit>("txtCase"), j.c<QLineEdit>("txtSintoma"), j.c<QLineEdit>("txtQtde")}) {
                    caixa->setFocus(); // pasted as a user does: select all, then insert
                    caixa->selectAll();
                    caixa->insert(t);
                }
                j.c("txtCase")->setFocus(); // leaving the count box checks it, and empties a refused count
                QVERIFY(sink.count() == 0 || j.texto("txtQtde") == u("0"));
                QMetaObject::invokeMethod(j.c("cmdGravar"), "click");
                const auto linha = db.linhas("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 2").first();
                for (int campo : {0, 1}) {
                    const QString g = linha[campo].toString();
                    QVERIFY2(t.startsWith(g) && g.size() <= 80 && g.isValidUtf16(), qPrintable(t.left(20)));
                    QVERIFY2(!linha[campo].isNull() && (g == t || t.size() > 80), qPrintable(t.left(20))); // cut only past 80
                }
                const double q = linha[2].toDouble();
                QVERIFY2(q == 0 || (q >= 4 && q <= 25 && q == int(q)), qPrintable(t.left(20) + u(" -> ") + linha[2].toString()));
            }
            QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void registroDeFatoresGuardaOQueSeColou()
    {
        TestDb db;
        db.setCase(4, "c", "s", int(amostras.size()));
        db.estado().CaseAtual = 4;
        Respostas sink;
        Janela<frmEventos> j(db);
        for (int r = 0; r < amostras.size(); ++r) {
            const QModelIndex i = j.grade()->model()->index(r, 1);
            j.grade()->setCurrentIndex(i);
            j.grade()->edit(i);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            editor->selectAll();
            editor->insert(amostras[r]);
            QTest::keyClick(editor, r + 1 < amostras.size() ? Qt::Key_Down : Qt::Key_Tab);
        }
        j.w.close();
        QStringList guardados;
        for (const auto& l : db.linhas("SELECT Evento FROM Eventos4 WHERE Numero <= ? ORDER BY Numero", {amostras.size()}))
            guardados << l[0].toString();
        QCOMPARE(guardados, amostras);
        QVERIFY(sink.count() == 0 && db.valor("SELECT count(*) FROM Eventos4").toInt() == 30);
    }
};

QTEST_MAIN(TstSaves)
#include "tst_saves.moc"
