#include "analysis/FlexGrid.h"
#include "analysis/frmDados.h"
#include "info/cLogo.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "store/DataSource.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QColor kAzul(0, 0, 255);
const QColor kAmarelo(255, 255, 0);
const QColor kCiano(0, 255, 255);
const QColor kBranco(255, 255, 255);

QString u(const char* s) { return QString::fromUtf8(s); }

// Texts written with a point, shown in the locale under test.
QString loc(const char* texto)
{
    QString t = QString::fromLatin1(texto);
    return t.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QStringList locs(std::initializer_list<const char*> textos)
{
    QStringList out;
    for (const char* t : textos)
        out << loc(t);
    return out;
}

template <class T>
T* filho(QObject* w, const QString& nome)
{
    T* c = w->findChild<T*>(nome);
    if (!c)
        qFatal("no child %s", qPrintable(nome));
    return c;
}

FlexGrid* grade(frmDados& w) { return filho<FlexGrid>(&w, QStringLiteral("MSFlexGrid1")); }
QToolButton* botao(frmDados& w, const char* nome) { return filho<QToolButton>(&w, QString::fromLatin1(nome)); }
QGroupBox* painel(frmDados& w) { return filho<QGroupBox>(&w, QStringLiteral("Frame1")); }
QString rotulo(frmDados& w, const char* nome) { return filho<QLabel>(&w, QString::fromLatin1(nome))->text(); }

// Case `caso` with n factors named by `nomes` (a null QVariant is Null).
void prepararCase(TestDb& db, int caso, int n, const QVariantList& nomes, const QString& sintoma = u("Paradas da linha"))
{
    db.setCase(caso, QStringLiteral("Linha 3"), sintoma, n);
    for (int r = 0; r < nomes.size(); ++r)
        db.exec(QStringLiteral("UPDATE %1 SET Evento = ? WHERE Numero = ?").arg(Tables::TabelaEventos(caso)), {nomes[r], r + 1});
    db.estado().CaseAtual = caso;
}

QVariantList nomesF(int n)
{
    QVariantList out;
    for (int k = 1; k <= n; ++k)
        out << QStringLiteral("F%1").arg(k);
    return out;
}

void clicar(frmDados& w, int r, int c)
{
    FlexGrid* g = grade(w);
    const QRect rc = g->cellRect(r, c);
    QVERIFY2(!rc.isEmpty(), "cell out of sight");
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rc.center());
}

// Clicks the cell of (row factor a, column factor b), chooses option opt
// (0: none) and records it.
void julgar(frmDados& w, int a, int b, int opt)
{
    clicar(w, a - 1, b);
    if (opt > 0)
        filho<QRadioButton>(&w, QStringLiteral("opt%1").arg(opt))->click();
    botao(w, "cmdGravar")->click();
}

// The worked example: F1..F4 judged above the diagonal.
void preencherExemplo(frmDados& w)
{
    julgar(w, 1, 2, 2); // 5
    julgar(w, 1, 3, 5); // 0.1
    julgar(w, 1, 4, 5);
    julgar(w, 2, 3, 2);
    julgar(w, 2, 4, 3); // 1
    julgar(w, 3, 4, 5);
}

QStringList linhaGrade(FlexGrid* g, int r, int de, int ate)
{
    QStringList out;
    for (int c = de; c <= ate; ++c)
        out << g->TextMatrix(r, c);
    return out;
}

QStringList colunaGrade(FlexGrid* g, int c, int de, int ate)
{
    QStringList out;
    for (int r = de; r <= ate; ++r)
        out << g->TextMatrix(r, c);
    return out;
}

QVariant campo(TestDb& db, int caso, int numero, const QString& nome)
{
    return db.valor(QStringLiteral("SELECT \"%1\" FROM %2 WHERE Numero = ?").arg(nome, Tables::TabelaEventos(caso)), {numero});
}

std::unique_ptr<frmDados> abrir(TestDb& db)
{
    auto w = std::make_unique<frmDados>(db.estado());
    w->show();
    return w;
}
} // namespace

class TstFrmDados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void loadsTheCase();
    void sizes_data();
    void sizes();
    void nullAndEmptyNames();
    void storedJudgementsLoad_data();
    void storedJudgementsLoad();
    void judgementAndMirror_data();
    void judgementAndMirror();
    void clicksOnOrLeftOfTheDiagonal();
    void eraseSaveAndReload();
    void backSavesInOneTransaction();
    void analysesTheWorkedExample_data();
    void analysesTheWorkedExample();
    void refusesAnUntouchedMatrix();
    void refusesAllTheSame();
    void refusesEqualColumnsInSpanish();
    void resultClosesTheScreen();
    void unknownCaseKeepsTheDesignGrid();
};

void TstFrmDados::loadsTheCase()
{
    TestDb db;
    prepararCase(db, 2, 4, nomesF(4));
    auto w = abrir(db);

    QCOMPARE(w->windowTitle(), u("Entrada de dados para análise"));
    QCOMPARE(w->size(), QSize(Twips::px(11475), Twips::px(8295)));
    QCOMPARE(w->nFatores(), 4);
    QCOMPARE(db.estado().QtdeFatores, QVariant(QStringLiteral("4")));
    QCOMPARE(filho<DataSource>(w.get(), QStringLiteral("Data1"))->RecordSource(),
             QStringLiteral("Select * FROM Eventos2 Where Numero <= 4 order by Numero"));
    QCOMPARE(rotulo(*w, "lblSintoma"), u("Paradas da linha"));

    FlexGrid* g = grade(*w);
    QCOMPARE(g->Cols(), 5);
    QCOMPARE(g->Rows(), 4);
    QCOMPARE(g->FixedCols(), 1);
    QCOMPARE(g->FixedRows(), 0);
    QCOMPARE(g->ColWidth(0), 2000);
    QCOMPARE(colunaGrade(g, 0, 0, 3), QStringList({"F1", "F2", "F3", "F4"}));
    for (int c = 1; c <= 4; ++c) {
        QCOMPARE(g->ColWidth(c), 350);
        QCOMPARE(g->ColAlignment(c), int(FlexGrid::flexAlignLeftBottom));
        QCOMPARE(w->NomeFator(c), QStringLiteral("F%1").arg(c));
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(g->corCelula(r, c), r == c - 1 ? kAzul : kBranco);
            QCOMPARE(g->TextMatrix(r, c), QString());
        }
    }

    // Visible: the grid, strips 1 to n and the Analyse and Back buttons.
    QVERIFY(!g->isHidden());
    QVERIFY(!botao(*w, "cmdCalcular")->isHidden());
    QVERIFY(!botao(*w, "cmdSair")->isHidden());
    QVERIFY(painel(*w)->isHidden());
    QVERIFY(botao(*w, "cmdResultado")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    for (int k = 1; k <= frmDados::kLogos; ++k)
        QCOMPARE(w->picLogo(k)->isHidden(), k > 4);
    QCOMPARE(w->PosLogo(), 2370 + 345 * 4);

    // The legend places the five values under the five options.
    const QString legenda = rotulo(*w, "Label5");
    QCOMPARE(legenda.size(), 132);
    QCOMPARE(legenda, u("(1/10)") + QString(25, u' ') + u("(1/5)") + QString(30, u' ') + u("(1)") + QString(31, u' ')
                          + u("(5)") + QString(25, u' ') + u("(10)"));
    QCOMPARE(filho<QRadioButton>(w.get(), QStringLiteral("opt3"))->text(), u("De forma igual"));
    QCOMPARE(botao(*w, "cmdCalcular")->text(), u("&Analisar"));

    // English captions when the language is 1.
    db.estado().IdiomaAtual = 1;
    frmDados ingles(db.estado());
    QCOMPARE(ingles.windowTitle(), u("Registration of events"));
    QCOMPARE(filho<QRadioButton>(&ingles, QStringLiteral("opt2"))->text(), u("Much"));
    QCOMPARE(filho<QLabel>(&ingles, QStringLiteral("Label5"))->text(), legenda);
}

void TstFrmDados::sizes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("altura");
    QTest::addColumn<int>("sairTop");
    QTest::newRow("4") << 4 << 11475 << 8295 << 7155;
    QTest::newRow("16") << 16 << 11475 << 8295 << 7155;
    QTest::newRow("17") << 17 << 11400 << 8400 << 7080;
    QTest::newRow("25") << 25 << 12680 << 10480 << 9160;
}

void TstFrmDados::sizes()
{
    QFETCH(int, n);
    QFETCH(int, largura);
    QFETCH(int, altura);
    QFETCH(int, sairTop);
    TestDb db;
    prepararCase(db, 10, n, nomesF(n));
    auto w = abrir(db);

    QCOMPARE(w->larguraTwips(), largura);
    QCOMPARE(w->alturaTwips(), altura);
    QCOMPARE(w->size(), QSize(Twips::px(largura), Twips::px(altura)));
    QCOMPARE(botao(*w, "cmdSair")->geometry(), Twips::rect(285, sairTop, 1065, 840));

    FlexGrid* g = grade(*w);
    QCOMPARE(g->Width(), 340 * n + 2200);
    QCOMPARE(g->Height(), 260 * n);
    QCOMPARE(g->size(), QSize(Twips::px(340 * n + 2200), Twips::px(260 * n)));
    QCOMPARE(g->Cols(), n + 1);
    QCOMPARE(g->Rows(), n);
    for (int k = 1; k <= n; ++k) {
        QVERIFY(!w->picLogo(k)->isHidden());
        QCOMPARE(w->picLogo(k)->geometry(), Twips::rect(2370 + 345 * (k - 1), 0, 255, 2475));
    }
    if (n == 25)
        QCOMPARE(w->picLogo(25)->geometry().x(), Twips::px(10650));

    // After an analysis the three result strips follow (28 strips suffice).
    RecordingSink sink;
    botao(*w, "cmdCalcular")->click();
    QCOMPARE(sink.count(), 1); // an untouched matrix is refused
    for (int k = 1; k <= frmDados::kLogos; ++k)
        QCOMPARE(w->picLogo(k)->isHidden(), k > n + 3);
    const int pos = 2370 + 345 * n;
    QCOMPARE(w->picLogo(n + 1)->geometry().x(), Twips::px(pos));
    QCOMPARE(w->picLogo(n + 2)->geometry().x(), Twips::px(pos + 400));
    QCOMPARE(w->picLogo(n + 3)->geometry().x(), Twips::px(pos + 850));
    QCOMPARE(g->Width(), 340 * n + 2200 + 1300);
    QCOMPARE(g->Height(), 260 * n + 500);
}

void TstFrmDados::nullAndEmptyNames()
{
    TestDb db;
    prepararCase(db, 1, 4, {QStringLiteral("A"), QVariant(), QStringLiteral(""), QStringLiteral("D")});
    auto w = abrir(db);
    FlexGrid* g = grade(*w);

    QCOMPARE(colunaGrade(g, 0, 0, 3), QStringList({"A", "", "", "D"}));
    QCOMPARE(w->NomeFator(2), u("vago"));
    QCOMPARE(w->NomeFator(3), QString());

    clicar(*w, 0, 2);
    QCOMPARE(rotulo(*w, "lblFatorX"), u("A"));
    QCOMPARE(rotulo(*w, "lblFatorY"), u("vago"));
    clicar(*w, 0, 3);
    QCOMPARE(rotulo(*w, "lblFatorY"), QString());

    // Strip 3 shows the bare gradient; strip 2 reads "Vago".
    LogoPicture referencia;
    referencia.setFont(w->picLogo(3)->font());
    Twips::colocar(&referencia, 0, 0, 255, 2475);
    cLogo logo;
    logo.setDrawingObject(&referencia);
    logo.Draw();
    QCOMPARE(w->picLogo(3)->imagemAtual().toImage(), referencia.imagemAtual().toImage());
    QVERIFY(w->picLogo(2)->imagemAtual().toImage() != referencia.imagemAtual().toImage());
    logo.setCaption(u("Vago"));
    logo.Draw();
    QCOMPARE(w->picLogo(2)->imagemAtual().toImage(), referencia.imagemAtual().toImage());
}

void TstFrmDados::storedJudgementsLoad_data()
{
    QTest::addColumn<QString>("localidade");
    QTest::newRow("decimal point") << QStringLiteral("en_US");
    QTest::newRow("decimal comma") << QStringLiteral("pt_BR");
}

void TstFrmDados::storedJudgementsLoad()
{
    QFETCH(QString, localidade);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    prepararCase(db, 3, 4, nomesF(4));
    db.exec(QStringLiteral("UPDATE Eventos3 SET N02 = 0.1, N03 = 0.2, N04 = 10 WHERE Numero = 1"));
    db.exec(QStringLiteral("UPDATE Eventos3 SET N01 = 0, N03 = -5, N04 = NULL WHERE Numero = 2"));
    db.exec(QStringLiteral("UPDATE Eventos3 SET N01 = 5, N02 = 1 WHERE Numero = 3"));
    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    QCOMPARE(linhaGrade(g, 0, 1, 4), locs({"", "0.1", "0.2", "10"}));
    QCOMPARE(linhaGrade(g, 1, 1, 4), QStringList({"", "", "", ""}));
    QCOMPARE(linhaGrade(g, 2, 1, 4), locs({"5", "1", "", ""}));
    QCOMPARE(linhaGrade(g, 3, 1, 4), QStringList({"", "", "", ""}));
}

void TstFrmDados::judgementAndMirror_data()
{
    QTest::addColumn<int>("opcao");
    QTest::addColumn<QString>("celula");
    QTest::addColumn<QString>("espelho");
    QTest::addColumn<QString>("localidade");
    QTest::newRow("Muito Mais") << 1 << "10" << "0.1" << "en_US";
    QTest::newRow("Mais") << 2 << "5" << "0.2" << "en_US";
    QTest::newRow("De forma igual") << 3 << "1" << "1" << "en_US";
    QTest::newRow("Menos") << 4 << "0.2" << "5" << "en_US";
    QTest::newRow("Muito menos") << 5 << "0.1" << "10" << "en_US";
    QTest::newRow("Muito Mais, comma") << 1 << "10" << "0,1" << "pt_BR";
    QTest::newRow("Menos, comma") << 4 << "0,2" << "5" << "pt_BR";
}

void TstFrmDados::judgementAndMirror()
{
    QFETCH(int, opcao);
    QFETCH(QString, celula);
    QFETCH(QString, espelho);
    QFETCH(QString, localidade);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    prepararCase(db, 1, 5, nomesF(5), u("Atrasos na entrega"));
    auto w = abrir(db);
    FlexGrid* g = grade(*w);

    // Factor 2 against factor 5: cell (1, 5), mirror (4, 2).
    clicar(*w, 1, 5);
    QCOMPARE(w->LinhaSel(), 2);
    QCOMPARE(w->ColunaSel(), 5);
    QVERIFY(!painel(*w)->isHidden());
    QCOMPARE(rotulo(*w, "lblFatorX"), u("F2"));
    QCOMPARE(rotulo(*w, "lblFatorY"), u("F5"));
    QCOMPARE(rotulo(*w, "lblSintoma"), u("Atrasos na entrega"));
    QCOMPARE(g->corCelula(1, 5), kAmarelo);
    for (int k = 1; k <= 5; ++k)
        QVERIFY(!filho<QRadioButton>(w.get(), QStringLiteral("opt%1").arg(k))->isChecked());

    filho<QRadioButton>(w.get(), QStringLiteral("opt%1").arg(opcao))->click();
    botao(*w, "cmdGravar")->click();
    QVERIFY(painel(*w)->isHidden());
    QCOMPARE(g->corCelula(1, 5), kBranco);
    QCOMPARE(g->TextMatrix(1, 5), celula);
    QCOMPARE(g->TextMatrix(4, 2), espelho);
    // Nothing reaches the file before a save.
    QVERIFY(campo(db, 1, 2, QStringLiteral("N05")).isNull());

    // The next click starts with no option chosen.
    clicar(*w, 0, 3);
    for (int k = 1; k <= 5; ++k)
        QVERIFY(!filho<QRadioButton>(w.get(), QStringLiteral("opt%1").arg(k))->isChecked());
    QCOMPARE(rotulo(*w, "lblFatorX"), u("F1"));
    QCOMPARE(rotulo(*w, "lblFatorY"), u("F3"));
}

void TstFrmDados::clicksOnOrLeftOfTheDiagonal()
{
    TestDb db;
    prepararCase(db, 1, 4, nomesF(4));
    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    julgar(*w, 1, 3, 1);
    const QStringList antes = linhaGrade(g, 0, 1, 4) + linhaGrade(g, 2, 1, 4);

    for (const auto& [r, c] : {std::pair{1, 2}, std::pair{3, 1}, std::pair{2, 0}, std::pair{3, 4}}) {
        clicar(*w, 0, 2);
        QVERIFY(!painel(*w)->isHidden());
        clicar(*w, r, c);
        QVERIFY2(painel(*w)->isHidden(), qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
        QCOMPARE(g->Row(), r);
        QCOMPARE(g->Col(), c);
    }
    QCOMPARE(linhaGrade(g, 0, 1, 4) + linhaGrade(g, 2, 1, 4), antes);
    QCOMPARE(g->corCelula(1, 2), kAzul);
    QCOMPARE(g->corCelula(3, 1), kBranco);
}

void TstFrmDados::eraseSaveAndReload()
{
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    TestDb db;
    prepararCase(db, 4, 4, nomesF(4));
    {
        auto w = abrir(db);
        preencherExemplo(*w);
        julgar(*w, 1, 2, 0); // no option: erases the pair
        FlexGrid* g = grade(*w);
        QCOMPARE(g->TextMatrix(0, 2), QString());
        QCOMPARE(g->TextMatrix(1, 1), QString());
        botao(*w, "cmdSair")->click();
        QVERIFY(w->isHidden());
        QCOMPARE(w->result(), int(QDialog::Accepted));
    }
    // Stored: numbers in N01..N04, empty cells as 0; only rows 1 to n.
    const QList<QVariantList> rows = db.linhas(QStringLiteral("SELECT N01, N02, N03, N04, N05, emach FROM Eventos4 WHERE Numero <= 5 ORDER BY Numero"));
    const QList<QVariantList> esperado{{0.0, 0.0, 0.1, 0.1}, {0.0, 0.0, 5.0, 1.0}, {10.0, 0.2, 0.0, 0.1}, {10.0, 1.0, 10.0, 0.0}};
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(rows[r].mid(0, 4), esperado[r]);
        QVERIFY(rows[r][4].isNull());
        QVERIFY(rows[r][5].isNull());
    }
    QVERIFY(rows[4][0].isNull());

    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    QCOMPARE(linhaGrade(g, 0, 1, 4), QStringList({"", "", "0,1", "0,1"}));
    QCOMPARE(linhaGrade(g, 1, 1, 4), QStringList({"", "", "5", "1"}));
    QCOMPARE(linhaGrade(g, 2, 1, 4), QStringList({"10", "0,2", "", "0,1"}));
    QCOMPARE(linhaGrade(g, 3, 1, 4), QStringList({"10", "1", "10", ""}));
}

void TstFrmDados::backSavesInOneTransaction()
{
    TestDb db;
    prepararCase(db, 1, 4, nomesF(4));
    auto w = abrir(db);
    preencherExemplo(*w);
    // The third row cannot be written: the rows before it must not be either.
    db.exec(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON Eventos WHEN NEW.Numero = 3 "
                           "BEGIN SELECT RAISE(ABORT, 'row 3 is locked'); END"));
    QVERIFY_THROWS_EXCEPTION(StoreError, QMetaObject::invokeMethod(w.get(), "cmdSair_Click", Qt::DirectConnection));
    QVERIFY(campo(db, 1, 1, QStringLiteral("N02")).isNull());
    QVERIFY(campo(db, 1, 2, QStringLiteral("N01")).isNull());

    db.exec(QStringLiteral("DROP TRIGGER recusa"));
    botao(*w, "cmdSair")->click();
    QCOMPARE(campo(db, 1, 1, QStringLiteral("N02")).toDouble(), 5.0);
    QCOMPARE(campo(db, 1, 3, QStringLiteral("N04")).toDouble(), 0.1);
}

void TstFrmDados::analysesTheWorkedExample_data()
{
    QTest::addColumn<QString>("localidade");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("pontosColuna");
    QTest::addColumn<QString>("normV");
    QTest::addColumn<QStringList>("faixas");
    const QStringList pt{u("Pontos da Linha"), u("Normatização H 0-5"), u("Emach")};
    QTest::newRow("en_US, English") << "en_US" << 1 << "Points to Column" << "Normatization V 0-5"
                                    << QStringList{u("Points to Row"), u("Normatization H 0-5"), u("Emach")};
    QTest::newRow("pt_BR, Portuguese") << "pt_BR" << 3 << "Pontos da Coluna" << u("Normatização V 0-5") << pt;
    QTest::newRow("pt_BR, Spanish") << "pt_BR" << 2 << "Pontos da Coluna" << u("Normatização V 0-5") << pt;
}

void TstFrmDados::analysesTheWorkedExample()
{
    QFETCH(QString, localidade);
    QFETCH(int, idioma);
    QFETCH(QString, pontosColuna);
    QFETCH(QString, normV);
    QFETCH(QStringList, faixas);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    db.estado().IdiomaAtual = qint16(idioma);
    prepararCase(db, 1, 4, nomesF(4));
    auto w = abrir(db);
    preencherExemplo(*w);
    clicar(*w, 0, 4); // the panel is up when Analyse is pressed
    QVERIFY(!painel(*w)->isHidden());

    RecordingSink sink;
    botao(*w, "cmdCalcular")->click();
    QCOMPARE(sink.count(), 0);

    FlexGrid* g = grade(*w);
    QCOMPARE(g->Rows(), 6);
    QCOMPARE(g->Cols(), 8);
    QCOMPARE(colunaGrade(g, 5, 0, 3), locs({"5.2", "6.2", "10.3", "21"}));
    QCOMPARE(colunaGrade(g, 6, 0, 3), locs({"0.00", "0.32", "1.61", "5.00"}));
    QCOMPARE(colunaGrade(g, 7, 0, 3), locs({"4.00", "0.00", "0.40", "-1.00"}));
    QCOMPARE(linhaGrade(g, 4, 0, 7), QStringList({pontosColuna}) + locs({"20.2", "6.2", "15.1", "1.2", "", "", ""}));
    QCOMPARE(linhaGrade(g, 5, 0, 7), QStringList({normV}) + locs({"5.00", "1.32", "3.66", "0.00", "", "", ""}));

    for (int r = 0; r < 4; ++r) {
        QCOMPARE(g->corCelula(r, 5), kAmarelo);
        QCOMPARE(g->corCelula(r, 6), kAmarelo);
        QCOMPARE(g->corCelula(r, 7), kCiano);
    }
    for (int c = 1; c <= 4; ++c) {
        QCOMPARE(g->corCelula(4, c), kAmarelo);
        QCOMPARE(g->corCelula(5, c), kAmarelo);
    }
    QCOMPARE(g->corCelula(4, 5), kBranco);
    QCOMPARE(g->ColWidth(5), 400);
    QCOMPARE(g->ColWidth(6), 400);
    QCOMPARE(g->ColWidth(7), 500);
    for (int c = 5; c <= 7; ++c)
        QCOMPARE(g->ColAlignment(c), int(FlexGrid::flexAlignLeftBottom));
    QCOMPARE(g->Width(), 3560 + 1300);
    QCOMPARE(g->Height(), 1040 + 500);

    // Each result strip reads its caption.
    for (int i = 0; i < 3; ++i) {
        LogoPicture referencia;
        referencia.setFont(w->picLogo(5 + i)->font());
        Twips::colocar(&referencia, 0, 0, 255, 2475);
        cLogo logo;
        logo.setDrawingObject(&referencia);
        logo.setCaption(faixas[i]);
        logo.Draw();
        QCOMPARE(w->picLogo(5 + i)->imagemAtual().toImage(), referencia.imagemAtual().toImage());
    }

    QVERIFY(painel(*w)->isHidden());
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isHidden());
    QVERIFY(botao(*w, "cmdResultado")->isEnabled());

    const double emach[4] = {4.0, 0.0, 0.4, -1.0};
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(campo(db, 1, k, QStringLiteral("emach")).toDouble(), emach[k - 1]);
    QCOMPARE(campo(db, 1, 3, QStringLiteral("N01")).toDouble(), 10.0);
    QVERIFY(campo(db, 1, 5, QStringLiteral("emach")).isNull());

    // Any click disables Result again; Analyse stays hidden.
    clicar(*w, 5, 0);
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    QVERIFY(!botao(*w, "cmdResultado")->isHidden());
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
}

void TstFrmDados::refusesAnUntouchedMatrix()
{
    TestDb db;
    prepararCase(db, 1, 4, nomesF(4));
    auto w = abrir(db);
    RecordingSink sink;
    FlexGrid* g = grade(*w);
    bool normalizado = true;
    sink.aoMostrar = [&](const RecordingSink::Mensagem&) { normalizado = !g->TextMatrix(0, 6).isEmpty(); };
    botao(*w, "cmdCalcular")->click();

    QCOMPARE(sink.count(), 1);
    QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
    QCOMPARE(sink.ultima().titulo, u("Valores incompletos!"));
    QCOMPARE(sink.ultima().texto, u("Preencher totalmente a planilha antes de analizar"));
    QVERIFY(!normalizado);

    QCOMPARE(colunaGrade(g, 5, 0, 3), QStringList({"0", "0", "0", "0"}));
    QCOMPARE(linhaGrade(g, 4, 1, 4), QStringList({"0", "0", "0", "0"}));
    QCOMPARE(colunaGrade(g, 7, 0, 3), QStringList({"", "", "", ""}));
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    // The matrix was saved before the refusal: zeros, and no E-Mach.
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(campo(db, 1, k, QStringLiteral("N01")), QVariant(0.0));
        QCOMPARE(campo(db, 1, k, QStringLiteral("N04")), QVariant(0.0));
        QVERIFY(campo(db, 1, k, QStringLiteral("emach")).isNull());
    }
}

void TstFrmDados::refusesAllTheSame()
{
    TestDb db;
    db.estado().IdiomaAtual = 1;
    prepararCase(db, 1, 4, nomesF(4));
    auto w = abrir(db);
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 4; ++b)
            julgar(*w, a, b, 3);
    RecordingSink sink;
    botao(*w, "cmdCalcular")->click();
    QCOMPARE(sink.count(), 1);
    QCOMPARE(sink.ultima().titulo, u("Values incomplete"));
    QCOMPARE(sink.ultima().texto, u("Fully populate the spreadsheet before analyzing"));
    QCOMPARE(colunaGrade(grade(*w), 5, 0, 3), QStringList({"3", "3", "3", "3"}));
    QCOMPARE(campo(db, 1, 2, QStringLiteral("N01")).toDouble(), 1.0);
    QVERIFY(campo(db, 1, 2, QStringLiteral("emach")).isNull());
}

void TstFrmDados::refusesEqualColumnsInSpanish()
{
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    TestDb db;
    db.estado().IdiomaAtual = 2;
    prepararCase(db, 5, 4, nomesF(4));
    // Column points 1, 1, 1, 1; row points 3, 1, 0, 0.
    db.exec(QStringLiteral("UPDATE Eventos5 SET N02 = 1, N03 = 1, N04 = 1 WHERE Numero = 1"));
    db.exec(QStringLiteral("UPDATE Eventos5 SET N01 = 1 WHERE Numero = 2"));
    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    RecordingSink sink;
    QStringList normHNaHora;
    sink.aoMostrar = [&](const RecordingSink::Mensagem&) { normHNaHora = colunaGrade(g, 6, 0, 3); };
    botao(*w, "cmdCalcular")->click();

    QCOMPARE(sink.count(), 1);
    QCOMPARE(sink.ultima().titulo, u("Valores incompla!"));
    QCOMPARE(sink.ultima().texto, u("Rellenar completamente la hoja de cálculo antes de analizar "));
    QCOMPARE(normHNaHora, QStringList({"5,00", "", "", ""}));
    QCOMPARE(linhaGrade(g, 5, 1, 4), QStringList({"", "", "", ""}));
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    QVERIFY(campo(db, 5, 1, QStringLiteral("emach")).isNull());
}

void TstFrmDados::resultClosesTheScreen()
{
    TestDb db;
    prepararCase(db, 1, 4, nomesF(4), u("Reclamações de clientes"));
    auto w = abrir(db);
    QStringList abertos;
    w->setAbrirResultado([&](const QString& sintoma) {
        // The buttons are hidden while the result window is up.
        QVERIFY(botao(*w, "cmdResultado")->isHidden());
        QVERIFY(botao(*w, "cmdSair")->isHidden());
        abertos << sintoma;
    });
    // Disabled before an analysis: a click does nothing.
    botao(*w, "cmdResultado")->click();
    QVERIFY(abertos.isEmpty());

    preencherExemplo(*w);
    botao(*w, "cmdCalcular")->click();
    db.exec(QStringLiteral("UPDATE Eventos SET N02 = 7 WHERE Numero = 1"));
    botao(*w, "cmdResultado")->click();
    QCOMPARE(abertos, QStringList({u("Reclamações de clientes")}));
    QVERIFY(w->isHidden());
    QCOMPARE(w->result(), int(QDialog::Accepted));
    // The matrix is not saved again on the way out.
    QCOMPARE(campo(db, 1, 1, QStringLiteral("N02")).toDouble(), 7.0);
}

void TstFrmDados::unknownCaseKeepsTheDesignGrid()
{
    TestDb db;
    db.estado().CaseAtual = 11;
    db.estado().QtdeFatores = QStringLiteral("6");
    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    QCOMPARE(g->Rows(), 2);
    QCOMPARE(g->Cols(), 2);
    QCOMPARE(g->Width(), 10725);
    QCOMPARE(w->picLogo(1)->isHidden(), true);
    QCOMPARE(db.estado().QtdeFatores, QVariant(QStringLiteral("6")));
    // Back has nothing to save and still closes.
    botao(*w, "cmdSair")->click();
    QVERIFY(w->isHidden());
}

QTEST_MAIN(TstFrmDados)
#include "tst_frmdados.moc"
