#include "results/Relatorio.h"

#include "shell/Folha.h"
#include "store/Ranking.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QLocale>

namespace Relatorio {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Relatorio)
};

// An E-Mach as a number, or nothing when it is Null or no number.
std::optional<double> numero(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (ok)
        return d;
    return Regional::toNumber(v.toString());
}
// The first 55 characters of a name; wide letters that would still run into
// the E-Mach column end in an ellipsis before it.
QString nomeNaLinha(const Printer& prn, const QString& evento)
{
    constexpr int kEspaco = 7800 - 2000 - 100;
    QString nome = evento.left(55);
    if (nome.size() == 55 && nome.at(54).isHighSurrogate())
        nome.chop(1);
    if (prn.TextWidth(nome) <= kEspaco)
        return nome;
    const QString reticencias = u("…");
    while (!nome.isEmpty() && prn.TextWidth(nome + reticencias) > kEspaco)
        nome.chop(nome.size() > 1 && nome.at(nome.size() - 1).isLowSurrogate() ? 2 : 1);
    return nome + reticencias;
}
} // namespace

void escrever(Printer& prn, const Dados& d)
{
    const Folha::Textos t = Folha::textos();

    Folha::escreverTopo(prn, d.logo, t.titulo);
    prn.setFontBold(false);
    prn.setFontSize(12);
    prn.setCurrentX(2000);
    prn.Print();
    prn.Print();

    prn.setCurrentX(2000);
    prn.setFontBold(true);
    prn.Print(u("Case:  ") + d.nomeCase);

    prn.setFontBold(false);
    prn.Print();
    prn.Print();

    prn.setCurrentX(2000);
    prn.Print(t.rotuloObjetivo);

    prn.setCurrentX(2800);
    prn.setFontBold(true);
    prn.Print(d.sintoma);

    prn.setFontBold(false);
    prn.Print();
    prn.Print();

    prn.setFontSize(11);
    int y = prn.CurrentY() + 100;

    prn.setCurrentX(2000);
    prn.Print(t.cabecalho1, true);
    prn.setCurrentX(7700);
    prn.Print(t.cabecalho2, true);
    prn.setCurrentX(9000);
    prn.Print(t.cabecalho3);

    prn.setFontSize(10);
    const int n = int(d.linhas.size());
    for (int i = 0; i < n; ++i) {
        const Linha& linha = d.linhas.at(i);
        const bool ultima = i == n - 1;
        y += 280;
        prn.setCurrentY(y);
        prn.setCurrentX(2000);
        // A factor never named prints as a blank name.
        prn.Print(linha.evento.isNull() ? QString() : nomeNaLinha(prn, linha.evento.toString()), true);

        const std::optional<double> e = numero(linha.emach);
        prn.setCurrentX(7800);
        // No E-Mach stored: blank, and no class word of its own.
        prn.Print(e ? Regional::format00(*e) : QString(), true);

        prn.setCurrentX(9000);
        // The last row gets only the root-cause word below, so the two words
        // never overprint each other.
        if (!ultima && e)
            prn.Print(Ranking::classe(*e, false) == CasoCsv::Classe::Efeito ? t.efeito : t.causal, true);
    }

    prn.setCurrentX(9000);
    prn.Print(t.raiz);

    prn.setCurrentY(y + 1000);
    prn.setCurrentX(6500);
    prn.setFontSize(9);
    prn.Print(Folha::rodape(d.data));
}

QList<ItemColocado> montar(const Dados& dados)
{
    Printer prn;
    escrever(prn, dados);
    return prn.itens();
}

} // namespace Relatorio
