// A process killed at random moments in the middle of saves never leaves a damaged file or a
// half-written case: after every kill, case 1 is whole as the child's last finished save (or the start) left it.
#include "analysis/FlexGrid.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "store/CasoCsv.h"
#include "tests/support/TestDb.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <cstdio>

namespace {
// The child (this program with "gravar", a folder, a count and a kind), for `voltas` saves (0: until killed): by
// turns the reset of case 1 and its 25-factor matrix saved by the matrix screen, all 10, 0.2 or 1 in
// turn, so a torn save would show; or cases of 25 and of 4 factors imported into case 1 by turns. "ok" after
// each finished save, so the kills fall after the first one however slowly the child starts.
int gravar(const QString& pasta, long voltas, bool importar)
{
    AppState estado;
    estado.pastaPrograma = pasta;
    estado.EspacoTrabalho = &DBEngine::Workspaces(0);
    estado.BancoDados = estado.EspacoTrabalho->OpenDatabase(estado.caminhoBanco(), false, false, QStringLiteral(";pwd=TarnBeck"));
    estado.IdiomaAtual = 3;
    estado.CaseAtual = 1;
    CasoCsv::Caso casos[2];
    for (const int n : {25, 4}) {
        CasoCsv::Caso& c = casos[n == 4];
        c = {true, QStringLiteral("n%1").arg(n), QString(), {}, QVector<double>(n * n)};
        for (int r = 0; r < n; ++r) {
            c.fatores << QStringLiteral("F%1").arg(r + 1);
            for (int k = 0; k < n; ++k)
                c.valores[r * n + k] = k > r ? 5 : k < r ? 0.2 : 0;
        }
    }
    const char* const padroes[3] = {"10", "0.2", "1"};
    for (long g = 0; voltas <= 0 || g < voltas; ++g) {
        if (importar) {
            CasoCsv::gravar(estado.BancoDados, 1, casos[g % 2]);
        } else if (g % 2 == 0) {
            frmCases(estado).cmdLimpar_Click();
        } else {
            frmDados dados(estado);
            auto* grade = dados.findChild<FlexGrid*>(QStringLiteral("MSFlexGrid1"));
            for (int r = 0; r < 25; ++r)
                for (int c = 1; c <= 25; ++c)
                    grade->setTextMatrix(r, c, c == r + 1 ? QString() : QString::fromLatin1(padroes[(g / 2) % 3]));
            QMetaObject::invokeMethod(&dados, "cmdSair_Click", Qt::DirectConnection);
        }
        std::puts("ok");
        std::fflush(stdout);
    }
    return 0;
}

// Case 1 and its thirty factor rows, as one text.
QString caso1(TestDb& db)
{
    return db.texto("SELECT * FROM Cases JOIN Eventos ON Cases.Numero = 1 ORDER BY Eventos.Numero");
}

// Runs the child on a program folder: `voltas` saves to the end, or with `ms`
// endless saves killed a random 1 to ms milliseconds after the first finished.
void filho(const QString& pasta, const char* tipo, int voltas, int ms = 0)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {"gravar", pasta, QString::number(voltas), tipo});
    if (!ms) {
        QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0);
        return;
    }
    QByteArray lido;
    while (p.waitForReadyRead(20000) && !(lido += p.readAll()).contains("ok")) {
    }
    QVERIFY(lido.contains("ok"));
    QTest::qSleep(int(QRandomGenerator::global()->bounded(1, ms)));
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished(10000));
}
} // namespace

class TstCrash : public QObject {
    Q_OBJECT
private slots:
    void mortoNoMeioDeGravacoesNadaSeRasga()
    {
        const int vezes = qEnvironmentVariable("KV_CRASH_TRIALS", QStringLiteral("200")).toInt();
        const struct { const char* tipo; QList<int> voltas; int vezes, ms; } casos[] = {
            {"matriz", {1, 2, 4, 6}, vezes, 120},
            {"importar", {1, 2}, vezes / 5, 60},
        };
        for (const auto& c : casos) {
            // What case 1 may hold: the start and the end of each kind of save.
            QStringList estados;
            for (const int v : QList<int>{0} + c.voltas) {
                TestDb m(false);
                m.setCase(1, "crash", "kill -9", 25);
                if (v)
                    filho(m.pasta(), c.tipo, v);
                estados << caso1(m);
            }
            QCOMPARE(QSet<QString>(estados.begin(), estados.end()).size(), estados.size());
            TestDb db(false);
            db.setCase(1, "crash", "kill -9", 25);
            QList<int> vistos(estados.size());
            for (int t = 0; t < c.vezes; ++t) {
                filho(db.pasta(), c.tipo, 0, c.ms);
                QCOMPARE(db.valor("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
                const auto e = estados.indexOf(caso1(db));
                QVERIFY2(e >= 0, qPrintable(QString("trial %1: torn").arg(t)));
                vistos[e]++;
                QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
            }
            qInfo() << c.tipo << "states after the kills:" << vistos;
            // The kills fell after saves of more than one kind, not only at the start.
            QVERIFY(std::count_if(vistos.begin() + 1, vistos.end(), [](int n) { return n > 0; }) >= 2);
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "gravar")
        return gravar(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLong(), QByteArray(argv[4]) == "importar");
    TstCrash t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_crash.moc"
