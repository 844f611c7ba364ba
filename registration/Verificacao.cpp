#include "registration/Verificacao.h"

#include "store/Regional.h"

#include <cmath>

namespace Verificacao {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }
}

Qtde qtdeCase(const QString& texto)
{
    const std::optional<double> v = Regional::toNumber(texto);
    if (!v)
        return Qtde::NaoNumerica;
    if (*v > 25)
        return Qtde::Maximo;
    if (*v == 0)
        return Qtde::Aceita;
    if (*v < 4 || *v != std::floor(*v))
        return Qtde::Minimo;
    return Qtde::Aceita;
}

Qtde qtdeEventos(const QString& texto)
{
    const std::optional<double> v = Regional::toNumber(texto);
    if (!v)
        return Qtde::NaoNumerica;
    return *v > 25 ? Qtde::Maximo : Qtde::Aceita;
}

std::optional<Aviso> avisoMinimoCases(int idioma)
{
    switch (idioma) {
    case 1: return Aviso{u("Limitation System!"), u("Minimum of 4 items by analysis.")};
    case 2: return Aviso{u("Sistema Limit!"), u("Mínimo de 4 artículos por el análisis.")};
    case 3: return Aviso{u("Limitação do Sistema!"), u("Mínimo de 4 itens por análise.")};
    default: return std::nullopt;
    }
}

std::optional<Aviso> avisoMaximoCases(int idioma)
{
    switch (idioma) {
    case 1: return Aviso{u("Limitation System!"), u("Permitted maximum of 25 items for analysis.")};
    case 2: return Aviso{u("Sistema Limit!"), u("Máximo permitido de 25 elementos para el análisis.")};
    case 3: return Aviso{u("Limite do Sistema!"), u("Permitido o máximo de 25 itens por análise.")};
    default: return std::nullopt;
    }
}

std::optional<Aviso> avisoMaximoEventos(int idioma)
{
    switch (idioma) {
    case 1: return Aviso{u("Limit System!"), u("Permitted maximum of 25 items for analysis.")};
    case 2: return Aviso{u("Sistema Limit!"), u("Máximo permitido de 25 elementos para el análisis.")};
    case 3: return Aviso{u("Limite do Sistema!"), u("Permitido o máximo de 25 itens por análise.")};
    default: return std::nullopt;
    }
}

QString textoCampo(const QVariant& valor)
{
    if (valor.isNull() || !valor.isValid())
        return QStringLiteral("");
    if (valor.typeId() == QMetaType::Double)
        return Regional::numberText(valor.toDouble());
    return valor.toString();
}

QString cortar(const QString& texto, int n)
{
    if (texto.size() <= n)
        return texto;
    int fim = n;
    if (fim > 0 && texto.at(fim - 1).isHighSurrogate())
        --fim;
    return texto.left(fim);
}

QStringList nomesColados(const QString& texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (t.endsWith(u'\n'))
        t.chop(1);
    QStringList nomes = t.split(u'\n');
    for (QString& n : nomes)
        n = n.trimmed();
    return nomes;
}

} // namespace Verificacao
