#include "info/cLogo.h"

#include "shell/Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
// round every letter.
QImage borda(const QImage& letras, const QColor& cor)
{
    const int w = letras.width(), h = letras.height();
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* linha = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0;
            for (int yy = qMax(0, y - 1); yy <= qMin(h - 1, y + 1); ++yy) {
                const auto* fonte = reinterpret_cast<const QRgb*>(letras.constScanLine(yy));
                for (int xx = qMax(0, x - 1); xx <= qMin(w - 1, x + 1); ++xx)
                    a = qMax(a, qAlpha(fonte[xx]));
            }
            linha[x] = qPremultiply(qRgba(cor.red(), cor.green(), cor.blue(), a));
        }
    }
    return out;
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
    const int s = alturaFaixa(h);

    Rgb atual = m_start;
    const double dR = double(m_end.r) - m_start.r;
    const double dG = double(m_end.g) - m_start.g;
    const double dB = double(m_end.b) - m_start.b;

    // The bands are written straight into an image of the strip, row by row,
    // and the image painted once.
    QImage faixas(qMax(w, 0), qMax(h, 0), QImage::Format_RGB32);
    int bottom = h;
    for (int y = h; y >= 0; y -= s) {
        const int top = bottom - s;
        const QRgb cor = qRgb(atual.r, atual.g, atual.b);
        for (int linha = qMax(top, 0); linha < qMin(bottom, h); ++linha) {
            auto* px = reinterpret_cast<QRgb*>(faixas.scanLine(linha));
            std::fill(px, px + w, cor);
        }
        bottom = top;
        // The next band takes the colour of the distance just covered, so the
        // two lowest bands share the start colour.
        if (h == 0)
            return; // a division by zero ends the drawing, as any fault here
        atual.r = qint16(inteiro(m_start.r + ((h - y) * dR) / h));
        atual.g = qint16(inteiro(m_start.g + ((h - y) * dG) / h));
        atual.b = qint16(inteiro(m_start.b + ((h - y) * dB) / h));
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
    QImage letras(metricas.horizontalAdvance(m_caption) + 2, metricas.height() + 2, QImage::Format_ARGB32_Premultiplied);
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
    pic->setToolTip(metricas.horizontalAdvance(m_caption) > h - 16 ? m_caption : QString());
    pic->Refresh();
}
