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

// While one lives on a thread, the default locale's signs are read once, when
// the first one starts: a long run of conversions (an analysis, or a
// thousand of them) does not ask the system locale for every cell.
class Lote final {
public:
    Lote();
    ~Lote();
    Lote(const Lote&) = delete;
    Lote& operator=(const Lote&) = delete;
};

} // namespace Regional
