#pragma once

#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"

#include <QString>
#include <QStringList>

// The figures of consistency and firmness turned into a plain verdict in the
// current language, for a reader who does not know what ζ is.
namespace Veredito {

enum class Faixa {
    Coerente, // ζ >= 0.9
    Algumas, // 0.7 <= ζ < 0.9
    Contraditorio, // ζ < 0.7
};
Faixa faixa(double zeta);

// The mean ζ of a complete matrix judged at random without "equal": each
// triple is circular with probability 1/4, so 3/(n+1) for odd n and
// 3/(n+2) for even n.
double zetaAoAcaso(int n);

// More than a third of the pairs carry no direction ("equal", empty or not
// reciprocal): they close no triad, so ζ says little about the order.
bool poucosDirigidos(const Consistencia::Resultado& c);

QString consistencia(const Consistencia::Resultado& c);

enum class Firmeza {
    Recusada, // no analysis: nothing to say
    Firme, // no single change of one judgement moves the root cause
    Sensivel, // a change of one step moves it, or the lowest E-Mach is tied
    Moderada, // only changes of two steps or more move it
};
Firmeza firmeza(const Robustez::Resultado& r);

// Names as the matrix screen shows them; empty when the analysis was refused.
QString firmeza(const Robustez::Resultado& r, const Analise::Matriz& m);

// The figures of consistency and robustness as lines of text, the same on
// the screen and on paper. Names longer than `nomeMaximo` characters are cut
// (0 keeps them whole). A refused matrix gives its refusal's message.
QStringList linhasConsistencia(const Consistencia::Resultado& c, const Analise::Matriz& m, int nomeMaximo = 0);
QStringList linhasRobustez(const Robustez::Resultado& r, const Analise::Matriz& m, int nomeMaximo = 0);

} // namespace Veredito
