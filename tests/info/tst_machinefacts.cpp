#include "info/MachineFacts.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTest>

using namespace MachineFacts;

class TestMachineFacts : public QObject {
    Q_OBJECT
private slots:
    void resolucaoEmPixelsInteiros()
    {
        // Width and height in twips, twips per pixel x and y: twips per pixel
        // are made whole first, halves to the even side; a minus sign instead
        // of the blank, no sign on zero, 15 digits whole.
        const struct { double w, h, tx, ty; const char* texto; } casos[] = {
            {1024.0 * 15, 768.0 * 15, 15, 15, " 1024 x 768 DPI"},
            {24000, 15000, 12.5, 12.5, " 2000 x 1250 DPI"},
            {28000, 14000, 13.5, 14.6, " 2000 x 933.333333333333 DPI"},
            {1000, 22.5, 15, 15, " 66.6666666666667 x 1.5 DPI"},
            {0, 0, 0, 0, " 0 x 0 DPI"},
            {-45, -0.0, 15, 15, "-3 x 0 DPI"},
            {123456789012345.0 * 15, 15, 15, 15, " 123456789012345 x 1 DPI"},
        };
        // The point stays a point under a decimal-comma regional format.
        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            for (const auto& c : casos)
                QCOMPARE(resolutionText(c.w, c.h, c.tx, c.ty), QString::fromLatin1(c.texto));
        }
    }
    void daMaquina()
    {
        // The kernel's host name; 15 twips a pixel on a 96 DPI screen; a user
        // name without padding.
        QFile nome(QStringLiteral("/proc/sys/kernel/hostname"));
        if (nome.open(QIODevice::ReadOnly))
            QCOMPARE(hostName(), QString::fromLocal8Bit(nome.readAll().trimmed()));
        const QScreen* s = QGuiApplication::primaryScreen();
        if (qFuzzyCompare(s->logicalDotsPerInchX() * s->devicePixelRatio(), 96.0))
            QCOMPARE(screenTwips(s).twipsPerPixelX, 15.0);
        if (const auto usuario = userName())
            QVERIFY(!usuario->isEmpty() && !usuario->endsWith(QLatin1Char(' ')) && !usuario->contains(QChar(0)));
    }
};

QTEST_MAIN(TestMachineFacts)
#include "tst_machinefacts.moc"
