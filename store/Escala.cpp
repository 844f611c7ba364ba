#include "store/Escala.h"

#include "store/Regional.h"

namespace Escala {

QString texto(int nivel)
{
    return Regional::numberText(kValores[nivel]);
}

QString legenda()
{
    const auto b = [](int n) { return QString(n, u' '); };
    return QStringLiteral("(1/10)") + b(25) + QStringLiteral("(1/5)") + b(30) + QStringLiteral("(1)") + b(31)
        + QStringLiteral("(5)") + b(25) + QStringLiteral("(10)");
}

} // namespace Escala
