#pragma once

#include "store/CasoCsv.h"

#include <QString>

// The words of a ranking's three classes in the current language, as the
// result screen's legend and the map's labels show them.
namespace Classes {

QString legenda(CasoCsv::Classe classe);

} // namespace Classes
