#include "info/cLogo.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <cmath>

namespace {
const QColor kFace(212, 208, 200); // the palette's button face in these tests

// The colour of the band at distance d from the bottom of a strip h pixels
// high, from black to the button face.
QColor esperado(int d, int h)
{
    auto canal = [&](int fim) { return int(std::nearbyint((double(d) * fim) / h)); };
    return QColor(canal(kFace.red()), canal(kFace.green()), canal(kFace.blue()));
}

// A strip of the matrix screen (255 x 2475 twips, Arial bold 9.75) painted once.
QImage pintar(const QString& caption, double pontos = 9.75, int alturaTwips = 2475)
{
    LogoPicture pic;
    pic.setFont(Fontes::fonte(QStringLiteral("Arial"), pontos, true));
    Twips::colocar(&pic, 0, 0, 255, alturaTwips);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.setCaption(caption);
    logo.Draw();
    return pic.imagemAtual().toImage();
}

bool linhaLisa(const QImage& img, int y, const QColor& cor)
{
    for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) != cor)
            return false;
    return true;
}
} // namespace

class TstCLogo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, kFace);
        QApplication::setPalette(p);
    }
    void gradientBands();
    void coloursRepaintOnlyOnChangeWithAStrip();
    void captionRunsUpwardsInWholePoints();
};

void TstCLogo::gradientBands()
{
    // 165 pixels: 1-pixel bands, the two lowest black, band k at distance k-1.
    const QImage img = pintar(QString());
    QCOMPARE(img.size(), QSize(17, 165));
    QVERIFY(linhaLisa(img, 164, Qt::black));
    QVERIFY(linhaLisa(img, 163, Qt::black));
    for (int k = 2; k <= 164; ++k)
        QVERIFY2(linhaLisa(img, 164 - k, esperado(k - 1, 165)), qPrintable(QString::number(k)));
    QVERIFY(img.pixelColor(8, 0) != kFace); // close to the face, not quite
    QVERIFY(std::abs(img.pixelColor(8, 0).red() - kFace.red()) <= 3);

    // 6000 pixels: bands of 23; 6000 = 260 x 23 + 20, so band 260 starts
    // above the top edge.
    QCOMPARE(cLogo::alturaFaixa(6000), 23);
    QCOMPARE(cLogo::alturaFaixa(254), 1);
    QCOMPARE(cLogo::alturaFaixa(510), 2);
    const QImage alta = pintar(QString(), 9.75, 6000 * Twips::kPorPixel);
    QVERIFY(linhaLisa(alta, 5999, Qt::black));
    QVERIFY(linhaLisa(alta, 5954, Qt::black));
    QVERIFY(linhaLisa(alta, 5953, esperado(23, 6000)));
    QVERIFY(linhaLisa(alta, 5930, esperado(46, 6000)));
    QVERIFY(linhaLisa(alta, 0, esperado(259 * 23, 6000)));
    QVERIFY(linhaLisa(alta, 20, esperado(258 * 23, 6000)));

    // The image belongs to the box: it shows again whenever the box repaints.
    LogoPicture pic;
    Twips::colocar(&pic, 0, 0, 255, 2475);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.Draw();
    QCOMPARE(pic.grab().toImage().pixelColor(3, 164), QColor(Qt::black));
    QCOMPARE(pic.grab().toImage().pixelColor(3, 0), esperado(163, 165));
}

void TstCLogo::coloursRepaintOnlyOnChangeWithAStrip()
{
    cLogo logo;
    QCOMPARE(logo.StartColor(), quint32(0));
    QCOMPARE(logo.EndColor(), quint32(0x8000000F)); // kept untranslated
    QVERIFY(!logo.DrawingObject());

    LogoPicture pic;
    Twips::colocar(&pic, 0, 0, 255, 2475);
    const QColor marca(255, 0, 255);
    auto pixel = [&](int y) { return pic.imagemAtual().toImage().pixelColor(5, y); };

    logo.setStartColor(0x000000FF); // no strip yet: only remembered
    QCOMPARE(logo.StartColor(), quint32(0x000000FF));
    pic.imagem().fill(marca);
    logo.setDrawingObject(&pic);
    logo.setStartColor(0x000000FF); // unchanged: no repaint
    QCOMPARE(pixel(164), marca);
    logo.setStartColor(0x0000FF00); // 0x00BBGGRR: green
    QCOMPARE(pixel(164), QColor(0, 255, 0));
    logo.setEndColor(0x00FF0000);
    QCOMPARE(pixel(0), QColor(0, int(std::nearbyint(255 - 163 * 255.0 / 165)), int(std::nearbyint(163 * 255.0 / 165))));
    pic.imagem().fill(marca);
    logo.setEndColor(0x00FF0000);
    QCOMPARE(pixel(0), marca);
    logo.setEndColor(0x8000000F); // a system colour resolves to its colour now
    QCOMPARE(pixel(0).red(), int(std::nearbyint(163 * double(kFace.red()) / 165)));
}

void TstCLogo::captionRunsUpwardsInWholePoints()
{
    const QImage vazio = pintar(QString());
    const QImage img = pintar(QString::fromUtf8("Manutenção preventiva ausente na linha de produção"));
    int tinta = 0, tintaNoTopo = 0, maxX = 0;
    for (int y = 0; y < 165; ++y) {
        for (int x = 0; x < 17; ++x) {
            if (img.pixelColor(x, y) == vazio.pixelColor(x, y))
                continue;
            QVERIFY2(y < 150, "ink below H - 16");
            ++tinta;
            tintaNoTopo += y < 10 ? 1 : 0;
            maxX = qMax(maxX, x);
        }
    }
    QVERIFY(tinta > 100);
    QVERIFY(tintaNoTopo > 0); // cut at the top edge
    QVERIFY(maxX <= 15); // the glyphs' tops face x = 0

    // Sizes are rounded to whole points, halves to even.
    const QImage dez = pintar(QStringLiteral("Emach"), 10);
    QCOMPARE(pintar(QStringLiteral("Emach"), 9.75), dez);
    QCOMPARE(pintar(QStringLiteral("Emach"), 10.5), dez);
    QVERIFY(pintar(QStringLiteral("Emach"), 9.4) != dez);
}

QTEST_MAIN(TstCLogo)
#include "tst_clogo.moc"
