#pragma once

#include <QString>
#include <QStringList>

// The words of a case file in each language (1 English, 2 Spanish, anything
// else Portuguese): data of the format, read back in any of the three.
namespace CasoCsv {

struct Rotulos {
    // The keys of the case block; the register's own labels.
    QString chaveNome;
    QString chaveSintoma;
    QString chaveQtde;
    // Also read: the grid's column headings.
    QStringList outrasChavesSintoma;
    QStringList outrasChavesQtde;
    QStringList cabecalhoRanking; // name, row points, column points, NormH, NormV, E-Mach, class
    QString classes[3]; // effect, causal factor, root cause
};
Rotulos rotulos(int idioma);

} // namespace CasoCsv
