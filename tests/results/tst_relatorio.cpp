#include "results/Printer.h"
#include "results/Printers.h"
#include "results/Relatorio.h"

#include "shell/Fonts.h"

#include <QLocale>
#include <QPageLayout>
#include <QTest>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

using Itens = QList<ItemColocado>;

QList<ItemColocado> textosEm(const Itens& itens, int x)
{
    QList<ItemColocado> r;
    for (const ItemColocado& i : itens)
        if (i.tipo == ItemColocado::Tipo::Texto && i.x == x)
            r << i;
    return r;
}

const ItemColocado* comTexto(const Itens& itens, const QString& texto)
{
    for (const ItemColocado& i : itens)
        if (i.tipo == ItemColocado::Tipo::Texto && i.texto == texto)
            return &i;
    return nullptr;
}

// The texts placed on one line (same y), left to right.
QStringList linha(const Itens& itens, int y)
{
    QList<ItemColocado> naLinha;
    for (const ItemColocado& i : itens)
        if (i.tipo == ItemColocado::Tipo::Texto && i.y == y)
            naLinha << i;
    std::sort(naLinha.begin(), naLinha.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QStringList r;
    for (const auto& i : naLinha)
        r << i.texto;
    return r;
}

Relatorio::Dados dados(int idioma, const QList<Relatorio::Linha>& linhas)
{
    Relatorio::Dados d;
    d.idioma = idioma;
    d.nomeCase = u("Linha de envase");
    d.sintoma = u("Reduzir paradas não programadas");
    d.logo = QImage(20, 10, QImage::Format_RGB32);
    d.linhas = linhas;
    d.data = QDate(2026, 3, 9);
    return d;
}

} // namespace

class TestRelatorio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
    }
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void paginaDeVinteECincoFatores()
    {
        QList<Relatorio::Linha> linhas;
        for (int i = 0; i < 25; ++i)
            linhas << Relatorio::Linha{QStringLiteral("Fator %1").arg(i + 1), 3.0 - 0.25 * i};
        // A long name, cut to 55 characters on paper.
        const QString longo = QString(u("Temperatura do forno acima do especificado pelo fornecedor do molde"));
        QVERIFY(longo.size() > 55);
        linhas[3].evento = longo;
        const Itens itens = Relatorio::montar(dados(3, linhas));

        // The logo first, scaled into its box.
        QCOMPARE(itens.first().tipo, ItemColocado::Tipo::Figura);
        QCOMPARE(itens.first().x, 1000);
        QCOMPARE(itens.first().y, 300);
        QCOMPARE(itens.first().largura, 2300);
        QCOMPARE(itens.first().altura, 1000);

        const ItemColocado* titulo = comTexto(itens, u("Resultado Emach"));
        QVERIFY(titulo);
        QCOMPARE(titulo->x, 5000);
        QCOMPARE(titulo->y, 1000);
        QCOMPARE(titulo->tamanho, 18.0);
        QVERIFY(titulo->negrito);
        QCOMPARE(titulo->fonte.toLower(), u("arial"));

        const ItemColocado* caso = comTexto(itens, u("Case:  Linha de envase"));
        QVERIFY(caso);
        QCOMPARE(caso->x, 2000);
        QCOMPARE(caso->tamanho, 12.0);
        QVERIFY(caso->negrito);
        QVERIFY(caso->y > titulo->y);
        const ItemColocado* rotulo = comTexto(itens, u("Objetivo a alcançar ou Sintoma indesejado: "));
        QVERIFY(rotulo);
        QCOMPARE(rotulo->x, 2000);
        QVERIFY(!rotulo->negrito);
        QVERIFY(rotulo->y > caso->y);
        const ItemColocado* objetivo = comTexto(itens, u("Reduzir paradas não programadas"));
        QVERIFY(objetivo);
        QCOMPARE(objetivo->x, 2800);
        QVERIFY(objetivo->negrito);
        QCOMPARE(objetivo->tamanho, 12.0);
        QVERIFY(objetivo->y > rotulo->y);

        // Headers on one line at 2000, 7700, 9000, size 11.
        const ItemColocado* h1 = comTexto(itens, u("Fatores"));
        QVERIFY(h1);
        QCOMPARE(h1->tamanho, 11.0);
        QVERIFY(h1->y > objetivo->y);
        QCOMPARE(linha(itens, h1->y), (QStringList{u("Fatores"), u("Emach"), u("Observação")}));
        QCOMPARE(comTexto(itens, u("Emach"))->x, 7700);
        QCOMPARE(comTexto(itens, u("Observação"))->x, 9000);

        // Rows every 280 twips from 380 below the header line.
        QList<ItemColocado> nomes;
        for (const ItemColocado& i : textosEm(itens, 2000))
            if (i.tamanho == 10.0)
                nomes << i;
        QCOMPARE(nomes.size(), 25);
        QCOMPARE(nomes.first().y, h1->y + 380);
        for (int i = 1; i < 25; ++i)
            QCOMPARE(nomes[i].y - nomes[i - 1].y, 280);
        QCOMPARE(nomes.last().y - nomes.first().y, 6720);
        QCOMPARE(nomes[3].texto, longo.left(55));
        QCOMPARE(nomes[0].texto, u("Fator 1"));
        QCOMPARE(nomes[24].texto, u("Fator 25"));

        // E-Mach "0.00" at 7800 and the class word at 9000 on every row.
        QCOMPARE(linha(itens, nomes[0].y), (QStringList{u("Fator 1"), u("3.00"), u("Efeito")}));
        QCOMPARE(linha(itens, nomes[12].y), (QStringList{u("Fator 13"), u("0.00"), u("Efeito")}));
        QCOMPARE(linha(itens, nomes[16].y), (QStringList{u("Fator 17"), u("-1.00"), u("Fator causal")}));
        QCOMPARE(linha(itens, nomes[24].y), (QStringList{u("Fator 25"), u("-3.00"), u("Causa Raíz ou principal FCS")}));
        for (const ItemColocado& i : textosEm(itens, 7800))
            QCOMPARE(i.tamanho, 10.0);

        // Footer 1000 below the last row, at 6500, size 9.
        const QString rodape = u("Software KV (www.kv-orvalis.example) - ") + QLocale().toString(QDate(2026, 3, 9), QLocale::ShortFormat);
        const ItemColocado* pe = comTexto(itens, rodape);
        QVERIFY(pe);
        QCOMPARE(pe->x, 6500);
        QCOMPARE(pe->y, nomes.last().y + 1000);
        QCOMPARE(pe->tamanho, 9.0);
        QVERIFY(!pe->negrito);

        // One portrait page: everything inside the printable area.
        const QPageLayout pagina = Printer::pagina();
        QCOMPARE(pagina.orientation(), QPageLayout::Portrait);
        const QRectF util = pagina.paintRect(QPageLayout::Inch);
        Printer medida;
        medida.setFontSize(10);
        const int larguraRaiz = medida.TextWidth(u("Causa Raíz ou principal FCS"));
        QVERIFY(9000 + larguraRaiz < util.width() * 1440);
        QVERIFY(pe->y + 400 < util.height() * 1440);
    }

    void palavrasEmIngles()
    {
        const QList<Relatorio::Linha> linhas = {{u("Heat"), 1.5}, {u("Dust"), 0.0}, {u("Wear"), -0.75}, {u("Load"), -2.0}};
        const Itens itens = Relatorio::montar(dados(1, linhas));
        QVERIFY(comTexto(itens, u("Emach Result")));
        QVERIFY(comTexto(itens, u("Goal to achieve or undesired symptom: ")));
        QVERIFY(comTexto(itens, u("Case:  Linha de envase")));
        const ItemColocado* h1 = comTexto(itens, u("Factors"));
        QVERIFY(h1);
        QCOMPARE(linha(itens, h1->y), (QStringList{u("Factors"), u("Emach"), u("Observation")}));
        QCOMPARE(linha(itens, h1->y + 380), (QStringList{u("Heat"), u("1.50"), u("Efect")}));
        QCOMPARE(linha(itens, h1->y + 660), (QStringList{u("Dust"), u("0.00"), u("Efect")}));
        QCOMPARE(linha(itens, h1->y + 940), (QStringList{u("Wear"), u("-0.75"), u("Causal factor")}));
        QCOMPARE(linha(itens, h1->y + 1220), (QStringList{u("Load"), u("-2.00"), u("Root cause or primary FCS")}));

        // Spanish prints the Portuguese words.
        const Itens es = Relatorio::montar(dados(2, linhas));
        QVERIFY(comTexto(es, u("Resultado Emach")));
        const ItemColocado* f = comTexto(es, u("Fatores"));
        QVERIFY(f);
        QCOMPARE(linha(es, f->y + 660), (QStringList{u("Dust"), u("0.00"), u("Efeito")}));
        QCOMPARE(linha(es, f->y + 940), (QStringList{u("Wear"), u("-0.75"), u("Fator causal")}));

        // A decimal comma where the region has one.
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        const Itens br = Relatorio::montar(dados(3, linhas));
        const ItemColocado* fb = comTexto(br, u("Fatores"));
        QCOMPARE(linha(br, fb->y + 940), (QStringList{u("Wear"), u("-0,75"), u("Fator causal")}));
    }

    void empateNuloEUltimaPositiva()
    {
        // Tied at the bottom: the first gets the causal word, the last only
        // the root-cause word.
        const Itens empate = Relatorio::montar(dados(3, {{u("A"), 1.0}, {u("B"), -1.5}, {u("C"), -1.5}}));
        const int y0 = comTexto(empate, u("Fatores"))->y + 380;
        QCOMPARE(linha(empate, y0 + 280), (QStringList{u("B"), u("-1.50"), u("Fator causal")}));
        QCOMPARE(linha(empate, y0 + 560), (QStringList{u("C"), u("-1.50"), u("Causa Raíz ou principal FCS")}));

        // No name prints a blank name; no E-Mach prints blank with no class
        // word; an unnamed last row is still the root cause.
        const Itens nulos = Relatorio::montar(dados(3, {{u("A"), QVariant()}, {QVariant(), 0.5}, {u("C"), -0.5}, {QVariant(), -1.0}}));
        const int y1 = comTexto(nulos, u("Fatores"))->y + 380;
        QCOMPARE(linha(nulos, y1), (QStringList{u("A")}));
        QCOMPARE(linha(nulos, y1 + 280), (QStringList{u("0.50"), u("Efeito")}));
        QCOMPARE(linha(nulos, y1 + 560), (QStringList{u("C"), u("-0.50"), u("Fator causal")}));
        QCOMPARE(linha(nulos, y1 + 840), (QStringList{u("-1.00"), u("Causa Raíz ou principal FCS")}));

        // A last row that is no causal factor still carries one word only.
        const Itens positiva = Relatorio::montar(dados(3, {{u("A"), 2.0}, {u("B"), 0.0}}));
        const int y2 = comTexto(positiva, u("Fatores"))->y + 380;
        QCOMPARE(linha(positiva, y2 + 280), (QStringList{u("B"), u("0.00"), u("Causa Raíz ou principal FCS")}));
        QCOMPARE(textosEm(positiva, 9000).size(), 3); // header, "Efeito" of A, root word of B
    }

    void impressoraPorPrefixo()
    {
        Printers::definirLista({{u("HP LaserJet 1020"), Impressora::Tipo::Cups},
                                {u("hp laserjet 2200 dn"), Impressora::Tipo::Cups},
                                {u("Sala-3"), Impressora::Tipo::Cups},
                                {Printers::nomePdf(), Impressora::Tipo::Pdf}},
                               2);
        QCOMPARE(Printers::atual().DeviceName, u("Sala-3"));
        QCOMPARE(Printers::lista().last().tipo, Impressora::Tipo::Pdf);

        // Any letter case, any ending after the eighth character: the first
        // of the list wins, even over an exact name further down.
        for (const QString& nome : {u("hp laserjet 2200 dn"), u("HP LASERxyz"), u("Hp LaSeR")}) {
            Printers::definirAtual(2);
            QVERIFY(Selecionar_Impressora(nome));
            QCOMPARE(Printers::atual().DeviceName, u("HP LaserJet 1020"));
        }
        QVERIFY(Selecionar_Impressora(u("SALA-3")));
        QCOMPARE(Printers::atual().DeviceName, u("Sala-3"));
        QVERIFY(Selecionar_Impressora(Printers::nomePdf().toLower()));
        QCOMPARE(Printers::atual().tipo, Impressora::Tipo::Pdf);

        // Shorter than eight characters must match a name as short.
        Printers::definirAtual(0);
        for (const QString& nome : {u("HP Lase"), u("Sala"), QString(), u("Epson")}) {
            QVERIFY(!Selecionar_Impressora(nome));
            QCOMPARE(Printers::atual().DeviceName, u("HP LaserJet 1020"));
        }
    }

    void listaDoSistema()
    {
        // Whatever the machine has, the PDF printer closes the list and the
        // current printer is one of them.
        Printers::reiniciar();
        const auto& lista = Printers::lista();
        QVERIFY(!lista.isEmpty());
        QCOMPARE(lista.last().DeviceName, Printers::nomePdf());
        QCOMPARE(lista.last().tipo, Impressora::Tipo::Pdf);
        QVERIFY(lista.contains(Printers::atual()));
        for (int i = 0; i + 1 < lista.size(); ++i)
            QCOMPARE(lista[i].tipo, Impressora::Tipo::Cups);
    }

    void printerDoRelatorio()
    {
        // Ending a line goes back to the left edge one line lower; staying on
        // it moves right by the text's width.
        Printer p;
        p.setFontSize(12);
        p.setCurrentX(2000);
        p.setCurrentY(500);
        const int altura = p.TextHeight();
        QVERIFY(altura > 240 && altura < 340); // about 1.15 of 12 points
        p.Print(u("ab"), true);
        QCOMPARE(p.CurrentY(), 500);
        QCOMPARE(p.CurrentX(), 2000 + p.TextWidth(u("ab")));
        p.Print(u("cd"));
        QCOMPARE(p.CurrentX(), 0);
        QCOMPARE(p.CurrentY(), 500 + altura);
        p.Print();
        QCOMPARE(p.CurrentY(), 500 + 2 * altura);
        QCOMPARE(p.itens().size(), 2);
        QCOMPARE(p.itens()[1].x, 2000 + p.TextWidth(u("ab")));
        QCOMPARE(p.itens()[1].y, 500);
    }
};

QTEST_MAIN(TestRelatorio)
#include "tst_relatorio.moc"
