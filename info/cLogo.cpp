#include "info/cLogo.h"

#include "shell/Twips.h"

#include <QCache>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Integer conversions of the painter round to the nearest, halves to even.
int inteiro(double v)
{
    return int(std::nearbyint(v));
}

// a * b / c rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * b / c));
}

// Logical pixels per inch of the layouts: 1440 twips an inch at 15 a pixel.
constexpr int kPixelsPorPolegada = 1440 / Twips::kPorPixel;
} // namespace

LogoPicture::LogoPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int LogoPicture::Width() const
{
    return Twips::twips(width());
}

int LogoPicture::Height() const
{
    return Twips::twips(height());
}

void LogoPicture::setBackColor(quint32 cor)
{
    m_backColor = cor;
    m_imagem = QPixmap();
    update();
}

QPixmap& LogoPicture::imagem()
{
    if (m_imagem.size() != size()) {
        m_imagem = QPixmap(size());
        m_imagem.fill(Cores::cor(m_backColor));
    }
    return m_imagem;
}

void LogoPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_imagem.isNull())
        p.fillRect(rect(), Cores::cor(m_backColor));
    else
        p.drawPixmap(0, 0, m_imagem);
}

cLogo::cLogo()
{
    setStartColor(0);
    setEndColor(0x8000000F);
}

void cLogo::setCaption(const QString& sCaption)
{
    m_caption = sCaption;
}

QString cLogo::Caption() const
{
    return m_caption;
}

void cLogo::setDrawingObject(LogoPicture* picThis)
{
    m_picture = picThis;
}

quint32 cLogo::StartColor() const
{
    return m_startColor;
}

void cLogo::setStartColor(quint32 oColor)
{
    if (oColor == m_startColor)
        return;
    m_startColor = oColor;
    m_start = traduzir(oColor);
    if (m_picture)
        Draw();
}

quint32 cLogo::EndColor() const
{
    return m_endColor;
}

void cLogo::setEndColor(quint32 oColor)
{
    if (oColor == m_endColor)
        return;
    m_endColor = oColor;
    m_end = traduzir(oColor);
    if (m_picture)
        Draw();
}

cLogo::Rgb cLogo::traduzir(quint32 cor)
{
    const quint32 v = Cores::valor(Cores::cor(cor));
    return Rgb{qint16(v & 0xFF), qint16((v >> 8) & 0xFF), qint16((v >> 16) & 0xFF)};
}

int cLogo::alturaFaixa(int h)
{
    const int s = h / 255;
    return s == 0 ? 1 : s;
}

namespace {
// The letters' own ink spread one pixel every way, in one colour: an edge
// round every letter. The widest ink of each row's three pixels first, then
// of three such rows: the same as the nine pixels at once.
QImage borda(const QImage& letras, const QColor& cor)
{
    const int w = letras.width(), h = letras.height();
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    if (w <= 0 || h <= 0)
        return out;
    std::vector<uchar> largura(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* fonte = reinterpret_cast<const QRgb*>(letras.constScanLine(y));
        uchar* linha = &largura[size_t(y) * w];
        for (int x = 0; x < w; ++x) {
            int a = qAlpha(fonte[x]);
            if (x > 0)
                a = qMax(a, qAlpha(fonte[x - 1]));
            if (x + 1 < w)
                a = qMax(a, qAlpha(fonte[x + 1]));
            linha[x] = uchar(a);
        }
    }
    const int r = cor.red(), g = cor.green(), b = cor.blue();
    for (int y = 0; y < h; ++y) {
        auto* linha = reinterpret_cast<QRgb*>(out.scanLine(y));
        const uchar* meio = &largura[size_t(y) * w];
        const uchar* acima = y > 0 ? meio - w : meio;
        const uchar* abaixo = y + 1 < h ? meio + w : meio;
        for (int x = 0; x < w; ++x) {
            const int a = qMax(meio[x], qMax(acima[x], abaixo[x]));
            linha[x] = a ? qPremultiply(qRgba(r, g, b, a)) : 0;
        }
    }
    return out;
}

// The bands of a strip, from start at the bottom to end at the top. Every
// strip of a screen has the same size and colours: the last one is kept.
QImage faixasDe(int w, int h, QRgb inicio, QRgb fim)
{
    struct Chave {
        int w, h;
        QRgb inicio, fim;
        bool operator==(const Chave&) const = default;
    };
    static thread_local Chave guardada{-1, -1, 0, 0};
    static thread_local QImage guardadas;
    const Chave chave{w, h, inicio, fim};
    if (chave == guardada)
        return guardadas;

    const int s = cLogo::alturaFaixa(h);
    int atual[3] = {qRed(inicio), qGreen(inicio), qBlue(inicio)};
    const int de[3] = {qRed(inicio), qGreen(inicio), qBlue(inicio)};
    const double d[3] = {double(qRed(fim)) - de[0], double(qGreen(fim)) - de[1], double(qBlue(fim)) - de[2]};
    QImage faixas(qMax(w, 0), qMax(h, 0), QImage::Format_RGB32);
    int bottom = h;
    for (int y = h; y >= 0; y -= s) {
        const int top = bottom - s;
        const QRgb cor = qRgb(atual[0], atual[1], atual[2]);
        for (int linha = qMax(top, 0); linha < qMin(bottom, h); ++linha) {
            auto* px = reinterpret_cast<QRgb*>(faixas.scanLine(linha));
            std::fill(px, px + w, cor);
        }
        bottom = top;
        // The next band takes the colour of the distance just covered, so the
        // two lowest bands share the start colour.
        if (h == 0)
            return {}; // a division by zero ends the drawing, as any fault here
        for (int k = 0; k < 3; ++k)
            atual[k] = qint16(inteiro(de[k] + ((h - y) * d[k]) / h));
    }
    guardada = chave;
    guardadas = faixas;
    return faixas;
}
} // namespace

void cLogo::Draw()
{
    LogoPicture* pic = m_picture;
    if (!pic)
        return;
    QPixmap& dc = pic->imagem();
    if (dc.isNull())
        return;

    const int h = pic->Height() / Twips::kPorPixel;
    const int w = pic->Width() / Twips::kPorPixel;
    const QRgb inicio = qRgb(m_start.r, m_start.g, m_start.b), fim = qRgb(m_end.r, m_end.g, m_end.b);
    const QImage faixas = faixasDe(w, h, inicio, fim);
    if (faixas.isNull() && h == 0)
        return;

    // The matrix screen paints the same strips at every open, and laying out
    // their captions was a third of an open: a finished strip
    // is kept under everything it was drawn from. The bands cover the whole
    // box, so nothing under them shows through.
    struct Pronta {
        QImage imagem;
        bool cortada = false;
    };
    static QCache<QString, Pronta> prontas(64);
    const bool cobre = faixas.size() == dc.size();
    QString chave;
    for (const qint64 v : {qint64(Cores::cor(pic->ForeColor()).rgba()), qint64(inicio), qint64(fim), qint64(w), qint64(h),
                           qint64(dc.devicePixelRatio() * 100)})
        chave += QString::number(v) + QLatin1Char('|');
    chave += pic->font().key() + QLatin1Char('|') + m_caption;
    if (const Pronta* pronta = cobre ? prontas.object(chave) : nullptr) {
        pic->setImagem(QPixmap::fromImage(pronta->imagem));
        pic->setToolTip(pronta->cortada ? m_caption : QString());
        pic->Refresh();
        return;
    }
    QPainter p(&dc);
    p.drawImage(0, 0, faixas);

    // The font of the box, at whole points, turned to run upwards.
    const QFont base = pic->font();
    QFont f(QString::fromLatin1(base.family().toLatin1().left(32)));
    const int altura = mulDiv(inteiro(base.pointSizeF()), kPixelsPorPolegada, 72);
    if (altura > 0)
        f.setPixelSize(altura); // a height of 0 asks for the default size
    f.setWeight(base.bold() ? QFont::Bold : QFont::Normal);
    f.setItalic(base.italic());
    f.setUnderline(base.underline());
    f.setStrikeOut(base.strikeOut());
    const QFontMetrics metricas(f);
    // The caption is laid out along a line, with a pixel of room round it,
    // then turned upwards onto the strip: the reference point is the top-left
    // corner of the text's own cell, so the glyphs' tops face the left edge.
    const QColor frente = Cores::cor(pic->ForeColor());
    const int comprimento = metricas.horizontalAdvance(m_caption);
    QImage letras(comprimento + 2, metricas.height() + 2, QImage::Format_ARGB32_Premultiplied);
    letras.fill(Qt::transparent);
    {
        QPainter q(&letras);
        q.setFont(f);
        q.setPen(frente);
        q.drawText(QPointF(1, 1 + metricas.ascent()), m_caption);
    }
    p.translate(0, h - 16);
    p.rotate(-90);
    // A thin dark edge keeps light letters readable over the light end of
    // the gradient, and dark ones are drawn as they are.
    if (frente.lightness() > 128)
        p.drawImage(QPointF(-1, -1), borda(letras, QColor(40, 40, 40)));
    p.drawImage(QPointF(-1, -1), letras);
    p.end();
    // A caption longer than the strip is cut at its top: the whole of it
    // shows as a tooltip.
    const bool cortada = comprimento > h - 16;
    if (cobre)
        prontas.insert(chave, new Pronta{dc.toImage(), cortada});
    pic->setToolTip(cortada ? m_caption : QString());
    pic->Refresh();
}
