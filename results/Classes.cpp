#include "results/Classes.h"

#include <QCoreApplication>

namespace Classes {

namespace {
struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Classes)
};
} // namespace

QString legenda(CasoCsv::Classe classe)
{
    switch (classe) {
    case CasoCsv::Classe::Causal: return Texto::tr("Fatores Causais");
    case CasoCsv::Classe::Raiz: return Texto::tr("Causa Raíz ou principal FCS");
    case CasoCsv::Classe::Efeito: break;
    }
    return Texto::tr("Efeitos");
}

} // namespace Classes
