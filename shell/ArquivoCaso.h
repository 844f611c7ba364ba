#pragma once

#include "shell/AppState.h"
#include "store/CasoCsv.h"

#include <functional>
#include <optional>

class QWidget;

// A case to and from a CSV file, as the windows offer it: the file dialogs,
// the question and the messages around the store's reading and writing.
namespace ArquivoCaso {

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
