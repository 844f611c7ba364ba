#include "results/Mapa.h"

#include "results/Relatorio.h"
#include "results/cMapa.h"
#include "shell/Captions.h"
#include "store/Regional.h"

#include <QLocale>

namespace Mapa {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// The texts of the figures, one set per language.
struct Figuras {
    const char* consistencia;
    const char* triades; // %1 d, %2 d max, %3 zeta
    const char* semDirecao; // %1 of %2 pairs
    const char* irregulares; // %1 count, %2 the pairs
    const char* aRever;
    const char* aReverPrimeiras; // %1 d
    const char* robustez;
    const char* mantem; // %1 root, %2 k, %3 m, %4 percent
    const char* empate;
    const char* folga; // %1 next factor, %2 gap
    const char* mudam;
    const char* mudamPrimeiras; // %1 how many
    const char* nenhuma;
    const char* mudanca; // %1 x %2: %3 -> %4, %5 steps: %6
    const char* novaRaiz; // %1
    const char* semRaiz;
};

const Figuras& figuras(int idioma)
{
    static const Figuras en = {
        "Consistency of the judgements",
        "Circular triads: d = %1 of %2 possible; ζ = %3",
        "Pairs without direction (1 or empty): %1 of %2",
        "Pairs not reciprocal, left out of the count: %1 (%2)",
        "Triads to look at again:",
        "Triads to look at again (the first 10 of %1):",
        "Firmness of the root cause",
        "The root cause %1 holds under %2 of %3 single changes (%4 %)",
        "Tie at the lowest E-Mach: no single root cause",
        "E-Mach gap to the next factor, %1: %2",
        "Judgements whose change moves the root cause:",
        "Judgements whose change moves the root cause (10 of %1, one-step changes first):",
        "No single judgement moves the root cause.",
        "%1 × %2: %3 → %4, %5 step(s): %6",
        "new root cause %1",
        "no single root cause",
    };
    static const Figuras es = {
        "Consistencia de los juicios",
        "Tríadas circulares: d = %1 de %2 posibles; ζ = %3",
        "Pares sin dirección (1 o vacíos): %1 de %2",
        "Pares no recíprocos, fuera del conteo: %1 (%2)",
        "Tríadas para revisar:",
        "Tríadas para revisar (las 10 primeras de %1):",
        "Firmeza de la causa raíz",
        "La causa raíz %1 se mantiene en %2 de %3 cambios de un juicio (%4 %)",
        "Empate en el menor E-Mach: no hay una única causa raíz",
        "Diferencia de E-Mach hasta el siguiente factor, %1: %2",
        "Juicios cuyo cambio mueve la causa raíz:",
        "Juicios cuyo cambio mueve la causa raíz (10 de %1, primero los de un paso):",
        "Ningún juicio por sí solo mueve la causa raíz.",
        "%1 × %2: %3 → %4, %5 paso(s): %6",
        "nueva causa raíz %1",
        "sin causa raíz única",
    };
    static const Figuras pt = {
        "Consistência dos julgamentos",
        "Tríades circulares: d = %1 de %2 possíveis; ζ = %3",
        "Pares sem direção (1 ou vazios): %1 de %2",
        "Pares não recíprocos, fora da contagem: %1 (%2)",
        "Tríades a rever:",
        "Tríades a rever (as 10 primeiras de %1):",
        "Firmeza da causa raiz",
        "A causa raiz %1 se mantém em %2 de %3 mudanças de um julgamento (%4 %)",
        "Empate no menor E-Mach: não há uma única causa raiz",
        "Diferença de E-Mach até o fator seguinte, %1: %2",
        "Julgamentos cuja mudança muda a causa raiz:",
        "Julgamentos cuja mudança muda a causa raiz (10 de %1, primeiro os de um passo):",
        "Nenhum julgamento sozinho muda a causa raiz.",
        "%1 × %2: %3 → %4, %5 passo(s): %6",
        "nova causa raiz %1",
        "sem causa raiz única",
    };
    return idioma == 1 ? en : idioma == 2 ? es : pt;
}

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

QString legenda(int idioma, const char* controle, const char* portugues)
{
    for (const Legendas::Legenda& l : Legendas::conjunto(Legendas::Tela::Resultado, idioma))
        if (l.controle == QLatin1String(controle))
            return l.texto;
    return u(portugues);
}
} // namespace

Textos textos(int idioma)
{
    Textos t;
    if (idioma == 1) {
        t = {u("Influence map"), u("&Map"), u("&Print"), u("&Export…"), u("&Return"), u("Printer:"),
             u("NormH: points to row, normalised 0-5"), u("NormV: points to column, normalised 0-5"), u("E-Mach = 0"),
             u("Points to Row"), u("Points to Column"), {}, {}, {}, u("Export map"), u("Map not exported"),
             u("Save map as PDF"),
             u("The map was saved to:")};
    } else if (idioma == 2) {
        t = {u("Mapa de influencia"), u("&Mapa"), u("&Imprimir"), u("&Exportar…"), u("&Volver"), u("Impresora:"),
             u("NormH: puntos de la fila, normalizados 0-5"), u("NormV: puntos de la columna, normalizados 0-5"),
             u("E-Mach = 0"), u("Puntos de la fila"), u("Puntos de la columna"), {}, {}, {}, u("Exportar mapa"),
             u("Mapa no exportado"), u("Guardar mapa en PDF"), u("El mapa se guardó en:")};
    } else {
        t = {u("Mapa de influência"), u("&Mapa"), u("&Imprimir"), u("&Exportar…"), u("&Voltar"), u("Impressora:"),
             u("NormH: pontos da linha, normatizados 0-5"), u("NormV: pontos da coluna, normatizados 0-5"),
             u("E-Mach = 0"), u("Pontos da Linha"), u("Pontos da Coluna"), {}, {}, {}, u("Exportar mapa"),
             u("Mapa não exportado"), u("Salvar mapa em PDF"), u("O mapa foi salvo em:")};
    }
    t.efeitos = legenda(idioma, "Label2", "Efeitos");
    t.causais = legenda(idioma, "Label4", "Fatores Causais");
    t.raiz = legenda(idioma, "Label5", "Causa Raíz ou principal FCS");
    return t;
}

QStringList linhasConsistencia(const Consistencia::Resultado& c, const Analise::Matriz& m, int idioma, int maximo)
{
    const Figuras& f = figuras(idioma);
    QStringList l{u(f.consistencia), u(f.triades).arg(c.d).arg(c.dMax).arg(Regional::format00(c.zeta)),
                  u(f.semDirecao).arg(c.naoDirigidos).arg(c.pares)};
    if (c.irregulares > 0) {
        QStringList pares;
        for (const Consistencia::Par& p : c.paresIrregulares)
            pares << nome(m, p.linha, maximo) + u(" × ") + nome(m, p.coluna, maximo);
        if (c.irregulares > c.paresIrregulares.size())
            pares << u("…");
        l << u(f.irregulares).arg(c.irregulares).arg(pares.join(u(", ")));
    }
    if (c.d > 0) {
        l << (c.d > c.triades.size() ? u(f.aReverPrimeiras).arg(c.d) : u(f.aRever));
        for (const Consistencia::Triade& t : c.triades)
            l << u("   ") + nome(m, t.a, maximo) + u(" > ") + nome(m, t.b, maximo) + u(" > ") + nome(m, t.c, maximo)
                    + u(" > ") + nome(m, t.a, maximo);
    }
    return l;
}

QStringList linhasRobustez(const Robustez::Resultado& r, const Analise::Matriz& m, int idioma, int maximo)
{
    if (!r.completo())
        return recusa(r.desfecho);
    const Figuras& f = figuras(idioma);
    const QString pct = QLocale().toString(r.total > 0 ? 100.0 * r.mantem / r.total : 100.0, 'f', 1);
    QStringList l{u(f.robustez), u(f.mantem).arg(nome(m, r.raiz, maximo)).arg(r.mantem).arg(r.total).arg(pct)};
    if (!r.raizUnica)
        l << u(f.empate);
    l << u(f.folga).arg(nome(m, r.proximo, maximo), r.folga);
    if (r.mudam == 0) {
        l << u(f.nenhuma);
        return l;
    }
    l << (r.mudam > r.mudancas.size() ? u(f.mudamPrimeiras).arg(r.mudam) : u(f.mudam));
    for (const Robustez::Mudanca& x : r.mudancas) {
        const QString para = x.novaRaiz < 0 ? u(f.semRaiz) : u(f.novaRaiz).arg(nome(m, x.novaRaiz, maximo));
        l << u("   ")
                + u(f.mudanca).arg(nome(m, x.linha, maximo), nome(m, x.coluna, maximo),
                                   Regional::numberText(Consistencia::kNiveis[x.nivelAtual]),
                                   Regional::numberText(Consistencia::kNiveis[x.nivelNovo]), QString::number(x.passos), para);
    }
    return l;
}

void escrever(Printer& prn, const Pagina& d)
{
    const Textos t = textos(d.idioma);
    const Relatorio::Textos r = Relatorio::textos(d.idioma);

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
