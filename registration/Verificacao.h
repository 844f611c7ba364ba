#pragma once

#include "shell/Messages.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// What the two registers decide about typed counts and shown texts, kept apart
// from the windows so each rule can be checked on its own.
namespace Verificacao {

enum class Qtde {
    Aceita,      // 0 or a whole number from 4 to 25
    NaoNumerica, // empty or not a number in the regional format
    Minimo,      // below 4 (but not 0), negative or fractional
    Maximo,      // above 25
};

// The count of a case. A negative or fractional count would reach the matrix
// screen as a table size, so it is refused like a count below the minimum.
Qtde qtdeCase(const QString& texto);

// The count box of the factor register only guards the upper limit; the value
// is never stored there.
Qtde qtdeEventos(const QString& texto);

// Messages of the case register in the current language, for codes 1 to 3;
// nothing for other codes.
std::optional<Aviso> avisoMinimoCases(int idioma);
std::optional<Aviso> avisoMaximoCases(int idioma);
// The upper-limit message of the factor register ("Limit System!" in English).
std::optional<Aviso> avisoMaximoEventos(int idioma);

// The text of a stored field for a box: Null is the empty text, numbers in
// the regional general form.
QString textoCampo(const QVariant& valor);

// Pasted text as factor names, one a line, trimmed; the line end a
// spreadsheet puts after its last row adds no name.
QStringList nomesColados(const QString& texto);

// The first n characters, never splitting an emoji's surrogate pair.
QString cortar(const QString& texto, int n);

} // namespace Verificacao
