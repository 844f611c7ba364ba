#include "shell/Twips.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace Twips {

int px(int t)
{
    return int(std::lround(t / double(kPorPixel)));
}

int twips(int p)
{
    return p * kPorPixel;
}

QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void colocar(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(rect(left, top, width, height));
}

void tamanhoCliente(QWidget* w, int width, int height)
{
    w->setFixedSize(px(width), px(height));
}

void tamanhoExterno(QWidget* w, int width, int height)
{
    tamanhoCliente(w, width - kMolduraLargura, height - kMolduraAltura);
}

} // namespace Twips

namespace Cores {

QColor cor(quint32 v)
{
    if (v & 0x80000000u) {
        const QPalette p = QApplication::palette();
        switch (v & 0xFFu) {
        case 0x05: return p.color(QPalette::Base);          // window background
        case 0x08: return p.color(QPalette::Text);          // window text
        case 0x0D: return p.color(QPalette::Highlight);
        case 0x0E: return p.color(QPalette::HighlightedText);
        case 0x0F: return p.color(QPalette::Button);        // button face
        case 0x12: return p.color(QPalette::ButtonText);
        case 0x17: return p.color(QPalette::ToolTipText);
        case 0x18: return p.color(QPalette::ToolTipBase);
        default: return p.color(QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

quint32 valor(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace Cores
