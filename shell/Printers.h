#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One printer the program can send the report to: a CUPS queue of the
// machine, or the built-in printer that writes a PDF file.
struct Impressora {
    enum class Tipo { Cups, Pdf };
    QString DeviceName;
    Tipo tipo = Tipo::Cups;

    bool operator==(const Impressora& o) const { return DeviceName == o.DeviceName && tipo == o.tipo; }
};

// The printers of the machine and the program's current printer, which
// lives for the whole run.
namespace Printers {

// Name of the built-in PDF printer, always the last of the list.
QString nomePdf();

// The list: the CUPS queues in the order the system gives them, then the
// PDF printer. Read from the system on first use.
const QList<Impressora>& lista();

// The current printer: at start the system's default queue, or the PDF
// printer when there is none.
const Impressora& atual();
void definirAtual(int indice);

// Tests give their own list (the current printer becomes `atual`, an
// index into it); reiniciar() reads the system's list again.
void definirLista(const QList<Impressora>& lista, int atual);
void reiniciar();

// The file name proposed for a case's report: its name and the date, with
// the characters a file name cannot hold replaced.
QString nomeProposto(const QString& nomeCase, const QDate& data);

} // namespace Printers

// Makes the first printer whose name starts with the same 8 characters as
// `nome` (ignoring letter case) the current printer; false when none does.
bool Selecionar_Impressora(const QString& nome);
