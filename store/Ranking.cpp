#include "store/Ranking.h"

namespace Ranking {

bool antes(std::optional<double> emachA, int numeroA, std::optional<double> emachB, int numeroB)
{
    if (emachA.has_value() != emachB.has_value())
        return !emachA;
    if (emachA && *emachA != *emachB)
        return *emachA > *emachB;
    return numeroA < numeroB;
}

CasoCsv::Classe classe(double emach, bool ultimo)
{
    if (ultimo)
        return CasoCsv::Classe::Raiz;
    return emach >= 0 ? CasoCsv::Classe::Efeito : CasoCsv::Classe::Causal;
}

quint32 cor(CasoCsv::Classe classe)
{
    switch (classe) {
    case CasoCsv::Classe::Raiz: return kCorRaiz;
    case CasoCsv::Classe::Causal: return kCorCausal;
    case CasoCsv::Classe::Efeito: break;
    }
    return kCorEfeito;
}

} // namespace Ranking
