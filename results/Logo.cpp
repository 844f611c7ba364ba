#include "results/Logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace LogoKV {

QImage imagem()
{
    // Drawn large enough for paper (2300 x 1000 twips at 600 dpi is about
    // 960 x 420 dots); the screen scales it down.
    static const QImage logo = [] {
        QImage img(960, 360, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);

        QLinearGradient fundo(0, 0, img.width(), img.height());
        fundo.setColorAt(0.0, QColor(12, 36, 97));
        fundo.setColorAt(0.6, QColor(20, 110, 150));
        fundo.setColorAt(1.0, QColor(40, 170, 160));
        p.fillRect(img.rect(), fundo);

        // A thin light band under the letters, like a baseline rule.
        p.fillRect(QRect(40, 268, 880, 10), QColor(255, 255, 255, 150));

        QFont grande(QStringLiteral("Liberation Sans"));
        grande.setPixelSize(230);
        grande.setBold(true);
        p.setFont(grande);
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(QRect(46, 16, 420, 250), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("KV"));
        p.setPen(Qt::white);
        p.drawText(QRect(40, 10, 420, 250), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("KV"));

        QFont media(QStringLiteral("Liberation Sans"));
        media.setPixelSize(120);
        media.setBold(true);
        media.setItalic(true);
        p.setFont(media);
        p.setPen(QColor(255, 230, 90));
        p.drawText(QRect(430, 60, 510, 200), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("E-Mach"));

        QFont pequena(QStringLiteral("Liberation Sans"));
        pequena.setPixelSize(44);
        p.setFont(pequena);
        p.setPen(QColor(230, 240, 255));
        p.drawText(QRect(40, 286, 880, 60), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("causal analysis"));
        return img;
    }();
    return logo;
}

QIcon icone()
{
    return QIcon(QPixmap::fromImage(imagem().copy(20, 0, 400, 360)));
}

QIcon iconeSair()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Door frame and open door.
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(14, 3, 15, 26));
    QPolygonF porta;
    porta << QPointF(14, 3) << QPointF(23, 7) << QPointF(23, 31) << QPointF(14, 29);
    p.setBrush(QColor(150, 95, 45));
    p.drawPolygon(porta);
    // Arrow pointing out, to the left.
    QPainterPath seta;
    seta.moveTo(2, 16);
    seta.lineTo(9, 9);
    seta.lineTo(9, 13);
    seta.lineTo(17, 13);
    seta.lineTo(17, 19);
    seta.lineTo(9, 19);
    seta.lineTo(9, 23);
    seta.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    p.drawPath(seta);
    return QIcon(pm);
}

QIcon iconeImpressora()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    // Paper going in, the body, and the printed sheet coming out.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 2, 14, 11));
    p.setBrush(QColor(120, 125, 135));
    p.drawRoundedRect(QRectF(2, 11, 28, 12), 2, 2);
    p.setBrush(QColor(70, 200, 90));
    p.drawEllipse(QPointF(26, 15), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 11));
    p.setPen(QPen(QColor(60, 60, 200), 1));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    return QIcon(pm);
}

} // namespace LogoKV
