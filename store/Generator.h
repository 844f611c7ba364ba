#pragma once

#include <QString>

// Writes a new working file holding every row the program will ever use:
// one Parametro row, Cases 1 to 10 and rows 1 to 30 of each factor table.
namespace Generator {

inline constexpr int kIdiomaInicial = 3;
inline const char* const kVersaoBD = "KV 22.12.15 / 1.0";

// Creates the file at path; never touches an existing file. Throws StoreError.
void criarBanco(const QString& path);

} // namespace Generator
