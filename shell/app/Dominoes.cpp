#include "shell/app/Dominoes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace Dominoes {

namespace {
void peca(QPainter& p, double base, double angulo, double largura, double altura)
{
    p.save();
    // The tile pivots on its lower right edge as it falls to the right.
    p.translate(base + largura, 300);
    p.rotate(angulo);
    const QRectF r(-largura, -altura, largura, altura);
    QLinearGradient face(r.topLeft(), r.topRight());
    face.setColorAt(0, QColor(70, 70, 70));
    face.setColorAt(0.35, QColor(225, 225, 225));
    face.setColorAt(1, QColor(120, 120, 120));
    p.setPen(QPen(QColor(15, 15, 15), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawLine(QPointF(-largura + 5, -altura / 2), QPointF(-5, -altura / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    const double cx = -largura / 2;
    for (int i = -1; i <= 1; ++i) {
        p.drawEllipse(QPointF(cx + i * largura / 4, -altura * 0.75 + i * altura / 10), 3.2, 3.2);
        p.drawEllipse(QPointF(cx + i * largura / 4, -altura * 0.25 - i * altura / 10), 3.2, 3.2);
    }
    p.restore();
}
} // namespace

QImage imagem()
{
    QImage img(500, 376, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient fundo(QPointF(180, 150), 420);
    fundo.setColorAt(0, QColor(58, 58, 58));
    fundo.setColorAt(1, QColor(4, 4, 4));
    // In bands of fewer than 96 rows: Qt spreads a taller fill over worker
    // threads, which cost a start more than this small fill gains.
    for (int y = 0; y < img.height(); y += 94)
        p.fillRect(QRect(0, y, img.width(), std::min(94, img.height() - y)), fundo);

    QLinearGradient chao(QPointF(0, 300), QPointF(0, 376));
    chao.setColorAt(0, QColor(40, 40, 40));
    chao.setColorAt(1, QColor(8, 8, 8));
    p.fillRect(QRectF(0, 300, 500, 76), chao);

    // Standing on the left, leaning more and more towards the right.
    const int n = 9;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1);
        const double angulo = 75.0 * std::pow(t, 1.6);
        peca(p, 30 + i * 47, angulo, 30, 92);
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(0, 300.5), QPointF(500, 300.5));
    p.end();
    return img; // every colour above is a grey: the picture is black and white as drawn
}

QImage icone(const QImage& imagem)
{
    return imagem.copy(150, 150, 210, 210).scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace Dominoes
