#include "store/Regional.h"

#include <QLocale>
#include <cmath>

namespace Regional {

namespace {
QLocale locale()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}
} // namespace

std::optional<double> toNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isNumeric(const QString& text)
{
    return toNumber(text).has_value();
}

long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value)); // default mode: to nearest, ties to even
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return locale().toString(value, 'g', 15);
}

QString format0(double value)
{
    return locale().toString(roundHalfEven(value));
}

QString format00(double value)
{
    // A value that rounds to zero has no sign: "0.00", never "-0.00".
    const QString texto = locale().toString(value, 'f', 2);
    const QString zero = locale().toString(0.0, 'f', 2);
    return texto == locale().negativeSign() + zero ? zero : texto;
}

} // namespace Regional
