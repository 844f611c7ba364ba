#include "store/Regional.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace Regional {

namespace {
QLocale locale()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// The default locale's signs, read once per locale: asking the system
// locale for them takes a lock every time, and the analysis of a case reads
// and writes thousands of cells. `simples` says the locale writes plain
// ASCII digits and minus, so the C locale's texts need only the decimal
// separator changed; otherwise every call goes through the locale.
struct Sinais {
    QLocale local = QLocale::c();
    bool lido = false;
    bool simples = false;
    char decimal = '.';
};

thread_local Sinais t_sinais;
thread_local int t_lotes = 0;

const Sinais& sinais()
{
    Sinais& s = t_sinais;
    if (t_lotes > 0 && s.lido)
        return s;
    const QLocale atual;
    if (!s.lido || !(atual == s.local)) {
        s.local = atual;
        s.lido = true;
        const QString d = atual.decimalPoint();
        s.simples = d.size() == 1 && d[0].unicode() < 128 && !d[0].isDigit() && atual.negativeSign() == QLatin1String("-")
            && atual.zeroDigit() == QLatin1String("0");
        s.decimal = s.simples ? char(d[0].unicode()) : '.';
    }
    return s;
}

// Plain texts such as "10", "0,2" or "-1.25": the same value the locale would
// read (both conversions round correctly), without the locale.
std::optional<double> lerSimples(const QString& text, const Sinais& s)
{
    const qsizetype n = text.size();
    if (!s.simples || n == 0 || n > 24)
        return std::nullopt;
    char buf[25];
    qsizetype i = 0;
    bool digitos = false, separador = false, depois = false;
    for (qsizetype k = 0; k < n; ++k) {
        const char16_t ch = text[k].unicode();
        if (ch >= '0' && ch <= '9') {
            buf[i++] = char(ch);
            (separador ? depois : digitos) = true;
        } else if (ch == '-' && k == 0) {
            buf[i++] = '-';
        } else if (ch == char16_t(s.decimal) && digitos && !separador) {
            buf[i++] = '.';
            separador = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitos || (separador && !depois))
        return std::nullopt;
    double v = 0;
    const auto [fim, erro] = std::from_chars(buf, buf + i, v);
    if (erro != std::errc() || fim != buf + i || !std::isfinite(v) || (v == 0 && buf[0] == '-'))
        return std::nullopt;
    return v;
}

// The C locale's text with the decimal separator of a plain locale.
QString escreverSimples(QString texto, const Sinais& s)
{
    if (s.decimal != '.')
        texto.replace(QLatin1Char('.'), QLatin1Char(s.decimal));
    return texto;
}
// The value of a text: plain texts directly, any other through the locale.
std::optional<double> lerTexto(const QString& text)
{
    if (const auto v = lerSimples(text, sinais()))
        return v;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Within a run the same few texts (the five levels a matrix holds, shared
// by its cells) are read again and again; their values are kept by the
// address of their characters while the run's locale holds. Only texts that
// own counted storage are kept: holding a copy keeps the characters alive,
// and a text shared with the copy cannot change them in place.
struct Lido {
    QString texto;
    std::optional<double> valor;
};
constexpr int kLidos = 1024;
thread_local Lido t_lidos[kLidos];

Lido& lugar(const QString& text)
{
    return t_lidos[(reinterpret_cast<quintptr>(text.constData()) >> 4) % kLidos];
}

// Likewise the texts written in a run: a change of one judgement leaves most
// sums and normalisations as they were, and handing back the same text lets
// the next reading find it above.
struct Escrito {
    quint64 bits = 0;
    char forma = 0;
    QString texto;
};
constexpr int kEscritos = 1024;
thread_local Escrito t_escritos[kEscritos];

template <typename F>
QString escrever(double value, char forma, F&& semMemoria)
{
    if (t_lotes == 0)
        return semMemoria();
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    Escrito& e = t_escritos[((bits ^ (bits >> 29) ^ (bits >> 47)) * 0x9E3779B97F4A7C15ull >> 54) % kEscritos];
    if (e.forma != forma || e.bits != bits)
        e = {bits, forma, semMemoria()};
    return e.texto;
}
} // namespace

Lote::Lote()
{
    if (t_lotes == 0) {
        // A new run may have another locale: forget the values of the last.
        for (Lido& l : t_lidos)
            l = {};
        for (Escrito& e : t_escritos)
            e = {};
    }
    sinais();
    ++t_lotes;
}

Lote::~Lote()
{
    --t_lotes;
}

std::optional<double> toNumber(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    if (t_lotes == 0 || !text.data_ptr().isMutable())
        return lerTexto(text);
    Lido& l = lugar(text);
    if (l.texto.constData() == text.constData() && l.texto.size() == text.size())
        return l.valor;
    l = {text, lerTexto(text)};
    return l.valor;
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
    return escrever(value, 'g', [value] {
        const Sinais& s = sinais();
        if (s.simples && std::isfinite(value)) {
            const QString c = QLocale::c().toString(value, 'g', 15);
            if (!c.contains(QLatin1Char('e')) && !c.contains(QLatin1Char('E')))
                return escreverSimples(c, s);
        }
        return locale().toString(value, 'g', 15);
    });
}

QString format0(double value)
{
    return locale().toString(roundHalfEven(value));
}

QString format00(double value)
{
    // A value that rounds to zero has no sign: "0.00", never "-0.00".
    return escrever(value, 'f', [value] {
        const Sinais& s = sinais();
        if (s.simples && std::isfinite(value) && std::abs(value) < 1e15) {
            const QString c = QLocale::c().toString(value, 'f', 2);
            return escreverSimples(c == QLatin1String("-0.00") ? c.mid(1) : c, s);
        }
        const QString texto = locale().toString(value, 'f', 2);
        const QString zero = locale().toString(0.0, 'f', 2);
        return texto == locale().negativeSign() + zero ? zero : texto;
    });
}

} // namespace Regional
