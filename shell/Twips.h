#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

// Layouts are given in twips; the screen works in logical pixels at 15 twips
// a pixel (Qt scales for high-DPI screens).
namespace Twips {

inline constexpr int kPorPixel = 15;

int px(int twips);
int twips(int px);
QRect rect(int left, int top, int width, int height);
// Places a child at a twip position and size.
void colocar(QWidget* w, int left, int top, int width, int height);
// Gives a window a fixed client area in twips.
void tamanhoCliente(QWidget* w, int width, int height);

// A window's Width and Height in twips are its outside: title bar and borders
// included, as much as these frames take.
inline constexpr int kMolduraLargura = 90;
inline constexpr int kMolduraAltura = 310;
// Gives a window a fixed size from its outside in twips.
void tamanhoExterno(QWidget* w, int width, int height);

} // namespace Twips

namespace Cores {
// A colour given as 0x00BBGGRR; system colours (0x800000xx) resolve to the
// palette's current colour.
QColor cor(quint32 bbggrr);
// The 0x00BBGGRR value of a colour.
quint32 valor(const QColor& c);
} // namespace Cores
