#include "info/MachineFacts.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QTest>

using namespace MachineFacts;

class TestMachineFacts : public QObject {
    Q_OBJECT
private slots:
    void resolucao_data()
    {
        QTest::addColumn<QList<double>>("tela"); // width, height in twips; twips per pixel x, y
        QTest::addColumn<QString>("texto");
        QTest::newRow("1024x768") << QList<double>{1024.0 * 15, 768.0 * 15, 15, 15} << " 1024 x 768 DPI";
        QTest::newRow("1920x1080") << QList<double>{1920.0 * 15, 1080.0 * 15, 15, 15} << " 1920 x 1080 DPI";
        // Twips per pixel are made whole first, halves going to the even side.
        QTest::newRow("12.5 to 12") << QList<double>{24000, 15000, 12.5, 12.5} << " 2000 x 1250 DPI";
        QTest::newRow("13.5 to 14") << QList<double>{28000, 14000, 13.5, 14.6} << " 2000 x 933.333333333333 DPI";
        QTest::newRow("fraction") << QList<double>{1000, 22.5, 15, 15} << " 66.6666666666667 x 1.5 DPI";
        QTest::newRow("no screen") << QList<double>{0, 0, 0, 0} << " 0 x 0 DPI";
        // A minus sign instead of the blank; no sign on zero; 15 digits whole.
        QTest::newRow("-3, -0") << QList<double>{-45, -0.0, 15, 15} << "-3 x 0 DPI";
        QTest::newRow("15 digits") << QList<double>{123456789012345.0 * 15, 15, 15, 15} << " 123456789012345 x 1 DPI";
    }
    void resolucao()
    {
        QFETCH(QList<double>, tela);
        // The point stays a point under a decimal-comma regional format.
        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            QTEST(resolutionText(tela[0], tela[1], tela[2], tela[3]), "texto");
        }
    }
    void daMaquina()
    {
        // The screen the program runs on, measured whole pixel by whole pixel.
        const QScreen* s = QGuiApplication::primaryScreen();
        const ScreenTwips t = screenTwips(s);
        if (qFuzzyCompare(s->logicalDotsPerInchX() * s->devicePixelRatio(), 96.0))
            QCOMPARE(t.twipsPerPixelX, 15.0);
        QCOMPARE(resolutionText(t.width, t.height, t.twipsPerPixelX, t.twipsPerPixelY),
                 QStringLiteral(" %1 x %2 DPI")
                     .arg(qRound(s->geometry().width() * s->devicePixelRatio()))
                     .arg(qRound(s->geometry().height() * s->devicePixelRatio())));
        QCOMPARE(hostName(), QSysInfo::machineHostName());
        if (const auto usuario = userName())
            QVERIFY(!usuario->isEmpty() && !usuario->endsWith(QLatin1Char(' ')) && !usuario->contains(QChar(0)));
    }
};

QTEST_MAIN(TestMachineFacts)
#include "tst_machinefacts.moc"
