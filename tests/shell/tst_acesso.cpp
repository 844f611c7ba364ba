// Every user reaches and reads everything: the main menu by keys in each language, the focus back on the
// opener whenever a window closes, and what a screen reader reads of the result grid and the map.
#include "analysis/Analise.h"
#include "results/cMapa.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "shell/Traducoes.h"
#include "shell/app/Menu.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QAccessible>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>

namespace {
// Once the modal loop runs: a click on the button `botao` of the window on top.
void aoAbrir(const char* botao)
{
    QTimer::singleShot(0, [botao] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        clicar(w, botao);
    });
}

// Whether `w` is the active window and holds the keyboard focus.
bool comFoco(QWidget* w)
{
    return QApplication::activeWindow() == w && QGuiApplication::focusWindow() == w->windowHandle();
}
} // namespace

class TstAcesso : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }

    // Whatever the captions' access keys: F10 enters the menu bar on its first command, the arrows walk it,
    // Enter runs the command, Escape leaves the bar as it was.
    void menuBarByKeysInEachLanguage()
    {
        for (int idioma : {1, 2, 3}) {
            TestDb db(false);
            db.exec("UPDATE Parametro SET Idioma = ?", {idioma});
            Respostas sink;
            Menu m(db.estado());
            QVERIFY(m.Form_Load());
            m.show();
            QApplication::setActiveWindow(&m);
            QTest::keyClick(&m, Qt::Key_F10);
            QCOMPARE(m.menuBar()->activeAction()->objectName(), u("mnuCases"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!m.menuBar()->activeAction() && !m.menuBar()->hasFocus());
            QTest::keyClick(&m, Qt::Key_F10);
            for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Right})
                QTest::keyClick(QApplication::focusWidget(), k);
            QCOMPARE(m.menuBar()->activeAction()->objectName(), u("mnuDados"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // no case: the analysis says so (its words: tst_startup)
            QVERIFY(sink.count() == 1 && !m.menuBar()->hasFocus());
        }
    }

    // Each window, closed by its leave button, gives the activation and the focus back to the window that opened it.
    void focusBackOnTheOpener()
    {
        TestDb db(false);
        Respostas sink;
        Menu m(db.estado());
        QVERIFY(m.Form_Load());
        db.exemplo(1, {}, true);
        m.show();
        QApplication::setActiveWindow(&m);
        QTRY_VERIFY(comFoco(&m));
        const struct { void (Menu::*abrir)(); const char* botao; } janelas[] = {
            {&Menu::mnuCases_Click, "cmdSair"}, {&Menu::mnuEventos_Click, "cmdSair"}, {&Menu::mnuDados_Click, "cmdSair"},
            {&Menu::mnuMapa_Click, "cmdSair"}, {&Menu::mnuUtil_Click, "cmdVOLTAR"}};
        for (const auto& j : janelas) {
            aoAbrir(j.botao);
            (m.*j.abrir)();
            QTRY_VERIFY2(comFoco(&m), j.botao);
        }
        // The result screen over the matrix screen, the map over the result screen.
        bool resultadoComFoco = false;
        QTimer::singleShot(0, [&] {
            QWidget* dados = QApplication::activeModalWidget();
            clicar(dados, "cmdCalcular");
            QTimer::singleShot(0, [&] {
                QWidget* resultado = QApplication::activeModalWidget();
                aoAbrir("cmdSair");
                clicar(resultado, "cmdMapa");
                resultadoComFoco = QTest::qWaitFor([&] { return comFoco(resultado); });
                clicar(resultado, "cmdSair");
            });
            clicar(dados, "cmdResultado");
        });
        m.mnuDados_Click();
        QVERIFY(resultadoComFoco);
        QTRY_VERIFY(comFoco(&m));
        // The team window over the case register.
        bool casesComFoco = false;
        QTimer::singleShot(0, [&] {
            QWidget* cases = QApplication::activeModalWidget();
            aoAbrir("cmdSair");
            clicar(cases, "cmdEquipe");
            casesComFoco = QTest::qWaitFor([&] { return comFoco(cases); });
            clicar(cases, "cmdSair");
        });
        m.mnuCases_Click();
        QVERIFY(casesComFoco);
        QTRY_VERIFY(comFoco(&m));
        QCOMPARE(sink.count(), 0);
    }

    // The result grid is a table of factors and their E-Machs under the fixed row's captions, each row described by
    // its class in the current language; the map tells every factor with its class and figures, the root cause first.
    void resultGridAndMapReadAloud()
    {
        TestDb db;
        db.exemplo(1, {}, true);
        for (int idioma : {3, 1}) {
            db.estado().IdiomaAtual = qint16(idioma);
            Traducoes::aplicar(idioma);
            frmResultado r(db.estado(), u("s"));
            r.show();
            QAccessibleInterface* grade = QAccessible::queryAccessibleInterface(filho<QTableWidget>(&r, u("MSFlexGrid2")));
            QAccessibleTableInterface* t = grade->tableInterface();
            QVERIFY(t);
            QStringList lida{grade->text(QAccessible::Name), t->columnDescription(0) + u("|") + t->columnDescription(1)};
            for (int l = 0; l < t->rowCount(); ++l)
                lida << t->cellAt(l, 0)->text(QAccessible::Name) + u("|") + t->cellAt(l, 1)->text(QAccessible::Name) + u("|")
                            + t->rowDescription(l);
            const QString efeito = idioma == 1 ? u("Effects or Spurious Factors") : u("Efeitos");
            const QString raiz = idioma == 1 ? u("Root Cause or principal FCS") : u("Causa Raíz ou principal FCS");
            QCOMPARE(lida, QStringList({idioma == 1 ? u("Factors by E-Mach") : u("Fatores por E-Mach"), u("Fatores|Emach"), u("A|4.00|") + efeito, u("C|0.40|") + efeito,
                                        u("B|0.00|") + efeito, u("D|-1.00|") + raiz}));
            // What is shown keeps its two blanks; a cell's header is its column's caption.
            QCOMPARE(filho<QTableWidget>(&r, u("MSFlexGrid2"))->item(4, 1)->text(), u("  -1.00"));
            QCOMPARE(t->cellAt(3, 1)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), u("Emach"));
            QCOMPARE(grade->childCount(), 10);
        }

        const Analise::Caso caso = Analise::lerCaso(db.estado().BancoDados, 1);
        frmMapa mapa(db.estado(), caso, Analise::analisar(caso.matriz));
        QAccessibleInterface* figura = QAccessible::queryAccessibleInterface(filho(&mapa, u("picMapa")));
        QVERIFY(figura->role() == QAccessible::Graphic && figura->text(QAccessible::Name) == u("Influence map"));
        QCOMPARE(figura->text(QAccessible::Description).split(u'\n'),
                 QStringList({u("D: Root Cause or principal FCS; NormH 5.00, NormV 0.00, Emach -1.00"),
                              u("B: Effects or Spurious Factors; NormH 0.32, NormV 1.32, Emach 0.00"),
                              u("C: Effects or Spurious Factors; NormH 1.61, NormV 3.66, Emach 0.40"),
                              u("A: Effects or Spurious Factors; NormH 0.00, NormV 5.00, Emach 4.00")}));
    }
};

QTEST_MAIN(TstAcesso)
#include "tst_acesso.moc"
