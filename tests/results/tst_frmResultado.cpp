#include "results/Printers.h"
#include "results/frmResultado.h"

#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "tests/support/Janela.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/Respostas.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace {
using Fatores = QList<std::pair<QVariant, QVariant>>;

QTableWidget* grade(QWidget& w) { return filho<QTableWidget>(&w, "MSFlexGrid2"); }

// The factor rows as "name|E-Mach|colour": "-" for the grid's own
// background, "?" for anything else.
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
} // namespace

class TestFrmResultado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Printers::definirLista({{u("HP LaserJet 1020"), Impressora::Tipo::Cups}, {u("Escritorio-2"), Impressora::Tipo::Cups},
                                {Printers::nomePdf(), Impressora::Tipo::Pdf}}, 1);
        Printers::instalarEscolhaArquivo([](QWidget*) -> QString { qFatal("no file dialog in this test"); });
    }
    void cleanup() { Printers::instalarEscolhaArquivo(nullptr); }

    void rankingClassesAndPrinters()
    {
        // Case 1 reads its own table, not case 2's; the seventh factor is
        // beyond n and takes no part.
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
        QStringList itens = {texto(&janela, "lblSintoma"), QString::number(filho<QLabel>(&janela, "lblSintoma")->palette().color(QPalette::WindowText).rgb(), 16),
                             combo->currentText()};
        for (int i = 0; i < combo->count(); ++i)
            itens << combo->itemText(i);
        QCOMPARE(itens, (QStringList{u("Reduzir o refugo da linha 2"), u("ffff0000"), u("Escritorio-2"), u("HP LaserJet 1020"), u("Escritorio-2"),
                                     Printers::nomePdf()}));
        // The grid's headers stay in every language; the export button follows it.
        for (int idioma : {1, 2, 3}) {
            db.estado().IdiomaAtual = qint16(idioma);
            frmResultado w(db.estado(), u("s"));
            QCOMPARE(grade(w)->item(0, 0)->text() + grade(w)->item(0, 1)->text(), u("FatoresEmach"));
            QCOMPARE(texto(&w, "cmdExportar"), idioma == 1 ? u("E&xport…") : u("E&xportar…"));
        }
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
            // The outer height less the designed frame is the client area.
            QCOMPARE(janela.size(), QSize(Twips::px(8805), Twips::px(c.janela - 310)));
            auto* g = grade(janela);
            QCOMPARE(g->size(), QSize(Twips::px(5300), Twips::px(c.grade)));
            QCOMPARE(QList<int>({g->columnWidth(0), g->columnWidth(1)}), QList<int>({Twips::px(4500), Twips::px(700)}));
            QVERIFY(g->geometry().bottom() < janela.height());
            // Every factor shown, the last green.
            QCOMPARE(g->rowCount(), c.n + 1);
            QCOMPARE(linhas(g).last(), QStringLiteral("F%1|  %2.00|verde").arg(c.n).arg(2 - c.n));
        }
    }

    void fimDoRankingENulos()
    {
        // Either tied factor may come last; only that one is green.
        const QStringList empate = ranking(4, {{u("A"), 2.0}, {u("B"), -1.5}, {u("C"), 0.5}, {u("D"), -1.5}}).mid(2);
        QVERIFY2(empate == (QStringList{u("B|  -1.50|amarelo"), u("D|  -1.50|verde")})
                     || empate == (QStringList{u("D|  -1.50|amarelo"), u("B|  -1.50|verde")}),
                 qPrintable(empate.join(u(", "))));
        // The last row is green even when it is an effect.
        QCOMPARE(ranking(7, {{u("A"), 4.0}, {u("B"), 3.0}, {u("C"), 1.0}, {u("D"), 0.25}}).mid(2),
                 (QStringList{u("C|  1.00|ciano"), u("D|  0.25|verde")}));
        // An unnamed factor keeps its place, blank and uncoloured; unnamed and
        // last it is still the green root cause.
        QCOMPARE(ranking(10, {{u("A"), 1.0}, {QVariant(), 0.5}, {u("C"), -0.5}, {u("D"), -1.0}, {QVariant(), -2.0}}),
                 (QStringList{u("A|  1.00|ciano"), u("||-"), u("C|  -0.50|amarelo"), u("D|  -1.00|amarelo"), u("||verde")}));
        // Named but never analysed (no E-Mach): listed first by the query,
        // with no number and no class colour.
        QCOMPARE(ranking(8, {{u("A"), 1.0}, {u("Novo"), QVariant()}, {u("C"), -0.5}, {u("D"), -1.0}}).mid(0, 2),
                 (QStringList{u("Novo|  |-"), u("A|  1.00|ciano")}));
    }

    // The export button writes the current case ranked.
    void exportarComRanking()
    {
        TestDb db;
        Respostas respostas;
        QTemporaryDir dir;
        respostas.arquivo = dir.filePath(u("r.csv"));
        db.exemplo(3, {u("A"), u("B"), u("C"), u("D")});
        db.estado().CaseAtual = 3;
        db.estado().QtdeFatores = 4;
        frmResultado janela(db.estado(), u("s"));
        for (auto* botao : {filho(&janela, "cmdExportar"), filho(&janela, "cmdMapa")}) // in free space
            for (QWidget* w : janela.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(w == botao || w->isHidden() || !w->geometry().intersects(botao->geometry()), qPrintable(w->objectName()));
        clicar(&janela, "cmdExportar");
        QFile f(respostas.arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("\r\nB,6.2,6.2,0.32,1.32,0.00,Efeito\r\nD,21,1.2,5.00,0.00,-1.00,Causa Ra\xC3\xADz ou principal FCS\r\n"));
    }

    // A printer the list lacks: the box, no file dialog, the current printer
    // kept; the window as it was until "Sair" closes it.
    void impressoraNaoEncontradaESair()
    {
        TestDb db;
        semearFatores(db, 2, {{u("A"), 1.0}, {u("B"), 0.0}, {u("C"), -1.0}, {u("D"), -2.0}});
        frmResultado janela(db.estado(), u("s"));
        janela.show();
        RecordingSink sink;
        filho<QComboBox>(&janela, "Combo1")->setEditText(u("Escrito"));
        clicar(&janela, "cmdPrinter");
        QCOMPARE(sink.count(), 1);
        QCOMPARE(sink.ultima().titulo + u(": ") + sink.ultima().texto, u("Verifique.....: Impressora não encontrada"));
        QVERIFY(sink.ultima().icone == Icone::Critico && Printers::atual().DeviceName == u("Escritorio-2"));
        QCOMPARE(linhas(grade(janela)).first(), u("A|  1.00|ciano"));
        clicar(&janela, "cmdSair");
        QVERIFY(!janela.isVisible());
    }
};

QTEST_MAIN(TestFrmResultado)
#include "tst_frmResultado.moc"
