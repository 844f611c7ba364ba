#pragma once

#include "store/CasoCsv.h"

#include <QString>

// One case as a spreadsheet workbook (.xlsx) with the blocks of the CSV file,
// for spreadsheet programs that would turn a name like "007" or "1/5" into a
// number or a date: names and texts are text cells, judgements and figures
// number cells. Written by libxlsxwriter, then through the one checked path.
namespace CasoXlsx {

// The workbook's bytes; empty, with what went wrong in `erro`, on a failure.
QByteArray escrever(const CasoCsv::Exportacao& dados, int idioma, QString* erro);

// Writes the workbook at `caminho`; what went wrong, empty on success.
QString salvar(const QString& caminho, const CasoCsv::Exportacao& dados, int idioma);

} // namespace CasoXlsx
