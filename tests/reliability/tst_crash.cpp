// A process killed at random moments in the middle of saves never leaves a
// damaged file or a half-written case: after every kill, case 1 is whole as
// the child's last finished save (or the start) left it.
#include "tests/support/TestDb.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

namespace {
// Case 1 and its thirty factor rows, as one text.
QString caso1(TestDb& db)
{
    QString s;
    for (const auto& l : db.linhas("SELECT * FROM Cases JOIN Eventos ON Cases.Numero = 1 ORDER BY Eventos.Numero"))
        for (const QVariant& v : l)
            s += v.isNull() ? "~|" : v.toString() + "|";
    return s;
}

// Runs the child on a program folder: `voltas` saves to the end, or with `ms`
// endless saves killed a random 1 to ms milliseconds after the first finished.
void filho(const QString& pasta, const QStringList& mais, int voltas, int ms = 0)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + "/kv_crashworker", QStringList{pasta, QString::number(voltas)} + mais);
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
        const int vezes = qEnvironmentVariableIntValue("KV_CRASH_TRIALS") > 0 ? qEnvironmentVariableIntValue("KV_CRASH_TRIALS") : 200;
        // The child's saves: a 30-row reset and a 25-factor matrix in three
        // patterns by turns, or imports of 25 and of 4 factors by turns.
        const struct { QStringList mais; QList<int> voltas; int vezes, ms; bool exemplo; } casos[] = {
            {{}, {1, 2, 4, 6}, vezes, 120, false},
            {{"importar"}, {1, 2}, vezes / 5, 60, true},
        };
        for (const auto& c : casos) {
            auto preparar = [&](TestDb& db) {
                c.exemplo ? db.exemplo(1, {"W", "X", "Y", "Z"}) : db.setCase(1, "crash", "kill -9", 25);
            };
            // What case 1 may hold: the start and the end of each kind of save.
            QStringList estados;
            for (const int v : QList<int>{0} + c.voltas) {
                TestDb m(false);
                preparar(m);
                if (v)
                    filho(m.pasta(), c.mais, v);
                estados << caso1(m);
            }
            QCOMPARE(QSet<QString>(estados.begin(), estados.end()).size(), estados.size());
            TestDb db(false);
            preparar(db);
            QList<int> vistos(estados.size());
            for (int t = 0; t < c.vezes; ++t) {
                filho(db.pasta(), c.mais, 0, c.ms);
                QCOMPARE(db.valor("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
                const auto e = estados.indexOf(caso1(db));
                QVERIFY2(e >= 0, qPrintable(QString("trial %1: torn").arg(t)));
                vistos[e]++;
                QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
            }
            qInfo() << c.mais.value(0, "matrix and reset") << "states after the kills:" << vistos;
            // The kills fell after saves of more than one kind, not only at the start.
            QVERIFY(std::count_if(vistos.begin() + 1, vistos.end(), [](int n) { return n > 0; }) >= 2);
        }
    }
};

QTEST_GUILESS_MAIN(TstCrash)
#include "tst_crash.moc"
