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
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

const QString kMaquina = QStringLiteral("ESTACAO-07");
const QString kUsuario = QStringLiteral("maria");

template <typename T> T* filho(QWidget* w, const char* nome)
{
    T* c = w->findChild<T*>(QString::fromLatin1(nome));
    if (!c)
        qFatal("control %s missing", nome);
    return c;
}

QString texto(QWidget* w, const char* nome) { return filho<QLabel>(w, nome)->text(); }
QString titulo(QWidget* w, const char* nome) { return filho<QGroupBox>(w, nome)->title(); }
QString botao(QWidget* w, const char* nome) { return filho<QAbstractButton>(w, nome)->text(); }
QString acao(QWidget* w, const char* nome) { return filho<QAction>(w, nome)->text(); }

// Start-up's rule for the current code from the stored value.
qint16 codigoInicial(const QVariant& idioma)
{
    if (!idioma.isNull() && (idioma.toInt() == 1 || idioma.toInt() == 2))
        return qint16(idioma.toInt());
    return 3;
}

// What the main window's "&Informações" handler does once the screen has
// closed: re-caption itself for code 1 or 2, leave itself alone for 3.
void aposFechar(AppState& estado)
{
    if (estado.IdiomaAtual == 1 || estado.IdiomaAtual == 2)
        Legendas::aplicarIdioma(estado.menu, Legendas::Tela::Menu, estado.IdiomaAtual);
}

QStringList menuTextos(QWidget* menu)
{
    QStringList l;
    for (const char* n : {"mnuCases", "mnuEventos", "mnuDados", "mnuUtil", "mnuSair"})
        l << acao(menu, n);
    return l;
}

QStringList legendasTela(QWidget* w)
{
    return {w->windowTitle(), texto(w, "Label1"), texto(w, "Label2"), texto(w, "Label3"), texto(w, "Label5"),
            botao(w, "cmdVOLTAR"), titulo(w, "Frame1"), titulo(w, "Frame2"), titulo(w, "Frame3"),
            botao(w, "opt1"), botao(w, "opt2"), botao(w, "opt3")};
}

const QStringList kPortugues = {u("Informações Gerais"), u("Nome do Micro na Rede:"), u("Resolução do Vídeo:"),
                                u("Usuário Logado:"), u("Versão Banco de Dados:"), u("&Voltar"),
                                u("Especificação do Computador: "), u("Suporte: "), u("Idioma: "), u("English"),
                                u("Espanhõl"), u("Português")};
const QStringList kIngles = {u("Information"), u("Computer name:"), u("Video resolution:"), u("Logged in user:"),
                             u("Version Database:"), u("&Return"), u("Computer specification: "), u("Suporte: "),
                             u("Language: "), u("English"), u("Espanhõl"), u("Português")};
const QStringList kMenuPortugues = {u("&Casos"), u("&Eventos"), u("&Análise"), u("&Informações"), u("&Sair")};
const QStringList kMenuIngles = {u("Cases"), u("Events"), u("Analysis"), u("Information"), u("Quit")};
const QStringList kMenuEspanhol = {u("&Casos"), u("Eventos"), u("Análisis"), u("Informacion"), u("Dejar")};

// The stored Idioma: a null QVariant for Null, otherwise its number.
QVariant idiomaGuardado(TestDb& db)
{
    const QVariant v = db.valor(QStringLiteral("SELECT Idioma FROM Parametro"));
    return v.isNull() ? QVariant() : QVariant(v.toInt());
}

QList<bool> opcoes(QWidget* w)
{
    return {filho<QRadioButton>(w, "opt1")->isChecked(), filho<QRadioButton>(w, "opt2")->isChecked(),
            filho<QRadioButton>(w, "opt3")->isChecked()};
}

void clicar(QWidget* w, const char* nome)
{
    QTest::mouseClick(filho<QAbstractButton>(w, nome), Qt::LeftButton);
}
} // namespace

class TestFrmInformacoes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void desenho();
    void carregar_data();
    void carregar();
    void trocarParaEspanhol();
    void trocarParaPortugues();
    void voltarSemOpcao();
    void fecharSemVoltar();
    void fatosDaMaquina();

private:
    std::unique_ptr<MachineFacts::Override> m_fatos;
    RecordingSink m_sink;
};

void TestFrmInformacoes::initTestCase()
{
    Fontes::instalarSubstituicoes();
    m_fatos = std::make_unique<MachineFacts::Override>(MachineFacts::Source{
        [] { return kMaquina; }, [] { return std::optional<QString>(kUsuario); },
        [] { return MachineFacts::ScreenTwips{1920.0 * 15, 1080.0 * 15, 15, 15}; }});
}

void TestFrmInformacoes::desenho()
{
    TestDb db;
    frmInformacoes janela(db.estado());

    QCOMPARE(janela.size(), QSize(573, 328));
    QCOMPARE(legendasTela(&janela), kPortugues);

    // Children sit inside their frames, placed relative to them.
    struct Lugar { const char* nome; const char* pai; QRect r; };
    const Lugar lugares[] = {
        {"Image1", nullptr, QRect(20, 45, 247, 87)},
        {"Frame2", nullptr, QRect(285, 27, 261, 119)},
        {"Label7", "Frame2", QRect(15, 55, 236, 16)},
        {"Label8", "Frame2", QRect(15, 85, 221, 16)},
        {"Frame1", nullptr, QRect(20, 162, 276, 118)},
        {"Label1", "Frame1", QRect(10, 30, 121, 16)},
        {"Label2", "Frame1", QRect(20, 50, 111, 16)},
        {"Label3", "Frame1", QRect(15, 70, 116, 15)},
        {"Label5", "Frame1", QRect(4, 92, 128, 16)},
        {"Frame3", nullptr, QRect(327, 179, 105, 100)},
        {"opt1", "Frame3", QRect(15, 25, 73, 17)},
        {"opt2", "Frame3", QRect(15, 48, 73, 17)},
        {"opt3", "Frame3", QRect(15, 72, 81, 17)},
        {"cmdVOLTAR", nullptr, QRect(471, 225, 66, 51)},
    };
    for (const Lugar& l : lugares) {
        QWidget* w = filho<QWidget>(&janela, l.nome);
        QCOMPARE(w->parentWidget()->objectName(), l.pai ? QString::fromLatin1(l.pai) : QString());
        QCOMPARE(w->geometry(), l.r);
    }
    // The value boxes keep their place; they are at least one line high so
    // no descender is cut off, and at least as wide as drawn, wider when the
    // fact needs it, up to the frame's border.
    const struct { const char* nome; int x; int y; int largura; } valores[] = {
        {"lblVAR", 146, 30, 121}, {"lblVIDEO", 141, 50, 96}, {"lblUSUARIO", 146, 70, 121},
        {"lblBancoDados", 146, 92, 81}};
    for (const auto& v : valores) {
        QLabel* l = filho<QLabel>(&janela, v.nome);
        QCOMPARE(l->parentWidget()->objectName(), u("Frame1"));
        QCOMPARE(l->pos(), QPoint(v.x, v.y));
        QVERIFY(l->width() >= v.largura);
        QVERIFY(l->geometry().right() < l->parentWidget()->width());
        QVERIFY(l->height() >= 11);
        QVERIFY(l->height() >= l->fontMetrics().height());
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
    QCOMPARE(texto(&janela, "lblBancoDados"), u("KV 22.12.15 / 1.0"));

    for (const char* nome : {"Label1", "Label2", "Label3", "Label5"})
        QVERIFY(filho<QLabel>(&janela, nome)->alignment() & Qt::AlignRight);

    // Fonts: bold 9.75 frame titles, Arial 8.25 labels and options, Arial
    // 9.75 support lines, the form's own font for the version.
    for (const char* nome : {"Frame1", "Frame2", "Frame3"}) {
        const QFont f = filho<QGroupBox>(&janela, nome)->font();
        QCOMPARE(f.family(), u("MS Sans Serif"));
        QCOMPARE(f.pointSizeF(), 9.75);
        QVERIFY(f.bold());
    }
    for (const char* nome : {"Label1", "lblVAR", "Label2", "lblVIDEO", "Label3", "lblUSUARIO", "Label5", "opt1",
                             "opt2", "opt3"}) {
        const QFont f = filho<QWidget>(&janela, nome)->font();
        QCOMPARE(f.family(), u("Arial"));
        QCOMPARE(f.pointSizeF(), 8.25);
        QVERIFY(!f.bold());
    }
    for (const char* nome : {"Label7", "Label8"}) {
        QLabel* l = filho<QLabel>(&janela, nome);
        QCOMPARE(l->font().family(), u("Arial"));
        QCOMPARE(l->font().pointSizeF(), 9.75);
        QVERIFY(!l->text().isEmpty());
        // Our own support and legal lines fit their boxes.
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
    const QFont versao = filho<QLabel>(&janela, "lblBancoDados")->font();
    QCOMPARE(versao.family(), janela.font().family());
    QCOMPARE(versao.pointSizeF(), janela.font().pointSizeF());
    QVERIFY(!versao.bold());

    // Image1: our 285 x 60 picture, stretched over the whole control.
    QLabel* image1 = filho<QLabel>(&janela, "Image1");
    QCOMPARE(image1->pixmap().size(), QSize(285, 60));
    QVERIFY(image1->hasScaledContents());
    const QImage figura = frmInformacoes::imagem();
    QCOMPARE(figura.size(), QSize(285, 60));
    QVERIFY(figura.pixelColor(5, 5) != figura.pixelColor(280, 55));

    // The return button leads the tab order and has the focus on opening.
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    janela.activateWindow();
    QCOMPARE(janela.focusWidget(), filho<QWidget>(&janela, "cmdVOLTAR"));
    QTest::keyClick(&janela, Qt::Key_Tab);
    QCOMPARE(janela.focusWidget()->objectName(), u("opt1"));

    // The three options are one group.
    clicar(&janela, "opt1");
    clicar(&janela, "opt3");
    QCOMPARE(opcoes(&janela), (QList<bool>{false, false, true}));
    clicar(&janela, "opt2");
    QCOMPARE(opcoes(&janela), (QList<bool>{false, true, false}));
    QCOMPARE(m_sink.count(), 0);
}

void TestFrmInformacoes::carregar_data()
{
    QTest::addColumn<QVariant>("guardado");
    QTest::addColumn<qint16>("codigoAntes");
    QTest::addColumn<QList<bool>>("marcadas");
    QTest::addColumn<QStringList>("legendas");
    QTest::addColumn<qint16>("codigo");
    QTest::addColumn<QStringList>("menu");

    QTest::newRow("1 English") << QVariant(1) << qint16(1) << QList<bool>{true, false, false} << kIngles << qint16(1)
                               << kMenuIngles;
    // The Spanish set of this screen carries the English texts.
    QTest::newRow("2 Spanish") << QVariant(2) << qint16(2) << QList<bool>{false, true, false} << kIngles << qint16(2)
                               << kMenuEspanhol;
    QTest::newRow("3 Portuguese") << QVariant(3) << qint16(3) << QList<bool>{false, false, true} << kPortugues
                                  << qint16(3) << kMenuPortugues;
    QTest::newRow("0") << QVariant(0) << qint16(3) << QList<bool>{false, false, false} << kPortugues << qint16(3)
                       << kMenuPortugues;
    QTest::newRow("4") << QVariant(4) << qint16(3) << QList<bool>{false, false, false} << kPortugues << qint16(3)
                       << kMenuPortugues;
    QTest::newRow("Null") << QVariant() << qint16(3) << QList<bool>{false, false, false} << kPortugues << qint16(3)
                          << kMenuPortugues;
    // The screen's own captions follow the code it finds; the code it leaves
    // follows the stored value.
    QTest::newRow("code 2, stored 3") << QVariant(3) << qint16(2) << QList<bool>{false, false, true} << kIngles
                                      << qint16(3) << kMenuPortugues;
    QTest::newRow("code 3, stored 1") << QVariant(1) << qint16(3) << QList<bool>{true, false, false} << kPortugues
                                      << qint16(1) << kMenuIngles;
}

void TestFrmInformacoes::carregar()
{
    QFETCH(QVariant, guardado);
    QFETCH(qint16, codigoAntes);
    QFETCH(QList<bool>, marcadas);
    QFETCH(QStringList, legendas);
    QFETCH(qint16, codigo);
    QFETCH(QStringList, menu);

    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = ?"), {guardado});
    AppState& estado = db.estado();
    Menu principal(estado);
    QCOMPARE(menuTextos(&principal), kMenuPortugues);
    estado.IdiomaAtual = codigoAntes;

    frmInformacoes janela(estado);
    QCOMPARE(opcoes(&janela), marcadas);
    QCOMPARE(legendasTela(&janela), legendas);
    QCOMPARE(estado.IdiomaAtual, codigo);
    QCOMPARE(menuTextos(&principal), menu);
    QCOMPARE(texto(&janela, "lblBancoDados"), u("KV 22.12.15 / 1.0"));
    QCOMPARE(texto(&janela, "lblVAR"), kMaquina);
    QCOMPARE(texto(&janela, "lblVIDEO"), u(" 1920 x 1080 DPI"));
    QCOMPARE(texto(&janela, "lblUSUARIO"), kUsuario);
    // Loading reads and writes nothing else.
    QCOMPARE(idiomaGuardado(db), guardado);
    QCOMPARE(m_sink.count(), 0);
}

void TestFrmInformacoes::trocarParaEspanhol()
{
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = 1"));
    AppState& estado = db.estado();
    Menu principal(estado);
    estado.IdiomaAtual = codigoInicial(1);
    Legendas::aplicarIdioma(&principal, Legendas::Tela::Menu, estado.IdiomaAtual);

    {
        frmInformacoes janela(estado);
        janela.show();
        clicar(&janela, "opt2");
        QCOMPARE(estado.IdiomaAtual, qint16(1)); // nothing happens before "&Voltar"
        clicar(&janela, "cmdVOLTAR");
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QVERIFY(!janela.isVisible());
    }
    QCOMPARE(idiomaGuardado(db), QVariant(2));
    QCOMPARE(db.valor(u("SELECT VersaoBD FROM Parametro")).toString(), u("KV 22.12.15 / 1.0"));
    QCOMPARE(estado.IdiomaAtual, qint16(2));

    // The Spanish set leaves the first item alone, so it keeps "Cases".
    aposFechar(estado);
    QCOMPARE(menuTextos(&principal),
             (QStringList{u("Cases"), u("Eventos"), u("Análisis"), u("Informacion"), u("Dejar")}));

    // The next screen opened speaks Spanish, whose set here is the English one.
    frmInformacoes proxima(estado);
    QCOMPARE(legendasTela(&proxima), kIngles);
    QCOMPARE(opcoes(&proxima), (QList<bool>{false, true, false}));
    QCOMPARE(estado.IdiomaAtual, qint16(2));

    // The store, as the next start would read it.
    QCOMPARE(db.linhas(u("SELECT Idioma FROM Parametro")).size(), 1);
    QCOMPARE(m_sink.count(), 0);
}

void TestFrmInformacoes::trocarParaPortugues()
{
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = 2"));
    AppState& estado = db.estado();
    Menu principal(estado);
    estado.IdiomaAtual = codigoInicial(2);
    Legendas::aplicarIdioma(&principal, Legendas::Tela::Menu, estado.IdiomaAtual);

    {
        frmInformacoes janela(estado);
        clicar(&janela, "opt3");
        clicar(&janela, "cmdVOLTAR");
    }
    QCOMPARE(idiomaGuardado(db), QVariant(3));
    QCOMPARE(estado.IdiomaAtual, qint16(3));

    // The main window keeps its Spanish captions until the next start...
    aposFechar(estado);
    QCOMPARE(menuTextos(&principal), kMenuEspanhol);

    // ...while the next screen opened is in Portuguese.
    frmInformacoes proxima(estado);
    QCOMPARE(legendasTela(&proxima), kPortugues);
    QCOMPARE(opcoes(&proxima), (QList<bool>{false, false, true}));
    QCOMPARE(menuTextos(&principal), kMenuEspanhol);
}

void TestFrmInformacoes::voltarSemOpcao()
{
    // No option chosen: the row is updated as it stands.
    for (const QVariant& guardado : {QVariant(0), QVariant(7), QVariant()}) {
        TestDb db;
        db.exec(u("UPDATE Parametro SET Idioma = ?"), {guardado});
        AppState& estado = db.estado();
        {
            frmInformacoes janela(estado);
            QCOMPARE(opcoes(&janela), (QList<bool>{false, false, false}));
            clicar(&janela, "cmdVOLTAR");
            QCOMPARE(janela.result(), int(QDialog::Accepted));
        }
        QCOMPARE(idiomaGuardado(db), guardado);
        QCOMPARE(db.valor(u("SELECT VersaoBD FROM Parametro")).toString(), u("KV 22.12.15 / 1.0"));
        QCOMPARE(estado.IdiomaAtual, qint16(3));
    }

    // Keeping the stored choice writes it back unchanged.
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = 1"));
    AppState& estado = db.estado();
    {
        frmInformacoes janela(estado);
        clicar(&janela, "cmdVOLTAR");
    }
    QCOMPARE(idiomaGuardado(db), QVariant(1));
    QCOMPARE(estado.IdiomaAtual, qint16(1));
}

void TestFrmInformacoes::fecharSemVoltar()
{
    TestDb db;
    db.exec(u("UPDATE Parametro SET Idioma = 1"));
    AppState& estado = db.estado();
    Menu principal(estado);
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
        QVERIFY(!janela.isVisible());
    }
    QCOMPARE(idiomaGuardado(db), QVariant(1));
    QCOMPARE(estado.IdiomaAtual, qint16(1));
    aposFechar(estado);
    QCOMPARE(menuTextos(&principal), kMenuIngles);

    {
        frmInformacoes janela(estado);
        clicar(&janela, "opt3");
        janela.reject();
    }
    QCOMPARE(idiomaGuardado(db), QVariant(1));
    QCOMPARE(estado.IdiomaAtual, qint16(1));

    // A value changed under a closed screen is what the next one loads.
    db.exec(u("UPDATE Parametro SET Idioma = 2"));
    frmInformacoes proxima(estado);
    QCOMPARE(opcoes(&proxima), (QList<bool>{false, true, false}));
    QCOMPARE(legendasTela(&proxima), kIngles);
}

void TestFrmInformacoes::fatosDaMaquina()
{
    TestDb db;
    AppState& estado = db.estado();

    // A user name of 20 characters, shown whole: no blank or zero after it,
    // and room for it in its box.
    const QString vinte = QStringLiteral("mariadasgracassouza2");
    QCOMPARE(vinte.size(), 20);
    {
        MachineFacts::Override fatos({{}, [&] { return std::optional<QString>(vinte); },
                                      [] { return MachineFacts::ScreenTwips{1024.0 * 15, 768.0 * 15, 15, 15}; }});
        frmInformacoes janela(estado);
        QLabel* usuario = filho<QLabel>(&janela, "lblUSUARIO");
        QCOMPARE(usuario->text(), vinte);
        QVERIFY(usuario->fontMetrics().horizontalAdvance(vinte) <= usuario->width());
        QCOMPARE(janela.sUserID(), vinte);
        QCOMPARE(texto(&janela, "lblVIDEO"), u(" 1024 x 768 DPI"));
    }

    // A host name longer than the frame stops at its border.
    {
        MachineFacts::Override fatos({[] { return QStringLiteral("servidor-de-arquivos-do-laboratorio-central"); }, {}, {}});
        frmInformacoes janela(estado);
        QLabel* maquina = filho<QLabel>(&janela, "lblVAR");
        QCOMPARE(maquina->text(), u("servidor-de-arquivos-do-laboratorio-central"));
        QVERIFY(maquina->geometry().right() < maquina->parentWidget()->width());
    }

    // No computer name and no user: the name is empty, the user box keeps its
    // empty design-time caption.
    {
        MachineFacts::Override fatos({[] { return QString(); }, [] { return std::optional<QString>(); }, {}});
        frmInformacoes janela(estado);
        QCOMPARE(texto(&janela, "lblVAR"), QString());
        QCOMPARE(janela.GetComputer(), QString());
        QCOMPARE(texto(&janela, "lblUSUARIO"), QString());
        filho<QLabel>(&janela, "lblUSUARIO")->setText(u("antes"));
        QCOMPARE(janela.sUserID(), QString());
        QCOMPARE(texto(&janela, "lblUSUARIO"), u("antes"));
    }

    // With the system's own facts the screen shows the system's host name and
    // the resolution of the screen it runs on.
    {
        MachineFacts::Override sistema({MachineFacts::hostName, MachineFacts::userName,
                                        [] { return MachineFacts::screenTwips(QGuiApplication::primaryScreen()); }});
        frmInformacoes janela(estado);
        QCOMPARE(texto(&janela, "lblVAR"), MachineFacts::hostName());
        const MachineFacts::ScreenTwips t = MachineFacts::screenTwips(QGuiApplication::primaryScreen());
        QCOMPARE(texto(&janela, "lblVIDEO"),
                 MachineFacts::resolutionText(t.width, t.height, t.twipsPerPixelX, t.twipsPerPixelY));
        if (const auto nome = MachineFacts::userName())
            QCOMPARE(texto(&janela, "lblUSUARIO"), *nome);
    }
}

QTEST_MAIN(TestFrmInformacoes)
#include "tst_frminformacoes.moc"
