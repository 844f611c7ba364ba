#include "registration/PaginaEquipe.h"

#include "analysis/Veredito.h"
#include "shell/Folha.h"
#include "store/Ranking.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QLocale>

namespace PaginaEquipe {

namespace {
QString tr(const char* s) { return QCoreApplication::translate("PaginaEquipe", s); }

// Long names are cut so each line of the page stays inside it.
QString curto(const QString& t, int maximo)
{
    return t.size() > maximo ? t.left(maximo - 1) + QStringLiteral("…") : t;
}
} // namespace

void escrever(Printer& prn, const Pagina& d)
{
    const Folha::Textos r = Folha::textos();
    const Equipe::Resultado& e = d.resultado;
    Folha::escreverTopo(prn, d.logo, tr("Julgamento em equipe"));

    prn.setFontSize(12);
    prn.setCurrentY(1650);
    prn.setCurrentX(1000);
    prn.Print(QStringLiteral("Case:  ") + d.nomeCase);
    prn.setFontBold(false);
    prn.setFontSize(11);
    prn.setCurrentY(2000);
    prn.setCurrentX(1000);
    prn.Print(r.rotuloObjetivo, true);
    prn.setFontBold(true);
    prn.Print(d.sintoma.left(70));
    prn.setFontBold(false);

    prn.setFontSize(10);
    int y = 2450;
    auto linha = [&](const QString& texto, int x = 1000, bool negrito = false) {
        prn.setCurrentY(y);
        prn.setCurrentX(x);
        prn.setFontBold(negrito);
        prn.Print(texto);
        prn.setFontBold(false);
    };
    QStringList membros;
    for (const QString& m : d.membros)
        membros << curto(m, 24);
    linha(tr("Membros: %1").arg(membros.join(QStringLiteral(", "))));
    y += 250;
    if (e.kendall.calculado) {
        linha(Equipe::linhaW(e.kendall));
        y += 250;
    }
    linha(Equipe::frase(Equipe::concordancia(e.kendall)));
    for (int k : e.foraDoW) {
        y += 250;
        linha(tr("Fora da concordância: %1 (a matriz não pode ser analisada)").arg(curto(d.membros.value(k), 24)));
    }

    const QString firmeza = Veredito::firmeza(e.robustez, e.matriz);
    if (!firmeza.isEmpty()) {
        y += 250;
        linha(firmeza);
    }

    // The team's ranking, in the printed report's columns and words.
    y += 450;
    prn.setFontSize(11);
    prn.setCurrentY(y);
    prn.setCurrentX(1000);
    prn.Print(r.cabecalho1, true);
    prn.setCurrentX(7700);
    prn.Print(r.cabecalho2, true);
    prn.setCurrentX(9000);
    prn.Print(r.cabecalho3);
    prn.setFontSize(10);
    if (!e.analise.completo()) {
        y += 280;
        linha(Emach::aviso(e.analise.desfecho).texto);
    } else {
        const QVector<Analise::Fator> ordem = e.analise.ranking();
        for (int i = 0; i < ordem.size(); ++i) {
            const Analise::Fator& f = ordem[i];
            y += 230;
            prn.setCurrentY(y);
            prn.setCurrentX(1000);
            prn.Print(curto(d.fatores.value(f.numero - 1), 60), true);
            prn.setCurrentX(7800);
            prn.Print(Regional::format00(f.emach), true);
            prn.setCurrentX(9000);
            const CasoCsv::Classe classe = Ranking::classe(f.emach, i == ordem.size() - 1);
            prn.Print(classe == CasoCsv::Classe::Raiz ? r.raiz : classe == CasoCsv::Classe::Efeito ? r.efeito : r.causal);
        }
    }

    // The pairs to discuss, each with every member's level.
    const QVector<Equipe::Par> pares = e.paresADiscutir();
    y += 450;
    linha(tr("Pares a discutir"), 1000, true);
    prn.setFontSize(8);
    if (pares.isEmpty()) {
        y += 220;
        linha(tr("Nenhum par com dispersão de 2 ou mais."));
    }
    for (int i = 0; i < std::min<int>(kParesNoPapel, pares.size()); ++i) {
        const Equipe::Par& p = pares[i];
        QStringList niveis;
        for (int k = 0; k < p.niveis.size(); ++k)
            niveis << curto(d.membros.value(k), 12) + QStringLiteral(" ")
                    + (p.niveis[k] == Equipe::kSemNivel ? QStringLiteral("–") : Equipe::textoNivel(p.niveis[k]));
        y += 200;
        linha(tr("%1 × %2: equipe %3, dispersão %4").arg(curto(d.fatores.value(p.linha), 30), curto(d.fatores.value(p.coluna), 30),
                                                       Equipe::textoNivel(p.nivel), QString::number(p.dispersao)));
        y += 170;
        linha(niveis.join(QStringLiteral("; ")), 1300);
    }
    if (pares.size() > kParesNoPapel) {
        y += 220;
        linha(tr("… e mais %1 pares com dispersão de 2 ou mais.").arg(pares.size() - kParesNoPapel));
    }

    prn.setCurrentY(y + 600);
    prn.setCurrentX(6500);
    prn.setFontSize(9);
    prn.Print(Folha::rodape(d.data));
}

QList<ItemColocado> montar(const Pagina& pagina)
{
    Printer prn;
    escrever(prn, pagina);
    return prn.itens();
}

} // namespace PaginaEquipe
