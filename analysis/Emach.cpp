#include "analysis/Emach.h"

#include "store/Regional.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

TabelaTextos::TabelaTextos(int linhas, int colunas)
    : m_linhas(linhas), m_colunas(colunas), m_textos(qMax(0, linhas) * qMax(0, colunas))
{
}

int TabelaTextos::indice(int linha, int coluna) const
{
    if (linha < 0 || linha >= m_linhas || coluna < 0 || coluna >= m_colunas)
        throw std::out_of_range("Subscript out of range");
    return linha * m_colunas + coluna;
}

QString TabelaTextos::texto(int linha, int coluna) const
{
    return m_textos[indice(linha, coluna)];
}

void TabelaTextos::escrever(int linha, int coluna, const QString& texto)
{
    m_textos[indice(linha, coluna)] = texto;
}

namespace Emach {

namespace {
double valor(const QString& texto)
{
    return Regional::toNumber(texto).value_or(0);
}
} // namespace

qint64 moeda(const QString& texto)
{
    return Regional::roundHalfEven(valor(texto) * 10000.0);
}

std::optional<QPoint> foraDaEscala(const GradeTextos& g, int n)
{
    for (int r = 0; r < n; ++r)
        for (int c = 1; c <= n; ++c) {
            const QString t = g.texto(r, c);
            const std::optional<double> v = Regional::toNumber(t);
            if (!t.trimmed().isEmpty() && !(v && *v >= 0.1 && *v <= 10))
                return QPoint(r, c);
        }
    return std::nullopt;
}

Desfecho calcular(GradeTextos& g, int n)
{
    const Regional::Lote lote;

    // Each matrix cell is read once; both sums add its value in their order.
    std::vector<std::optional<double>> celulas(std::size_t(std::max(n, 0)) * std::max(n, 0));
    for (int r = 0; r < n; ++r)
        for (int c = 1; c <= n; ++c)
            celulas[std::size_t(r) * n + (c - 1)] = Regional::toNumber(g.texto(r, c));

    // Points: one pass per index does the row sum and the column sum.
    for (int r = 0; r < n; ++r) {
        double linha = 0;
        for (int c = 1; c <= n; ++c)
            if (const auto& v = celulas[std::size_t(r) * n + (c - 1)])
                linha += *v;
        g.escrever(r, n + 1, Regional::numberText(linha));

        double coluna = 0;
        for (int k = 0; k < n; ++k)
            if (const auto& v = celulas[std::size_t(k) * n + r])
                coluna += *v;
        g.escrever(n, r + 1, Regional::numberText(coluna));
    }

    // Extremes, kept as the texts of the cells they came from.
    QString rowMax = g.texto(0, n + 1);
    QString rowMin = rowMax;
    QString colMax = g.texto(n, 1);
    QString colMin = colMax;
    qint64 mRowMax = moeda(rowMax), mRowMin = mRowMax, mColMax = moeda(colMax), mColMin = mColMax;
    for (int k = 0; k <= n - 2; ++k) {
        const QString linha = g.texto(k + 1, n + 1);
        const qint64 ml = moeda(linha);
        if (ml > mRowMax) {
            rowMax = linha;
            mRowMax = ml;
        }
        if (ml < mRowMin) {
            rowMin = linha;
            mRowMin = ml;
        }
        const QString coluna = g.texto(n, k + 2);
        const qint64 mc = moeda(coluna);
        if (mc > mColMax) {
            colMax = coluna;
            mColMax = mc;
        }
        if (mc < mColMin) {
            colMin = coluna;
            mColMin = mc;
        }
    }

    // Normalisations to 0-5, each written with two decimals.
    const double minLinhas = valor(rowMin), faixaLinhas = valor(rowMax) - minLinhas;
    const double minColunas = valor(colMin), faixaColunas = valor(colMax) - minColunas;
    for (int r = 0; r < n; ++r) {
        if (faixaLinhas == 0)
            return Desfecho::LinhasIguais;
        const double e = valor(g.texto(r, n + 1));
        g.escrever(r, n + 2, Regional::format00(((e - minLinhas) / faixaLinhas) * 5));

        if (faixaColunas == 0)
            return Desfecho::ColunasIguais;
        const double f = valor(g.texto(n, r + 1));
        g.escrever(n + 1, r + 1, Regional::format00((5 * (f - minColunas)) / faixaColunas));
    }

    // E-Mach from the normalisations as displayed.
    for (int r = 0; r < n; ++r) {
        const double normV = valor(g.texto(n + 1, r + 1));
        const double normH = valor(g.texto(r, n + 2));
        g.escrever(r, n + 3, Regional::format00(normV / (normH + 1) - 1));
    }
    return Desfecho::Completo;
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
