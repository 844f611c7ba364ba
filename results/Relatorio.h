#pragma once

#include "shell/Printer.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>
#include <QVariant>

// The one-page printed form of the ranking.
namespace Relatorio {

// One ranked factor, as the ranking query gives it (either may be Null).
struct Linha {
    QVariant evento;
    QVariant emach;
};

struct Dados {
    QString nomeCase;
    QString sintoma;
    QImage logo;
    QList<Linha> linhas; // in ranking order
    QDate data;
};

// Writes the report on a printer object, without ending the document.
void escrever(Printer& prn, const Dados& dados);
// The placed items of the page, for looking at without paper.
QList<ItemColocado> montar(const Dados& dados);

} // namespace Relatorio
