// A process killed at random moments in the middle of matrix saves and
// 30-row resets never leaves a damaged file or a half-written table.
#include "store/CasoCsv.h"
#include "tests/support/TestDb.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

namespace {
// What the factor table of case 1 may hold after a kill: untouched (the new
// file), cleared, or one whole matrix pattern over a cleared table.
QString estado(TestDb& db)
{
    const auto rows = db.linhas("SELECT * FROM Eventos ORDER BY Numero");
    if (rows.size() != 30)
        return "rows missing";
    bool novo = true, limpo = true;
    for (const auto& r : rows) {
        for (int f = 1; f < r.size(); ++f) {
            if (!r[f].isNull())
                novo = false;
            const bool esperado = f == 1 ? (!r[1].isNull() && r[1].toString().isEmpty()) : r[f].isNull();
            if (!esperado)
                limpo = false;
        }
    }
    if (novo)
        return "new";
    if (limpo)
        return "cleared";
    // A matrix: rows 1..25 x N01..N25 one pattern, everything else cleared.
    const double padroes[3][2] = {{10, 0.1}, {5, 0.2}, {1, 1}};
    for (const auto& p : padroes) {
        bool ok = true;
        for (int i = 0; i < 30 && ok; ++i) {
            const auto& r = rows[i];
            ok = !r[1].isNull() && r[1].toString().isEmpty() && r[32].isNull();
            for (int c = 1; c <= 30 && ok; ++c) {
                const QVariant v = r[1 + c];
                if (i >= 25 || c > 25)
                    ok = v.isNull();
                else if (c == i + 1)
                    ok = !v.isNull() && v.toDouble() == 0;
                else
                    ok = !v.isNull() && qFuzzyCompare(v.toDouble(), c > i + 1 ? p[0] : p[1]);
            }
        }
        if (ok)
            return "matrix";
    }
    return "torn";
}
// Starts the child on a program folder, lets it work for a random 1 to `ms`
// milliseconds after its first finished save, and kills it.
void matar(const QString& pasta, const QStringList& mais, int ms)
{
    QProcess filho;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    filho.setProcessEnvironment(env);
    filho.start(QCoreApplication::applicationDirPath() + "/kv_crashworker", QStringList{pasta, "0"} + mais);
    QByteArray lido;
    while (filho.waitForReadyRead(20000) && !(lido += filho.readAll()).contains("ok")) {
    }
    QVERIFY(lido.contains("ok"));
    QTest::qSleep(int(QRandomGenerator::global()->bounded(1, ms)));
    ::kill(pid_t(filho.processId()), SIGKILL);
    QVERIFY(filho.waitForFinished(10000));
}
} // namespace

class TstCrash : public QObject {
    Q_OBJECT
private slots:
    void mortoAQualquerMomentoNadaSeRasga()
    {
        TestDb db(false);
        db.setCase(1, "crash", "kill -9", 25);
        QHash<QString, int> vistos;
        const int tentativas = qEnvironmentVariableIntValue("KV_CRASH_TRIALS") > 0
            ? qEnvironmentVariableIntValue("KV_CRASH_TRIALS") : 200;
        for (int t = 0; t < tentativas; ++t) {
            matar(db.pasta(), {}, 120);
            QCOMPARE(db.valor("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            const QString e = estado(db);
            QVERIFY2(e != "torn" && e != "rows missing", qPrintable(QString("trial %1: %2").arg(t).arg(e)));
            vistos[e]++;
            QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
        }
        qInfo() << "states after the kills:" << vistos;
        // The kills must have hit both kinds of save, not only the start.
        QVERIFY(vistos.value("matrix") > 0);
        QVERIFY(vistos.value("cleared") > 0);
    }

    // A killed import leaves case 1 as it was or wholly imported.
    void importacaoMortaNaoSeRasga()
    {
        TestDb db(false), modelo;
        db.exemplo(1, {"W", "X", "Y", "Z"});
        auto caso1 = [](TestDb& d) {
            QString s;
            for (const auto& l : d.linhas("SELECT * FROM Cases JOIN Eventos ON Cases.Numero = 1 ORDER BY Eventos.Numero"))
                for (const QVariant& v : l)
                    s += v.isNull() ? "~|" : v.toString() + "|";
            return s;
        };
        QStringList estados{caso1(db)}, arquivos;
        for (const int n : {25, 4}) {
            QByteArray texto = "Case,n" + QByteArray::number(n) + "\n";
            for (int r = 0; r <= n; ++r) {
                texto += r ? "F" + QByteArray::number(r) : QByteArray();
                for (int c = 1; c <= n; ++c)
                    texto += r == 0 ? ",F" + QByteArray::number(c) : QByteArray(c > r ? ",5" : ",");
                texto += "\n";
            }
            arquivos << modelo.pasta() + QStringLiteral("/%1.csv").arg(n);
            QFile f(arquivos.last());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(texto) == texto.size() && f.flush());
            CasoCsv::gravar(modelo.estado().BancoDados, 1, CasoCsv::lerArquivo(arquivos.last()).caso);
            estados << caso1(modelo);
        }
        QVector<int> vistos(3);
        for (int t = 0; t < 40; ++t) {
            matar(db.pasta(), {"importar", arquivos[0], arquivos[1]}, 60);
            QCOMPARE(db.valor("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
            const int e = int(estados.indexOf(caso1(db)));
            QVERIFY2(e >= 0, qPrintable(QString("trial %1: torn").arg(t)));
            vistos[e]++;
        }
        qInfo() << "before, 25 and 4 factors:" << vistos;
        QVERIFY(vistos[1] > 0 && vistos[2] > 0);
    }
};

QTEST_GUILESS_MAIN(TstCrash)
#include "tst_crash.moc"
