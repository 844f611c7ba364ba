#pragma once

#include "store/CasoCsv.h"

#include <QtGlobal>
#include <optional>

// A case's ranking, the same on every screen, page and file: descending
// E-Mach, equal ones in factor order; the last factor is the root cause, the
// others effects from an E-Mach of 0 up and causal factors below it.
namespace Ranking {

// Whether factor a comes before factor b. A factor with no E-Mach yet comes
// first, where the ranking query puts a Null.
bool antes(std::optional<double> emachA, int numeroA, std::optional<double> emachB, int numeroB);

CasoCsv::Classe classe(double emach, bool ultimo);

// The colours of the classes (0x00BBGGRR), shown on the result screen, the
// map and the team view.
inline constexpr quint32 kCorEfeito = 0xFFFF00; // cyan
inline constexpr quint32 kCorCausal = 0x00FFFF; // yellow
inline constexpr quint32 kCorRaiz = 0x00FF00; // green
quint32 cor(CasoCsv::Classe classe);

} // namespace Ranking
