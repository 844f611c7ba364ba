#pragma once

#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "results/Printer.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

class cMapa;

// The texts of the influence map and its page, in the current language.
namespace Mapa {

struct Textos {
    QString titulo; // the window and the page
    QString mnuMapa; // the main window's command and the result screen's button
    QString cmdImprimir;
    QString cmdExportar;
    QString cmdSair;
    QString impressora;
    QString eixoX;
    QString eixoY;
    QString linhaZero;
    QString pontosLinha;
    QString pontosColuna;
    QString efeitos; // the result screen's legend words
    QString causais;
    QString raiz;
    QString dialogoExportar;
    QString exportarFalhou; // title of the box
    QString salvarPdf; // the PDF printer's question
    QString pdfSalvo; // and where it wrote, after the page
};
Textos textos();

// The figures of consistency and robustness as lines of text, the same on
// the screen and on paper. Names longer than `nomeMaximo` characters are cut
// (0 keeps them whole). A refused matrix gives its refusal's message.
QStringList linhasConsistencia(const Consistencia::Resultado& c, const Analise::Matriz& m, int nomeMaximo = 0);
QStringList linhasRobustez(const Robustez::Resultado& r, const Analise::Matriz& m, int nomeMaximo = 0);

// What the printed page shows.
struct Pagina {
    QString nomeCase;
    QString sintoma;
    QImage logo;
    std::shared_ptr<const cMapa> mapa;
    QStringList consistencia;
    QStringList robustez;
    QDate data;
};

// Writes the page on a printer object, without ending the document.
void escrever(Printer& prn, const Pagina& pagina);
// The placed items of the page, for looking at without paper.
QList<ItemColocado> montar(const Pagina& pagina);

} // namespace Mapa
