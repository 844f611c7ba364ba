#pragma once

#include "shell/Messages.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <optional>

// Cell texts addressed by 0-based row and column: the working store of the
// analysis, whether it is the matrix screen's grid or a plain table.
class GradeTextos {
public:
    virtual ~GradeTextos() = default;
    virtual QString texto(int linha, int coluna) const = 0;
    virtual void escrever(int linha, int coluna, const QString& texto) = 0;
};

// A grid of texts without a window.
class TabelaTextos final : public GradeTextos {
public:
    TabelaTextos(int linhas, int colunas);
    int linhas() const { return m_linhas; }
    int colunas() const { return m_colunas; }
    QString texto(int linha, int coluna) const override;
    void escrever(int linha, int coluna, const QString& texto) override;

private:
    int indice(int linha, int coluna) const;
    int m_linhas;
    int m_colunas;
    QVector<QString> m_textos;
};

// The E-Mach computation over an n x n comparison matrix held in rows 0 to
// n-1, columns 1 to n of a grid already extended to n+2 rows and n+4 columns.
// Every quantity is written as text and read back as displayed, so the two
// decimals of the normalisations are what the E-Mach is computed from.
namespace Emach {

enum class Desfecho {
    Completo,
    LinhasIguais, // every row sum the same: nothing normalised
    ColunasIguais, // every column sum the same: NormH of row 0 already written
};

// The first judgement cell (row, column) holding anything but an empty text
// or a number from 0.1 to 10, as a file written by another tool can; the
// screen analyses no such matrix.
std::optional<QPoint> foraDaEscala(const GradeTextos& grade, int n);

// Points, extremes, normalisations and E-Mach, in that order, into:
// (r, n+1) row points, (n, c) column points, (r, n+2) NormH, (n+1, c) NormV,
// (r, n+3) E-Mach.
Desfecho calcular(GradeTextos& grade, int n);

// A number text as the fixed-point value with four decimals that the
// extremes are compared in.
qint64 moeda(const QString& texto);

// The message of a refusal, in the current language.
Aviso aviso(Desfecho desfecho);
// The message for a judgement off the scale, naming the pair and the value.
Aviso avisoForaDaEscala(const QString& fatorLinha, const QString& fatorColuna, const QString& valor);

} // namespace Emach
