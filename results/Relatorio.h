#pragma once

#include "results/Printer.h"

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

// The texts of the page in the current language (Spanish prints the
// Portuguese ones).
struct Textos {
    QString titulo;
    QString rotuloObjetivo;
    QString cabecalho1;
    QString cabecalho2;
    QString cabecalho3;
    QString efeito;
    QString causal;
    QString raiz;
};
Textos textos();

// The product's web address, printed in the footer.
QString enderecoWeb();
// "Software KV (<address>) - <date in the short format>".
QString rodape(const QDate& data);

// The logo and the big title at the top of every page KV prints.
void escreverTopo(Printer& prn, const QImage& logo, const QString& titulo);
// Writes the report on a printer object, without ending the document.
void escrever(Printer& prn, const Dados& dados);
// The placed items of the page, for looking at without paper.
QList<ItemColocado> montar(const Dados& dados);

} // namespace Relatorio
