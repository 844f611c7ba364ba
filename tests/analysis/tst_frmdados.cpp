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
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QColor kAzul(0, 0, 255), kAmarelo(255, 255, 0), kCiano(0, 255, 255), kBranco(255, 255, 255);

QString u(const char* s) { return QString::fromUtf8(s); }

// Texts written with a point, shown in the locale under test.
QStringList locs(std::initializer_list<const char*> textos)
{
    QStringList out;
    for (const char* t : textos)
        out << QString::fromLatin1(t).replace(QLatin1Char('.'), QLocale().decimalPoint());
    return out;
}

template <class T = QWidget>
T* filho(QObject* w, const QString& nome)
{
    T* c = w->findChild<T*>(nome);
    if (!c)
        qFatal("no child %s", qPrintable(nome));
    return c;
}
FlexGrid* grade(frmDados& w) { return filho<FlexGrid>(&w, QStringLiteral("MSFlexGrid1")); }
QToolButton* botao(frmDados& w, const char* nome) { return filho<QToolButton>(&w, QString::fromLatin1(nome)); }
QRadioButton* opcao(frmDados& w, int k) { return filho<QRadioButton>(&w, QStringLiteral("opt%1").arg(k)); }
bool painelOculto(frmDados& w) { return filho(&w, QStringLiteral("Frame1"))->isHidden(); }
QString rotulo(frmDados& w, const char* nome) { return filho<QLabel>(&w, QString::fromLatin1(nome))->text(); }

// Case `caso` with n factors named F1..Fn unless names are given (a null
// QVariant is Null).
void prepararCase(TestDb& db, int caso, int n, QVariantList nomes = {})
{
    for (int k = nomes.size() + 1; k <= n; ++k)
        nomes << QStringLiteral("F%1").arg(k);
    db.setCase(caso, QStringLiteral("Linha 3"), u("Paradas da linha"), n);
    for (int r = 0; r < nomes.size(); ++r)
        db.exec(QStringLiteral("UPDATE %1 SET Evento = ? WHERE Numero = ?").arg(Tables::TabelaEventos(caso)), {nomes[r], r + 1});
    db.estado().CaseAtual = caso;
}

void clicar(frmDados& w, int r, int c)
{
    const QRect rc = grade(w)->cellRect(r, c);
    QVERIFY2(!rc.isEmpty(), "cell out of sight");
    QTest::mouseClick(grade(w)->viewport(), Qt::LeftButton, {}, rc.center());
}

// Row factor a against column factor b with option opt (0: none).
void julgar(frmDados& w, int a, int b, int opt)
{
    clicar(w, a - 1, b);
    if (opt > 0)
        opcao(w, opt)->click();
    botao(w, "cmdGravar")->click();
}

// The worked example: 5, 0.1, 0.1 / 5, 1 / 0.1 above the diagonal.
void preencherExemplo(frmDados& w)
{
    for (const auto& [a, b, opt] : {std::tuple{1, 2, 2}, {1, 3, 5}, {1, 4, 5}, {2, 3, 2}, {2, 4, 3}, {3, 4, 5}})
        julgar(w, a, b, opt);
}

QStringList celulas(FlexGrid* g, int r0, int c0, int r1, int c1)
{
    QStringList out;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
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

// The image a strip shows for a caption.
QImage faixa(const QString& caption)
{
    LogoPicture pic;
    pic.setFont(Fontes::fonte(QStringLiteral("Arial"), 9.75, true));
    pic.setForeColor(0x00FFFFFF);
    Twips::colocar(&pic, 0, 0, 255, 2475);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.setCaption(caption);
    logo.Draw();
    return pic.imagemAtual().toImage();
}
} // namespace

class TstFrmDados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void loadsTheCase_data();
    void loadsTheCase();
    void sizes_data();
    void sizes();
    void judgementsAndMirrors_data();
    void judgementsAndMirrors();
    void savesInOneTransactionAndReloads();
    void analysesTheWorkedExample_data();
    void analysesTheWorkedExample();
    void refusals_data();
    void refusals();
    void resultAndUnknownCase();
};

void TstFrmDados::loadsTheCase_data()
{
    QTest::addColumn<QString>("localidade");
    QTest::newRow("decimal point") << QStringLiteral("en_US");
    QTest::newRow("decimal comma") << QStringLiteral("pt_BR");
}

void TstFrmDados::loadsTheCase()
{
    QFETCH(QString, localidade);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    prepararCase(db, 2, 4, {QStringLiteral("A"), QVariant(), QStringLiteral("")});
    db.exec(QStringLiteral("UPDATE Eventos2 SET N02 = 0.1, N03 = 0.2, N04 = 10 WHERE Numero = 1"));
    db.exec(QStringLiteral("UPDATE Eventos2 SET N01 = 0, N03 = -5, N04 = NULL WHERE Numero = 2"));
    db.exec(QStringLiteral("UPDATE Eventos2 SET N01 = 5 WHERE Numero = 3"));
    auto w = abrir(db);
    FlexGrid* g = grade(*w);

    QCOMPARE(w->windowTitle(), u("Entrada de dados para análise"));
    QCOMPARE(db.estado().QtdeFatores, QVariant(QStringLiteral("4")));
    QCOMPARE(filho<DataSource>(w.get(), QStringLiteral("Data1"))->RecordSource(),
             QStringLiteral("Select * FROM Eventos2 Where Numero <= 4 order by Numero"));
    QCOMPARE(rotulo(*w, "lblSintoma"), u("Paradas da linha"));
    QCOMPARE(rotulo(*w, "Label5"), u("(1/10)") + QString(25, u' ') + u("(1/5)") + QString(30, u' ') + u("(1)")
                                       + QString(31, u' ') + u("(5)") + QString(25, u' ') + u("(10)"));

    // Only a Null name reads "vago" / "Vago"; an empty text stays empty.
    QCOMPARE(celulas(g, 0, 0, 3, 0), QStringList({"A", "", "", "F4"}));
    QCOMPARE(w->NomeFator(2), u("vago"));
    QCOMPARE(w->NomeFator(3), QString());
    QCOMPARE(w->picLogo(1)->imagemAtual().toImage(), faixa(u("A")));
    QCOMPARE(w->picLogo(2)->imagemAtual().toImage(), faixa(u("Vago")));
    QCOMPARE(w->picLogo(3)->imagemAtual().toImage(), faixa(QString()));

    // Values above 0 load in the regional format; Null, 0 and below stay empty.
    QCOMPARE(celulas(g, 0, 1, 3, 4), locs({"", "0.1", "0.2", "10", "", "", "", "", "5", "", "", "", "", "", "", ""}));
    QCOMPARE(g->ColWidth(0), 2000);
    for (int c = 1; c <= 4; ++c) {
        QCOMPARE(g->ColWidth(c), 350);
        QCOMPARE(g->ColAlignment(c), int(FlexGrid::flexAlignLeftBottom));
        for (int r = 0; r < 4; ++r)
            QCOMPARE(g->corCelula(r, c), r == c - 1 ? kAzul : kBranco);
    }
    QVERIFY(painelOculto(*w));
    QVERIFY(botao(*w, "cmdResultado")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    QVERIFY(!botao(*w, "cmdCalcular")->isHidden());
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
    prepararCase(db, 10, n);
    auto w = abrir(db);
    QCOMPARE(QSize(w->larguraTwips(), w->alturaTwips()), QSize(largura, altura));
    QCOMPARE(w->size(), QSize(Twips::px(largura), Twips::px(altura)));
    QCOMPARE(botao(*w, "cmdSair")->geometry(), Twips::rect(285, sairTop, 1065, 840));
    FlexGrid* g = grade(*w);
    QCOMPARE(QSize(g->Width(), g->Height()), QSize(340 * n + 2200, 260 * n));
    QCOMPARE(QSize(g->Cols(), g->Rows()), QSize(n + 1, n));
    for (int k = 1; k <= n; ++k)
        QCOMPARE(w->picLogo(k)->geometry(), Twips::rect(2370 + 345 * (k - 1), 0, 255, 2475));

    // The three result strips follow the factors' (28 strips suffice).
    RecordingSink sink;
    botao(*w, "cmdCalcular")->click();
    for (int k = 1; k <= frmDados::kLogos; ++k)
        QCOMPARE(w->picLogo(k)->isHidden(), k > n + 3);
    const int pos = 2370 + 345 * n;
    QCOMPARE(w->PosLogo(), pos);
    QCOMPARE(w->picLogo(n + 1)->x(), Twips::px(pos));
    QCOMPARE(w->picLogo(n + 2)->x(), Twips::px(pos + 400));
    QCOMPARE(w->picLogo(n + 3)->x(), Twips::px(pos + 850));
    QCOMPARE(QSize(g->Width(), g->Height()), QSize(340 * n + 3500, 260 * n + 500));
}

void TstFrmDados::judgementsAndMirrors_data()
{
    QTest::addColumn<int>("opt");
    QTest::addColumn<QStringList>("valores"); // cell, mirror
    QTest::addColumn<QString>("localidade");
    QTest::newRow("Muito Mais") << 1 << QStringList{"10", "0.1"} << "en_US";
    QTest::newRow("Mais") << 2 << QStringList{"5", "0.2"} << "en_US";
    QTest::newRow("De forma igual") << 3 << QStringList{"1", "1"} << "en_US";
    QTest::newRow("Menos") << 4 << QStringList{"0.2", "5"} << "en_US";
    QTest::newRow("Muito menos") << 5 << QStringList{"0.1", "10"} << "en_US";
    QTest::newRow("Muito Mais, comma") << 1 << QStringList{"10", "0,1"} << "pt_BR";
}

void TstFrmDados::judgementsAndMirrors()
{
    QFETCH(int, opt);
    QFETCH(QStringList, valores);
    QFETCH(QString, localidade);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    prepararCase(db, 1, 5);
    auto w = abrir(db);
    FlexGrid* g = grade(*w);

    // Factor 2 against factor 5: cell (1, 5), mirror (4, 2).
    clicar(*w, 1, 5);
    QVERIFY(!painelOculto(*w));
    QCOMPARE(QStringList({rotulo(*w, "lblFatorX"), rotulo(*w, "lblFatorY")}), QStringList({"F2", "F5"}));
    QCOMPARE(g->corCelula(1, 5), kAmarelo);
    opcao(*w, opt)->click();
    botao(*w, "cmdGravar")->click();
    QVERIFY(painelOculto(*w));
    QCOMPARE(g->corCelula(1, 5), kBranco);
    QCOMPARE(QStringList({g->TextMatrix(1, 5), g->TextMatrix(4, 2)}), valores);

    // Clicks on the diagonal, below it or on a name hide the panel and change
    // nothing; the next pair starts with no option chosen.
    const QStringList antes = celulas(g, 0, 0, 4, 5);
    for (const auto& [r, c] : {std::pair{1, 2}, {4, 2}, {2, 0}}) {
        clicar(*w, 0, 3);
        QVERIFY(!painelOculto(*w));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!opcao(*w, k)->isChecked());
        clicar(*w, r, c);
        QVERIFY(painelOculto(*w));
        QCOMPARE(QPoint(g->Row(), g->Col()), QPoint(r, c));
    }
    QCOMPARE(celulas(g, 0, 0, 4, 5), antes);
    QCOMPARE(g->corCelula(1, 2), kAzul);

    // Recording with no option erases the pair.
    julgar(*w, 2, 5, 0);
    QCOMPARE(QStringList({g->TextMatrix(1, 5), g->TextMatrix(4, 2)}), QStringList({"", ""}));
    QVERIFY(campo(db, 1, 2, QStringLiteral("N05")).isNull()); // nothing saved before leaving
}

void TstFrmDados::savesInOneTransactionAndReloads()
{
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    TestDb db;
    prepararCase(db, 4, 4);
    {
        auto w = abrir(db);
        preencherExemplo(*w);
        julgar(*w, 1, 2, 0);
        // Row 3 cannot be written: rows 1 and 2 must not be either.
        db.exec(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON Eventos4 WHEN NEW.Numero = 3 "
                               "BEGIN SELECT RAISE(ABORT, 'row 3 is locked'); END"));
        QVERIFY_THROWS_EXCEPTION(StoreError, QMetaObject::invokeMethod(w.get(), "cmdSair_Click", Qt::DirectConnection));
        QVERIFY(campo(db, 4, 1, QStringLiteral("N03")).isNull());
        db.exec(QStringLiteral("DROP TRIGGER recusa"));
        botao(*w, "cmdSair")->click();
        QVERIFY(w->isHidden());
    }
    // Empty cells are stored as 0, numbers as numbers, rows 1 to n only.
    const QList<QVariantList> rows = db.linhas(QStringLiteral("SELECT N01, N02, N03, N04 FROM Eventos4 ORDER BY Numero"));
    QCOMPARE(rows.mid(0, 4), QList<QVariantList>({{0.0, 0.0, 0.1, 0.1}, {0.0, 0.0, 5.0, 1.0}, {10.0, 0.2, 0.0, 0.1}, {10.0, 1.0, 10.0, 0.0}}));
    QVERIFY(rows[4][0].isNull());
    QVERIFY(campo(db, 4, 1, QStringLiteral("emach")).isNull());

    auto w = abrir(db);
    QCOMPARE(celulas(grade(*w), 0, 1, 3, 4), QStringList({"", "", "0,1", "0,1", "", "", "5", "1", "10", "0,2", "", "0,1", "10", "1", "10", ""}));
}

void TstFrmDados::analysesTheWorkedExample_data()
{
    QTest::addColumn<QString>("localidade");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QStringList>("legendas"); // two row labels, three strips
    const QStringList pt{u("Pontos da Coluna"), u("Normatização V 0-5"), u("Pontos da Linha"), u("Normatização H 0-5"), u("Emach")};
    QTest::newRow("en_US, English") << "en_US" << 1
                                    << QStringList{u("Points to Column"), u("Normatization V 0-5"), u("Points to Row"),
                                                   u("Normatization H 0-5"), u("Emach")};
    QTest::newRow("pt_BR, Portuguese") << "pt_BR" << 3 << pt;
    QTest::newRow("pt_BR, Spanish") << "pt_BR" << 2 << pt;
}

void TstFrmDados::analysesTheWorkedExample()
{
    QFETCH(QString, localidade);
    QFETCH(int, idioma);
    QFETCH(QStringList, legendas);
    QLocale::setDefault(QLocale(localidade));
    TestDb db;
    db.estado().IdiomaAtual = qint16(idioma);
    prepararCase(db, 1, 4);
    auto w = abrir(db);
    preencherExemplo(*w);
    clicar(*w, 0, 4);
    RecordingSink sink;
    botao(*w, "cmdCalcular")->click();
    QCOMPARE(sink.count(), 0);

    FlexGrid* g = grade(*w);
    QCOMPARE(QSize(g->Cols(), g->Rows()), QSize(8, 6));
    QCOMPARE(celulas(g, 0, 5, 3, 7), locs({"5.2", "0.00", "4.00", "6.2", "0.32", "0.00", "10.3", "1.61", "0.40", "21", "5.00", "-1.00"}));
    QCOMPARE(celulas(g, 4, 0, 5, 7), QStringList({legendas[0]}) + locs({"20.2", "6.2", "15.1", "1.2", "", "", ""})
                                         + QStringList({legendas[1]}) + locs({"5.00", "1.32", "3.66", "0.00", "", "", ""}));
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(QList<QColor>({g->corCelula(k, 5), g->corCelula(k, 6), g->corCelula(k, 7)}), QList<QColor>({kAmarelo, kAmarelo, kCiano}));
        QCOMPARE(QList<QColor>({g->corCelula(4, k + 1), g->corCelula(5, k + 1)}), QList<QColor>({kAmarelo, kAmarelo}));
    }
    QCOMPARE(QList<int>({g->ColWidth(5), g->ColWidth(6), g->ColWidth(7)}), QList<int>({400, 400, 500}));
    QCOMPARE(g->ColAlignment(7), int(FlexGrid::flexAlignLeftBottom));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w->picLogo(5 + i)->imagemAtual().toImage(), faixa(legendas[2 + i]));

    QVERIFY(painelOculto(*w));
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isHidden());
    QVERIFY(botao(*w, "cmdResultado")->isEnabled());
    QCOMPARE(botao(*w, "cmdResultado")->text(), QStringList({u("&Result"), u("&Resultar"), u("&Resultado")})[idioma - 1]);
    const QList<double> emach{4.0, 0.0, 0.4, -1.0};
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(campo(db, 1, k, QStringLiteral("emach")).toDouble(), emach[k - 1]);
    QVERIFY(campo(db, 1, 5, QStringLiteral("emach")).isNull());

    // Any click disables Result again. A cell right of the diagonal in the
    // E-Mach column has no mirror in the grid: recording writes only itself.
    clicar(*w, 0, 7);
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    QVERIFY(!painelOculto(*w));
    opcao(*w, 1)->click();
    botao(*w, "cmdGravar")->click();
    QCOMPARE(g->TextMatrix(0, 7), u("10"));
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
}

void TstFrmDados::refusals_data()
{
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("sql"); // stored judgements of Eventos
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("normH"); // as the box shows up
    QTest::newRow("untouched") << 3 << QString() << u("Valores incompletos!")
                               << u("Preencher totalmente a planilha antes de analizar") << QStringList(4, QString());
    QTest::newRow("all the same") << 1 << QStringLiteral("UPDATE Eventos SET N01 = (Numero <> 1), N02 = (Numero <> 2), N03 = (Numero <> 3), N04 = (Numero <> 4)")
                                  << u("Values incomplete") << u("Fully populate the spreadsheet before analyzing")
                                  << QStringList(4, QString());
    // Column points 1, 1, 1, 1 but row points 3, 1, 0, 0.
    QTest::newRow("equal columns, Spanish")
        << 2 << QStringLiteral("UPDATE Eventos SET N02 = (Numero = 1), N03 = (Numero = 1), N04 = (Numero = 1), N01 = (Numero = 2)")
        << u("Valores incompla!") << u("Rellenar completamente la hoja de cálculo antes de analizar ")
        << QStringList{"5.00", "", "", ""};
}

void TstFrmDados::refusals()
{
    QFETCH(int, idioma);
    QFETCH(QString, sql);
    QFETCH(QString, titulo);
    QFETCH(QString, texto);
    QFETCH(QStringList, normH);
    TestDb db;
    db.estado().IdiomaAtual = qint16(idioma);
    prepararCase(db, 1, 4);
    if (!sql.isEmpty())
        db.exec(sql);
    auto w = abrir(db);
    FlexGrid* g = grade(*w);
    RecordingSink sink;
    QStringList normHNaHora;
    sink.aoMostrar = [&](const RecordingSink::Mensagem&) { normHNaHora = celulas(g, 0, 6, 3, 6); };
    botao(*w, "cmdCalcular")->click();

    QCOMPARE(sink.count(), 1);
    QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
    QCOMPARE(sink.ultima().titulo, titulo);
    QCOMPARE(sink.ultima().texto, texto);
    QCOMPARE(normHNaHora, normH);
    QCOMPARE(celulas(g, 5, 1, 5, 4) + celulas(g, 0, 7, 3, 7), QStringList(8, QString()));
    QVERIFY(botao(*w, "cmdCalcular")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isHidden());
    QVERIFY(!botao(*w, "cmdResultado")->isEnabled());
    // The matrix was saved first (the diagonal as 0), the E-Mach was not.
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(campo(db, 1, k, QStringLiteral("N%1").arg(k, 2, 10, QLatin1Char('0'))), QVariant(0.0));
        QVERIFY(campo(db, 1, k, QStringLiteral("emach")).isNull());
    }
}

void TstFrmDados::resultAndUnknownCase()
{
    TestDb db;
    prepararCase(db, 1, 4);
    db.exec(QStringLiteral("UPDATE Cases SET Sintoma = ? WHERE Numero = 1"), {u("Reclamações de clientes")});
    auto w = abrir(db);
    QStringList abertos;
    w->setAbrirResultado([&](const QString& sintoma) {
        QVERIFY(botao(*w, "cmdResultado")->isHidden());
        QVERIFY(botao(*w, "cmdSair")->isHidden());
        abertos << sintoma;
    });
    botao(*w, "cmdResultado")->click(); // disabled before an analysis
    QVERIFY(abertos.isEmpty());
    preencherExemplo(*w);
    botao(*w, "cmdCalcular")->click();
    db.exec(QStringLiteral("UPDATE Eventos SET N02 = 7 WHERE Numero = 1"));
    botao(*w, "cmdResultado")->click();
    QCOMPARE(abertos, QStringList({u("Reclamações de clientes")}));
    QVERIFY(w->isHidden());
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QCOMPARE(campo(db, 1, 1, QStringLiteral("N02")).toDouble(), 7.0); // not saved again

    // No such case: the design grid stays, Back has nothing to save.
    db.estado().CaseAtual = 11;
    db.estado().QtdeFatores = QStringLiteral("6");
    auto vazio = abrir(db);
    QCOMPARE(QSize(grade(*vazio)->Cols(), grade(*vazio)->Rows()), QSize(2, 2));
    QCOMPARE(grade(*vazio)->Width(), 10725);
    QVERIFY(vazio->picLogo(1)->isHidden());
    QCOMPARE(db.estado().QtdeFatores, QVariant(QStringLiteral("6")));
    botao(*vazio, "cmdSair")->click();
    QVERIFY(vazio->isHidden());
}

QTEST_MAIN(TstFrmDados)
#include "tst_frmdados.moc"
