#pragma once

#include "analysis/Emach.h"
#include "analysis/Matriz.h"
#include "store/CasoCsv.h"

#include <QString>
#include <QVariant>
#include <QVector>

class Database;

// A case's matrix and its analysis without a window: the one loader of a
// stored case, which the matrix screen, the map and the CSV export share,
// and the analysis through the same Emach::calcular as the Analyse button.
namespace Analise {

// A case as stored: its row of Cases and rows 1 to Qtde of its factor table.
struct Caso {
    bool encontrado = false; // the case number has a row in Cases
    QVariant nome;
    QVariant sintoma;
    QVariant campoQtde; // Qtde as stored
    int qtde = 0; // Qtde as every screen reads it (Tables::fatores)
    int linhasLidas = 0; // factor rows the query returned (fewer than qtde when rows are missing)
    int linhaFaltando = 0; // the first of factor rows 1 to qtde missing from the table, 0 when none is
    QVector<QVariant> emachs; // the stored E-Mach of factors 1 to n (Null when never analysed)
    Matriz matriz;
};

// Reads case 1 to 10 the way the matrix screen loads it: a stored value above
// 0 is its cell's number, Null, 0 and below an empty cell. The matrix holds
// min(Qtde, 30) factors. Throws StoreError when the store fails.
Caso lerCaso(const Database& banco, int caso);

struct Fator {
    int numero = 0; // 1 to n, the factor's row and column
    QVariant nome;
    double pontosLinha = 0;
    double pontosColuna = 0;
    double normH = 0;
    double normV = 0;
    double emach = 0;
};

struct Resultado {
    Emach::Desfecho desfecho = Emach::Desfecho::LinhasIguais;
    QVector<Fator> fatores; // in factor order; complete only when desfecho is Completo
    bool completo() const { return desfecho == Emach::Desfecho::Completo; }
    // The result screen's order: descending E-Mach, ties in factor order, so
    // the last one is the root cause the result screen shows.
    QVector<Fator> ranking() const;
};

// The cells as the matrix screen shows them (an empty text for 0), row-major.
QVector<QString> textos(const Matriz& matriz);

// The analysis of a matrix through Emach::calcular.
Resultado analisar(const Matriz& matriz);

// A stored case as its CSV file holds it: the matrix as the matrix screen
// loads it and, once every factor has a stored E-Mach, the ranking of this
// analysis in the result screen's order. Throws StoreError.
CasoCsv::Exportacao exportacao(const Database& banco, int caso);

} // namespace Analise
