#pragma once

#include "shell/Printer.h"

#include <QDate>
#include <QImage>
#include <QString>

// What every page KV prints shares: the logo and title at the top, the
// footer, and the words of a ranking.
namespace Folha {

// The words of the printed ranking in the current language (Spanish prints
// the Portuguese ones): the report's, and the team's page and view.
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

} // namespace Folha
