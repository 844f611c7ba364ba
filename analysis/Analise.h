#pragma once

#include "analysis/Emach.h"
#include "store/CasoCsv.h"

#include <QString>
#include <QVariant>
#include <QVector>

class Database;

// A case's matrix and its analysis without a window: the same cell texts the
// matrix screen loads, run through the same Emach::calcular as the Analyse
// button, so every figure outside that screen has its rounding points.
namespace Analise {

// n factors: their names (Null kept: an unnamed factor) and the n x n cell
// texts, factor i's row against factor j's column at (i, j), 0-based; the
// diagonal and unjudged cells hold the empty text.
struct Matriz {
    int n = 0;
    QVector<QVariant> nomes;
    QVector<QString> celulas;

    explicit Matriz(int fatores = 0);
    QString celula(int linha, int coluna) const { return celulas[linha * n + coluna]; }
    void definir(int linha, int coluna, const QString& texto) { celulas[linha * n + coluna] = texto; }
    // The name as the comparison sentence shows it: "vago" for a Null name.
    QString nome(int fator) const;
};

// A case as stored: its row of Cases and rows 1 to Qtde of its factor table.
struct Caso {
    bool encontrado = false; // the case number has a row in Cases
    QVariant nome;
    QVariant sintoma;
    int qtde = 0; // Qtde as the matrix screen reads it (format "#0")
    int linhasLidas = 0; // factor rows the query returned (fewer than qtde when rows are missing)
    Matriz matriz;
};

// Reads case 1 to 10 the way the matrix screen loads it: a stored value above 0
// becomes its general number text, Null and 0 an empty cell. The matrix holds
// min(Qtde, 30) factors. Throws StoreError when the store fails.
Caso lerCaso(const Database& banco, int caso);

struct Fator {
    int numero = 0; // 1 to n, the factor's row and column
    QVariant nome;
    QString pontosLinha;
    QString pontosColuna;
    QString normH;
    QString normV;
    QString emach;
    double valorEmach() const;
};

struct Resultado {
    Emach::Desfecho desfecho = Emach::Desfecho::LinhasIguais;
    QVector<Fator> fatores; // in factor order; complete only when desfecho is Completo
    bool completo() const { return desfecho == Emach::Desfecho::Completo; }
    // The result screen's order: descending E-Mach, ties in factor order, so
    // the last one is the root cause the result screen shows.
    QVector<Fator> ranking() const;
};

// The analysis of a matrix through Emach::calcular on a text grid.
Resultado analisar(const Matriz& matriz);

// A stored case as its CSV file holds it: the matrix as the matrix screen
// loads it and, once every factor has a stored E-Mach, the ranking of this
// analysis in the result screen's order. Throws StoreError.
CasoCsv::Exportacao exportacao(const Database& banco, int caso);

} // namespace Analise
