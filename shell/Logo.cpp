#include "shell/Logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
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

} // namespace LogoKV
