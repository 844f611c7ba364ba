#include "results/Printers.h"
#include "results/frmResultado.h"

#include "shell/Captions.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "store/DataSource.h"
#include "store/Tables.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

constexpr quint32 kCiano = 0xFFFF00;
constexpr quint32 kAmarelo = 0x00FFFF;
constexpr quint32 kVerde = 0x00FF00;

struct Fator {
    QVariant nome;
    QVariant emach;
};

// Names and E-Machs into rows 1.. of a case's factor table.
void semear(TestDb& db, int caso, const QList<Fator>& fatores)
{
    const QString tabela = Tables::TabelaEventos(caso);
    for (int i = 0; i < fatores.size(); ++i)
        db.exec(QStringLiteral("UPDATE \"%1\" SET Evento = ?, emach = ? WHERE Numero = ?").arg(tabela),
                {fatores[i].nome, fatores[i].emach, i + 1});
}

void escolher(TestDb& db, int caso, int n)
{
    db.estado().CaseAtual = caso;
    db.estado().QtdeFatores = n;
}

quint32 cor(QTableWidget* g, int r, int c)
{
    return Cores::valor(g->item(r, c)->background().color());
}

QString texto(QTableWidget* g, int r, int c)
{
    return g->item(r, c)->text();
}

} // namespace

class TestFrmResultado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
    }
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Printers::definirLista({{u("HP LaserJet 1020"), Impressora::Tipo::Cups},
                                {u("Escritorio-2"), Impressora::Tipo::Cups},
                                {Printers::nomePdf(), Impressora::Tipo::Pdf}},
                               1);
        Printers::instalarEscolhaArquivo([](QWidget*) {
            qFatal("the file dialog must not be asked for in this test");
            return QString();
        });
    }
    void cleanup()
    {
        Printers::instalarEscolhaArquivo(nullptr);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void gradeDeUmRankingMisto()
    {
        TestDb db;
        semear(db, 3, {{u("Alfa"), 1.25}, {u("Beta"), 0.0}, {u("Gama"), 3.5}, {u("Delta"), -1.0},
                       {u("Épsilon"), -0.5}, {u("Zeta"), -2.75},
                       // Beyond n: must not take part.
                       {u("Fora"), -9.0}});
        escolher(db, 3, 6);
        frmResultado janela(db.estado(), u("Reduzir o refugo da linha 2"));

        auto* g = janela.findChild<QTableWidget*>(u("MSFlexGrid2"));
        QVERIFY(g);
        QVERIFY(!g->isHidden());
        QCOMPARE(g->rowCount(), 7);
        QCOMPARE(g->columnCount(), 2);
        QCOMPARE(texto(g, 0, 0), u("Fatores"));
        QCOMPARE(texto(g, 0, 1), u("Emach"));

        const struct { const char* nome; const char* emach; quint32 cor; } esperado[] = {
            {"Gama", "  3.50", kCiano},     {"Alfa", "  1.25", kCiano},
            {"Beta", "  0.00", kCiano},     {"Épsilon", "  -0.50", kAmarelo},
            {"Delta", "  -1.00", kAmarelo}, {"Zeta", "  -2.75", kVerde},
        };
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(texto(g, i + 1, 0), u(esperado[i].nome));
            QCOMPARE(texto(g, i + 1, 1), u(esperado[i].emach));
            QCOMPARE(cor(g, i + 1, 0), esperado[i].cor);
            QCOMPARE(cor(g, i + 1, 1), esperado[i].cor);
        }
        QVERIFY(g->item(1, 1)->textAlignment() & Qt::AlignLeft);
        QVERIFY(g->item(1, 1)->textAlignment() & Qt::AlignBottom);

        auto* sintoma = janela.findChild<QLabel*>(u("lblSintoma"));
        QCOMPARE(sintoma->text(), u("Reduzir o refugo da linha 2"));
        QCOMPARE(Cores::valor(sintoma->palette().color(QPalette::WindowText)), 0x0000FFu);
        QCOMPARE(janela.windowTitle(), u("Resultado Emach"));

        // The combo shows the current printer and lists every printer in order.
        auto* combo = janela.findChild<QComboBox*>(u("Combo1"));
        QCOMPARE(combo->currentText(), u("Escritorio-2"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), u("HP LaserJet 1020"));
        QCOMPARE(combo->itemText(1), u("Escritorio-2"));
        QCOMPARE(combo->itemText(2), Printers::nomePdf());

        // A decimal comma where the region has one.
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        frmResultado brasil(db.estado(), u("x"));
        auto* gb = brasil.findChild<QTableWidget*>(u("MSFlexGrid2"));
        QCOMPARE(texto(gb, 1, 1), u("  3,50"));
        QCOMPARE(texto(gb, 3, 1), u("  0,00"));
        QCOMPARE(texto(gb, 5, 1), u("  -1,00"));
    }

    void primeiroCaseEIdiomas()
    {
        // Case 1 reads table Eventos; the grid headers stay in every language.
        TestDb db;
        semear(db, 1, {{u("Um"), -0.5}, {u("Dois"), 0.5}, {u("Três"), 2.0}, {u("Quatro"), -3.0}});
        semear(db, 2, {{u("Outro"), 9.0}, {u("Outro"), 9.0}, {u("Outro"), 9.0}, {u("Outro"), 9.0}});
        escolher(db, 1, 4);
        db.estado().IdiomaAtual = 1;
        frmResultado ingles(db.estado(), u("Goal"));
        auto* g = ingles.findChild<QTableWidget*>(u("MSFlexGrid2"));
        QCOMPARE(texto(g, 0, 0), u("Fatores"));
        QCOMPARE(texto(g, 0, 1), u("Emach"));
        QStringList nomes;
        for (int i = 1; i <= 4; ++i)
            nomes << texto(g, i, 0);
        QCOMPARE(nomes, (QStringList{u("Três"), u("Dois"), u("Um"), u("Quatro")}));
        // Every control of the set is found by its name.
        QCOMPARE(ingles.windowTitle(), u("EMach Results"));
        QCOMPARE(Legendas::aplicar(&ingles, Legendas::conjunto(Legendas::Tela::Resultado, 1)), 8);

        db.estado().IdiomaAtual = 2;
        frmResultado espanhol(db.estado(), u("Meta"));
        QCOMPARE(espanhol.findChild<QLabel*>(u("Label7"))->text(), u("Impresora:"));
        QCOMPARE(texto(espanhol.findChild<QTableWidget*>(u("MSFlexGrid2")), 0, 1), u("Emach"));
    }

    void tamanhosDaJanelaEDaGrade()
    {
        const struct { int n; int janela; int grade; } casos[] = {{4, 5200, 1420}, {6, 5200, 1980}, {25, 10900, 7300}};
        for (const auto& c : casos) {
            TestDb db;
            QList<Fator> fatores;
            for (int i = 0; i < c.n; ++i)
                fatores << Fator{QStringLiteral("F%1").arg(i + 1), double(c.n - 2 * i)};
            semear(db, 5, fatores);
            escolher(db, 5, c.n);
            frmResultado janela(db.estado(), u("s"));
            QCOMPARE(janela.Height(), c.janela);
            QCOMPARE(frmResultado::alturaJanela(c.n), c.janela);
            // The outer height less the designed frame is the client area.
            QCOMPARE(janela.height(), Twips::px(c.janela - 310));
            QCOMPARE(janela.width(), Twips::px(8805));

            auto* g = janela.findChild<QTableWidget*>(u("MSFlexGrid2"));
            QCOMPARE(g->rowCount(), c.n + 1);
            QCOMPARE(g->height(), Twips::px(c.grade));
            QCOMPARE(g->width(), Twips::px(5300));
            QCOMPARE(g->columnWidth(0), Twips::px(4500));
            QCOMPARE(g->columnWidth(1), Twips::px(700));
            // The grid fits in the window.
            QVERIFY(g->geometry().bottom() < janela.height());
            // Every factor shown, the last green.
            QCOMPARE(texto(g, c.n, 0), QStringLiteral("F%1").arg(c.n));
            QCOMPARE(cor(g, c.n, 1), kVerde);
        }
        QCOMPARE(frmResultado::alturaJanela(5), 5200);
        QCOMPARE(frmResultado::alturaJanela(7), 5500);
    }

    void empateNoFimEUltimaPositiva()
    {
        TestDb db;
        semear(db, 4, {{u("A"), 2.0}, {u("B"), -1.5}, {u("C"), 0.5}, {u("D"), -1.5}});
        escolher(db, 4, 4);
        frmResultado janela(db.estado(), u("s"));
        auto* g = janela.findChild<QTableWidget*>(u("MSFlexGrid2"));
        // Either tied factor may come last; only that one is green.
        QVERIFY(QSet<QString>({texto(g, 3, 0), texto(g, 4, 0)}) == QSet<QString>({u("B"), u("D")}));
        QCOMPARE(cor(g, 3, 0), kAmarelo);
        QCOMPARE(cor(g, 3, 1), kAmarelo);
        QCOMPARE(cor(g, 4, 0), kVerde);
        QCOMPARE(cor(g, 4, 1), kVerde);
        QCOMPARE(texto(g, 3, 1), u("  -1.50"));
        QCOMPARE(texto(g, 4, 1), u("  -1.50"));

        // The last row is green even when it is an effect.
        TestDb db2;
        semear(db2, 7, {{u("A"), 4.0}, {u("B"), 3.0}, {u("C"), 1.0}, {u("D"), 0.25}});
        escolher(db2, 7, 4);
        frmResultado positiva(db2.estado(), u("s"));
        auto* g2 = positiva.findChild<QTableWidget*>(u("MSFlexGrid2"));
        QCOMPARE(cor(g2, 3, 0), kCiano);
        QCOMPARE(texto(g2, 4, 0), u("D"));
        QCOMPARE(cor(g2, 4, 0), kVerde);
        QCOMPARE(texto(g2, 4, 1), u("  0.25"));
    }

    void linhaSemNome()
    {
        TestDb db;
        semear(db, 10, {{u("A"), 1.0}, {QVariant(), 0.5}, {u("C"), -0.5}, {u("D"), -1.0}, {QVariant(), -2.0}});
        escolher(db, 10, 5);
        frmResultado janela(db.estado(), u("s"));
        auto* g = janela.findChild<QTableWidget*>(u("MSFlexGrid2"));
        const QColor fundoFixo = Cores::cor(0x8000000F);
        const QColor fundo = Cores::cor(0x80000005);
        // The unnamed factor keeps its place (second), blank and uncoloured.
        QCOMPARE(texto(g, 1, 0), u("A"));
        QCOMPARE(texto(g, 2, 0), QString());
        QCOMPARE(texto(g, 2, 1), QString());
        QCOMPARE(g->item(2, 0)->background().color(), fundoFixo);
        QCOMPARE(g->item(2, 1)->background().color(), fundo);
        QCOMPARE(texto(g, 3, 0), u("C"));
        QCOMPARE(cor(g, 3, 0), kAmarelo);
        // Unnamed and last: still the green root cause.
        QCOMPARE(texto(g, 5, 0), QString());
        QCOMPARE(cor(g, 5, 0), kVerde);
        QCOMPARE(cor(g, 5, 1), kVerde);

        // Named but never analysed (no E-Mach): listed first by the query,
        // with no number and no class colour.
        TestDb db2;
        semear(db2, 8, {{u("A"), 1.0}, {u("Novo"), QVariant()}, {u("C"), -0.5}, {u("D"), -1.0}});
        escolher(db2, 8, 4);
        frmResultado semEmach(db2.estado(), u("s"));
        auto* g2 = semEmach.findChild<QTableWidget*>(u("MSFlexGrid2"));
        QCOMPARE(texto(g2, 1, 0), u("Novo"));
        QCOMPARE(texto(g2, 1, 1), u("  "));
        QCOMPARE(g2->item(1, 1)->background().color(), fundo);
        QCOMPARE(texto(g2, 2, 0), u("A"));
        QCOMPARE(cor(g2, 2, 1), kCiano);
    }

    void imprimirNaImpressoraPdf()
    {
        TestDb db;
        semear(db, 2, {{u("A"), 1.0}, {u("B"), 0.0}, {u("C"), -1.0}, {u("D"), -2.0}});
        escolher(db, 2, 4);
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(u("r.pdf"));
        int perguntas = 0;
        Printers::instalarEscolhaArquivo([&](QWidget* janela) {
            ++perguntas;
            // Asked from the result window.
            if (!qobject_cast<frmResultado*>(janela))
                qFatal("the file dialog needs the result window as its parent");
            return arquivo;
        });
        RecordingSink sink;
        {
            frmResultado janela(db.estado(), u("s"));
            janela.findChild<QComboBox*>(u("Combo1"))->setEditText(u("kv pdf"));
            QTest::mouseClick(janela.findChild<QToolButton*>(u("cmdPrinter")), Qt::LeftButton);
            QCOMPARE(sink.count(), 0);
            QCOMPARE(perguntas, 1);
            QVERIFY(QFileInfo(arquivo).size() > 0);
            // The ranking was walked to its end; the screen is unchanged.
            QVERIFY(janela.findChild<DataSource*>(u("Data1"))->Recordset().eof());
            QCOMPARE(texto(janela.findChild<QTableWidget*>(u("MSFlexGrid2")), 4, 0), u("D"));
        }
        // The chosen printer stays current: the next opening shows it.
        frmResultado depois(db.estado(), u("s"));
        QCOMPARE(depois.findChild<QComboBox*>(u("Combo1"))->currentText(), Printers::nomePdf());
    }

    void sairFechaAJanela()
    {
        TestDb db;
        semear(db, 2, {{u("A"), 1.0}, {u("B"), 0.0}, {u("C"), -1.0}, {u("D"), -2.0}});
        escolher(db, 2, 4);
        frmResultado janela(db.estado(), u("s"));
        janela.show();
        QVERIFY(janela.isVisible());
        QTest::mouseClick(janela.findChild<QToolButton*>(u("cmdSair")), Qt::LeftButton);
        QVERIFY(!janela.isVisible());
    }

    void impressoraNaoEncontrada()
    {
        TestDb db;
        semear(db, 2, {{u("A"), 1.0}, {u("B"), 0.0}, {u("C"), -1.0}, {u("D"), -2.0}});
        escolher(db, 2, 4);
        frmResultado janela(db.estado(), u("s"));
        auto* combo = janela.findChild<QComboBox*>(u("Combo1"));
        RecordingSink sink;
        for (const QString& nome : {u("Canon Pixma"), QString(), u("Escrito")}) {
            sink.clear();
            combo->setEditText(nome);
            QTest::mouseClick(janela.findChild<QToolButton*>(u("cmdPrinter")), Qt::LeftButton);
            QCOMPARE(sink.count(), 1);
            QCOMPARE(sink.ultima().texto, u("Impressora não encontrada"));
            QCOMPARE(sink.ultima().titulo, u("Verifique....."));
            QVERIFY(sink.ultima().icone == Icone::Critico);
            QCOMPARE(Printers::atual().DeviceName, u("Escritorio-2"));
        }
        // The window stays as it was.
        QCOMPARE(texto(janela.findChild<QTableWidget*>(u("MSFlexGrid2")), 1, 0), u("A"));
    }
};

QTEST_MAIN(TestFrmResultado)
#include "tst_frmResultado.moc"
