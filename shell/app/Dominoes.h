#pragma once

#include <QImage>

// The main window's picture: a dark black-and-white view of a row of falling
// dominoes, drawn by the program itself (500 x 376 pixels).
namespace Dominoes {
QImage imagem();
// The program's icon: the falling tiles of that picture, square.
QImage icone(const QImage& imagem = Dominoes::imagem());

// The same two as drawn when KV was built (kept as grey levels), so that a
// start spends no time drawing them.
QImage imagemPronta();
QImage iconePronto();
}
