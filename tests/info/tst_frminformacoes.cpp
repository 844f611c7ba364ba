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

QStringList menuTextos(QWidget* menu)
{
    QStringList l;
    for (const char* n : {"mnuCases", "mnuEventos", "mnuDados", "mnuUtil", "mnuSair"})
        l << filho<QAction>(menu, n)->text();
    return l;
}

QStringList legendas(QWidget* w)
{
    QStringList l{w->windowTitle()};
    for (const char* n : {"Label1", "Label2", "Label3", "Label5"})
        l << texto(w, n);
    for (const char* n : {"Frame1", "Frame2", "Frame3"})
        l << filho<QGroupBox>(w, n)->title();
    for (const char* n : {"cmdVOLTAR", "opt1", "opt2", "opt3"})
        l << filho<QAbstractButton>(w, n)->text();
    return l;
}

QList<bool> opcoes(QWidget* w)
{
    return {filho<QRadioButton>(w, "opt1")->isChecked(), filho<QRadioButton>(w, "opt2")->isChecked(),
            filho<QRadioButton>(w, "opt3")->isChecked()};
}

// The stored Idioma: a null QVariant for Null, otherwise its number.
QVariant guardado(TestDb& db)
{
    const QVariant v = db.valor(QStringLiteral("SELECT Idioma FROM Parametro"));
    return v.isNull() ? QVariant() : QVariant(v.toInt());
}

// What the main window's "&Informações" handler does once the screen has
// closed: re-caption itself for code 1 or 2, keep its captions for 3.
void aposFechar(AppState& estado)
{
    if (estado.IdiomaAtual == 1 || estado.IdiomaAtual == 2)
        Legendas::aplicarIdioma(estado.menu, Legendas::Tela::Menu, estado.IdiomaAtual);
}

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
using Opcoes = QList<bool>;
} // namespace

class TestFrmInformacoes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void desenho();
    void carregar_data();
    void carregar();
    void voltar_data();
    void voltar();
    void fecharSemVoltar();
    void fatosDaMaquina();

private:
    std::unique_ptr<MachineFacts::Override> m_fatos;
    RecordingSink m_sink; // the screen never shows a box
};

void TestFrmInformacoes::initTestCase()
{
    Fontes::instalarSubstituicoes();
    m_fatos = std::make_unique<MachineFacts::Override>(
        MachineFacts::Source{[] { return u("ESTACAO-07"); }, [] { return std::optional<QString>(u("maria")); },
                             [] { return MachineFacts::ScreenTwips{1920.0 * 15, 1080.0 * 15, 15, 15}; }});
}

void TestFrmInformacoes::desenho()
{
    TestDb db;
    frmInformacoes janela(db.estado());
    QCOMPARE(janela.size(), QSize(573, 328));
    QCOMPARE(legendas(&janela), kPortugues);

    // Twips at 15 a pixel; children sit in their frames, placed relative to them.
    const struct { const char* nome; const char* pai; QRect r; } lugares[] = {
        {"Image1", "", QRect(20, 45, 247, 87)},         {"Frame2", "", QRect(285, 27, 261, 119)},
        {"Label7", "Frame2", QRect(15, 55, 236, 16)},   {"Label8", "Frame2", QRect(15, 85, 221, 16)},
        {"Frame1", "", QRect(20, 162, 276, 118)},       {"Label1", "Frame1", QRect(10, 30, 121, 16)},
        {"Label2", "Frame1", QRect(20, 50, 111, 16)},   {"Label3", "Frame1", QRect(15, 70, 116, 15)},
        {"Label5", "Frame1", QRect(4, 92, 128, 16)},    {"Frame3", "", QRect(327, 179, 105, 100)},
        {"opt1", "Frame3", QRect(15, 25, 73, 17)},      {"opt2", "Frame3", QRect(15, 48, 73, 17)},
        {"opt3", "Frame3", QRect(15, 72, 81, 17)},      {"cmdVOLTAR", "", QRect(471, 225, 66, 51)},
    };
    for (const auto& l : lugares) {
        QCOMPARE(filho(&janela, l.nome)->parentWidget()->objectName(), QString::fromLatin1(l.pai));
        QCOMPARE(filho(&janela, l.nome)->geometry(), l.r);
    }
    // The facts keep their place and at least their width, one line high at
    // least, wider when the text needs it but never past the frame's border.
    const struct { const char* nome; QPoint p; int largura; } valores[] = {
        {"lblVAR", {146, 30}, 121}, {"lblVIDEO", {141, 50}, 96}, {"lblUSUARIO", {146, 70}, 121},
        {"lblBancoDados", {146, 92}, 81}};
    for (const auto& v : valores) {
        QLabel* l = filho<QLabel>(&janela, v.nome);
        QCOMPARE(l->parentWidget()->objectName(), u("Frame1"));
        QCOMPARE(l->pos(), v.p);
        QVERIFY(l->width() >= v.largura && l->geometry().right() < l->parentWidget()->width());
        QVERIFY(l->height() >= l->fontMetrics().height());
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
    for (const char* n : {"Label1", "Label2", "Label3", "Label5"})
        QVERIFY(filho<QLabel>(&janela, n)->alignment() & Qt::AlignRight);

    // Fonts: bold 9.75 frames; Arial 8.25 labels and options; Arial 9.75 for
    // our own support lines (which fit); the form's font for the version.
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

    QLabel* image1 = filho<QLabel>(&janela, "Image1");
    QCOMPARE(image1->pixmap().size(), QSize(285, 60));
    QVERIFY(image1->hasScaledContents());

    // "&Voltar" leads the tab order; the three options are one group.
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(janela.focusWidget()->objectName(), u("cmdVOLTAR"));
    QTest::keyClick(&janela, Qt::Key_Tab);
    QCOMPARE(janela.focusWidget()->objectName(), u("opt1"));
    clicar(&janela, "opt3");
    clicar(&janela, "opt2");
    QCOMPARE(opcoes(&janela), (Opcoes{false, true, false}));
}

void TestFrmInformacoes::carregar_data()
{
    QTest::addColumn<QVariant>("idioma");
    QTest::addColumn<qint16>("antes");
    QTest::addColumn<Opcoes>("marcadas");
    QTest::addColumn<QStringList>("tela");
    QTest::addColumn<qint16>("codigo");
    QTest::addColumn<QStringList>("menu");

    QTest::newRow("1") << QVariant(1) << qint16(1) << Opcoes{true, false, false} << kIngles << qint16(1) << kMenuEn;
    // The Spanish set of this screen carries the English texts.
    QTest::newRow("2") << QVariant(2) << qint16(2) << Opcoes{false, true, false} << kIngles << qint16(2) << kMenuEs;
    QTest::newRow("3") << QVariant(3) << qint16(3) << Opcoes{false, false, true} << kPortugues << qint16(3) << kMenuPt;
    QTest::newRow("0") << QVariant(0) << qint16(3) << Opcoes{false, false, false} << kPortugues << qint16(3) << kMenuPt;
    QTest::newRow("4") << QVariant(4) << qint16(3) << Opcoes{false, false, false} << kPortugues << qint16(3) << kMenuPt;
    QTest::newRow("Null") << QVariant() << qint16(3) << Opcoes{false, false, false} << kPortugues << qint16(3)
                          << kMenuPt;
    // The screen's captions follow the code it finds; the code it leaves
    // follows the stored value.
    QTest::newRow("code 2, stored 3") << QVariant(3) << qint16(2) << Opcoes{false, false, true} << kIngles << qint16(3)
                                      << kMenuPt;
    QTest::newRow("code 3, stored 1") << QVariant(1) << qint16(3) << Opcoes{true, false, false} << kPortugues
                                      << qint16(1) << kMenuEn;
}

void TestFrmInformacoes::carregar()
{
    QFETCH(QVariant, idioma);
    QFETCH(qint16, antes);
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = ?"), {idioma});
    Menu principal(db.estado());
    db.estado().IdiomaAtual = antes;

    frmInformacoes janela(db.estado());
    QTEST(opcoes(&janela), "marcadas");
    QTEST(legendas(&janela), "tela");
    QTEST(db.estado().IdiomaAtual, "codigo");
    QTEST(menuTextos(&principal), "menu");
    QCOMPARE(texto(&janela, "lblBancoDados"), u("KV 22.12.15 / 1.0"));
    QCOMPARE(texto(&janela, "lblVAR"), u("ESTACAO-07"));
    QCOMPARE(texto(&janela, "lblVIDEO"), u(" 1920 x 1080 DPI"));
    QCOMPARE(texto(&janela, "lblUSUARIO"), u("maria"));
    QCOMPARE(guardado(db), idioma); // loading writes nothing
}

void TestFrmInformacoes::voltar_data()
{
    QTest::addColumn<QVariant>("idioma");
    QTest::addColumn<QString>("escolha");
    QTest::addColumn<QVariant>("gravado");
    QTest::addColumn<qint16>("codigo");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QStringList>("proxima");

    // Spanish leaves the first menu item alone, so it keeps "Cases".
    QTest::newRow("English to Spanish") << QVariant(1) << u("opt2") << QVariant(2) << qint16(2) << kMenuEnEs << kIngles;
    QTest::newRow("Portuguese to English") << QVariant(3) << u("opt1") << QVariant(1) << qint16(1) << kMenuEn << kIngles;
    // Portuguese: the main window keeps its captions until the next start,
    // while the next screen opened speaks Portuguese.
    QTest::newRow("Spanish to Portuguese") << QVariant(2) << u("opt3") << QVariant(3) << qint16(3) << kMenuEs
                                           << kPortugues;
    QTest::newRow("English to Portuguese") << QVariant(1) << u("opt3") << QVariant(3) << qint16(3) << kMenuEn
                                           << kPortugues;
    QTest::newRow("English kept") << QVariant(1) << QString() << QVariant(1) << qint16(1) << kMenuEn << kIngles;
    // Nothing chosen: the row is updated as it stands.
    QTest::newRow("0, none") << QVariant(0) << QString() << QVariant(0) << qint16(3) << kMenuPt << kPortugues;
    QTest::newRow("Null, none") << QVariant() << QString() << QVariant() << qint16(3) << kMenuPt << kPortugues;
}

void TestFrmInformacoes::voltar()
{
    QFETCH(QVariant, idioma);
    QFETCH(QString, escolha);
    QFETCH(QVariant, gravado);
    QFETCH(qint16, codigo);
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = ?"), {idioma});
    AppState& estado = db.estado();
    Menu principal(estado);
    estado.IdiomaAtual = qint16(idioma.isNull() || idioma.toInt() > 2 || idioma.toInt() < 1 ? 3 : idioma.toInt());
    Legendas::aplicarIdioma(&principal, Legendas::Tela::Menu, estado.IdiomaAtual);

    {
        frmInformacoes janela(estado);
        janela.show();
        if (!escolha.isEmpty())
            clicar(&janela, qPrintable(escolha));
        QCOMPARE(guardado(db), idioma); // nothing reaches the store before "&Voltar"
        clicar(&janela, "cmdVOLTAR");
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QVERIFY(!janela.isVisible());
    }
    QCOMPARE(guardado(db), gravado);
    QCOMPARE(db.valor(u("SELECT VersaoBD FROM Parametro")).toString(), u("KV 22.12.15 / 1.0"));
    QCOMPARE(estado.IdiomaAtual, codigo);
    aposFechar(estado);
    QTEST(menuTextos(&principal), "menu");

    frmInformacoes proxima(estado);
    QTEST(legendas(&proxima), "proxima");
    QTEST(menuTextos(&principal), "menu");
}

void TestFrmInformacoes::fecharSemVoltar()
{
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = 1"));
    AppState& estado = db.estado();
    estado.IdiomaAtual = 1;
    {
        frmInformacoes janela(estado);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        clicar(&janela, "opt2");
        // Esc is no way out: the screen has no cancel button.
        QTest::keyClick(&janela, Qt::Key_Escape);
        QVERIFY(janela.isVisible());
        QVERIFY(janela.close());
    }
    {
        frmInformacoes janela(estado);
        clicar(&janela, "opt3");
        janela.reject();
    }
    QCOMPARE(guardado(db), QVariant(1));
    QCOMPARE(estado.IdiomaAtual, qint16(1));
}

void TestFrmInformacoes::fatosDaMaquina()
{
    TestDb db;
    // A user name of 20 characters is shown whole, with room in its box.
    const QString vinte = u("mariadasgracassouza2");
    {
        MachineFacts::Override f({{}, [&] { return std::optional<QString>(vinte); },
                                  [] { return MachineFacts::ScreenTwips{1024.0 * 15, 768.0 * 15, 15, 15}; }});
        frmInformacoes janela(db.estado());
        QLabel* usuario = filho<QLabel>(&janela, "lblUSUARIO");
        QCOMPARE(usuario->text(), vinte);
        QVERIFY(usuario->fontMetrics().horizontalAdvance(vinte) <= usuario->width());
        QCOMPARE(janela.sUserID(), vinte);
        QCOMPARE(texto(&janela, "lblVIDEO"), u(" 1024 x 768 DPI"));
    }
    // A host name too long for the frame stops at its border.
    {
        MachineFacts::Override f({[] { return u("servidor-de-arquivos-do-laboratorio-central"); }, {}, {}});
        frmInformacoes janela(db.estado());
        QLabel* maquina = filho<QLabel>(&janela, "lblVAR");
        QCOMPARE(maquina->text(), u("servidor-de-arquivos-do-laboratorio-central"));
        QVERIFY(maquina->geometry().right() < maquina->parentWidget()->width());
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
