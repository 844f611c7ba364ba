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

// A strip of the matrix screen (255 x 2475 twips, Arial bold 9.75) painted
// once, as the box shows it when it repaints.
QImage pintar(const QString& caption, double pontos = 9.75, int alturaTwips = 2475)
{
    LogoPicture pic;
    pic.setFont(Fontes::fonte(QStringLiteral("Arial"), pontos, true));
    Twips::colocar(&pic, 0, 0, 255, alturaTwips);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.setCaption(caption);
    logo.Draw();
    return pic.grab().toImage();
}

bool linhaLisa(const QImage& img, int y, const QColor& cor)
{
    QImage linha = img.copy(0, y, img.width(), 1);
    linha.fill(cor);
    return img.copy(0, y, img.width(), 1) == linha;
}
} // namespace

class TstCLogo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QApplication::setPalette(QPalette(kFace));
    }
    void gradientBands();
    void coloursRepaintOnlyOnChangeWithAStrip();
    void captionRunsUpwardsInWholePoints();
};

void TstCLogo::gradientBands()
{
    // 165 pixels: 1-pixel bands, the two lowest black, the top one close to
    // the face but not quite.
    const QImage img = pintar(QString());
    QCOMPARE(img.size(), QSize(17, 165));
    for (int y = 0; y < 165; ++y)
        QVERIFY2(linhaLisa(img, y, esperado(qMax(163 - y, 0), 165)), qPrintable(QString::number(y)));

    // 6000 pixels: bands of 23; 6000 = 260 x 23 + 20, so band 260 starts
    // above the top edge.
    QCOMPARE(QList<int>({cLogo::alturaFaixa(6000), cLogo::alturaFaixa(254), cLogo::alturaFaixa(510)}), QList<int>({23, 1, 2}));
    const QImage alta = pintar(QString(), 9.75, 6000 * Twips::kPorPixel);
    for (const auto& [y, d] : {std::pair{5999, 0}, {5954, 0}, {5953, 23}, {20, 258 * 23}, {0, 259 * 23}})
        QVERIFY2(linhaLisa(alta, y, esperado(d, 6000)), qPrintable(QString::number(y)));
}

void TstCLogo::coloursRepaintOnlyOnChangeWithAStrip()
{
    cLogo logo; // defaults: black to the button face, kept untranslated
    QCOMPARE(QList<quint32>({logo.StartColor(), logo.EndColor()}), QList<quint32>({0, 0x8000000F}));
    LogoPicture pic;
    Twips::colocar(&pic, 0, 0, 255, 2475);
    const QColor marca(255, 0, 255);
    auto pixel = [&](int y) { return pic.imagemAtual().toImage().pixelColor(5, y); };

    logo.setStartColor(0x000000FF); // no strip yet: only remembered
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
    // Ink from y = H - 16 upwards, cut at the top edge, glyph tops at x = 0.
    const QImage vazio = pintar(QString());
    const QImage img = pintar(QString::fromUtf8("Manutenção preventiva ausente na linha de produção"));
    int tinta = 0, tintaNoTopo = 0, maxX = 0;
    for (int y = 0; y < 165; ++y)
        for (int x = 0; x < 17; ++x)
            if (img.pixelColor(x, y) != vazio.pixelColor(x, y)) {
                QVERIFY2(y < 150, "ink below H - 16");
                ++tinta;
                tintaNoTopo += y < 10 ? 1 : 0;
                maxX = qMax(maxX, x);
            }
    QVERIFY(tinta > 100 && tintaNoTopo > 0 && maxX <= 15);

    // Sizes are rounded to whole points, halves to even.
    const QImage dez = pintar(QStringLiteral("Emach"), 10);
    for (double pontos : {9.75, 10.5})
        QCOMPARE(pintar(QStringLiteral("Emach"), pontos), dez);
    QVERIFY(pintar(QStringLiteral("Emach"), 9.4) != dez);
}

QTEST_MAIN(TstCLogo)
#include "tst_clogo.moc"
