#pragma once

#include "analysis/Analise.h"

#include <QString>
#include <QVector>

// How firmly the root cause holds: every judged pair changed, one at a time,
// to each of the other four levels (its mirror with it, as the matrix screen
// records it) and the analysis run again by Emach's own steps.
namespace Robustez {

// A single change that moves the root cause.
struct Mudanca {
    int linha = 0, coluna = 0; // the judged pair, linha < coluna (0-based)
    int nivelAtual = 0; // level of the cell (linha, coluna) now, 0 to 4
    int nivelNovo = 0; // the level that moves the root cause
    int passos = 0; // distance between the two on the scale
    int novaRaiz = -1; // the new single root cause, -1 when none
};

struct Resultado {
    Emach::Desfecho desfecho = Emach::Desfecho::LinhasIguais;
    int raiz = -1; // the result screen's last factor (0-based)
    bool raizUnica = false; // no other factor shares the lowest E-Mach
    int proximo = -1; // the factor ranked just above it
    QString folga; // E-Mach of proximo minus that of raiz, "#0.00"
    int mantem = 0; // k: changes after which raiz is still the single lowest
    int total = 0; // m: 4 for every judged pair
    int mudam = 0; // m - k
    int umPasso = 0; // of those, changes of one step
    QVector<Mudanca> mudancas; // the first ten that move it, fewest steps first
    bool completo() const { return desfecho == Emach::Desfecho::Completo; }
};

// The single factor with the lowest E-Mach, or -1 when the lowest is tied or
// the analysis was refused.
int raizUnica(const Analise::Resultado& resultado);

Resultado avaliar(const Analise::Matriz& matriz);

} // namespace Robustez
