#include "store/Regional.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Regional {

namespace {
QLocale locale()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

using u128 = unsigned __int128;

constexpr std::uint64_t kPot10[20] = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull,
                                      100000000ull, 1000000000ull, 10000000000ull, 100000000000ull, 1000000000000ull,
                                      10000000000000ull, 100000000000000ull, 1000000000000000ull, 10000000000000000ull,
                                      100000000000000000ull, 1000000000000000000ull, 10000000000000000000ull};
u128 pot10(int k) { return kPot10[k]; }

// |x| times 10^k rounded to an integer the way the formatting rounds (halves
// away from zero), exactly: x is m * 2^q with m of 53 bits, and m * 10^k fits
// in 128 bits for k up to 19. Nothing when the value is out of that reach.
std::optional<u128> escalar(double x, int k, u128* semArredondar = nullptr)
{
    if (k < 0 || k > 19 || !std::isfinite(x))
        return std::nullopt;
    int e2 = 0;
    const double f = std::frexp(std::fabs(x), &e2);
    const auto m = std::uint64_t(std::ldexp(f, 53));
    const int q = e2 - 53;
    const u128 a = u128(m) * pot10(k);
    if (q >= 0)
        return std::nullopt;
    const int s = -q;
    if (s >= 127) {
        if (semArredondar)
            *semArredondar = 0;
        return u128(0);
    }
    u128 n = a >> s;
    if (semArredondar)
        *semArredondar = n;
    if ((a & ((u128(1) << s) - 1)) >= (u128(1) << (s - 1)))
        ++n;
    return n;
}

// The slow way, for values far out of a matrix's range: the C locale's text
// has the same digits as every other locale's.
double pelaEscrita(double value, char forma, int precisao)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(QLocale::c().toString(value, forma, precisao), &ok);
    return ok && std::isfinite(v) ? v : 0;
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
    const double r = std::nearbyint(value); // default mode: to nearest, ties to even
    // A value no integer holds (a number typed or stored far too big, or no
    // number at all) stops at the ends instead of being undefined.
    if (!(std::fabs(r) < 9.2e18))
        return r > 0 ? std::numeric_limits<long long>::max() : r < 0 ? std::numeric_limits<long long>::min() : 0;
    return static_cast<long long>(r);
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
    const QLocale l = locale();
    const QString texto = l.toString(value, 'f', 2);
    const QString zero = l.toString(0.0, 'f', 2);
    return texto == l.negativeSign() + zero ? zero : texto;
}

double geral(double value)
{
    if (value == 0)
        return 0;
    if (!std::isfinite(value))
        return 0; // its text ("inf", "nan") reads as no number
    // 15 significant digits: the integer N of 10^14 to 10^15 that the value
    // times 10^k rounds to, where k follows from the value's decimal exponent.
    int e = int(std::floor(std::log10(std::fabs(value))));
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        const int k = 14 - e;
        u128 truncado = 0;
        const std::optional<u128> n = escalar(value, k, &truncado);
        if (!n)
            break;
        if (truncado < pot10(14)) {
            --e;
            continue;
        }
        if (truncado >= pot10(15)) {
            ++e;
            continue;
        }
        // N and 10^k are exact doubles; the quotient is the nearest double to
        // the decimal, which is what reading the text gives.
        const double v = double(std::uint64_t(*n)) / double(std::uint64_t(pot10(k)));
        return value < 0 ? -v : v;
    }
    return pelaEscrita(value, 'g', 15);
}

double duasCasas(double value)
{
    const double a = std::fabs(value) * 100;
    double k = 0;
    if (a < 1e6 && std::fabs(a - (std::floor(a) + 0.5)) > 1e-6) {
        // Far from a half: the product's rounding error cannot cross it.
        k = std::floor(a + 0.5);
    } else {
        const std::optional<u128> n = escalar(value, 2);
        if (!n)
            return pelaEscrita(value, 'f', 2);
        k = double(std::uint64_t(*n));
    }
    if (k == 0)
        return 0;
    return value < 0 ? -(k / 100) : k / 100;
}

} // namespace Regional
