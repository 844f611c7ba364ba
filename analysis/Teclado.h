#pragma once

#include "analysis/Matriz.h"

#include <Qt>
#include <QString>
#include <compare>
#include <optional>

// Judging from the keyboard on the matrix screen, as plain functions over
// positions and the judgements: which option a key stands for, where a key moves
// the current cell, which pair is the next one still to judge, and the count.
namespace Teclado {

// A grid cell, 0-based; the pair of row factor r+1 and column factor c is
// the cell (r, c) with c > r + 1.
struct Posicao {
    int linha = 0;
    int coluna = 0;
    auto operator<=>(const Posicao&) const = default;
};

// The option (1 to 5, as opt1 to opt5) that a key records, or 0: the digit
// keys of the scale (1 is opt5 "Muito menos", 5 is opt1 "Muito Mais"), top
// row and keypad alike.
int opcaoDaTecla(int tecla, Qt::KeyboardModifiers mods);

// What the grid holds: rows and columns, fixed columns at the left, how many
// rows one page shows, and n.
struct Grade {
    int linhas = 0;
    int colunas = 0;
    int colunasFixas = 0;
    int pagina = 1;
    int n = 0;
};

// Where a navigation key takes the current cell: arrows one cell, Home/End
// the row's ends (with Ctrl the grid's), PageUp/PageDown a page, Tab and
// Shift+Tab the next or previous pair, wrapping round the matrix. Keys stay
// out of the fixed columns. Nothing for any other key or when n < 2.
std::optional<Posicao> destino(int tecla, Qt::KeyboardModifiers mods, Posicao atual, const Grade& g);

// The next pair without a judgement after the current cell, row by row,
// wrapping once; nothing when every pair holds a value.
std::optional<Posicao> proximoParVazio(const Analise::Matriz& matriz, Posicao atual);

// How many of the n(n-1)/2 pairs hold a value.
int julgados(const Analise::Matriz& matriz);

// "Julgados: k de N" in the current language.
QString contagem(int k, int n);

} // namespace Teclado
