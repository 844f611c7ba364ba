#include "results/Mapa.h"

#include "results/Classes.h"
#include "results/Relatorio.h"
#include "results/cMapa.h"
#include "store/Escala.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QLocale>

namespace Mapa {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Mapa)
};

QString nome(const Analise::Matriz& m, int fator, int maximo)
{
    const QString n = m.nome(fator);
    return maximo > 0 && n.size() > maximo ? n.left(maximo - 1) + u("…") : n;
}

// The refusal's message instead of figures.
QStringList recusa(Emach::Desfecho d)
{
    const Aviso a = Emach::aviso(d);
    return {a.titulo, a.texto};
}
} // namespace

Textos textos()
{
    Textos t;
    t.titulo = Texto::tr("Mapa de influência");
    t.mnuMapa = Texto::tr("&Mapa");
    t.cmdImprimir = Texto::tr("&Imprimir");
    t.cmdExportar = Texto::tr("&Exportar…");
    t.cmdSair = Texto::tr("&Voltar");
    t.impressora = Texto::tr("Impressora:");
    t.eixoX = Texto::tr("NormH: pontos da linha, normatizados 0-5");
    t.eixoY = Texto::tr("NormV: pontos da coluna, normatizados 0-5");
    t.linhaZero = u("E-Mach = 0");
    t.pontosLinha = Texto::tr("Pontos da Linha");
    t.pontosColuna = Texto::tr("Pontos da Coluna");
    // The result screen's legend words.
    t.efeitos = Classes::legenda(CasoCsv::Classe::Efeito);
    t.causais = Classes::legenda(CasoCsv::Classe::Causal);
    t.raiz = Classes::legenda(CasoCsv::Classe::Raiz);
    t.dialogoExportar = Texto::tr("Exportar mapa");
    t.exportarFalhou = Texto::tr("Mapa não exportado");
    t.salvarPdf = Texto::tr("Salvar mapa em PDF");
    t.pdfSalvo = Texto::tr("O mapa foi salvo em:");
    return t;
}

QStringList linhasConsistencia(const Consistencia::Resultado& c, const Analise::Matriz& m, int maximo)
{
    QStringList l{Texto::tr("Consistência dos julgamentos"),
                  Texto::tr("Tríades circulares: d = %1 de %2 possíveis; ζ = %3").arg(c.d).arg(c.dMax).arg(Regional::format00(c.zeta)),
                  Texto::tr("Pares sem direção (1 ou vazios): %1 de %2").arg(c.naoDirigidos).arg(c.pares)};
    if (c.irregulares > 0) {
        QStringList pares;
        for (const Consistencia::Par& p : c.paresIrregulares)
            pares << nome(m, p.linha, maximo) + u(" × ") + nome(m, p.coluna, maximo);
        if (c.irregulares > c.paresIrregulares.size())
            pares << u("…");
        l << Texto::tr("Pares não recíprocos, fora da contagem: %1 (%2)").arg(c.irregulares).arg(pares.join(u(", ")));
    }
    if (c.d > 0) {
        l << (c.d > c.triades.size() ? Texto::tr("Tríades a rever (as 10 primeiras de %1):").arg(c.d) : Texto::tr("Tríades a rever:"));
        for (const Consistencia::Triade& t : c.triades)
            l << u("   ") + nome(m, t.a, maximo) + u(" > ") + nome(m, t.b, maximo) + u(" > ") + nome(m, t.c, maximo)
                    + u(" > ") + nome(m, t.a, maximo);
    }
    return l;
}

QStringList linhasRobustez(const Robustez::Resultado& r, const Analise::Matriz& m, int maximo)
{
    if (!r.completo())
        return recusa(r.desfecho);
    const QString pct = QLocale().toString(r.total > 0 ? 100.0 * r.mantem / r.total : 100.0, 'f', 1);
    QStringList l{Texto::tr("Firmeza da causa raiz"), Texto::tr("A causa raiz %1 se mantém em %2 de %3 mudanças de um julgamento (%4 %)").arg(nome(m, r.raiz, maximo)).arg(r.mantem).arg(r.total).arg(pct)};
    if (!r.raizUnica)
        l << Texto::tr("Empate no menor E-Mach: não há uma única causa raiz");
    l << Texto::tr("Diferença de E-Mach até o fator seguinte, %1: %2").arg(nome(m, r.proximo, maximo), r.folga);
    if (r.mudam == 0) {
        l << Texto::tr("Nenhum julgamento sozinho muda a causa raiz.");
        return l;
    }
    l << (r.mudam > r.mudancas.size() ? Texto::tr("Julgamentos cuja mudança muda a causa raiz (10 de %1, primeiro os de um passo):").arg(r.mudam) : Texto::tr("Julgamentos cuja mudança muda a causa raiz:"));
    for (const Robustez::Mudanca& x : r.mudancas) {
        const QString para = x.novaRaiz < 0 ? Texto::tr("sem causa raiz única") : Texto::tr("nova causa raiz %1").arg(nome(m, x.novaRaiz, maximo));
        l << u("   ")
                + Texto::tr("%1 × %2: %3 → %4, %5 passo(s): %6").arg(nome(m, x.linha, maximo), nome(m, x.coluna, maximo),
                                   Escala::texto(x.nivelAtual), Escala::texto(x.nivelNovo), QString::number(x.passos), para);
    }
    return l;
}

void escrever(Printer& prn, const Pagina& d)
{
    const Textos t = textos();
    const Relatorio::Textos r = Relatorio::textos();

    Relatorio::escreverTopo(prn, d.logo, t.titulo);

    prn.setFontSize(12);
    prn.setCurrentY(1650);
    prn.setCurrentX(1000);
    prn.Print(u("Case:  ") + d.nomeCase);
    prn.setFontBold(false);
    prn.setFontSize(11);
    prn.setCurrentY(2000);
    prn.setCurrentX(1000);
    prn.Print(r.rotuloObjetivo, true);
    prn.setFontBold(true);
    prn.Print(d.sintoma.left(70));
    prn.setFontBold(false);

    // The map with its legend, then the figures below it, one column.
    if (d.mapa) {
        const std::shared_ptr<const cMapa> mapa = d.mapa;
        prn.PaintPicture([mapa](QPainter& p, const QRectF& caixa) { mapa->desenhar(p, caixa); }, 600, 2500, 10560, 6300);
    }
    prn.setFontSize(8);
    int y = 9000;
    for (const QStringList* bloco : {&d.consistencia, &d.robustez}) {
        for (int i = 0; i < bloco->size(); ++i) {
            prn.setCurrentY(y);
            prn.setCurrentX(1000);
            prn.setFontBold(i == 0);
            prn.Print(bloco->at(i));
            y += 190;
        }
        y += 100;
    }
    prn.setFontBold(false);
    prn.setCurrentY(std::max(y + 200, 14900));
    prn.setCurrentX(6500);
    prn.setFontSize(9);
    prn.Print(Relatorio::rodape(d.data));
}

QList<ItemColocado> montar(const Pagina& pagina)
{
    Printer prn;
    escrever(prn, pagina);
    return prn.itens();
}

} // namespace Mapa
