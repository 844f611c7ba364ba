#pragma once

#include <QFont>
#include <QString>

// The layouts were drawn for Arial and MS Sans Serif; Liberation Sans has the
// same metrics as Arial, so both map to it and the twip layouts fit.
namespace Fontes {

void instalarSubstituicoes();

// A font of a family at a point size (fractional sizes such as 8.25 kept).
QFont fonte(const QString& familia, double pontos, bool negrito = false);

} // namespace Fontes
