#pragma once

#include "analysis/Equipe.h"
#include "shell/Printer.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

// The printed page of a team judgement: the team's ranking, the members'
// agreement and the pairs they should discuss first.
namespace PaginaEquipe {

struct Pagina {
    QString nomeCase;
    QString sintoma;
    QImage logo;
    QStringList membros;
    QStringList fatores;
    Equipe::Resultado resultado;
    QDate data;
};

// How many pairs to discuss the page lists.
inline constexpr int kParesNoPapel = 10;

void escrever(Printer& prn, const Pagina& pagina);
QList<ItemColocado> montar(const Pagina& pagina);

} // namespace PaginaEquipe
