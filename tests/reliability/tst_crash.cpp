// A process killed at chosen moments in the middle of saves never leaves a damaged file or a
// half-written case: after every kill, case 1 is whole as the save killed left it, before or after.
#include "analysis/ModeloMatriz.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "store/CasoCsv.h"
#include "tests/support/TestDb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {
// The child (this program with "gravar", a folder and a kind) makes one save per line it reads and says "ok"
// after it, so the parent knows which save a kill falls into: by turns the reset of case 1 and its 25-factor
// matrix saved by the matrix screen, all 10, 0.2 or 1 in turn, so a torn save would show; or cases of 25 and
// of 4 factors imported into case 1 by turns.
int gravar(const QString& pasta, bool importar)
{
    AppState estado;
    estado.pastaPrograma = pasta;
    estado.EspacoTrabalho = &DBEngine::Workspaces(0);
    estado.BancoDados = estado.EspacoTrabalho->OpenDatabase(estado.caminhoBanco());
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
    for (long g = 0; std::getchar() != EOF; ++g) {
        if (importar) {
            CasoCsv::gravar(estado.BancoDados, 1, casos[g % 2]);
        } else if (g % 2 == 0) {
            frmCases(estado).cmdLimpar_Click();
        } else {
            frmDados dados(estado);
            ModeloMatriz* grade = dados.modelo();
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

// The child on a program folder, one save at a time.
struct Filho {
    QProcess p;
    Filho(const QString& pasta, const char* tipo)
    {
        p.start(QCoreApplication::applicationFilePath(), {"gravar", pasta, tipo});
        p.waitForStarted();
    }
    // One whole save; how long it took, in microseconds.
    qint64 gravar()
    {
        QElapsedTimer relogio;
        relogio.start();
        p.write("\n");
        while (!p.canReadLine() && p.waitForReadyRead(60000)) {
        }
        return p.readLine() == "ok\n" ? relogio.nsecsElapsed() / 1000 : -1;
    }
    // One save, killed a random 0 to `us` microseconds after it was asked for.
    bool matar(qint64 us)
    {
        p.write("\n");
        p.waitForBytesWritten();
        std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(us + 1)));
        ::kill(pid_t(p.processId()), SIGKILL);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::CrashExit;
    }
};
} // namespace

class TstCrash : public QObject {
    Q_OBJECT
private slots:
    void mortoNoMeioDeGravacoesNadaSeRasga()
    {
        const int vezes = qEnvironmentVariable("KV_CRASH_TRIALS", QStringLiteral("200")).toInt();
        // The saves a kill falls into (counted from 1) run through every kind and, for the matrix, every
        // value; each comes after a finished save of its kind, whose time bounds the moment of the kill.
        const struct { const char* tipo; int primeira, ultima, vezes; } casos[] = {
            {"matriz", 3, 8, vezes},
            {"importar", 3, 4, vezes / 5},
        };
        for (const auto& c : casos) {
            // What case 1 holds after each save; each save changes it, so a kill before or after its end
            // is told apart, and a torn save is neither.
            TestDb db(false);
            db.setCase(1, "crash", "kill -9", 25);
            QStringList estados{caso1(db)};
            {
                Filho f(db.pasta(), c.tipo);
                for (int k = 1; k <= c.ultima; ++k) {
                    QVERIFY(f.gravar() >= 0);
                    estados << caso1(db);
                    QVERIFY2(estados[k] != estados[k - 1], qPrintable(QString("save %1 changed nothing").arg(k)));
                }
                f.p.closeWriteChannel();
                QVERIFY(f.p.waitForFinished(60000) && f.p.exitCode() == 0);
            }
            int depois = 0;
            for (int t = 0; t < c.vezes; ++t) {
                const int g = c.primeira + t % (c.ultima - c.primeira + 1);
                Filho f(db.pasta(), c.tipo);
                QList<qint64> tempos;
                for (int k = 1; k < g; ++k)
                    tempos << f.gravar();
                QVERIFY(!tempos.contains(-1));
                QVERIFY(f.matar(tempos[g - 3]));
                QCOMPARE(db.valor("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
                const QString visto = caso1(db);
                QVERIFY2(visto == estados[g - 1] || visto == estados[g], qPrintable(QString("trial %1, save %2: torn").arg(t).arg(g)));
                depois += visto == estados[g];
                QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
            }
            qInfo() << c.tipo << "kills:" << c.vezes << "after the save's end:" << depois;
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "gravar")
        return gravar(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]) == "importar");
    TstCrash t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_crash.moc"
