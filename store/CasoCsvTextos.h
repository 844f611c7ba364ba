#pragma once

#include <QString>
#include <QStringList>

// The words of a case file in each language (1 English, 2 Spanish, anything
// else Portuguese), and the messages about it in the current language.
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

struct Mensagens {
    QString botaoExportar;
    QString botaoImportar;
    QString tituloExportar;
    QString tituloImportar;
    QString filtro;
    QString semFatores; // %1 case number
    QString falhaArquivo; // %1 path, %2 the system's reason
    QString confirmar; // %1 case number, %2 its name, %3 factors it holds, %4 factors of the file
    QString importado; // %1 factors, %2 judgements, %3 case number
    QString falhaGravar; // %1 the store's reason
};
Mensagens mensagens();

} // namespace CasoCsv
