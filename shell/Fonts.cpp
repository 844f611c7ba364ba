#include "shell/Fonts.h"

namespace Fontes {

void instalarSubstituicoes()
{
    for (const char* f : {"MS Sans Serif", "Arial", "arial"})
        QFont::insertSubstitution(QString::fromLatin1(f), QStringLiteral("Liberation Sans"));
}

QFont fonte(const QString& familia, double pontos, bool negrito)
{
    QFont f(familia);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

} // namespace Fontes
