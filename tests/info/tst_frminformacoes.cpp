#include "info/MachineFacts.h"
#include "info/frmInformacoes.h"
#include "shell/Captions.h"
#include "shell/Fonts.h"
#include "shell/app/Menu.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

template <typename T = QWidget> T* filho(QObject* w, const char* nome)
{
    T* c = w->findChild<T*>(QString::fromLatin1(nome));
    if (!c)
        qFatal("control %s missing", nome);
    return c;
}
QString texto(QWidget* w, const char* nome) { return filho<QLabel>(w, nome)->text(); }
void clicar(QWidget* w, const char* nome) { QTest::mouseClick(filho<QAbstractButton>(w, nome), Qt::LeftButton); }

// The captions of the named children, in order (a frame's title, otherwise its text).
QStringList textos(QObject* w, std::initializer_list<const char*> nomes)
{
    QStringList l;
    for (const char* n : nomes)
        l << filho<QObject>(w, n)->property(qobject_cast<QGroupBox*>(filho<QObject>(w, n)) ? "title" : "text").toString();
    return l;
}
QStringList menu(QWidget* m) { return textos(m, {"mnuCases", "mnuEventos", "mnuDados", "mnuUtil", "mnuSair"}); }
QStringList legendas(QWidget* w)
{
    return QStringList{w->windowTitle()} + textos(w, {"Label1", "Label2", "Label3", "Label5", "Frame1", "Frame2",
                                                      "Frame3", "cmdVOLTAR", "opt1", "opt2", "opt3"});
}

// The options as "100", "010", "001" or "000".
QString opcoes(QWidget* w)
{
    QString s;
    for (const char* n : {"opt1", "opt2", "opt3"})
        s += filho<QRadioButton>(w, n)->isChecked() ? u'1' : u'0';
    return s;
}

QVariant guardado(TestDb& db)
{
    const QVariant v = db.valor(QStringLiteral("SELECT Idioma FROM Parametro"));
    return v.isNull() ? QVariant() : QVariant(v.toInt());
}

const QString kVinte = u("mariadasgracassouza2"); // a user name of 20 characters
const QStringList kPortugues = {u("Informações Gerais"), u("Nome do Micro na Rede:"), u("Resolução do Vídeo:"),
                                u("Usuário Logado:"), u("Versão Banco de Dados:"), u("Especificação do Computador: "),
                                u("Suporte: "), u("Idioma: "), u("&Voltar"), u("English"), u("Espanhõl"),
                                u("Português")};
const QStringList kIngles = {u("Information"), u("Computer name:"), u("Video resolution:"), u("Logged in user:"),
                             u("Version Database:"), u("Computer specification: "), u("Suporte: "), u("Language: "),
                             u("&Return"), u("English"), u("Espanhõl"), u("Português")};
const QStringList kMenuPt = {u("&Casos"), u("&Eventos"), u("&Análise"), u("&Informações"), u("&Sair")};
const QStringList kMenuEn = {u("Cases"), u("Events"), u("Analysis"), u("Information"), u("Quit")};
const QStringList kMenuEs = {u("&Casos"), u("Eventos"), u("Análisis"), u("Informacion"), u("Dejar")};
const QStringList kMenuEnEs = {u("Cases"), u("Eventos"), u("Análisis"), u("Informacion"), u("Dejar")};
} // namespace

class TestFrmInformacoes : public QObject {
    Q_OBJECT
    std::unique_ptr<MachineFacts::Override> m_fatos;
    RecordingSink m_sink; // the screen never shows a box

private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        m_fatos = std::make_unique<MachineFacts::Override>(
            MachineFacts::Source{[] { return u("ESTACAO-07"); }, [] { return std::optional<QString>(kVinte); },
                                 [] { return MachineFacts::ScreenTwips{1920.0 * 15, 1080.0 * 15, 15, 15}; }});
    }
    void desenho();
    void idioma_data();
    void idioma();
    void fatosDaMaquina();
};

void TestFrmInformacoes::desenho()
{
    TestDb db;
    frmInformacoes janela(db.estado());
    QCOMPARE(janela.size(), QSize(573, 328));

    // Children sit in their frames, placed relative to them.
    const struct { const char* nome; const char* pai; QRect r; } lugares[] = {
        {"Image1", "", {20, 45, 247, 87}},        {"Frame2", "", {285, 27, 261, 119}},
        {"Label7", "Frame2", {15, 55, 236, 16}},  {"Label8", "Frame2", {15, 85, 221, 16}},
        {"Frame1", "", {20, 162, 276, 118}},      {"Label1", "Frame1", {10, 30, 121, 16}},
        {"Label2", "Frame1", {20, 50, 111, 16}},  {"Label3", "Frame1", {15, 70, 116, 15}},
        {"Label5", "Frame1", {4, 92, 128, 16}},   {"Frame3", "", {327, 179, 105, 100}},
        {"opt1", "Frame3", {15, 25, 73, 17}},     {"opt2", "Frame3", {15, 48, 73, 17}},
        {"opt3", "Frame3", {15, 72, 81, 17}},     {"cmdVOLTAR", "", {471, 225, 66, 51}},
    };
    for (const auto& l : lugares) {
        QCOMPARE(filho(&janela, l.nome)->parentWidget()->objectName(), QString::fromLatin1(l.pai));
        QCOMPARE(filho(&janela, l.nome)->geometry(), l.r);
    }
    // The facts keep their place and at least their width and one line's
    // height, growing to fit their text (the user name whole) but never past
    // the frame's border.
    const struct { const char* nome; QPoint p; int largura; QString valor; } fatos[] = {
        {"lblVAR", {146, 30}, 121, u("ESTACAO-07")}, {"lblVIDEO", {141, 50}, 96, u(" 1920 x 1080 DPI")},
        {"lblUSUARIO", {146, 70}, 121, kVinte}, {"lblBancoDados", {146, 92}, 81, u("KV 22.12.15 / 1.0")}};
    for (const auto& f : fatos) {
        QLabel* l = filho<QLabel>(filho(&janela, "Frame1"), f.nome);
        QCOMPARE(l->text(), f.valor);
        QCOMPARE(l->pos(), f.p);
        QVERIFY(l->width() >= f.largura && l->geometry().right() < l->parentWidget()->width());
        QVERIFY(l->height() >= l->fontMetrics().height() && l->fontMetrics().horizontalAdvance(f.valor) <= l->width());
    }
    QCOMPARE(janela.sUserID(), kVinte);
    for (const char* n : {"Label1", "Label2", "Label3", "Label5"})
        QVERIFY(filho<QLabel>(&janela, n)->alignment() & Qt::AlignRight);

    // Fonts: bold 9.75 frames; Arial 8.25 labels and options; Arial 9.75 for
    // the support lines (which fit); the form's font for the version.
    auto fonte = [&](const char* n) { return filho(&janela, n)->font(); };
    for (const char* n : {"Frame1", "Frame2", "Frame3"})
        QVERIFY(fonte(n).family() == u("MS Sans Serif") && fonte(n).pointSizeF() == 9.75 && fonte(n).bold());
    for (const char* n : {"Label1", "lblVAR", "Label2", "lblVIDEO", "Label3", "lblUSUARIO", "Label5", "opt1", "opt2", "opt3"})
        QVERIFY2(fonte(n).family() == u("Arial") && fonte(n).pointSizeF() == 8.25 && !fonte(n).bold(), n);
    for (const char* n : {"Label7", "Label8"}) {
        QLabel* l = filho<QLabel>(&janela, n);
        QVERIFY(fonte(n).family() == u("Arial") && fonte(n).pointSizeF() == 9.75 && !fonte(n).bold());
        QVERIFY(!l->text().isEmpty() && l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
    QCOMPARE(fonte("lblBancoDados"), janela.font());
    QCOMPARE(filho<QLabel>(&janela, "Image1")->pixmap().size(), QSize(285, 60));
    QVERIFY(filho<QLabel>(&janela, "Image1")->hasScaledContents());

    // "&Voltar" leads the tab order; the three options are one group.
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(janela.focusWidget()->objectName(), u("cmdVOLTAR"));
    QTest::keyClick(&janela, Qt::Key_Tab);
    QCOMPARE(janela.focusWidget()->objectName(), u("opt1"));
    clicar(&janela, "opt3");
    clicar(&janela, "opt2");
    QCOMPARE(opcoes(&janela), u("010"));
}

void TestFrmInformacoes::idioma_data()
{
    QTest::addColumn<QVariant>("idioma"); // stored
    QTest::addColumn<int>("antes");       // the current code when the screen opens
    QTest::addColumn<QString>("marcadas");
    QTest::addColumn<QStringList>("tela");
    QTest::addColumn<int>("carregado"); // the code after loading; the main window speaks it
    QTest::addColumn<int>("escolha");   // the option clicked; 0 none; negative: closed by the title bar's X
    QTest::addColumn<int>("codigo");    // the code after closing
    QTest::addColumn<QStringList>("menu");
    // The Spanish set of this screen carries the English texts; Spanish
    // leaves the first menu item alone, so it keeps "Cases".
    QTest::newRow("1, to Spanish") << QVariant(1) << 1 << u("100") << kIngles << 1 << 2 << 2 << kMenuEnEs;
    QTest::newRow("1, kept") << QVariant(1) << 1 << u("100") << kIngles << 1 << 0 << 1 << kMenuEn;
    QTest::newRow("1, 2 chosen, closed") << QVariant(1) << 1 << u("100") << kIngles << 1 << -2 << 2 << kMenuEnEs;
    QTest::newRow("3, to English") << QVariant(3) << 3 << u("001") << kPortugues << 3 << 1 << 1 << kMenuEn;
    // Portuguese: the main window keeps its captions until the next start.
    QTest::newRow("1, to Portuguese") << QVariant(1) << 1 << u("100") << kIngles << 1 << 3 << 3 << kMenuEn;
    QTest::newRow("2, to Portuguese") << QVariant(2) << 2 << u("010") << kIngles << 2 << 3 << 3 << kMenuEs;
    // No language: no option, Portuguese, and the row updated as it stands.
    QTest::newRow("0") << QVariant(0) << 3 << u("000") << kPortugues << 3 << 0 << 3 << kMenuPt;
    QTest::newRow("4") << QVariant(4) << 3 << u("000") << kPortugues << 3 << 0 << 3 << kMenuPt;
    QTest::newRow("Null") << QVariant() << 3 << u("000") << kPortugues << 3 << 0 << 3 << kMenuPt;
    // Captions follow the code found; the code left follows the stored value.
    QTest::newRow("code 2, stored 3") << QVariant(3) << 2 << u("001") << kIngles << 3 << 0 << 3 << kMenuPt;
    QTest::newRow("code 3, stored 1") << QVariant(1) << 3 << u("100") << kPortugues << 1 << 0 << 1 << kMenuEn;
}

void TestFrmInformacoes::idioma()
{
    QFETCH(QVariant, idioma);
    QFETCH(int, antes);
    QFETCH(int, carregado);
    QFETCH(int, escolha);
    QFETCH(int, codigo);
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = ?"), {idioma});
    AppState& estado = db.estado();
    Menu principal(estado);
    estado.IdiomaAtual = qint16(antes);
    {
        frmInformacoes janela(estado);
        QTEST(opcoes(&janela), "marcadas");
        QTEST(legendas(&janela), "tela");
        QCOMPARE(estado.IdiomaAtual, qint16(carregado));
        QCOMPARE(menu(&principal), (QList<QStringList>{{}, kMenuEn, kMenuEs, kMenuPt}.at(carregado)));
        janela.show();
        if (escolha)
            clicar(&janela, qPrintable(QStringLiteral("opt%1").arg(qAbs(escolha))));
        QCOMPARE(guardado(db), idioma); // nothing is stored before "&Voltar"
        if (escolha < 0) {
            QTest::keyClick(&janela, Qt::Key_Escape); // no cancel button: Esc does nothing
            QVERIFY(janela.isVisible() && janela.close()); // the X leaves as "&Voltar" does
        } else {
            clicar(&janela, "cmdVOLTAR");
            QVERIFY(janela.result() == QDialog::Accepted && !janela.isVisible());
        }
    }
    QCOMPARE(guardado(db), escolha ? QVariant(qAbs(escolha)) : idioma);
    QCOMPARE(db.valor(u("SELECT VersaoBD FROM Parametro")).toString(), u("KV 22.12.15 / 1.0"));
    QCOMPARE(estado.IdiomaAtual, qint16(codigo));
    // The main window re-captions itself for 1 or 2 once the screen has closed;
    // the next screen opened speaks the new language.
    if (codigo == 1 || codigo == 2)
        Legendas::aplicarIdioma(estado.menu, Legendas::Tela::Menu, codigo);
    QTEST(menu(&principal), "menu");
    frmInformacoes proxima(estado);
    QCOMPARE(legendas(&proxima), codigo == 3 ? kPortugues : kIngles);
    QTEST(menu(&principal), "menu");
}

void TestFrmInformacoes::fatosDaMaquina()
{
    TestDb db;
    // A host name too long for the frame stops at its border.
    {
        MachineFacts::Override f({[] { return u("servidor-de-arquivos-do-laboratorio-central"); }, {}, {}});
        frmInformacoes janela(db.estado());
        QCOMPARE(texto(&janela, "lblVAR"), u("servidor-de-arquivos-do-laboratorio-central"));
        QVERIFY(filho(&janela, "lblVAR")->geometry().right() < filho(&janela, "Frame1")->width());
    }
    // No name and no user: an empty name; the user box keeps what it shows.
    {
        MachineFacts::Override f({[] { return QString(); }, [] { return std::optional<QString>(); }, {}});
        frmInformacoes janela(db.estado());
        QCOMPARE(texto(&janela, "lblVAR"), QString());
        QCOMPARE(texto(&janela, "lblUSUARIO"), QString());
        filho<QLabel>(&janela, "lblUSUARIO")->setText(u("antes"));
        QCOMPARE(janela.sUserID(), QString());
        QCOMPARE(texto(&janela, "lblUSUARIO"), u("antes"));
    }
    QCOMPARE(m_sink.count(), 0);
}

QTEST_MAIN(TestFrmInformacoes)
#include "tst_frminformacoes.moc"
