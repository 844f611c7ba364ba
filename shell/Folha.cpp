#include "shell/Folha.h"

#include <QCoreApplication>
#include <QLocale>

namespace Folha {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Folha)
};
} // namespace

Textos textos()
{
    //: The Spanish page prints the Portuguese texts
    return {Texto::tr("Resultado Emach"), Texto::tr("Objetivo a alcançar ou Sintoma indesejado: "), Texto::tr("Fatores"),
            u("Emach"), Texto::tr("Observação"), Texto::tr("Efeito"), Texto::tr("Fator causal"),
            Texto::tr("Causa Raíz ou principal FCS")};
}

QString enderecoWeb()
{
    return QStringLiteral("www.kv-orvalis.example");
}

QString rodape(const QDate& data)
{
    return u("Software KV (") + enderecoWeb() + u(") - ") + QLocale().toString(data, QLocale::ShortFormat);
}

void escreverTopo(Printer& prn, const QImage& logo, const QString& titulo)
{
    prn.setFontName(u("arial"));
    prn.setCurrentX(1);
    prn.setCurrentY(1);
    prn.PaintPicture(logo, 1000, 300, 2300, 1000);

    prn.setCurrentY(1000);
    prn.setCurrentX(5000);
    prn.setFontSize(18);
    prn.setFontBold(true);
    prn.Print(titulo);
}

} // namespace Folha
