#pragma once

#include <QRect>

// Where the comparison panel stands on the matrix screen so that the pair
// being judged stays in sight, as a plain function of rectangles in the
// window's pixels.
namespace Painel {

struct Limites {
    QRect lugar;          // its own place on the screen
    int topoMinimo = 0;   // above this the header strips and the buttons
    int rodape = 0;       // room wanted under the panel's foot
    int alturaAtual = 0;  // the window's client height now
    int alturaMaxima = 0; // the most it may grow to and still fit the screen
    int folga = 0;        // between the cell and the panel
};

// The panel's own place when it leaves `celula` uncovered; otherwise the same
// place moved just below the cell's row or just above it, whichever makes the
// window grow least (not at all, best), then whichever moves the panel least.
// Where neither fits, its own place.
QRect lugar(const Limites& l, const QRect& celula);

} // namespace Painel
