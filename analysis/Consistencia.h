#pragma once

#include "analysis/Matriz.h"

#include <QString>
#include <QVector>
#include <optional>

// Whether a case's judgements agree with one another: the circular triads
// (A over B, B over C, C over A) among the directed pairs and Kendall and
// Babington Smith's coefficient of consistence.
namespace Consistencia {

// Three factors (0-based) in the order of their cycle: a over b, b over c, c over a.
struct Triade {
    int a = 0, b = 0, c = 0;
};

// A pair whose two cells are not a level and its reciprocal.
struct Par {
    int linha = 0, coluna = 0; // linha < coluna
};

struct Resultado {
    int n = 0;
    int pares = 0; // n (n - 1) / 2
    int dirigidos = 0; // 5 or 10 one way, 0.2 or 0.1 the other
    int naoDirigidos = 0; // 1, or both cells empty
    int irregulares = 0; // counted apart, never in a triad
    long long d = 0;
    long long dMax = 0;
    double zeta = 1;
    QVector<Triade> triades; // the first ten, in factor order
    QVector<Par> paresIrregulares; // the first ten
    // n x n, row-major: at (linha, coluna), linha < coluna, whether that pair closes a circular triad.
    QVector<bool> emTriade;
    bool contradiz(int linha, int coluna) const { return emTriade.value(linha * n + coluna); }
};

// (n^3 - n) / 24 for odd n, (n^3 - 4n) / 24 for even n.
long long maximoTriades(int n);

Resultado avaliar(const Analise::Matriz& matriz);

// The pair of a circular triad after `atual` (before it, `paraTras`), row by
// row along the upper triangle, wrapping round; nothing when none is left.
std::optional<Par> proximaContradicao(const Resultado& r, Par atual, bool paraTras);

} // namespace Consistencia
