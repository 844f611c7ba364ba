#include "analysis/Emach.h"

#include "store/Escala.h"
#include "store/Regional.h"

#include <QCoreApplication>

namespace Emach {

qint64 moeda(double valor)
{
    return Regional::roundHalfEven(valor * 10000.0);
}

std::optional<QPoint> foraDaEscala(const Analise::Matriz& m)
{
    for (int r = 0; r < m.n; ++r)
        for (int c = 0; c < m.n; ++c) {
            const double v = m.valor(r, c);
            if (v != 0 && !Escala::naEscala(v))
                return QPoint(r, c);
        }
    return std::nullopt;
}

// A sum starts from 0 and adds the cells in the grid's order; an empty cell
// adds nothing.
double pontosLinha(const Analise::Matriz& m, int linha)
{
    const double* v = m.valores.constData() + qsizetype(linha) * m.n;
    double soma = 0;
    for (int c = 0; c < m.n; ++c)
        soma += v[c];
    return Regional::geral(soma);
}

double pontosColuna(const Analise::Matriz& m, int coluna)
{
    const double* v = m.valores.constData() + coluna;
    double soma = 0;
    for (int k = 0; k < m.n; ++k)
        soma += v[qsizetype(k) * m.n];
    return Regional::geral(soma);
}

Desfecho normalizar(Calculo& c)
{
    const int n = c.n;
    c.normHFeitas = 0;
    // Extremes in fixed point, strictly: on ties the first stays (the value is the same).
    double rowMax = c.pontosLinha[0], rowMin = rowMax, colMax = c.pontosColuna[0], colMin = colMax;
    qint64 mRowMax = moeda(rowMax), mRowMin = mRowMax, mColMax = moeda(colMax), mColMin = mColMax;
    for (int k = 1; k < n; ++k) {
        const double l = c.pontosLinha[k], col = c.pontosColuna[k];
        const qint64 ml = moeda(l), mc = moeda(col);
        if (ml > mRowMax)
            rowMax = l, mRowMax = ml;
        if (ml < mRowMin)
            rowMin = l, mRowMin = ml;
        if (mc > mColMax)
            colMax = col, mColMax = mc;
        if (mc < mColMin)
            colMin = col, mColMin = mc;
    }

    // Normalisations to 0-5 with two decimals, factor by factor, so a refusal
    // of the columns comes after the first row's NormH.
    const double faixaLinhas = rowMax - rowMin, faixaColunas = colMax - colMin;
    for (int r = 0; r < n; ++r) {
        if (faixaLinhas == 0)
            return c.desfecho = Desfecho::LinhasIguais;
        c.normH[r] = Regional::duasCasas(((c.pontosLinha[r] - rowMin) / faixaLinhas) * 5);
        c.normHFeitas = r + 1;
        if (faixaColunas == 0)
            return c.desfecho = Desfecho::ColunasIguais;
        c.normV[r] = Regional::duasCasas((5 * (c.pontosColuna[r] - colMin)) / faixaColunas);
    }

    // E-Mach from the normalisations as displayed.
    for (int r = 0; r < n; ++r)
        c.emach[r] = Regional::duasCasas(c.normV[r] / (c.normH[r] + 1) - 1);
    return c.desfecho = Desfecho::Completo;
}

Desfecho calcular(const Analise::Matriz& m, Calculo& c)
{
    const int n = m.n;
    c.n = n;
    c.normHFeitas = 0;
    for (QVector<double>* v : {&c.pontosLinha, &c.pontosColuna, &c.normH, &c.normV, &c.emach})
        v->fill(0, n);
    if (const auto p = foraDaEscala(m)) {
        c.foraDaEscala = *p;
        return c.desfecho = Desfecho::ForaDaEscala;
    }
    if (n == 0)
        return c.desfecho = Desfecho::LinhasIguais;
    for (int r = 0; r < n; ++r) {
        c.pontosLinha[r] = pontosLinha(m, r);
        c.pontosColuna[r] = pontosColuna(m, r);
    }
    return normalizar(c);
}

Aviso aviso(Desfecho desfecho)
{
    if (desfecho == Desfecho::Completo)
        return {};
    // The two refusals read alike in Portuguese and English, not in Spanish.
    if (desfecho == Desfecho::LinhasIguais)
        return {QCoreApplication::translate("Emach", "Valores incompletos!", "linhas iguais"),
                QCoreApplication::translate("Emach", "Preencher totalmente a planilha antes de analizar", "linhas iguais")};
    return {QCoreApplication::translate("Emach", "Valores incompletos!", "colunas iguais"),
            QCoreApplication::translate("Emach", "Preencher totalmente a planilha antes de analizar", "colunas iguais")};
}

Aviso avisoForaDaEscala(const QString& fatorLinha, const QString& fatorColuna, const QString& valor)
{
    return {QCoreApplication::translate("Emach", "Valor fora da escala"),
            QCoreApplication::translate("Emach", "O julgamento de \"%1\" contra \"%2\" vale %3, fora da escala de 0,1 a 10. "
                                                 "A análise não foi feita.")
                .arg(fatorLinha, fatorColuna, valor)};
}

} // namespace Emach
