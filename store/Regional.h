#pragma once

#include <QString>
#include <optional>

// Numbers travel between grids, boxes and the store as text in the user's
// regional format (the default QLocale): decimal comma or point alike.
namespace Regional {

// True for a text the regional format reads as a number (blanks around it and
// group separators allowed); the empty text is not numeric.
bool isNumeric(const QString& text);

// The number of a regional text, or nothing when it is not numeric.
std::optional<double> toNumber(const QString& text);

// The general number-to-text form: shortest, at most 15 significant digits,
// no trailing zeros, no group separators ("21", "5.2", "10,3").
QString numberText(double value);

// Format "#0": the nearest whole number, halves to even.
QString format0(double value);

// Format "#0.00" (and "0.00", the same for these values): two decimals.
QString format00(double value);

// Rounding to the nearest integer with halves to even, as the integer
// conversions of the program do.
long long roundHalfEven(double value);

// The value a text of these forms reads back as, found without writing it:
// geral(v) is toNumber(numberText(v)) and duasCasas(v) is toNumber(format00(v))
// in every locale (halves away from zero, as the formatting rounds them). A
// figure held this way is the figure its cell shows.
double geral(double value);
double duasCasas(double value);

} // namespace Regional
