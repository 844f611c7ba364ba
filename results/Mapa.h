#pragma once

#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "shell/Printer.h"

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
