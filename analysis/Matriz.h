#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

namespace Analise {

// A case's judgements as numbers: n factors, their names (Null kept: an
// unnamed factor) and the n x n values, factor i's row against factor j's
// column at (i, j), 0-based. 0 is an unjudged cell, and the diagonal. A value
// is held as its cell shows it (Regional::geral), so the text and the number
// of a cell never disagree.
struct Matriz {
    int n = 0;
    QVector<QVariant> nomes;
    QVector<double> valores;

    explicit Matriz(int fatores = 0) : n(qMax(0, fatores)), nomes(n), valores(n * n, 0.0) {}
    double valor(int linha, int coluna) const { return valores[linha * n + coluna]; }
    void definir(int linha, int coluna, double v) { valores[linha * n + coluna] = v; }
    // The name as the comparison sentence shows it: "vago" for a Null name.
    QString nome(int fator) const
    {
        const QVariant& v = nomes[fator];
        return v.isNull() ? QStringLiteral("vago") : v.toString();
    }
};

} // namespace Analise
