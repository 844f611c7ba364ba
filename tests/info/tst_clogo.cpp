#include "info/cLogo.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>

namespace {
const QColor kFace(212, 208, 200); // the palette's button face in these tests

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

    void gradientBands()
    {
        // From black at the bottom to the button face, worked by hand: 165 pixels
        // give 1-pixel bands, the two lowest black, the top one close to the face
        // but not quite; 6000 pixels give bands of 23 (6000 = 260 x 23 + 20, so
        // band 260 starts above the top edge).
        QCOMPARE(QList<int>({cLogo::alturaFaixa(6000), cLogo::alturaFaixa(254), cLogo::alturaFaixa(510)}), QList<int>({23, 1, 2}));
        const QImage baixa = pintar(QString());
        const QImage alta = pintar(QString(), 9.75, 6000 * Twips::kPorPixel);
        QCOMPARE(baixa.size(), QSize(17, 165));
        const struct { const QImage& img; int y; QColor cor; } linhas[] = {
            {baixa, 164, {0, 0, 0}},        {baixa, 163, {0, 0, 0}},      {baixa, 162, {1, 1, 1}},
            {baixa, 80, {107, 105, 101}},   {baixa, 0, {209, 205, 198}},  {alta, 5999, {0, 0, 0}},
            {alta, 5954, {0, 0, 0}},        {alta, 5953, {1, 1, 1}},      {alta, 20, {210, 206, 198}},
            {alta, 0, {210, 207, 199}},
        };
        for (const auto& l : linhas)
            QVERIFY2(linhaLisa(l.img, l.y, l.cor), qPrintable(QString::number(l.y)));
    }

    void coloursRepaintOnlyOnChangeWithAStrip()
    {
        cLogo logo; // defaults: black to the button face, kept untranslated
        QCOMPARE(QList<quint32>({logo.StartColor(), logo.EndColor()}), QList<quint32>({0, 0x8000000F}));
        LogoPicture pic;
        Twips::colocar(&pic, 0, 0, 255, 2475);
        auto pixel = [&](int y) { return pic.imagemAtual().toImage().pixelColor(5, y); };
        logo.setStartColor(0x000000FF); // no strip yet: only remembered
        pic.imagem().fill(Qt::magenta);
        logo.setDrawingObject(&pic);
        logo.setStartColor(0x000000FF); // unchanged: no repaint
        QCOMPARE(pixel(164), QColor(Qt::magenta));
        logo.setStartColor(0x0000FF00); // 0x00BBGGRR: green
        logo.setEndColor(0x00FF0000);
        QCOMPARE(QList<QColor>({pixel(164), pixel(0)}), QList<QColor>({QColor(0, 255, 0), QColor(0, 3, 252)}));
        logo.setEndColor(0x8000000F); // a system colour resolves to its colour now
        QCOMPARE(pixel(0), QColor(209, 209, 198)); // from green still
    }

    void captionRunsUpwardsInWholePoints()
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
};

QTEST_MAIN(TstCLogo)
#include "tst_clogo.moc"
