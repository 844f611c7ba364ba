#include "analysis/GradeMatriz.h"
#include "analysis/Teclado.h"
#include "analysis/frmDados.h"
#include "shell/Fonts.h"
#include "shell/TabelaAcessivel.h"
#include "shell/Twips.h"
#include "shell/app/Menu.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
#include "tests/support/Dica.h"
#include "tests/support/Faixa.h"
#include "tests/support/Respostas.h"
#include "tests/support/TestDb.h"

#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QColor kAzul(0, 0, 255), kAmarelo(255, 255, 0), kCiano(0, 255, 255), kBranco(255, 255, 255);

// Texts written with a point, shown in the locale under test.
QStringList locs(std::initializer_list<const char*> textos)
{
    QStringList out;
    for (const char* t : textos)
        out << QString::fromLatin1(t).replace(QLatin1Char('.'), QLocale().decimalPoint());
    return out;
}

// Case `caso` with n factors F1..Fn unless names are given (a null QVariant is Null), made current.
struct Tela {
    TestDb db;
    std::unique_ptr<frmDados> w;
    GradeMatriz* g = nullptr;

    Tela(int caso, int n, QVariantList nomes = {}, int idioma = 3)
    {
        for (int k = nomes.size() + 1; k <= n; ++k)
            nomes << QStringLiteral("F%1").arg(k);
        db.setCase(caso, QStringLiteral("Linha 3"), u("Paradas da linha"), n);
        for (int r = 0; r < nomes.size(); ++r)
            db.exec(QStringLiteral("UPDATE %1 SET Evento = ? WHERE Numero = ?").arg(Tables::TabelaEventos(caso)), {nomes[r], r + 1});
        db.estado().CaseAtual = caso;
        db.estado().IdiomaAtual = qint16(idioma);
    }
    GradeMatriz* abrir()
    {
        w = std::make_unique<frmDados>(db.estado());
        w->show();
        return g = filho<GradeMatriz>(w.get(), "MSFlexGrid1");
    }
    QToolButton* botao(const char* nome) const { return filho<QToolButton>(w.get(), nome); }
    QRadioButton* opcao(int k) const { return filho<QRadioButton>(w.get(), QStringLiteral("opt%1").arg(k)); }
    bool painel() const { return !filho(w.get(), "Frame1")->isHidden(); }
    // Analyse shown, Result shown, Result enabled, comparison panel shown.
    QList<bool> estado() const
    {
        return {!botao("cmdCalcular")->isHidden(), !botao("cmdResultado")->isHidden(), botao("cmdResultado")->isEnabled(), painel()};
    }
    void clicar(int r, int c) const
    {
        const auto [alvo, ponto] = g->pontoDaCelula(r, c);
        QVERIFY2(alvo, "cell out of sight");
        QTest::mouseClick(alvo, Qt::LeftButton, {}, ponto);
    }
    // Row factor a against column factor b with option opt (0: none).
    void julgar(int a, int b, int opt) const
    {
        clicar(a - 1, b);
        if (opt > 0)
            opcao(opt)->click();
        botao("cmdGravar")->click();
    }
    QStringList celulas(int r0, int c0, int r1, int c1) const
    {
        QStringList out;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                out << g->TextMatrix(r, c);
        return out;
    }
};

// Keys as a user types them, one QKeySequence text each: "4 Num+1 Del Ctrl+Z".
void teclar(QWidget* w, const QString& teclas)
{
    for (const QString& t : teclas.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(w, QKeySequence(t)[0].key(), QKeySequence(t)[0].keyboardModifiers());
}
} // namespace

class TstFrmDados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Decimal-comma loading: the reload in judgementsSavesAndReloads.
    void loadsTheCaseAndNamesAJudgementOffTheScale()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Tela t(2, 4, {QStringLiteral("A"), QVariant(), QStringLiteral("")}, 1);
        t.db.exec(QStringLiteral("UPDATE Eventos2 SET N02 = 0.1, N03 = 0.2, N04 = 1e308 WHERE Numero = 1"));
        t.db.exec(QStringLiteral("UPDATE Eventos2 SET N01 = 0, N03 = -5, N04 = NULL WHERE Numero = 2"));
        t.db.exec(QStringLiteral("UPDATE Eventos2 SET N01 = 5 WHERE Numero = 3"));
        GradeMatriz* g = t.abrir();
        QCOMPARE(t.db.estado().QtdeFatores, QVariant(QStringLiteral("4")));
        QCOMPARE(texto(t.w.get(), "lblSintoma"), u("Paradas da linha"));

        // Only a Null name reads "vago" / "Vago"; an empty text stays empty.
        QCOMPARE(t.celulas(0, 0, 3, 0), QStringList({"A", "", "", "F4"}));
        QCOMPARE(QStringList({t.w->NomeFator(2), t.w->NomeFator(3)}), QStringList({"vago", ""}));
        for (const auto& [k, nome] : {std::pair{1, "A"}, {2, "Vago"}, {3, ""}})
            QCOMPARE(t.w->picLogo(k)->imagemAtual().toImage(), faixa(u(nome)));

        // Values above 0 load as text; Null, 0 and below stay empty.
        QCOMPARE(t.celulas(0, 1, 3, 4), QStringList({"", "0.1", "0.2", "1E+308", "", "", "", "", "5", "", "", "", "", "", "", ""}));
        QCOMPARE(g->ColWidth(0), 2000);
        for (int c = 1; c <= 4; ++c)
            QCOMPARE(QList<int>({g->ColWidth(c), g->ColAlignment(c)}), QList<int>({350, int(ModeloMatriz::flexAlignLeftBottom)}));
        QCOMPARE(t.estado(), QList<bool>({true, false, false, false}));

        // Far off the scale, in the last column: the analysis names the pair, computes nothing.
        Respostas sink;
        t.botao("cmdCalcular")->click();
        QCOMPARE(sink.count(), 1);
        QCOMPARE(sink.ultima().titulo + u(": ") + sink.ultima().texto,
                 u("Value off the scale: The judgement of \"A\" against \"F4\" is 1E+308, off the scale of 0.1 to 10. "
                   "The analysis was not made."));
        QCOMPARE(t.celulas(0, 5, 3, 7), QStringList(12));
    }

    void sizesFollowTheFactorCount()
    {
        // Back's top and the window's size in twips; above 16 factors the outside (the frame takes 90 x 310).
        for (const auto& [n, topo, largura, altura] : {std::tuple{16, 7155, 11475, 8295}, {17, 7080, 11400 - 90, 8400 - 310},
                                                       {25, 9160, 12680 - 90, 10480 - 310}}) {
            Tela t(10, n);
            GradeMatriz* g = t.abrir();
            QCOMPARE(t.w->size(), QSize(Twips::px(largura), Twips::px(altura)));
            QCOMPARE(t.botao("cmdSair")->geometry(), Twips::rect(285, topo, 1065, 840));
            QCOMPARE(QList<int>({g->Cols(), g->Rows(), g->Width(), g->Height()}), QList<int>({n + 1, n, 340 * n + 2200, 260 * n}));
            for (int k = 1; k <= n; ++k)
                QCOMPARE(t.w->picLogo(k)->geometry(), Twips::rect(2370 + 345 * (k - 1), 0, 255, 2475));

            // The three result strips follow the factors' (28 strips suffice).
            Respostas sink;
            t.botao("cmdCalcular")->click();
            for (int k = 1; k <= frmDados::kLogos; ++k)
                QCOMPARE(t.w->picLogo(k)->isHidden(), k > n + 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(t.w->picLogo(n + 1 + i)->x(), Twips::px(2370 + 345 * n + QList<int>({0, 400, 850})[i]));
            QCOMPARE(QSize(g->Width(), g->Height()), QSize(340 * n + 3500, 260 * n + 500));
        }
    }

    void storedDataFromAnotherToolIsRefused()
    {
        // A count or a table another tool wrote: a message naming it, and no screen.
        const QString foraDaFaixa = u("O case 1 tem \"%1\" como quantidade de fatores; a análise aceita de 4 a 25. Corrija no cadastro de casos.");
        const struct { int n; const char* sql; QString texto; } casos[] = {
            {3, "", foraDaFaixa.arg(3)},
            {26, "", foraDaFaixa.arg(26)},
            {6, "DELETE FROM Eventos WHERE Numero = 3", u("A tabela Eventos do case 1 não tem a linha de fator 3; a análise precisa das linhas 1 a 6.")},
        };
        for (const auto& c : casos) {
            Tela t(1, c.n);
            if (*c.sql)
                t.db.exec(QString::fromLatin1(c.sql));
            Respostas sink;
            t.abrir();
            QTimer::singleShot(0, t.w.get(), [w = t.w.get()] { w->done(99); }); // a screen wrongly shown ends here
            QCOMPARE(t.w->exec(), int(QDialog::Rejected));
            QCOMPARE(sink.count(), 1);
            QCOMPARE(sink.ultima().titulo + u(": ") + sink.ultima().texto, u("Dados do case inválidos: ") + c.texto);
        }
        // No such case: the design grid stays, without a message, and Back has nothing to save.
        Tela t(1, 4);
        t.db.estado().CaseAtual = 11;
        t.db.estado().QtdeFatores = QStringLiteral("6");
        Respostas sink;
        GradeMatriz* g = t.abrir();
        QCOMPARE(QList<int>({g->Cols(), g->Rows(), g->Width(), sink.count()}), QList<int>({2, 2, 10725, 0}));
        t.botao("cmdSair")->click();
        QVERIFY(t.w->isHidden() && t.w->picLogo(1)->isHidden() && t.db.estado().QtdeFatores == QVariant(u("6")));
    }

    void judgementsSavesAndReloads()
    {
        for (const char* localidade : {"en_US", "pt_BR"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(localidade)));
            Tela t(1, 6);
            GradeMatriz* g = t.abrir();
            t.clicar(0, 6);
            QVERIFY(t.painel());
            QCOMPARE(QStringList({texto(t.w.get(), "lblFatorX"), texto(t.w.get(), "lblFatorY")}), QStringList({"F1", "F6"}));
            QCOMPARE(g->corCelula(0, 6), kAmarelo);
            // Factor 1 against factor k + 1 with option k; the mirror is (k, 1).
            for (int k = 1; k <= 5; ++k)
                t.julgar(1, k + 1, k);
            QVERIFY(!t.painel() && g->corCelula(0, 6) == kBranco);
            QCOMPARE(t.celulas(0, 2, 0, 6) + t.celulas(1, 1, 5, 1), locs({"10", "5", "1", "0.2", "0.1", "0.1", "0.2", "1", "5", "10"}));

            // Clicks on the diagonal, below it or on a name, and Escape with an option chosen, hide the panel
            // and change nothing; no option stays chosen. Escape with no panel leaves the window open.
            const QStringList antes = t.celulas(0, 0, 5, 6);
            for (const auto& [r, c] : {std::pair{1, 2}, {4, 2}, {2, 0}, {1, 3}}) {
                t.clicar(1, 3);
                for (int k = 1; k <= 5; ++k)
                    QVERIFY(t.painel() && !t.opcao(k)->isChecked());
                if (c == 3) {
                    t.opcao(2)->click();
                    teclar(t.opcao(2), u("Escape"));
                } else {
                    t.clicar(r, c);
                }
                QVERIFY(!t.painel());
                QCOMPARE(QPoint(g->Row(), g->Col()), QPoint(r, c));
            }
            teclar(g, u("Escape"));
            QVERIFY(t.w->isVisible() && g->corCelula(1, 2) == kAzul);
            QCOMPARE(t.celulas(0, 0, 5, 6), antes);

            // Recording with no option erases the pair.
            t.julgar(1, 2, 0);
            QCOMPARE(t.celulas(0, 2, 0, 2) + t.celulas(1, 1, 1, 1), QStringList({"", ""}));

            // Nothing is saved before leaving (one transaction: tst_saves).
            QVERIFY(t.db.valor(QStringLiteral("SELECT N03 FROM Eventos WHERE Numero = 1")).isNull());
            const QStringList gravadas = t.celulas(0, 0, 5, 6);
            t.botao("cmdSair")->click();
            QVERIFY(t.w->isHidden());
            // Empty cells are stored as 0, numbers as numbers, rows 1 to n only.
            QCOMPARE(t.db.texto("SELECT N01, N02, N03, N05, N06, emach FROM Eventos WHERE Numero IN (1, 3, 7) ORDER BY Numero"),
                     u("0|0|5|0.2|0.1|~|0.2|0|0|0|0|~|~|~|~|~|~|~|"));
            t.abrir();
            QCOMPARE(t.celulas(0, 0, 5, 6), gravadas);
        }
    }

    // English judged by keys; Portuguese and Spanish (the Portuguese row labels) by the panel, with a decimal comma.
    void analysesTheWorkedExample()
    {
        for (const auto& [localidade, idioma, julgados] : {std::tuple{"en_US", 1, "Judged: 6 of 6"}, {"pt_BR", 2, "Juzgados: 6 de 6"},
                                                          {"pt_BR", 3, "Julgados: 6 de 6"}}) {
            const QStringList legendas = idioma == 1
                ? QStringList{u("Points to Column"), u("Normatization V 0-5"), u("Points to Row"), u("Normatization H 0-5"), u("Emach")}
                : QStringList{u("Pontos da Coluna"), u("Normatização V 0-5"), u("Pontos da Linha"), u("Normatização H 0-5"), u("Emach")};
            QLocale::setDefault(QLocale(QString::fromLatin1(localidade)));
            Tela t(1, 4, {}, idioma);
            GradeMatriz* g = t.abrir();
            t.clicar(0, 2);
            if (idioma == 1)
                teclar(g, "Num+4 Num+1 Num+1 Num+4 Num+3 Num+1");
            else // 5, 0.1, 0.1 / 5, 1 / 0.1 above the diagonal
                for (const auto& [a, b, opt] : {std::tuple{1, 2, 2}, {1, 3, 5}, {1, 4, 5}, {2, 3, 2}, {2, 4, 3}, {3, 4, 5}})
                    t.julgar(a, b, opt);
            QCOMPARE(texto(t.w.get(), "lblJulgados"), u(julgados));
            t.clicar(0, 4);
            Respostas sink;
            // Alt+R is Result and Return in English: Ctrl+Enter analyses in every language.
            QVERIFY(idioma != 1 || t.botao("cmdCalcular")->toolTip() + t.botao("cmdResultado")->toolTip() == u("Analyse the matrix (Ctrl+Enter)Open the result (Ctrl+Enter)"));
            teclar(g, u(idioma == 1 ? "Ctrl+Return" : "Ctrl+Enter"));
            QCOMPARE(sink.count(), 0);

            QCOMPARE(QSize(g->Cols(), g->Rows()), QSize(8, 6));
            QCOMPARE(t.celulas(0, 5, 3, 7), locs({"5.2", "0.00", "4.00", "6.2", "0.32", "0.00", "10.3", "1.61", "0.40", "21", "5.00", "-1.00"}));
            QCOMPARE(t.celulas(4, 0, 5, 7), QStringList({legendas[0]}) + locs({"20.2", "6.2", "15.1", "1.2", "", "", ""})
                                                + QStringList({legendas[1]}) + locs({"5.00", "1.32", "3.66", "0.00", "", "", ""}));
            for (int k = 0; k < 4; ++k)
                QCOMPARE(QList<QColor>({g->corCelula(k, 5), g->corCelula(k, 6), g->corCelula(k, 7), g->corCelula(4, k + 1), g->corCelula(5, k + 1)}),
                         QList<QColor>({kAmarelo, kAmarelo, kCiano, kAmarelo, kAmarelo}));
            QCOMPARE(QList<int>({g->ColWidth(5), g->ColWidth(6), g->ColWidth(7), g->ColAlignment(7)}),
                     QList<int>({400, 400, 500, int(ModeloMatriz::flexAlignLeftBottom)}));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(t.w->picLogo(5 + i)->imagemAtual().toImage(), faixa(legendas[2 + i]));
            QCOMPARE(t.estado(), QList<bool>({false, true, true, false}));
            QCOMPARE(t.db.texto("SELECT emach FROM Eventos ORDER BY Numero LIMIT 5"), u("4|0|0.4|-1|~|"));

            // Keys follow a click's rules: none act in the result rows; a move disables Result. The E-Mach
            // column right of the diagonal has no mirror: recording writes only itself, the count stays.
            teclar(g, "5");
            QCOMPARE(t.estado(), QList<bool>({false, true, true, false}));
            teclar(g, "Ctrl+Home End Ctrl+Enter");
            QCOMPARE(t.estado(), QList<bool>({false, true, false, true}));
            // The keys' yellow leaves the E-Mach cell its cyan when they move on.
            teclar(g, "Left");
            QCOMPARE(g->corCelula(0, 7), kCiano);
            teclar(g, "Right");
            teclar(g, "5");
            QCOMPARE(QStringList({g->TextMatrix(0, 7), texto(t.w.get(), "lblJulgados")}), QStringList({"10", u(julgados)}));
            QCOMPARE(t.estado(), QList<bool>({false, true, false, false}));
            QVERIFY(g->moldura()); // the keys' frame goes with the next click
            t.clicar(1, 0);
            QVERIFY(!g->moldura());
        }
    }

    // Untouched (every row sum 0), and equal columns with unequal rows: the Spanish messages differ; the row
    // sums and NormH of row 0 are written when the second shows. The matrix was saved first (the diagonal as 0).
    void refusalsShowTheMessageAndSaveTheMatrix()
    {
        // The titles and texts in each language (any but English and Spanish is Portuguese).
        const char* colunasIguais = "UPDATE Eventos SET N02 = (Numero = 1), N03 = (Numero = 1), N04 = (Numero = 1), N01 = (Numero = 2)";
        const QStringList vazia{"0", "", "0", "", "0", "", "0", ""}, colunas{"3", "5.00", "1", "", "0", "", "0", ""};
        const struct { int idioma; const char* sql; QStringList aviso; } casos[] = {
            {2, "", QStringList{u("Valores incompleta!"), u("Rellenar completamente la hoja de cálculo antes de analizar")} + vazia},
            {2, colunasIguais, QStringList{u("Valores incompla!"), u("Rellenar completamente la hoja de cálculo antes de analizar ")} + colunas},
            {1, colunasIguais, QStringList{u("Values incomplete"), u("Fully populate the spreadsheet before analyzing")} + colunas},
            {3, "", QStringList{u("Valores incompletos!"), u("Preencher totalmente a planilha antes de analizar")} + vazia},
            {4, colunasIguais, QStringList{u("Valores incompletos!"), u("Preencher totalmente a planilha antes de analizar")} + colunas},
        };
        for (const auto& c : casos) {
            Tela t(1, 4, {}, c.idioma);
            if (*c.sql)
                t.db.exec(QString::fromLatin1(c.sql));
            t.abrir();
            Respostas sink;
            QStringList visto;
            sink.aoMostrar = [&](const Respostas::Mensagem& m) { visto = QStringList({m.titulo, m.texto}) + t.celulas(0, 5, 3, 6); };
            t.botao("cmdCalcular")->click();
            QVERIFY(sink.count() == 1 && sink.ultima().icone == Icone::Exclamacao);
            QCOMPARE(visto, c.aviso);
            QCOMPARE(t.celulas(5, 1, 5, 4) + t.celulas(0, 7, 3, 7), QStringList(8, QString()));
            QCOMPARE(t.estado(), QList<bool>({false, true, false, false}));
            QCOMPARE(t.db.texto("SELECT CASE Numero WHEN 1 THEN N01 WHEN 2 THEN N02 WHEN 3 THEN N03 ELSE N04 END, emach "
                                "FROM Eventos WHERE Numero <= 4 ORDER BY Numero"),
                     u("0|~|0|~|0|~|0|~|"));
        }
    }

    void keys()
    {
        // Moves the window below does not reach: edges, pages, corners, Shift+Tab's wrap (n = 4, pages of 2).
        using P = Teclado::Posicao;
        for (const auto& [teclas, de, para] : {std::tuple{"Left", P{0, 1}, P{0, 1}}, {"Down", {3, 2}, {3, 2}}, {"PgDown", {0, 2}, {2, 2}},
                                                {"PgUp", {3, 2}, {1, 2}}, {"Home", {2, 3}, {2, 1}}, {"End", {2, 1}, {2, 4}},
                                                {"Ctrl+Home", {2, 3}, {0, 1}}, {"Ctrl+End", {0, 1}, {3, 4}}, {"Tab", {0, 4}, {1, 3}},
                                                {"Tab", {3, 4}, {0, 2}}, {"Shift+Tab", {0, 2}, {2, 4}}, {"Shift+Tab", {1, 3}, {0, 4}}}) {
            const QKeyCombination k = QKeySequence(QString::fromLatin1(teclas))[0];
            QCOMPARE(Teclado::destino(k.key(), k.keyboardModifiers(), de, {4, 5, 1, 2, 4}), std::optional<P>(para));
        }

        // A click, then keys. Seen: the six pairs' texts and their mirrors' ("." empty), the pairs'
        // colours (Amarelo, Branco), the panel, the count; then the current cell.
        const struct { int idioma; QPoint clique; const char* teclas; QStringList visto; QPoint atual; } casos[] = {
            {3, {0, 2}, "1 2 3 4 5", {"0.1 0.2 1 5 10 .", "10 5 1 0.2 0.1 .", "BBBBBA", "1", "Julgados: 5 de 6"}, {2, 4}},
            {2, {0, 2}, "0 6 Ctrl+1 Shift+1 Left 5", {". . . . . .", ". . . . . .", "ABBBBB", "0", "Juzgados: 0 de 6"}, {0, 1}}, // 5 on the diagonal
            {3, {2, 4}, "3 3 3 3 3 3", {"1 1 1 1 1 1", "1 1 1 1 1 1", "BBBBBB", "0", "Julgados: 6 de 6"}, {1, 4}}, // wraps, then none left
            {3, {0, 2}, "4 4 Left Del Left Backspace", {". . . . . .", ". . . . . .", "BBBBBB", "0", "Julgados: 0 de 6"}, {0, 2}},
            {3, {0, 2}, "4 Ctrl+Z", {". . . . . .", ". . . . . .", "ABBBBB", "1", "Julgados: 0 de 6"}, {0, 2}},
            {3, {0, 2}, "5 4 Left Del Ctrl+Z Ctrl+Z", {"10 . . . . .", "0.1 . . . . .", "BABBBB", "1", "Julgados: 1 de 6"}, {0, 3}},
            {3, {0, 2}, "5 4 Left Del Ctrl+Z Ctrl+Z Ctrl+Y Ctrl+Shift+Z", {"10 . . . . .", "0.1 . . . . .", "BBBBBB", "1", "Julgados: 1 de 6"}, {0, 3}},
        };
        for (const auto& k : casos) {
            Tela t(1, 4, {}, k.idioma);
            GradeMatriz* g = t.abrir();
            t.clicar(k.clique.x(), k.clique.y());
            teclar(g, u(k.teclas));
            QStringList pares, espelhos;
            QString cores;
            auto ver = [g](int r, int c) { return g->TextMatrix(r, c).isEmpty() ? QStringLiteral(".") : g->TextMatrix(r, c); };
            for (const auto& [r, c] : {std::pair{0, 2}, {0, 3}, {0, 4}, {1, 3}, {1, 4}, {2, 4}}) {
                pares << ver(r, c);
                espelhos << ver(c - 1, r + 1);
                cores += g->corCelula(r, c) == kAmarelo ? u'A' : g->corCelula(r, c) == kBranco ? u'B' : u'?';
            }
            const QString painel = t.painel() ? "1" : "0";
            QCOMPARE(QStringList({pares.join(u' '), espelhos.join(u' '), cores, painel, texto(t.w.get(), "lblJulgados")}), k.visto);
            QCOMPARE(QPoint(g->Row(), g->Col()), k.atual);
        }

        // Moves by keys, and an undo, leave one yellow cell, the current one; the clicked cell keeps its yellow.
        Tela t(1, 6);
        GradeMatriz* g = t.abrir();
        t.clicar(0, 3);
        teclar(g, "Right Right Down Tab Tab Left Up 4 Ctrl+Z Right");
        QString amarelas = QStringLiteral("@%1%2").arg(g->Row()).arg(g->Col());
        for (int i = 0; i < 36; ++i)
            amarelas += g->corCelula(i / 6, i % 6 + 1) == kAmarelo ? QStringLiteral(" %1%2").arg(i / 6).arg(i % 6 + 1) : QString();
        QCOMPARE(amarelas, u("@14 03 14"));
    }

    // The panel leaves the pair it judges in sight wherever it opens, before and after an analysis: in its own place
    // while that covers nothing current, with the window and the contradictions' line on a 1366 x 768 screen. The
    // line shows whole at every count in every language, clear of the other controls and of the panel's own place.
    void panelLeavesThePairInSight()
    {
        Tela c(1, 25);
        for (int i = 0; i < 66; ++i) {
            c.db.setCase(1, u("Linha 3"), u("Paradas da linha"), 4 + i % 22);
            c.db.estado().IdiomaAtual = qint16(1 + i / 22);
            c.abrir();
            QRect linha;
            for (const char* nome : {"chkContradicoes", "lblContradicoes"}) {
                const QWidget* w = filho(c.w.get(), nome);
                QVERIFY2(c.w->rect().contains(w->geometry()) && w->sizeHint().width() <= w->width()
                             && !Twips::rect(1605, 4335, 9300, 3705).intersects(w->geometry()),
                         qPrintable(QStringLiteral("n %1: %2").arg(4 + i % 22).arg(nome)));
                linha |= w->geometry();
            }
            for (const QWidget* outro : c.w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(outro->isHidden() || outro->objectName().endsWith(u("Contradicoes")) || !outro->geometry().intersects(linha),
                         qPrintable(QStringLiteral("n %1: %2").arg(4 + i % 22).arg(outro->objectName())));
        }
        for (const int n : {9, 16, 17, 25}) {
            Tela t(1, n);
            GradeMatriz* g = t.abrir();
            const QWidget* painel = filho(t.w.get(), "Frame1");
            const QRect proprio = Twips::rect(1605, 4335, 9300, 3705), tela(0, 0, 1366 - Twips::px(90), 768 - Twips::px(310));
            int movidos = 0;
            auto ver = [&] {
                const QRect celula = g->cellRect(g->Row(), g->Col()).translated(g->pos());
                const QRect rodape = filho(t.w.get(), "chkContradicoes")->geometry() | filho(t.w.get(), "lblContradicoes")->geometry();
                movidos += painel->geometry() != proprio;
                QVERIFY2(t.painel() && t.w->childAt(celula.center()) == g->viewport() && !painel->geometry().intersects(celula)
                             && !painel->geometry().intersects(rodape)
                             && (painel->geometry() == proprio || proprio.intersects(celula)) && tela.contains(t.w->rect())
                             && t.w->rect().contains(rodape),
                         qPrintable(QStringLiteral("n %1, cell %2,%3").arg(n).arg(g->Row()).arg(g->Col())));
            };
            t.clicar(0, 2);
            for (int i = 0; i < n * (n - 1) / 2; ++i, teclar(g, "Tab"))
                ver();
            Respostas sink;
            t.botao("cmdCalcular")->click();
            teclar(g, "Ctrl+Home");
            for (int r = 0; r < g->Rows(); ++r, teclar(g, "Down Home"))
                for (int c = 1; c < g->Cols(); ++c, teclar(g, "Right"))
                    if (t.painel())
                        ver();
            QVERIFY(movidos > 0);
        }
    }

    // A circular triad judged, counted and outlined; F8 walks its pairs; erasing, undoing and an "equal" change it.
    // Whoever builds on the model gets one signal per change of a judgement, the judgements as numbers, and every
    // cell through the view's accessibility.
    void contradicoes()
    {
        Tela t(1, 4);
        t.abrir();
        ModeloMatriz* m = t.w->modelo();
        QSignalSpy mudou(m, &ModeloMatriz::julgamentosMudaram);
        auto visto = [&] {
            QString contornos;
            for (int r = 0; r < 4; ++r)
                for (int c = 1; c <= 4; ++c)
                    if (m->contorno(r, c))
                        contornos += QStringLiteral("%1%2 ").arg(r).arg(c);
            return texto(t.w.get(), "lblContradicoes") + u'|' + contornos.trimmed();
        };
        // F1 over F2, F3 over F1 (F1 "Muito menos" than F3), F2 over F3.
        t.clicar(0, 2);
        teclar(t.g, "5 1");
        QCOMPARE(visto(), u("Contradições: 0|"));
        t.clicar(1, 3);
        teclar(t.g, "5");
        QCOMPARE(visto(), u("Contradições: 1|"));
        filho<QCheckBox>(t.w.get(), "chkContradicoes")->click();
        QCOMPARE(visto(), u("Contradições: 1|02 03 13"));

        // From F2 x F4 on, wrapping; the panel shows each pair.
        QStringList passos;
        for (const char* tecla : {"F8", "F8", "F8", "Shift+F8", "Shift+F8"}) {
            teclar(t.g, u(tecla));
            passos << QStringLiteral("%1%2 %3").arg(t.g->Row()).arg(t.g->Col()).arg(t.painel() ? texto(t.w.get(), "lblFatorX") + QStringLiteral("x") + texto(t.w.get(), "lblFatorY") : u("-"));
        }
        QCOMPARE(passos, QStringList({u("02 F1xF2"), u("03 F1xF3"), u("13 F2xF3"), u("03 F1xF3"), u("02 F1xF2")}));

        teclar(t.g, "Del");
        QCOMPARE(visto(), u("Contradições: 0|"));
        teclar(t.g, "Ctrl+Z");
        QCOMPARE(visto(), u("Contradições: 1|02 03 13"));
        QCOMPARE(QList<double>({double(mudou.count()), m->matriz().valor(0, 1), m->matriz().valor(1, 0)}), QList<double>({5, 10, 0.1}));
        // The reader's table has no column for the hidden names, which head its rows; focus names the current cell.
        QAccessibleInterface* grade = QAccessible::queryAccessibleInterface(t.g);
        QAccessibleTableInterface* tabela = grade->tableInterface();
        QCOMPARE(QStringList({QString::number(tabela->columnCount()), tabela->columnDescription(0), tabela->rowDescription(3),
                              tabela->cellAt(0, 1)->text(QAccessible::Name), tabela->cellAt(1, 0)->text(QAccessible::Name)}),
                 QStringList({u("4"), u("F1"), u("F4"), u("10"), u("0.1")}));
        QCOMPARE(grade->child(TabelaAcessivel::filho(t.g, m->index(1, 3))), tabela->cellAt(1, 2));
        t.clicar(1, 3);
        teclar(t.g, "3");
        QCOMPARE(visto(), u("Contradições: 0|"));
        teclar(t.g, "Ctrl+Z");
        filho<QCheckBox>(t.w.get(), "chkContradicoes")->click();
        QCOMPARE(visto(), u("Contradições: 1|"));
        teclar(t.g, "F8");
        QCOMPARE(visto(), u("Contradições: 1|02 03 13"));
    }

    void nothingHiddenNothingCut()
    {
        const QString longo = u("Desgaste prematuro do rolamento do eixo principal da bomba de recalque por falta de "
                                "lubrificação nas paradas programadas");
        for (const auto& [n, local] : {std::pair{4, "en_US"}, {9, "pt_BR"}, {16, "en_US"}, {25, "pt_BR"}, {25, "en_US"}}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            Tela t(1, n, {u("Bomba"), longo});
            const double niveis[] = {10, 5, 1, 0.2, 0.1};
            QRandomGenerator sorte{quint32(n)};
            for (int r = 1; r <= n; ++r)
                for (int c = r + 1; c <= n; ++c) {
                    const int i = int(sorte.bounded(5));
                    t.db.exec(QStringLiteral("UPDATE Eventos SET N%1 = ? WHERE Numero = ?").arg(c, 2, 10, QChar(u'0')), {niveis[i], r});
                    t.db.exec(QStringLiteral("UPDATE Eventos SET N%1 = ? WHERE Numero = ?").arg(r, 2, 10, QChar(u'0')), {niveis[4 - i], c});
                }
            GradeMatriz* g = t.abrir();

            // The panel hides the grid under it: not one blue diagonal pixel shows.
            t.clicar(0, 2);
            const QImage tela = t.w->grab().toImage();
            const QRect sob = filho(t.w.get(), "Frame1")->geometry().intersected(g->geometry());
            for (int y = sob.top(); y <= sob.bottom(); ++y)
                for (int x = sob.left(); x <= sob.right(); ++x)
                    QVERIFY2(tela.pixelColor(x, y) != kAzul, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

            // A cut name shows whole as a tooltip: sentence, name column, strip.
            QLabel* y = filho<QLabel>(t.w.get(), "lblFatorY");
            QCOMPARE(y->text(), longo);
            QCOMPARE(dicaEm(y, y->rect().center()), longo);
            QCOMPARE(dicaEm(filho<QLabel>(t.w.get(), "lblFatorX"), QPoint(2, 2)), QString());
            for (const auto& [r, dica] : {std::pair{1, longo}, {0, QString()}}) {
                const auto [alvo, ponto] = g->pontoDaCelula(r, 0);
                QCOMPARE(dicaEm(alvo, ponto), dica);
            }
            QCOMPARE(QStringList({t.w->picLogo(1)->toolTip(), t.w->picLogo(2)->toolTip()}), QStringList({QString(), longo}));

            // Analysed: every number whole in its cell, and no control over the grid.
            Respostas sink;
            t.botao("cmdCalcular")->click();
            QCOMPARE(sink.count(), 0);
            for (int r = 0; r < n + 2; ++r)
                for (int c = 1; c < n + 4; ++c) {
                    const QFont f = g->fonteCelula(r, c);
                    const QString texto = g->TextMatrix(r, c);
                    QVERIFY2(QFontMetricsF(f).horizontalAdvance(texto) <= g->larguraTexto(c) && f.pointSizeF() >= 6,
                             qPrintable(QStringLiteral("%1,%2: %3").arg(r).arg(c).arg(texto)));
                    QVERIFY(g->larguraTexto(c) < Twips::px(g->ColWidth(c)));
                }
            for (QWidget* c : t.w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(c == g || c->isHidden() || !c->geometry().intersects(g->geometry()), qPrintable(c->objectName()));
            QVERIFY(t.w->rect().contains(t.botao("cmdSair")->geometry()));

            // The result screen, as the program composes it, opens over this window with the symptom; Result and
            // Back hide; nothing is saved again.
            Menu::comporTelas(t.db.estado());
            t.db.exec(QStringLiteral("UPDATE Eventos SET N02 = 7 WHERE Numero = 1"));
            QString visto;
            QTimer::singleShot(0, [&] {
                QWidget* r = QApplication::activeModalWidget();
                const bool sobre = r->parentWidget() == t.w.get() && t.botao("cmdResultado")->isHidden() && t.botao("cmdSair")->isHidden();
                visto = texto(r, "lblSintoma") + (sobre ? u(" sobre a matriz") : u(""));
                r->close();
            });
            teclar(g, u("Ctrl+Enter"));
            QCOMPARE(visto, u("Paradas da linha sobre a matriz"));
            QVERIFY(t.w->isHidden() && t.w->result() == QDialog::Accepted);
            QCOMPARE(t.db.valor(QStringLiteral("SELECT N02 FROM Eventos WHERE Numero = 1")), QVariant(7.0));
        }
    }
};

QTEST_MAIN(TstFrmDados)
#include "tst_frmdados.moc"
