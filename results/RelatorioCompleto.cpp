#include "results/RelatorioCompleto.h"

#include "analysis/Equipe.h"
#include "analysis/Veredito.h"
#include "shell/Folha.h"
#include "shell/Logo.h"
#include "results/Mapa.h"
#include "shell/Printers.h"
#include "results/cMapa.h"
#include "shell/AppState.h"
#include "shell/Messages.h"
#include "store/Ranking.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace RelatorioCompleto {

namespace {

constexpr int kMargem = 600; // left and right, inside the printable area
constexpr int kTopo = 600; // of every page after the first
constexpr int kRodape = 700; // kept free at the foot of every page for the footer
constexpr int kNomeNoMapa = 24; // the longest name the map's page prints whole

// The lines a text takes in the printer's current font within `largura`
// twips: broken at blanks, and a word wider than the line across lines, so
// nothing is ever cut.
QStringList quebrar(const Printer& prn, QString resto, int largura)
{
    QStringList linhas;
    while (!resto.isEmpty()) {
        if (prn.TextWidth(resto) <= largura) {
            linhas << resto;
            break;
        }
        int cabe = 1, acima = int(resto.size());
        while (cabe < acima) {
            const int meio = (cabe + acima + 1) / 2;
            if (prn.TextWidth(resto.left(meio)) <= largura)
                cabe = meio;
            else
                acima = meio - 1;
        }
        if (resto.at(cabe).isLowSurrogate())
            cabe += cabe > 1 ? -1 : 1;
        const int branco = int(resto.lastIndexOf(u' ', cabe));
        if (branco > 0) {
            linhas << resto.left(branco);
            resto = resto.mid(branco + 1);
        } else {
            linhas << resto.left(cabe);
            resto = resto.mid(cabe);
        }
    }
    return linhas;
}

// The running position down the pages.
class Folha {
public:
    Folha(Printer& prn, const QSizeF& area)
        : m_prn(prn), m_largura(int(area.width())), m_limite(int(area.height()) - kRodape)
    {
    }
    Printer& prn() { return m_prn; }
    int y = kTopo;
    int direita() const { return m_largura - kMargem; }
    int util() const { return m_limite - kTopo; }

    // A new page when `altura` more twips do not fit on this one; true when it began one.
    bool garantir(int altura)
    {
        if (y + altura <= m_limite || y <= kTopo)
            return false;
        m_prn.NewPage();
        y = kTopo;
        return true;
    }

    void fonte(double pontos, bool negrito)
    {
        m_prn.setFontSize(pontos);
        m_prn.setFontBold(negrito);
    }

    void texto(int x, int linhaY, const QString& t)
    {
        m_prn.setCurrentX(x);
        m_prn.setCurrentY(linhaY);
        m_prn.Print(t, true);
    }

    // A paragraph from x to the right margin, its lines kept on one page
    // when they fit on one.
    void paragrafo(const QString& t, int x = kMargem)
    {
        const QStringList linhas = quebrar(m_prn, t, direita() - x);
        const int h = m_prn.TextHeight();
        garantir(h * std::min(int(linhas.size()), util() / h));
        for (const QString& l : linhas) {
            garantir(h);
            texto(x, y, l);
            y += h;
        }
    }

    void titulo(const QString& t, int linhasQueSeguem)
    {
        fonte(12, true);
        const int h = m_prn.TextHeight();
        y += h / 2;
        garantir(h + linhasQueSeguem);
        texto(kMargem, y, t);
        y += h + 60;
    }

private:
    Printer& m_prn;
    int m_largura;
    int m_limite;
};

QString palavraClasse(const Analise::Fator& f, bool ultimo)
{
    const CasoCsv::Classe classe = Ranking::classe(f.emach, ultimo);
    if (classe == CasoCsv::Classe::Raiz)
        return QCoreApplication::translate("RelatorioCompleto", "Causa Raíz ou principal FCS");
    return classe == CasoCsv::Classe::Efeito ? QCoreApplication::translate("RelatorioCompleto", "Efeito") : QCoreApplication::translate("RelatorioCompleto", "Fator causal");
}

void cabecalho(Folha& f, const Dados& d)
{
    Printer& prn = f.prn();
    ::Folha::escreverTopo(prn, d.logo, QCoreApplication::translate("RelatorioCompleto", "Relatório completo"));
    f.y = 1700;
    f.fonte(12, true);
    f.paragrafo(QStringLiteral("Case:  ") + d.nomeCase);
    f.fonte(11, false);
    f.paragrafo(QCoreApplication::translate("RelatorioCompleto", "Objetivo a alcançar ou Sintoma indesejado: "));
    f.fonte(11, true);
    f.paragrafo(d.sintoma, kMargem + 400);
    f.fonte(11, false);
    f.paragrafo(QCoreApplication::translate("RelatorioCompleto", "Data: %1").arg(QLocale().toString(d.data, QLocale::ShortFormat)));
}

void ranking(Folha& f, const Dados& d)
{
    Printer& prn = f.prn();
    const QVector<Analise::Fator> ordem = d.resultado.ranking();
    f.fonte(9, false);
    const int h = prn.TextHeight();
    // Columns from the right: the class word, then E-Mach, NormV and NormH right-aligned.
    int largClasse = 0;
    for (const QString& p : {QCoreApplication::translate("RelatorioCompleto", "Efeito"), QCoreApplication::translate("RelatorioCompleto", "Fator causal"), QCoreApplication::translate("RelatorioCompleto", "Causa Raíz ou principal FCS"), QCoreApplication::translate("RelatorioCompleto", "Classe")})
        largClasse = std::max(largClasse, prn.TextWidth(p));
    const int xClasse = f.direita() - largClasse;
    const int fimEmach = xClasse - 200, fimNormV = fimEmach - 800, fimNormH = fimNormV - 800;
    const int xNome = kMargem + 500, largNome = fimNormH - 800 - xNome;
    auto direita = [&](int fim, int y, const QString& t) { f.texto(fim - prn.TextWidth(t), y, t); };
    auto cabecalhoTabela = [&] {
        f.fonte(9, true);
        f.texto(kMargem, f.y, QCoreApplication::translate("RelatorioCompleto", "Nº"));
        f.texto(xNome, f.y, QCoreApplication::translate("RelatorioCompleto", "Fator"));
        direita(fimNormH, f.y, QStringLiteral("NormH"));
        direita(fimNormV, f.y, QStringLiteral("NormV"));
        direita(fimEmach, f.y, QStringLiteral("E-Mach"));
        f.texto(xClasse, f.y, QCoreApplication::translate("RelatorioCompleto", "Classe"));
        f.y += h + 40;
        f.fonte(9, false);
    };

    f.titulo(QCoreApplication::translate("RelatorioCompleto", "Classificação dos fatores"), 2 * h);
    cabecalhoTabela();
    for (int i = 0; i < ordem.size(); ++i) {
        const Analise::Fator& fa = ordem[i];
        const QStringList nome = quebrar(prn, d.matriz.nome(fa.numero - 1), largNome);
        if (f.garantir(h * int(nome.size())))
            cabecalhoTabela();
        f.texto(kMargem, f.y, QString::number(fa.numero));
        direita(fimNormH, f.y, Regional::format00(fa.normH));
        direita(fimNormV, f.y, Regional::format00(fa.normV));
        direita(fimEmach, f.y, Regional::format00(fa.emach));
        f.texto(xClasse, f.y, palavraClasse(fa, i == ordem.size() - 1));
        for (const QString& l : nome) {
            f.texto(xNome, f.y, l);
            f.y += h;
        }
        f.y += 40;
    }
}

void mapa(Folha& f, const Dados& d)
{
    if (!d.mapa)
        return;
    const int largura = f.direita() - kMargem;
    const int altura = std::min(largura * 7 / 10, f.util() - 600);
    f.titulo(Mapa::textos().titulo, altura);
    const std::shared_ptr<const cMapa> m = d.mapa;
    f.prn().PaintPicture([m](QPainter& p, const QRectF& caixa) { m->desenhar(p, caixa); }, kMargem, f.y, largura, altura);
    f.y += altura + 60;
    if (d.mapaNumerado) {
        f.fonte(9, false);
        f.paragrafo(QCoreApplication::translate("RelatorioCompleto", "Cada ponto leva o número do fator (Nº da classificação)."));
    }
}

// A heading, its verdict, then the figures (their own heading left out).
void veredito(Folha& f, const QStringList& figuras, const QString& frase)
{
    f.fonte(9, false);
    f.titulo(figuras.value(0), 3 * f.prn().TextHeight());
    f.fonte(10, true);
    if (!frase.isEmpty())
        f.paragrafo(frase);
    f.fonte(9, false);
    f.y += 60;
    for (const QString& l : figuras.mid(1)) {
        // The listed triads and changes stand indented under their line.
        const bool item = l.startsWith(QStringLiteral("   "));
        f.paragrafo(item ? l.trimmed() : l, kMargem + (item ? 300 : 0));
    }
}

void matriz(Folha& f, const Dados& d)
{
    Printer& prn = f.prn();
    const Analise::Matriz& m = d.matriz;
    const int n = m.n;
    f.fonte(7, false);
    const int h = prn.TextHeight();
    const int largura = f.direita() - kMargem;
    const int coluna = std::clamp((largura - 2600) / std::max(n, 1), 300, 900);
    const int xCelulas = f.direita() - coluna * n;
    const int largNome = xCelulas - kMargem - 550;
    // Names head the columns only when every one fits its column.
    bool nomesCabem = true;
    for (int k = 0; k < n; ++k)
        nomesCabem = nomesCabem && prn.TextWidth(m.nome(k)) <= coluna - 60;
    auto cabecalhoTabela = [&] {
        f.fonte(7, true);
        for (int k = 0; k < n; ++k)
            f.texto(xCelulas + k * coluna, f.y, nomesCabem ? m.nome(k) : QString::number(k + 1));
        f.y += h + 40;
        f.fonte(7, false);
    };

    f.titulo(QCoreApplication::translate("RelatorioCompleto", "Matriz de comparação"), 3 * h);
    if (!nomesCabem) {
        f.fonte(9, false);
        f.paragrafo(QCoreApplication::translate("RelatorioCompleto", "Colunas: o número de cada fator, como nas linhas."));
        f.y += 60;
    }
    cabecalhoTabela();
    for (int r = 0; r < n; ++r) {
        const QStringList nome = quebrar(prn, m.nome(r), largNome);
        if (f.garantir(h * int(nome.size())))
            cabecalhoTabela();
        f.texto(kMargem, f.y, QString::number(r + 1));
        for (int c = 0; c < n; ++c)
            if (c != r && m.valor(r, c) != 0)
                f.texto(xCelulas + c * coluna, f.y, Regional::numberText(m.valor(r, c)));
        for (const QString& l : nome) {
            f.texto(kMargem + 550, f.y, l);
            f.y += h;
        }
        f.y += 30;
    }
}

// The members' agreement and every pair they should discuss, each with every member's level.
void equipe(Folha& f, const Dados& d)
{
    if (!d.equipe)
        return;
    const ResumoEquipe& e = *d.equipe;
    auto tr = [](const char* s) { return QCoreApplication::translate("RelatorioCompleto", s); };
    f.fonte(10, false);
    f.titulo(tr("Julgamento em equipe"), 3 * f.prn().TextHeight());
    f.fonte(10, false);
    f.paragrafo(tr("Membros: %1").arg(e.membros.join(QStringLiteral(", "))));
    Equipe::Kendall k;
    k.calculado = e.concordancia != ResumoEquipe::Concordancia::SemW;
    k.W = e.W;
    k.quiQuadrado = e.quiQuadrado;
    k.grausLiberdade = e.grausLiberdade;
    k.p = e.p;
    if (k.calculado)
        f.paragrafo(Equipe::linhaW(k));
    f.fonte(10, true);
    f.paragrafo(Equipe::frase(e.concordancia));
    f.fonte(10, false);
    for (const QString& m : e.foraDoW)
        f.paragrafo(tr("Fora da concordância: %1 (a matriz não pode ser analisada)").arg(m));

    f.y += 120;
    f.fonte(10, true);
    f.paragrafo(tr("Pares a discutir"));
    f.fonte(9, false);
    if (e.paresADiscutir.isEmpty())
        f.paragrafo(tr("Nenhum par com dispersão de 2 ou mais."));
    for (const ResumoEquipe::Par& p : e.paresADiscutir) {
        QStringList niveis;
        for (int k = 0; k < p.niveis.size(); ++k)
            niveis << e.membros.value(k) + QStringLiteral(" ")
                    + (p.niveis[k] == ResumoEquipe::kSemNivel ? QStringLiteral("–") : Equipe::textoNivel(p.niveis[k]));
        f.y += 40;
        f.paragrafo(tr("%1 × %2: equipe %3, dispersão %4")
                        .arg(d.matriz.nome(p.linha), d.matriz.nome(p.coluna), Equipe::textoNivel(p.nivelEquipe), QString::number(p.dispersao)));
        f.paragrafo(niveis.join(QStringLiteral("; ")), kMargem + 300);
    }
}

} // namespace

Dados reunir(const Analise::Caso& caso, const Analise::Resultado& resultado, const QDate& data, const ResumoEquipe* equipe)
{
    Dados d;
    d.nomeCase = caso.nome.toString();
    d.sintoma = caso.sintoma.toString();
    d.logo = LogoKV::imagem();
    d.data = data;
    d.matriz = caso.matriz;
    d.resultado = resultado;
    d.consistencia = Consistencia::avaliar(caso.matriz);
    d.robustez = Robustez::avaliar(caso.matriz);
    // Names longer than the map window prints whole would cover the map: the points take the numbers instead.
    Analise::Resultado pontos = resultado;
    for (Analise::Fator& f : pontos.fatores)
        d.mapaNumerado = d.mapaNumerado || caso.matriz.nome(f.numero - 1).size() > kNomeNoMapa;
    if (d.mapaNumerado)
        for (Analise::Fator& f : pontos.fatores)
            f.nome = QString::number(f.numero);
    d.mapa = std::make_shared<cMapa>(pontos);
    if (equipe && Equipe::vigente(*equipe, caso.matriz))
        d.equipe = *equipe;
    return d;
}

QString textoBotao()
{
    return QCoreApplication::translate("RelatorioCompleto", "Relatório &completo…");
}

void escrever(Printer& prn, const Dados& d, const QSizeF& area)
{
    Folha f(prn, area);
    cabecalho(f, d);
    ranking(f, d);
    mapa(f, d);
    veredito(f, Veredito::linhasConsistencia(d.consistencia, d.matriz), Veredito::consistencia(d.consistencia));
    veredito(f, Veredito::linhasRobustez(d.robustez, d.matriz), Veredito::firmeza(d.robustez, d.matriz));
    matriz(f, d);
    equipe(f, d);

    // The footer of the one-page report and the page's number, on every page.
    const int paginas = prn.Page();
    const int yRodape = int(area.height()) - kRodape + 250;
    for (int p = 1; p <= paginas; ++p) {
        prn.setPage(p);
        f.fonte(9, false);
        f.texto(kMargem, yRodape, QStringLiteral("%1 / %2").arg(p).arg(paginas));
        f.texto(6500, yRodape, ::Folha::rodape(d.data));
    }
}

QList<ItemColocado> montar(const Dados& dados, const QSizeF& area)
{
    Printer prn;
    escrever(prn, dados, area);
    return prn.itens();
}

void imprimir(QWidget* janela, AppState& estado, const QString& impressora)
{
    const Analise::Caso caso = Analise::lerCaso(estado.BancoDados, estado.caseAtual());
    Analise::Resultado resultado = Analise::analisar(caso.matriz);
    if (caso.matriz.n < 2)
        resultado.desfecho = Emach::Desfecho::LinhasIguais;
    if (!resultado.completo()) {
        const Aviso a = Emach::aviso(resultado.desfecho);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return;
    }
    const QDate hoje = QDate::currentDate();
    const auto e = estado.equipes.find(estado.caseAtual());
    const Dados d = reunir(caso, resultado, hoje, e == estado.equipes.end() ? nullptr : &e->second);
    Printer::imprimirEm(janela, impressora, [&d](Printer& prn) { escrever(prn, d, Printer::areaTwips(Printers::atual())); },
                        {QCoreApplication::translate("RelatorioCompleto", "Salvar relatório completo em PDF"), Printers::nomeProposto(d.nomeCase, hoje),
                         QCoreApplication::translate("RelatorioCompleto", "O relatório completo foi salvo em:"), QCoreApplication::translate("RelatorioCompleto", "Relatório completo")});
}

} // namespace RelatorioCompleto
