#pragma once

#include "analysis/Analise.h"
#include "analysis/Robustez.h"
#include "shell/ResumoEquipe.h"
#include "store/CasoCsv.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Several members' judgements of one case combined into the team's: the team
// level of each pair, how far the members differ on it, the team's ranking,
// and how far the members' own rankings agree (Kendall's W).
namespace Equipe {

inline constexpr int kMinMembros = 2;
inline constexpr int kMaxMembros = 12;
inline constexpr int kSemNivel = ResumoEquipe::kSemNivel;
// A pair is worth a discussion from this spread on.
inline constexpr int kDispersaoADiscutir = 2;

// The level -2 to 2 of a stored value 0.1, 0.2, 1, 5, 10; kSemNivel for 0
// (empty) or anything else.
int nivel(double valor);
double valor(int nivel);

// A member file's factors against the team's, by name (trimmed, exact), in
// any order; each list is counted as a whole, so a name twice in one list
// and once in the other is one missing.
struct Correspondencia {
    QVector<int> posicao; // for each factor of the file, its place among the team's
    QStringList faltam; // the team's names the file lacks
    QStringList sobram; // the file's names the team lacks
    bool confere() const { return faltam.isEmpty() && sobram.isEmpty(); }
};
Correspondencia corresponder(const QStringList& daEquipe, const QStringList& doArquivo);

struct Membro {
    QString nome;
    QVector<int> niveis; // n x n in the team's factor order, row-major; kSemNivel where empty
};
// A checked file's matrix as a member's levels, in the team's order.
Membro membro(const QString& nome, const CasoCsv::Caso& caso, const Correspondencia& c);

// The median of some levels; with an even count the mean of the two middle
// ones, a half going toward 0. Nothing gives kSemNivel.
int mediana(QVector<int> niveis);

// The average ranks (1 the highest value) of values, ties sharing the mean of
// their places.
QVector<double> postos(const QVector<qint64>& valores);

struct Kendall {
    bool calculado = false; // at least two rankings of at least two factors, not all tied
    double W = 0;
    double quiQuadrado = 0;
    int grausLiberdade = 0;
    double p = 1;
};
// Kendall's coefficient of concordance of m rankings of n factors, given as
// ranks; ties (equal ranks within a ranking) corrected for.
Kendall kendall(const QVector<QVector<double>>& postos);

// The chance that a chi-square with `graus` degrees of freedom is x or more.
double quiQuadradoCauda(double x, int graus);

ResumoEquipe::Concordancia concordancia(const Kendall& k);
// The plain sentence of each band, in the current language.
QString frase(ResumoEquipe::Concordancia c);
// The sentence of the agreement's figures, in the user's number format;
// empty when no W was computed.
QString linhaW(const Kendall& k);
// A level as the matrix shows it (10, 5, 1, 0.2, 0.1); empty when left empty.
QString textoNivel(int nivel);

struct Par {
    int linha = 0, coluna = 0; // linha < coluna
    QVector<int> niveis; // each member's, kSemNivel when left empty
    int nivel = kSemNivel; // the team's
    int dispersao = 0; // -1 for a pair nobody judged
};

struct MembroAnalisado {
    Analise::Resultado analise;
    int raiz = -1; // the result screen's last factor, -1 when refused
};

struct Resultado {
    int n = 0;
    QVector<int> niveis; // the team's levels, n x n, row-major
    Analise::Matriz matriz; // the same as numbers, with the team's names
    QVector<Par> pares; // every pair, largest spread first, ties row by row; the unjudged last
    QVector<MembroAnalisado> membros;
    QVector<int> foraDoW; // members whose matrix the analysis refuses
    Analise::Resultado analise; // of the team matrix
    Kendall kendall;
    Robustez::Resultado robustez;

    int nivel(int linha, int coluna) const; // the team's, kSemNivel where empty
    QVector<Par> paresADiscutir() const; // the pairs of spread kDispersaoADiscutir or more
};

// The team of `membros` over `fatores`; with `robustez` false the firmness of
// the root cause is left out.
Resultado combinar(const QStringList& fatores, const QVector<Membro>& membros, bool robustez = true);

// The team matrix as a case file gives it, for the store's one write of a case.
CasoCsv::Caso caso(const Resultado& r, const QStringList& fatores);

// What the session keeps once the team matrix is in the case.
ResumoEquipe resumo(const Resultado& r, const QStringList& fatores, const QStringList& nomesMembros);
// Whether a case's matrix, as Analise::lerCaso reads it, is still the team's.
bool vigente(const ResumoEquipe& s, const Analise::Matriz& m);

} // namespace Equipe
