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
    void resolucaoEmPixels_data();
    void resolucaoEmPixels();
    void textoDeNumero();
    void telaDoSistema();
    void nomesDoSistema();
};

void TestMachineFacts::resolucaoEmPixels_data()
{
    QTest::addColumn<double>("largura");
    QTest::addColumn<double>("altura");
    QTest::addColumn<double>("tppX");
    QTest::addColumn<double>("tppY");
    QTest::addColumn<QString>("texto");

    QTest::newRow("1024x768") << 1024.0 * 15 << 768.0 * 15 << 15.0 << 15.0 << QStringLiteral(" 1024 x 768 DPI");
    QTest::newRow("1920x1080") << 1920.0 * 15 << 1080.0 * 15 << 15.0 << 15.0 << QStringLiteral(" 1920 x 1080 DPI");
    QTest::newRow("120 dpi") << 1920.0 * 12 << 1200.0 * 12 << 12.0 << 12.0 << QStringLiteral(" 1920 x 1200 DPI");
    // Twips per pixel are made whole first, halves going to the even side.
    QTest::newRow("12.5 to 12") << 24000.0 << 15000.0 << 12.5 << 12.5 << QStringLiteral(" 2000 x 1250 DPI");
    QTest::newRow("13.5 to 14") << 28000.0 << 14000.0 << 13.5 << 13.5 << QStringLiteral(" 2000 x 1000 DPI");
    QTest::newRow("x and y apart") << 15360.0 << 11520.0 << 15.0 << 14.6 << QStringLiteral(" 1024 x 768 DPI");
    // A size that is no whole number of pixels keeps its fraction.
    QTest::newRow("fraction") << 1000.0 << 22.5 << 15.0 << 15.0 << QStringLiteral(" 66.6666666666667 x 1.5 DPI");
    QTest::newRow("no screen") << 0.0 << 0.0 << 0.0 << 0.0 << QStringLiteral(" 0 x 0 DPI");
}

void TestMachineFacts::resolucaoEmPixels()
{
    QFETCH(double, largura);
    QFETCH(double, altura);
    QFETCH(double, tppX);
    QFETCH(double, tppY);
    QFETCH(QString, texto);
    QCOMPARE(resolutionText(largura, altura, tppX, tppY), texto);
}

void TestMachineFacts::textoDeNumero()
{
    // The point stays a point under a decimal-comma regional format.
    for (const char* nome : {"pt_BR", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(nome)));
        QCOMPARE(numberText(1024), QStringLiteral(" 1024"));
        QCOMPARE(numberText(0), QStringLiteral(" 0"));
        QCOMPARE(numberText(-0.0), QStringLiteral(" 0"));
        QCOMPARE(numberText(-3), QStringLiteral("-3"));
        QCOMPARE(numberText(1366.5), QStringLiteral(" 1366.5"));
        QCOMPARE(numberText(123456789012345.0), QStringLiteral(" 123456789012345"));
        QCOMPARE(numberText(2.0 / 3), QStringLiteral(" 0.666666666666667"));
        QCOMPARE(resolutionText(1000, 1000, 15, 15), QStringLiteral(" 66.6666666666667 x 66.6666666666667 DPI"));
    }
    QLocale::setDefault(QLocale::c());
}

void TestMachineFacts::telaDoSistema()
{
    const QScreen* tela = QGuiApplication::primaryScreen();
    QVERIFY(tela);
    const ScreenTwips t = screenTwips(tela);
    const int w = qRound(tela->geometry().width() * tela->devicePixelRatio());
    const int h = qRound(tela->geometry().height() * tela->devicePixelRatio());
    QVERIFY(t.twipsPerPixelX >= 1);
    QCOMPARE(t.twipsPerPixelX, double(qRound(t.twipsPerPixelX)));
    if (qFuzzyCompare(tela->logicalDotsPerInchX() * tela->devicePixelRatio(), 96.0))
        QCOMPARE(t.twipsPerPixelX, 15.0);
    QCOMPARE(resolutionText(t.width, t.height, t.twipsPerPixelX, t.twipsPerPixelY),
             QStringLiteral(" %1 x %2 DPI").arg(w).arg(h));

    const ScreenTwips nenhuma = screenTwips(nullptr);
    QCOMPARE(resolutionText(nenhuma.width, nenhuma.height, nenhuma.twipsPerPixelX, nenhuma.twipsPerPixelY),
             QStringLiteral(" 0 x 0 DPI"));
}

void TestMachineFacts::nomesDoSistema()
{
    const QString maquina = hostName();
    QCOMPARE(maquina, QSysInfo::machineHostName());
    QVERIFY(!maquina.contains(QChar(0)));

    const std::optional<QString> usuario = userName();
    if (usuario) {
        QVERIFY(!usuario->isEmpty());
        QVERIFY(!usuario->endsWith(QLatin1Char(' ')));
        QVERIFY(!usuario->contains(QChar(0)));
    }
}

QTEST_MAIN(TestMachineFacts)
#include "tst_machinefacts.moc"
