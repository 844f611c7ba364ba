#include "registration/Verificacao.h"

#include "store/Regional.h"

#include <QCoreApplication>
#include <cmath>

namespace Verificacao {

namespace {
// Each message is given for the codes 1, 2 and 3 in turn: any other code
// matches none of them and shows nothing.
bool codigoConhecido(int idioma)
{
    return idioma >= 1 && idioma <= 3;
}
} // namespace

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
    if (!codigoConhecido(idioma))
        return std::nullopt;
    return Aviso{QCoreApplication::translate("Verificacao", "Limitação do Sistema!"),
                 QCoreApplication::translate("Verificacao", "Mínimo de 4 itens por análise.")};
}

std::optional<Aviso> avisoMaximoCases(int idioma)
{
    if (!codigoConhecido(idioma))
        return std::nullopt;
    return Aviso{QCoreApplication::translate("Verificacao", "Limite do Sistema!", "cases"),
                 QCoreApplication::translate("Verificacao", "Permitido o máximo de 25 itens por análise.")};
}

std::optional<Aviso> avisoMaximoEventos(int idioma)
{
    if (!codigoConhecido(idioma))
        return std::nullopt;
    return Aviso{QCoreApplication::translate("Verificacao", "Limite do Sistema!", "eventos"),
                 QCoreApplication::translate("Verificacao", "Permitido o máximo de 25 itens por análise.")};
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
