#include "results/Mapa.h"

#include "results/Classes.h"
#include "results/cMapa.h"
#include "shell/Folha.h"
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

void escrever(Printer& prn, const Pagina& d)
{
    const Textos t = textos();
    const Folha::Textos r = Folha::textos();

    Folha::escreverTopo(prn, d.logo, t.titulo);

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
    prn.Print(Folha::rodape(d.data));
}

QList<ItemColocado> montar(const Pagina& pagina)
{
    Printer prn;
    escrever(prn, pagina);
    return prn.itens();
}

} // namespace Mapa
