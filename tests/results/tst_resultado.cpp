// The result screen (ranking, classes, sizes, export, printer) and the influence map it opens.
#include "analysis/Analise.h"
#include "shell/Printers.h"
#include "results/cMapa.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace {
using Fatores = QList<std::pair<QVariant, QVariant>>;

QTableWidget* grade(QWidget& w) { return filho<QTableWidget>(&w, "MSFlexGrid2"); }

// The factor rows as "name|E-Mach|colour": "-" for the grid's own background, "?" for anything else.
QStringList linhas(QTableWidget* g)
{
    const QHash<quint32, QString> classes = {{0xFFFF00, u("ciano")}, {0x00FFFF, u("amarelo")}, {0x00FF00, u("verde")}};
    QStringList r;
    for (int i = 1; i < g->rowCount(); ++i) {
        const QColor c0 = g->item(i, 0)->background().color(), c1 = g->item(i, 1)->background().color();
        QString cor = c0 == c1 ? classes.value(Cores::valor(c0), u("?")) : u("?");
        if (c0 == Cores::cor(0x8000000F) && c1 == Cores::cor(0x80000005))
            cor = u("-");
        r << g->item(i, 0)->text() + u("|") + g->item(i, 1)->text() + u("|") + cor;
    }
    return r;
}

// The rows of a fresh result window over these factors.
QStringList ranking(int caso, const Fatores& fatores)
{
    TestDb db;
    semearFatores(db, caso, fatores);
    frmResultado janela(db.estado(), u("s"));
    return linhas(grade(janela));
}

// A full matrix into case 1 (row factor against column factor; 0 is empty), named `nomes`, made current.
void semear(TestDb& db, const QList<QList<double>>& m, const QStringList& nomes)
{
    const int n = int(m.size());
    db.setCase(1, u("Bomba"), u("Vazamento no selo"), n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            db.exec(QStringLiteral("UPDATE Eventos SET %1 = ?, Evento = ? WHERE Numero = ?").arg(Tables::campoMatriz(c + 1)),
                    {m[r][c] == 0 ? QVariant() : m[r][c], nomes[r], r + 1});
    db.estado().CaseAtual = 1;
}

const QList<QList<double>> kExemplo = {{0, 5, 0.1, 0.1}, {0.2, 0, 5, 1}, {10, 0.2, 0, 0.1}, {10, 1, 10, 0}};

// 25 factors in five groups of five: equal within a group, and group g over every later one: five positions.
QList<QList<double>> grupos()
{
    QList<QList<double>> m(25, QList<double>(25, 0));
    for (int i = 0; i < 25; ++i)
        for (int j = 0; j < 25; ++j)
            if (i != j)
                m[i][j] = i / 5 == j / 5 ? 1 : i / 5 < j / 5 ? (i / 5 == 0 ? 10 : 5) : (j / 5 == 0 ? 0.1 : 0.2);
    return m;
}

} // namespace

class TstResultado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Printers::definirLista({{u("HP LaserJet 1020"), Impressora::Tipo::Cups}, {u("Escritorio-2"), Impressora::Tipo::Cups},
                                {Printers::nomePdf(), Impressora::Tipo::Pdf}}, 1);
    }

    void rankingClassesAndPrinters()
    {
        // Case 1 reads its own table, not case 2's; the seventh factor is beyond n and takes no part.
        TestDb db;
        semearFatores(db, 2, Fatores(6, {u("Outro"), 9.0}));
        semearFatores(db, 1, {{u("Alfa"), 1.25}, {u("Beta"), 0.0}, {u("Gama"), 3.5}, {u("Delta"), -1.0},
                              {u("Épsilon"), -0.5}, {u("Zeta"), -2.75}, {u("Fora"), -9.0}}, 6);
        frmResultado janela(db.estado(), u("Reduzir o refugo da linha 2"));
        auto* g = grade(janela);
        QCOMPARE(linhas(g), (QStringList{u("Gama|  3.50|ciano"), u("Alfa|  1.25|ciano"), u("Beta|  0.00|ciano"),
                                         u("Épsilon|  -0.50|amarelo"), u("Delta|  -1.00|amarelo"), u("Zeta|  -2.75|verde")}));
        QCOMPARE(g->item(1, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignBottom));
        // The goal in red; the combo shows the current printer and lists every printer in order.
        auto* combo = filho<QComboBox>(&janela, "Combo1");
        const QColor cor = filho<QLabel>(&janela, "lblSintoma")->palette().color(QPalette::WindowText);
        QStringList itens = {texto(&janela, "lblSintoma"), cor.name(), combo->currentText()};
        for (int i = 0; i < combo->count(); ++i)
            itens << combo->itemText(i);
        QCOMPARE(itens, (QStringList{u("Reduzir o refugo da linha 2"), u("#ff0000"), u("Escritorio-2"), u("HP LaserJet 1020"),
                                     u("Escritorio-2"), Printers::nomePdf()}));
        // A decimal comma where the region has one.
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        frmResultado brasil(db.estado(), u("x"));
        QCOMPARE(linhas(grade(brasil)).mid(2, 2), (QStringList{u("Beta|  0,00|ciano"), u("Épsilon|  -0,50|amarelo")}));
    }

    void tamanhosDaJanelaEDaGrade()
    {
        const struct { int n; int janela; int grade; } casos[] = {
            {4, 5200, 1420}, {5, 5200, 1700}, {6, 5200, 1980}, {7, 5500, 2260}, {25, 10900, 7300}};
        for (const auto& c : casos) {
            TestDb db;
            Fatores fatores;
            for (int i = 0; i < c.n; ++i)
                fatores.append({QStringLiteral("F%1").arg(i + 1), double(c.n - 2 * i)});
            semearFatores(db, 5, fatores);
            frmResultado janela(db.estado(), u("s"));
            QCOMPARE(janela.Height(), c.janela);
            // The outer height less the designed frame is the client area; the grid and its two columns.
            auto* g = grade(janela);
            QCOMPARE(QList<QSize>({janela.size(), g->size(), QSize(g->columnWidth(0), g->columnWidth(1))}),
                     QList<QSize>({QSize(Twips::px(8805), Twips::px(c.janela - 310)), QSize(Twips::px(5300), Twips::px(c.grade)),
                                   QSize(Twips::px(4500), Twips::px(700))}));
            QVERIFY(g->geometry().bottom() < janela.height());
            // The verdicts get at least three lines wherever the window leaves the most room.
            janela.show();
            emEspacoLivre(janela, {"cmdRelatorio", "txtVeredito", "cmdExportar", "cmdMapa"});
            auto* veredito = filho(&janela, "txtVeredito");
            QVERIFY(veredito->height() >= 3 * veredito->fontMetrics().lineSpacing());
            // Every factor shown, the last green.
            QCOMPARE(QString::number(g->rowCount()) + linhas(g).last(), QStringLiteral("%1F%2|  %3.00|verde").arg(c.n + 1).arg(c.n).arg(2 - c.n));
        }
    }

    void fimDoRankingENulos()
    {
        // Equal E-Machs in factor order, only the last of them green, also where an index
        // another tool added makes the engine return them reversed.
        for (bool indice : {false, true}) {
            TestDb db;
            semearFatores(db, 4, {{u("A"), 2.0}, {u("B"), -1.5}, {u("C"), 0.5}, {u("D"), -1.5}, {u("E"), 0.5}});
            if (indice)
                db.exec("CREATE INDEX Inverso ON Eventos4(-emach DESC)");
            frmResultado janela(db.estado(), u("s"));
            QCOMPARE(linhas(grade(janela)), (QStringList{u("A|  2.00|ciano"), u("C|  0.50|ciano"), u("E|  0.50|ciano"),
                                                         u("B|  -1.50|amarelo"), u("D|  -1.50|verde")}));
        }
        // The last row is green even when it is an effect.
        QCOMPARE(ranking(7, {{u("A"), 4.0}, {u("B"), 3.0}, {u("C"), 1.0}, {u("D"), 0.25}}).mid(2),
                 (QStringList{u("C|  1.00|ciano"), u("D|  0.25|verde")}));
        // An unnamed factor keeps its place, blank and uncoloured; unnamed and last it is still the green root cause.
        QCOMPARE(ranking(10, {{u("A"), 1.0}, {QVariant(), 0.5}, {u("C"), -0.5}, {u("D"), -1.0}, {QVariant(), -2.0}}),
                 (QStringList{u("A|  1.00|ciano"), u("||-"), u("C|  -0.50|amarelo"), u("D|  -1.00|amarelo"), u("||verde")}));
        // Named but never analysed (no E-Mach): listed first by the query, with no number and no class colour.
        QCOMPARE(ranking(8, {{u("A"), 1.0}, {u("Novo"), QVariant()}, {u("C"), -0.5}, {u("D"), -1.0}}).mid(0, 2),
                 (QStringList{u("Novo|  |-"), u("A|  1.00|ciano")}));
    }

    // The export button writes the current case ranked. A printer the list lacks: the box, no file dialog,
    // the current printer kept; the window as it was until "Sair" closes it.
    void exportarImpressoraNaoEncontradaESair()
    {
        TestDb db;
        Respostas respostas;
        QTemporaryDir dir;
        respostas.arquivo = dir.filePath(u("r.csv"));
        db.exemplo(3, {}, true);
        frmResultado janela(db.estado(), u("s"));
        janela.show();
        clicar(&janela, "cmdExportar");
        QFile f(respostas.arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("\r\nB,6.2,6.2,0.32,1.32,0.00,Efeito\r\n"
                                     "D,21,1.2,5.00,0.00,-1.00,Causa Ra\xC3\xADz ou principal FCS\r\n"));

        respostas.clear();
        filho<QComboBox>(&janela, "Combo1")->setEditText(u("Escrito"));
        clicar(&janela, "cmdPrinter");
        QVERIFY(respostas.count() == 1 && respostas.pedidos.size() == 1); // the export's dialog alone
        QCOMPARE(respostas.ultima().titulo + u(": ") + respostas.ultima().texto, u("Verifique.....: Impressora não encontrada"));
        QVERIFY(respostas.ultima().icone == Icone::Critico && Printers::atual().DeviceName == u("Escritorio-2"));
        QCOMPARE(linhas(grade(janela)).first(), u("A|  4.00|ciano"));
        clicar(&janela, "cmdSair");
        QVERIFY(!janela.isVisible());
    }

    void exemploEmCadaIdioma()
    {
        TestDb db;
        semear(db, kExemplo, {u("F1"), u("F2"), u("F3"), u("F4")});
        // Title; buttons of the map, then of the result screen, and its untranslated headers; root cause; F3's points;
        // how the consistency verdict begins, on both windows.
        const struct { int idioma; const char *titulo, *botoes, *raiz, *dica, *veredito; } idiomas[] = {
            {1, "Influence map", "&Print|&Export…|&Return|&Full report…|&Map|E&xport…|&Full report…|FatoresEmach",
             "Root Cause or principal FCS: F4", "Points to Row: 10.3\nPoints to Column: 15.1", "Contradictory judgements:"},
            {2, "Mapa de influencia", "&Imprimir|&Exportar…|&Volver|Informe &completo…|&Mapa|E&xportar…|Informe &completo…|FatoresEmach",
             "Causa Raíz ou principal FCS: F4", "Puntos de la fila: 10.3\nPuntos de la columna: 15.1", "Juicios contradictorios:"},
            {3, "Mapa de influência", "&Imprimir|&Exportar…|&Voltar|Relatório &completo…|&Mapa|E&xportar…|Relatório &completo…|FatoresEmach",
             "Causa Raíz ou principal FCS: F4", "Pontos da Linha: 10.3\nPontos da Coluna: 15.1", "Julgamentos contraditórios:"},
        };
        for (const auto& i : idiomas) {
            db.estado().IdiomaAtual = qint16(i.idioma);
            Traducoes::aplicar(i.idioma);
            frmResultado resultado(db.estado(), u("s"));
            auto* cmdMapa = filho<QToolButton>(&resultado, "cmdMapa");
            Modal<frmMapa> aberta([&](frmMapa& w) {
                const cMapa& mapa = *w.mapa();
                auto* g = grade(resultado);
                const QStringList botoes = {texto(&w, "cmdImprimir"), texto(&w, "cmdExportar"), texto(&w, "cmdSair"), texto(&w, "cmdRelatorio"),
                                            cmdMapa->text(), texto(&resultado, "cmdExportar"), texto(&resultado, "cmdRelatorio"),
                                            g->item(0, 0)->text() + g->item(0, 1)->text()};
                QStringList vistos = {w.windowTitle(), botoes.join(u'|'), mapa.titulo()};
                // NormH, NormV and class colour of F1 to F4.
                for (const cMapa::Ponto& p : mapa.pontos())
                    vistos << QStringLiteral("%1 %2/%3 %4").arg(p.nome).arg(p.x, 0, 'f', 2).arg(p.y, 0, 'f', 2).arg(p.cor, 6, 16, QChar(u'0'));
                QCOMPARE(vistos, QStringList({u(i.titulo), u(i.botoes), u(i.raiz), u("F1 0.00/5.00 ffff00"), u("F2 0.32/1.32 ffff00"),
                                              u("F3 1.61/3.66 ffff00"), u("F4 5.00/0.00 00ff00")}));
                // Hovering F3 tells its points, normalisations and E-Mach.
                const QRectF area(0, 0, 800, 600);
                const QVector<int> sob = mapa.pontosEm(mapa.posicao(2, mapa.grafico(area, &w)), area, &w);
                QCOMPARE(mapa.dica(sob), u("F3\n") + u(i.dica) + u("\nNormH: 1.61\nNormV: 3.66\nEmach: 0.40"));
                QVERIFY(texto(&w, "lblRobustez").contains(u(" 19 ")));
                for (const QString& v : {texto(&w, "lblVereditoConsistencia"), filho<QPlainTextEdit>(&resultado, "txtVeredito")->toPlainText()})
                    QVERIFY2(v.startsWith(u(i.veredito)), qPrintable(v));
            });
            cmdMapa->click();
            QCOMPARE(aberta.vezes, 1);
        }
        Traducoes::aplicar(3);
    }

    void nomesNuncaSeSobrepoem()
    {
        TestDb db;
        QStringList nomes;
        for (int i = 1; i <= 25; ++i)
            nomes << QStringLiteral("Fator de número %1").arg(i);
        semear(db, grupos(), nomes);
        const Analise::Resultado r = Analise::analisar(Analise::lerCaso(db.estado().BancoDados, 1).matriz);
        QVERIFY(r.completo());
        const cMapa mapa(r);
        QSet<QString> lugares;
        for (const cMapa::Ponto& p : mapa.pontos())
            lugares << p.normH + u("/") + p.normV;
        QCOMPARE(lugares.size(), 5);
        for (const QSize tamanho : {QSize(1000, 680), QSize(640, 480)}) {
            QImage img(tamanho, QImage::Format_RGB32);
            const QRectF area(0, 0, tamanho.width(), tamanho.height());
            const QRectF g = mapa.grafico(area, &img);
            const double raio = mapa.raio(&img);
            const QVector<cMapa::Rotulo> rotulos = mapa.rotulos(area, &img);
            QCOMPARE(rotulos.size(), 25);
            for (int a = 0; a < 25; ++a) {
                QVERIFY(g.contains(rotulos[a].caixa));
                for (int b = a + 1; b < 25; ++b)
                    QVERIFY2(!rotulos[a].caixa.intersects(rotulos[b].caixa), qPrintable(nomes[rotulos[a].ponto]));
                for (int k = 0; k < 25; ++k) {
                    const QPointF c = mapa.posicao(k, g);
                    QVERIFY(!rotulos[a].caixa.intersects(QRectF(c - QPointF(raio, raio), QSizeF(2 * raio, 2 * raio))));
                }
            }
        }
    }

    void paginaEArquivos()
    {
        TestDb db;
        const QStringList nomes{u("Pressão"), u("Vibração"), u("Desgaste do selo"), u("Temperatura")};
        semear(db, kExemplo, nomes);
        db.estado().IdiomaAtual = 3;
        QTemporaryDir pasta;
        Respostas sink;
        sink.arquivo = pasta.filePath(u("pagina.pdf"));
        Modal<frmMapa> aberta([&](frmMapa& w) {
            // A printer the list lacks prints nothing; then the PDF printer.
            for (const QString& impressora : {u("Canon"), Printers::nomePdf()}) {
                filho<QComboBox>(&w, "Combo1")->setEditText(impressora);
                clicar(&w, "cmdImprimir");
            }
            // PNG, SVG, PDF, then a folder that does not exist.
            for (const char* arquivo : {"mapa.png", "mapa.svg", "mapa.pdf", "falta/mapa.png"}) {
                sink.arquivo = pasta.filePath(u(arquivo));
                clicar(&w, "cmdExportar");
            }
        });
        frmMapa::abrir(db.estado());

        const QString pagina = saidaDe(u("pdftotext"), {u("-layout"), u("-enc"), u("UTF-8"), pasta.filePath(u("pagina.pdf")), u("-")});
        for (const QString& t : nomes + QStringList{u("Mapa de influência"), u("Bomba"), u("Vazamento no selo"),
                                                    u("Tríades circulares: d = 1 de 2 possíveis; ζ = 0.50"),
                                                    u("A causa raiz Temperatura se mantém em 19 de 24"), u("Software KV (")})
            QVERIFY2(pagina.contains(t), qPrintable(t + u("\n") + pagina));
        QVERIFY(pagina.count(u'\f') <= 1);

        QFile svg(pasta.filePath(u("mapa.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString textoSvg = QString::fromUtf8(svg.readAll());
        for (const QString& n : nomes)
            QVERIFY2(textoSvg.contains(u(">") + n + u("<")), qPrintable(n));
        QVERIFY(saidaDe(u("pdftotext"), {u("-enc"), u("UTF-8"), pasta.filePath(u("mapa.pdf")), u("-")}).contains(u("Desgaste do selo")));
        QVERIFY(!QImage(pasta.filePath(u("mapa.png"))).isNull());

        // Where the page went, then the one file that could not be written: a clear message and no file at all.
        QStringList vistas;
        for (const auto& m : sink.mensagens)
            vistas << m.titulo + u("|") + m.texto;
        const auto nativo = [&](const char* f) { return QDir::toNativeSeparators(pasta.filePath(u(f))); };
        const QString falta = u("Mapa não exportado|Não foi possível gravar o arquivo\n") + nativo("falta/mapa.png") + u("\n\nA pasta não existe.");
        QCOMPARE(vistas.mid(0, 2), QStringList({u("Verifique.....|Impressora não encontrada"),
                                                u("Mapa de influência|O mapa foi salvo em:\n") + nativo("pagina.pdf")}));
        QVERIFY2(vistas.size() == 3 && vistas[2].startsWith(falta), qPrintable(vistas.join(u'\n')));
        QVERIFY(!QFileInfo::exists(pasta.filePath(u("falta"))));
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList({u("mapa.pdf"), u("mapa.png"), u("mapa.svg"), u("pagina.pdf")}));
    }

    void matrizRecusadaNaoAbre()
    {
        // Untouched, and all "the same": the Analyse button's message, no map.
        TestDb db;
        Respostas sink;
        Modal<frmMapa> aberta;
        const struct { double juizo; int idioma; const char* aviso; } casos[] = {
            {0, 1, "Values incomplete|Fully populate the spreadsheet before analyzing"},
            {1, 2, "Valores incompleta!|Rellenar completamente la hoja de cálculo antes de analizar"},
        };
        for (const auto& c : casos) {
            semear(db, QList<QList<double>>(4, QList<double>(4, c.juizo)), {u("a"), u("b"), u("c"), u("d")});
            db.estado().IdiomaAtual = qint16(c.idioma);
            sink.clear();
            frmMapa::abrir(db.estado());
            QCOMPARE(QString::number(sink.count()) + sink.ultima().titulo + u("|") + sink.ultima().texto, u("1") + u(c.aviso));
        }
        QCOMPARE(aberta.vezes, 0);
    }
};

QTEST_MAIN(TstResultado)
#include "tst_resultado.moc"
