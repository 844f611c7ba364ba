#pragma once

#include "analysis/Matriz.h"
#include "shell/Messages.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <optional>

// The E-Mach computation over a case's judgements, on numbers. Every figure
// is held as its cell shows it: the points as their general text reads back,
// the normalisations and the E-Mach to two decimals. So the E-Mach is computed
// from the normalisations as displayed, and the texts written from these
// numbers are the ones the grid has always shown.
namespace Emach {

enum class Desfecho {
    Completo,
    LinhasIguais, // every row sum the same: nothing normalised
    ColunasIguais, // every column sum the same: NormH of factor 1 already computed
    ForaDaEscala, // a judgement off the scale (stored by another tool): nothing computed
};

// The figures of one analysis, factor k (0-based) at index k.
struct Calculo {
    Desfecho desfecho = Desfecho::LinhasIguais;
    int n = 0;
    QVector<double> pontosLinha;
    QVector<double> pontosColuna;
    QVector<double> normH;
    QVector<double> normV;
    QVector<double> emach;
    int normHFeitas = 0; // NormH computed: n when complete, 1 at ColunasIguais, else 0
    QPoint foraDaEscala; // the first judgement off the scale (row, column; 0-based)
    bool completo() const { return desfecho == Desfecho::Completo; }
    bool temPontos() const { return desfecho != Desfecho::ForaDaEscala; }
};

// The first judgement that is neither empty nor from 0.1 to 10, row by row.
std::optional<QPoint> foraDaEscala(const Analise::Matriz& matriz);

// Points, extremes, normalisations and E-Mach, in that order.
Desfecho calcular(const Analise::Matriz& matriz, Calculo& calculo);

// The same in two steps, for whoever recomputes after changing a few cells:
// the points of one row or column as the cell shows them, then everything
// that follows from the points already in the calculation.
double pontosLinha(const Analise::Matriz& matriz, int linha);
double pontosColuna(const Analise::Matriz& matriz, int coluna);
Desfecho normalizar(Calculo& calculo);

// A figure as the fixed-point value with four decimals that the extremes are
// compared in.
qint64 moeda(double valor);

// The message of a refusal, in the current language.
Aviso aviso(Desfecho desfecho);
// The message for a judgement off the scale, naming the pair and the value.
Aviso avisoForaDaEscala(const QString& fatorLinha, const QString& fatorColuna, const QString& valor);

} // namespace Emach
