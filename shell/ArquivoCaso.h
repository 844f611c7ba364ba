#pragma once

#include "shell/AppState.h"
#include "store/CasoCsv.h"

#include <functional>
#include <optional>

class QWidget;

// A case to and from a CSV file, as the windows offer it: the file dialogs,
// the question and the messages around the store's reading and writing.
namespace ArquivoCaso {

// The captions and messages around a case file, in the current language.
struct Mensagens {
    QString botaoExportar;
    QString botaoImportar;
    QString tituloExportar;
    QString tituloImportar;
    QString filtro;
    QString semFatores; // %1 case number
    QString confirmar; // %1 case number, %2 its name, %3 factors it holds, %4 factors of the file
    QString importado; // %1 factors, %2 judgements, %3 case number
    QString falhaGravar; // %1 the store's reason
};
Mensagens mensagens();

// Asks where to write the case and writes it, as a CSV file or, for a name
// ending in .xlsx, a spreadsheet workbook. A file that cannot be written gets
// a message and leaves no partial file. Returns the path written.
QString exportar(QWidget* janela, int idioma, const CasoCsv::Exportacao& dados);

// Asks for a file, reads and checks all of it, asks before replacing a case
// that holds factors, then writes it into case `caso` in one transaction and
// says what it read; `aoGravar` runs between the two, so the window shows the
// new case under that message. Returns the case when it was written.
std::optional<CasoCsv::Caso> importar(QWidget* janela, AppState& estado, int caso,
                                      const std::function<void(const CasoCsv::Caso&)>& aoGravar = {});

} // namespace ArquivoCaso
