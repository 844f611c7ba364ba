#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cmath>

// A team's judgement of a case as the team window wrote it into the case:
// kept for the session, so the complete report can tell how far the members
// agreed and what they should discuss, for as long as the case's stored
// matrix is still the team's.
struct ResumoEquipe {
    // A member who left a pair empty.
    static constexpr int kSemNivel = -9;
    enum class Concordancia { Forte, Moderada, Fraca, SemW };

    struct Par {
        int linha = 0, coluna = 0; // 0-based factors, linha < coluna
        QString fatorLinha, fatorColuna;
        // Each member's level for (linha, coluna), -2 to 2 for 0.1, 0.2, 1, 5,
        // 10, or kSemNivel; in the order of `membros`.
        QVector<int> niveis;
        int nivelEquipe = kSemNivel;
        int dispersao = 0; // highest level minus lowest, 0 to 4
    };

    QStringList membros;
    QStringList foraDoW; // members whose matrix the analysis refuses
    Concordancia concordancia = Concordancia::SemW; // its sentence: Equipe::frase
    double W = 0; // Kendall's coefficient of concordance, with ties corrected
    double quiQuadrado = 0; // m (n - 1) W
    int grausLiberdade = 0; // n - 1
    double p = 1; // chance of a chi-square this large with no agreement
    QVector<Par> paresADiscutir; // largest spread first
    QStringList fatores; // the case's factors, 1 to n
    QVector<double> matriz; // n x n, row-major, 0 an empty cell: the team matrix

    // Whether a stored matrix (same form) is still the team's; Equipe::vigente reads a case for it.
    bool mesmaMatriz(const QVector<double>& valores) const
    {
        if (valores.size() != matriz.size())
            return false;
        for (int i = 0; i < matriz.size(); ++i)
            if (std::abs(valores[i] - matriz[i]) > 1e-9)
                return false;
        return true;
    }
};
