#include "info/cLogo.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <cmath>

namespace {
const QColor kFace(212, 208, 200); // a classic button face, set as the palette's

QColor pixel(const LogoPicture& pic, int x, int y)
{
    return pic.imagemAtual().toImage().pixelColor(x, y);
}

// The colour the painter gives a band at distance d from the bottom of a
// strip h pixels high, going from black to the button face.
QColor esperado(int d, int h)
{
    auto canal = [&](int fim) { return int(std::nearbyint((double(d) * fim) / h)); };
    return QColor(canal(kFace.red()), canal(kFace.green()), canal(kFace.blue()));
}

// A strip of the matrix screen: 255 x 2475 twips, Arial bold 9.75.
void montar(LogoPicture& pic, int alturaTwips = 2475)
{
    pic.setFont(Fontes::fonte(QStringLiteral("Arial"), 9.75, true));
    Twips::colocar(&pic, 0, 0, 255, alturaTwips);
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
    void initTestCase();
    void defaults();
    void gradientOfAHeaderStrip();
    void bandHeightOfATallStrip();
    void colourSettersRepaintOnlyOnChangeWithAStrip();
    void captionRunsUpwardsFromNearTheBottom();
    void fontSizeIsUsedInWholePoints();
};

void TstCLogo::initTestCase()
{
    Fontes::instalarSubstituicoes();
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, kFace);
    QApplication::setPalette(p);
}

void TstCLogo::defaults()
{
    cLogo logo;
    QCOMPARE(logo.StartColor(), quint32(0));
    QCOMPARE(logo.EndColor(), quint32(0x8000000F)); // stored untranslated
    QCOMPARE(logo.Caption(), QString());
    QVERIFY(!logo.DrawingObject());
    logo.setCaption(QStringLiteral("Fator"));
    QCOMPARE(logo.Caption(), QStringLiteral("Fator"));
}

void TstCLogo::gradientOfAHeaderStrip()
{
    LogoPicture pic;
    montar(pic);
    QCOMPARE(pic.Width(), 255);
    QCOMPARE(pic.Height(), 2475);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.Draw();

    const QImage img = pic.imagemAtual().toImage();
    QCOMPARE(img.size(), QSize(17, 165));
    // The two lowest bands both carry the start colour.
    QVERIFY(linhaLisa(img, 164, Qt::black));
    QVERIFY(linhaLisa(img, 163, Qt::black));
    // Band k from the bottom has the colour for distance k - 1 (1-pixel bands).
    for (int k = 2; k <= 164; ++k)
        QVERIFY2(linhaLisa(img, 164 - k, esperado(k - 1, 165)), qPrintable(QString::number(k)));
    // The top row is close to, not quite, the button face.
    const QColor topo = pixel(pic, 8, 0);
    QCOMPARE(topo, esperado(163, 165));
    QVERIFY(topo != kFace);
    QVERIFY(std::abs(topo.red() - kFace.red()) <= 3);

    // The image lives in the box: it is still there after the box repaints.
    pic.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pic));
    const QImage shown = pic.grab().toImage();
    QCOMPARE(shown.pixelColor(3, 164), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(3, 0), topo);
}

void TstCLogo::bandHeightOfATallStrip()
{
    QCOMPARE(cLogo::alturaFaixa(165), 1);
    QCOMPARE(cLogo::alturaFaixa(254), 1);
    QCOMPARE(cLogo::alturaFaixa(255), 1);
    QCOMPARE(cLogo::alturaFaixa(510), 2);
    QCOMPARE(cLogo::alturaFaixa(6000), 23);
    QCOMPARE(cLogo::alturaFaixa(0), 1);

    LogoPicture pic;
    montar(pic, 6000 * Twips::kPorPixel);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.Draw();
    const QImage img = pic.imagemAtual().toImage();
    QCOMPARE(img.height(), 6000);
    // Bands of 23 rows: rows 5977-5999 and 5954-5976 black, then distance 23.
    QVERIFY(linhaLisa(img, 5999, Qt::black));
    QVERIFY(linhaLisa(img, 5954, Qt::black));
    QVERIFY(linhaLisa(img, 5953, esperado(23, 6000)));
    QVERIFY(linhaLisa(img, 5931, esperado(23, 6000)));
    QVERIFY(linhaLisa(img, 5930, esperado(46, 6000)));
    // 6000 = 260 x 23 + 20: band 260 starts above the top edge.
    QVERIFY(linhaLisa(img, 0, esperado(259 * 23, 6000)));
    QVERIFY(linhaLisa(img, 19, esperado(259 * 23, 6000)));
    QVERIFY(linhaLisa(img, 20, esperado(258 * 23, 6000)));
}

void TstCLogo::colourSettersRepaintOnlyOnChangeWithAStrip()
{
    LogoPicture pic;
    montar(pic);
    const QColor marca(255, 0, 255);

    // No strip set: a new colour is only remembered.
    cLogo logo;
    logo.setStartColor(0x000000FF);
    QCOMPARE(logo.StartColor(), quint32(0x000000FF));
    pic.imagem().fill(marca);
    logo.setDrawingObject(&pic);
    QCOMPARE(pixel(pic, 5, 164), marca); // setting the strip does not paint

    // The same value again: nothing happens.
    logo.setStartColor(0x000000FF);
    QCOMPARE(pixel(pic, 5, 164), marca);

    // A new value repaints at once; 0x00BBGGRR puts red in the low byte.
    logo.setStartColor(0x0000FF00);
    QCOMPARE(pixel(pic, 5, 164), QColor(0, 255, 0));
    logo.setEndColor(0x00FF0000);
    QCOMPARE(logo.EndColor(), quint32(0x00FF0000));
    QCOMPARE(pixel(pic, 5, 164), QColor(0, 255, 0));
    QCOMPARE(pixel(pic, 5, 0), QColor(0, int(std::nearbyint(255 - 163 * 255.0 / 165)), int(std::nearbyint(163 * 255.0 / 165))));

    pic.imagem().fill(marca);
    logo.setEndColor(0x00FF0000);
    QCOMPARE(pixel(pic, 5, 0), marca);
    // A system colour resolves to its current colour.
    logo.setEndColor(0x8000000F);
    QCOMPARE(pixel(pic, 5, 0).red(), int(std::nearbyint(163 * double(kFace.red()) / 165)));
}

void TstCLogo::captionRunsUpwardsFromNearTheBottom()
{
    LogoPicture vazio;
    montar(vazio);
    LogoPicture pic;
    montar(pic);
    cLogo logo;
    logo.setDrawingObject(&vazio);
    logo.Draw();
    logo.setDrawingObject(&pic);
    logo.setCaption(QStringLiteral("Manutenção preventiva ausente na linha de produção"));
    logo.Draw();

    const QImage a = vazio.imagemAtual().toImage();
    const QImage b = pic.imagemAtual().toImage();
    // Nothing is written below y = H - 16 ...
    for (int y = 150; y < 165; ++y)
        for (int x = 0; x < 17; ++x)
            QCOMPARE(b.pixelColor(x, y), a.pixelColor(x, y));
    // ... the text fills the strip upwards and is cut at the top edge.
    int tinta = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 17; ++x)
            tinta += b.pixelColor(x, y) != a.pixelColor(x, y) ? 1 : 0;
    QVERIFY(tinta > 100);
    int tintaNoTopo = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 17; ++x)
            tintaNoTopo += b.pixelColor(x, y) != a.pixelColor(x, y) ? 1 : 0;
    QVERIFY(tintaNoTopo > 0);
    // The glyphs' tops face the left edge: the ink starts at x = 0 and stays
    // within the font's height.
    int maxX = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 17; ++x)
            if (b.pixelColor(x, y) != a.pixelColor(x, y))
                maxX = qMax(maxX, x);
    QVERIFY(maxX <= 15);
}

void TstCLogo::fontSizeIsUsedInWholePoints()
{
    auto desenhar = [](double pontos) {
        LogoPicture pic;
        pic.setFont(Fontes::fonte(QStringLiteral("Arial"), pontos, true));
        Twips::colocar(&pic, 0, 0, 255, 2475);
        cLogo logo;
        logo.setDrawingObject(&pic);
        logo.setCaption(QStringLiteral("Emach"));
        logo.Draw();
        return pic.imagemAtual().toImage();
    };
    const QImage dez = desenhar(10);
    QCOMPARE(desenhar(9.75), dez);
    QVERIFY(desenhar(9.4) != dez);
    QCOMPARE(desenhar(10.5), dez); // halves go to the even point size
    QVERIFY(desenhar(11.5) != desenhar(11));
}

QTEST_MAIN(TstCLogo)
#include "tst_clogo.moc"
