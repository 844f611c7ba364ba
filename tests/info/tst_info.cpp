// The information screen, the machine's facts it shows, and the gradient strips (cLogo).
#include "info/MachineFacts.h"
#include "info/frmInformacoes.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "registration/frmEquipe.h"
#include "registration/frmEventos.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "shell/app/Menu.h"
#include "tests/support/Controles.h"
#include "tests/support/Faixa.h"
#include "tests/support/Respostas.h"
#include "tests/support/TestDb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QRadioButton>
#include <QScreen>

namespace {
// The options as "100", "010", "001" or "000".
QString opcoes(QWidget* w)
{
    QString s;
    for (const char* n : {"opt1", "opt2", "opt3"})
        s += filho<QRadioButton>(w, n)->isChecked() ? u'1' : u'0';
    return s;
}
// Two menu items that tell the four caption sets apart.
QString menu(QWidget* m) { return texto(m, "mnuCases") + u' ' + texto(m, "mnuSair"); }


const QString kVinte = u("mariadasgracassouza2"); // a user name of 20 characters

const QColor kFace(212, 208, 200); // the palette's button face in these tests

bool linhaLisa(const QImage& img, int y, const QColor& cor)
{
    QImage linha = img.copy(0, y, img.width(), 1);
    linha.fill(cor);
    return img.copy(0, y, img.width(), 1) == linha;
}
} // namespace

class TstInfo : public QObject {
    Q_OBJECT
    std::unique_ptr<MachineFacts::Override> m_fatos;
    Respostas m_sink; // the screen never shows a box

private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QApplication::setPalette(QPalette(kFace));
        m_fatos = std::make_unique<MachineFacts::Override>(
            MachineFacts::Source{[] { return u("ESTACAO-07"); }, [] { return std::optional<QString>(kVinte); },
                                 [] { return MachineFacts::ScreenTwips{1920.0 * 15, 1080.0 * 15, 15, 15}; }});
    }
    void cleanupTestCase() { QCOMPARE(m_sink.count(), 0); }

    void desenhoFontesEOrdemDeTabulacao()
    {
        TestDb db;
        frmInformacoes janela(db.estado());
        QCOMPARE(janela.size(), QSize(573, 328));
        // Children sit in their frames, placed relative to them.
        const struct { const char* nome; const char* pai; QRect r; } lugares[] = {
            {"Image1", "", {20, 45, 247, 87}},       {"Frame2", "", {285, 27, 261, 119}},      {"Label7", "Frame2", {15, 55, 236, 16}},
            {"Label8", "Frame2", {15, 85, 221, 16}}, {"Frame1", "", {20, 162, 276, 118}},      {"Label1", "Frame1", {10, 30, 121, 16}},
            {"Label2", "Frame1", {20, 50, 111, 16}}, {"Label3", "Frame1", {15, 70, 116, 15}},  {"Label5", "Frame1", {4, 92, 128, 16}},
            {"Frame3", "", {327, 179, 105, 100}},    {"opt1", "Frame3", {15, 25, 73, 17}},     {"opt2", "Frame3", {15, 48, 73, 17}},
            {"opt3", "Frame3", {15, 72, 81, 17}},    {"cmdVOLTAR", "", {471, 225, 66, 51}},
        };
        for (const auto& l : lugares) {
            QCOMPARE(filho(&janela, l.nome)->parentWidget()->objectName(), u(l.pai));
            QCOMPARE(filho(&janela, l.nome)->geometry(), l.r);
        }
        // The facts keep place and at least width and one line's height, grow to fit (never past the frame's border).
        const struct { const char* nome; QPoint p; int largura; QString valor; } fatos[] = {
            {"lblVAR", {146, 30}, 121, u("ESTACAO-07")}, {"lblVIDEO", {141, 50}, 96, u(" 1920 x 1080 DPI")},
            {"lblUSUARIO", {146, 70}, 121, kVinte}, {"lblBancoDados", {146, 92}, 81, u("KV 22.12.15 / 1.0")},
            {"Label7", {15, 55}, 236, texto(&janela, "Label7")}, {"Label8", {15, 85}, 221, texto(&janela, "Label8")}};
        for (const auto& f : fatos) {
            QLabel* l = filho<QLabel>(&janela, f.nome);
            QCOMPARE(l->text(), f.valor);
            QCOMPARE(l->pos(), f.p);
            QVERIFY(!f.valor.isEmpty() && l->width() >= f.largura && l->geometry().right() < l->parentWidget()->width());
            QVERIFY(l->height() >= l->fontMetrics().height() && l->fontMetrics().horizontalAdvance(f.valor) <= l->width());
        }
        QCOMPARE(janela.sUserID(), kVinte);
        for (const char* n : {"Label1", "Label2", "Label3", "Label5"})
            QVERIFY(filho<QLabel>(&janela, n)->alignment() & Qt::AlignRight);

        // Bold MS Sans Serif 9.75 frames; Arial 8.25 labels and options, 9.75 support lines; the form's font for the version.
        const struct { const char* familia; double pontos; bool negrito; std::initializer_list<const char*> nomes; } fontes[] = {
            {"MS Sans Serif", 9.75, true, {"Frame1", "Frame2", "Frame3"}},
            {"Arial", 8.25, false, {"Label1", "lblVAR", "Label2", "lblVIDEO", "Label3", "lblUSUARIO", "Label5", "opt1", "opt2",
                                    "opt3"}},
            {"Arial", 9.75, false, {"Label7", "Label8"}}};
        for (const auto& f : fontes)
            for (const char* n : f.nomes) {
                const QFont fonte = filho(&janela, n)->font();
                QVERIFY2(fonte.family() == u(f.familia) && fonte.pointSizeF() == f.pontos && fonte.bold() == f.negrito, n);
            }
        QCOMPARE(filho(&janela, "lblBancoDados")->font(), janela.font());
        auto* imagem = filho<QLabel>(&janela, "Image1");
        QVERIFY(imagem->pixmap().size() == QSize(285, 60) && imagem->hasScaledContents());

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

    void idiomaEscolhidoGuardadoAoVoltar()
    {
        // Stored value; code when opened; options checked; code after loading (screen and main window speak it);
        // option clicked (0 none, negative: the title bar's X); code after closing; the main window's items after
        // the next screen loaded. Spanish leaves "Cases" alone; Portuguese re-captions nothing until the next start.
        const struct { QVariant idioma; int antes; const char* marcadas; int carregado, escolha, codigo; const char* menu; } casos[] = {
            {1, 1, "100", 1, 2, 2, "Cases Dejar"},  {1, 1, "100", 1, -2, 2, "Cases Dejar"},   {3, 3, "001", 3, 1, 1, "Cases Quit"},
            {1, 1, "100", 1, 3, 3, "Cases Quit"},   {2, 2, "010", 2, 3, 3, "&Casos Dejar"},  {0, 3, "000", 3, 0, 3, "&Casos &Sair"},
            {4, 3, "000", 3, 0, 3, "&Casos &Sair"}, {QVariant(), 3, "000", 3, 0, 3, "&Casos &Sair"},
            {3, 2, "001", 3, 0, 3, "&Casos &Sair"}, {1, 3, "100", 1, 0, 1, "Cases Quit"},
        };
        const char* titulos[] = {"", "Information", "Information", "Informações Gerais"};
        const char* menus[] = {"", "Cases Quit", "&Casos Dejar", "&Casos &Sair"};
        const char* nomeDoArquivo[] = {"", "File &name:", "&Nombre de fichero:", "&Nome do arquivo:"};
        for (const auto& c : casos) {
            TestDb db;
            db.exec(u("UPDATE Parametro SET Idioma = ?"), {c.idioma});
            auto guardado = [&] { return db.valor(u("SELECT Idioma FROM Parametro")).toString(); };
            AppState& estado = db.estado();
            Menu principal(estado);
            estado.IdiomaAtual = qint16(c.antes);
            {
                frmInformacoes janela(estado);
                QCOMPARE(QStringList({opcoes(&janela), janela.windowTitle(), QString::number(estado.IdiomaAtual), menu(&principal)}),
                         QStringList({u(c.marcadas), u(titulos[c.antes]), QString::number(c.carregado), u(menus[c.carregado])}));
                janela.show();
                if (c.escolha)
                    clicar(&janela, qPrintable(QStringLiteral("opt%1").arg(qAbs(c.escolha))));
                QCOMPARE(guardado(), c.idioma.toString()); // nothing is stored before "&Voltar"
                if (c.escolha < 0) {
                    QTest::keyClick(&janela, Qt::Key_Escape); // no cancel button: Esc does nothing
                    QVERIFY(janela.isVisible() && janela.close()); // the X leaves as "&Voltar" does
                } else {
                    clicar(&janela, "cmdVOLTAR");
                    QVERIFY(janela.result() == QDialog::Accepted && !janela.isVisible());
                }
            }
            QCOMPARE(guardado(), c.escolha ? QString::number(qAbs(c.escolha)) : c.idioma.toString());
            QCOMPARE(db.valor(u("SELECT VersaoBD FROM Parametro")).toString(), u("KV 22.12.15 / 1.0"));
            // Qt's own dialogs follow the language at once.
            const QString dialogo = QCoreApplication::translate("QFileDialog", "File &name:");
            frmInformacoes proxima(estado);
            QCOMPARE(QStringList({QString::number(c.codigo), proxima.windowTitle(), menu(&principal), dialogo}),
                     QStringList({QString::number(estado.IdiomaAtual), u(titulos[c.codigo]), u(c.menu), u(nomeDoArquivo[c.codigo])}));
        }
    }

    // A language chosen here re-captions at once the screens open beside it, each from its own texts ("&Voltar" is
    // "Return" on one, "&Return" on another); the main window waits for its own command and never goes back.
    void trocaDeIdiomaRetraduzAsTelasAbertas()
    {
        TestDb db;
        db.exemplo(1, {}, true);
        AppState& estado = db.estado();
        Menu principal(estado);
        QVERIFY(principal.Form_Load());
        frmCases cases(estado);
        frmEventos eventos(estado);
        frmDados dados(estado);
        frmResultado resultado(estado, u("s"));
        frmEquipe equipe(estado, 1);
        const Analise::Caso caso = Analise::lerCaso(estado.BancoDados, 1);
        frmMapa mapa(estado, caso, Analise::analisar(caso.matriz));
        const struct { int opcao; const char* visto; } trocas[] = {
            {1, "Registration of Cases (Maximum 10)|Return|Number|Write and Return|&Return|Judged: 6 of 6|EMach Results|"
                "&Map|E&xport…|Team judgement|Influence map|&Casos"},
            {2, "Registro de Cases (Máximo 10)|&Volter|Número|Registro e Volver|&Volver|Juzgados: 6 de 6|Resultado E-Mach|"
                "&Mapa|E&xportar…|Juicio en equipo|Mapa de influencia|Cases"},
            {3, "Cadastramento de Casos  (Máximo  10)|&Voltar|Número|&Salvar e Sair|&Voltar|Julgados: 6 de 6|Resultado Emach|"
                "&Mapa|E&xportar…|Julgamento em equipe|Mapa de influência|Cases"},
        };
        for (const auto& t : trocas) {
            {
                frmInformacoes info(estado);
                clicar(&info, qPrintable(QStringLiteral("opt%1").arg(t.opcao)));
                clicar(&info, "cmdVOLTAR");
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            const QStringList visto{cases.windowTitle(), texto(&cases, "cmdSair"),
                                    filho<QAbstractItemView>(&eventos, "DBGrid1")->model()->headerData(0, Qt::Horizontal).toString(),
                                    texto(&eventos, "cmdSair"), texto(&dados, "cmdSair"), texto(&dados, "lblJulgados"),
                                    resultado.windowTitle(), texto(&resultado, "cmdMapa"), texto(&resultado, "cmdExportar"),
                                    equipe.windowTitle(), mapa.windowTitle(), texto(&principal, "mnuCases")};
            QCOMPARE(visto.join(u'|'), u(t.visto));
        }
    }

    void fatosDaMaquina()
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
        MachineFacts::Override f({[] { return QString(); }, [] { return std::optional<QString>(); }, {}});
        frmInformacoes janela(db.estado());
        QCOMPARE(texto(&janela, "lblVAR") + texto(&janela, "lblUSUARIO"), QString());
        filho<QLabel>(&janela, "lblUSUARIO")->setText(u("antes"));
        QCOMPARE(janela.sUserID() + u'|' + texto(&janela, "lblUSUARIO"), u("|antes"));

        // Width and height in twips, twips per pixel x and y, made whole first (halves to even); a minus
        // sign instead of the blank, no sign on zero, 15 digits whole, a point even under a decimal comma.
        const struct { double w, h, tx, ty; const char* texto; } casos[] = {
            {1024.0 * 15, 768.0 * 15, 15, 15, " 1024 x 768 DPI"}, {24000, 15000, 12.5, 12.5, " 2000 x 1250 DPI"},
            {28000, 14000, 13.5, 14.6, " 2000 x 933.333333333333 DPI"}, {1000, 22.5, 15, 15, " 66.6666666666667 x 1.5 DPI"},
            {0, 0, 0, 0, " 0 x 0 DPI"}, {-45, -0.0, 15, 15, "-3 x 0 DPI"},
            {123456789012345.0 * 15, 15, 15, 15, " 123456789012345 x 1 DPI"},
        };
        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            for (const auto& c : casos)
                QCOMPARE(MachineFacts::resolutionText(c.w, c.h, c.tx, c.ty), QString::fromLatin1(c.texto));
        }

        // The kernel's host name; 15 twips a pixel on a 96 DPI screen; a user name without padding.
        QFile nome(QStringLiteral("/proc/sys/kernel/hostname"));
        if (nome.open(QIODevice::ReadOnly))
            QCOMPARE(MachineFacts::hostName(), QString::fromLocal8Bit(nome.readAll().trimmed()));
        const QScreen* s = QGuiApplication::primaryScreen();
        if (qFuzzyCompare(s->logicalDotsPerInchX() * s->devicePixelRatio(), 96.0))
            QCOMPARE(MachineFacts::screenTwips(s).twipsPerPixelX, 15.0);
        if (const auto usuario = MachineFacts::userName())
            QVERIFY(!usuario->isEmpty() && !usuario->endsWith(QLatin1Char(' ')) && !usuario->contains(QChar(0)));
    }

    void faixas()
    {
        // From black at the bottom to the button face, worked by hand: 165 pixels give 1-pixel bands, the two lowest
        // black, the top one near the face; 6000 give bands of 23 (6000 = 260 x 23 + 20: band 260 starts above the top).
        QCOMPARE(QList<int>({cLogo::alturaFaixa(6000), cLogo::alturaFaixa(254), cLogo::alturaFaixa(510)}), QList<int>({23, 1, 2}));
        const QImage baixa = faixa(QString());
        const QImage alta = faixa(QString(), 9.75, 6000 * Twips::kPorPixel);
        QCOMPARE(baixa.size(), QSize(17, 165));
        const struct { const QImage& img; int y; QColor cor; } linhas[] = {
            {baixa, 164, {0, 0, 0}}, {baixa, 163, {0, 0, 0}}, {baixa, 162, {1, 1, 1}}, {baixa, 80, {107, 105, 101}},
            {baixa, 0, {209, 205, 198}}, {alta, 5999, {0, 0, 0}}, {alta, 5954, {0, 0, 0}}, {alta, 5953, {1, 1, 1}},
            {alta, 20, {210, 206, 198}}, {alta, 0, {210, 207, 199}},
        };
        for (const auto& l : linhas)
            QVERIFY2(linhaLisa(l.img, l.y, l.cor), qPrintable(QString::number(l.y)));

        cLogo logo; // defaults: black to the button face, kept untranslated
        QCOMPARE(QList<quint32>({logo.StartColor(), logo.EndColor()}), QList<quint32>({0, 0x8000000F}));
        LogoPicture pic;
        Twips::colocar(&pic, 0, 0, 255, 2475);
        auto pixel = [&](int y) { return pic.imagemAtual().toImage().pixelColor(5, y); };
        logo.setStartColor(0x000000FF); // no strip yet: only remembered
        pic.imagem().fill(Qt::magenta);
        logo.setDrawingObject(&pic);
        logo.setStartColor(0x000000FF); // unchanged: no repaint
        QCOMPARE(pixel(164), QColor(Qt::magenta));
        logo.setStartColor(0x0000FF00); // 0x00BBGGRR: green
        logo.setEndColor(0x00FF0000);
        QCOMPARE(QList<QColor>({pixel(164), pixel(0)}), QList<QColor>({QColor(0, 255, 0), QColor(0, 3, 252)}));
        logo.setEndColor(0x8000000F); // a system colour resolves to its colour now
        QCOMPARE(pixel(0), QColor(209, 209, 198)); // from green still

        // Ink from y = H - 16 upwards, cut at the top edge, glyph tops at x = 0.
        const QImage vazio = faixa(QString());
        const QImage img = faixa(QString::fromUtf8("Manutenção preventiva ausente na linha de produção"));
        int tinta = 0, tintaNoTopo = 0, maxX = 0;
        for (int y = 0; y < 165; ++y)
            for (int x = 0; x < 17; ++x)
                if (img.pixelColor(x, y) != vazio.pixelColor(x, y)) {
                    QVERIFY2(y < 150, "ink below H - 16");
                    ++tinta;
                    tintaNoTopo += y < 10 ? 1 : 0;
                    maxX = qMax(maxX, x);
                }
        QVERIFY(tinta > 100 && tintaNoTopo > 0 && maxX <= 15);

        // Sizes are rounded to whole points, halves to even.
        const QImage dez = faixa(QStringLiteral("Emach"), 10);
        for (double pontos : {9.75, 10.5})
            QCOMPARE(faixa(QStringLiteral("Emach"), pontos), dez);
        QVERIFY(faixa(QStringLiteral("Emach"), 9.4) != dez);
    }

    void aStripDrawnAgainFollowsEachChangeOfItsLook()
    {
        // A finished strip is kept: no change of colour may bring back the one kept before it.
        LogoPicture pic;
        Twips::colocar(&pic, 0, 0, 255, 2475);
        cLogo logo;
        logo.setDrawingObject(&pic);
        logo.setCaption(QStringLiteral("Emach"));
        auto desenhar = [&] { logo.Draw(); return pic.imagemAtual().toImage(); };
        const QImage preta = desenhar();
        pic.setForeColor(0x00FFFFFF);
        const QImage branca = desenhar();
        logo.setStartColor(0x000000FF);
        QVERIFY(branca != preta && desenhar() != branca);
    }
};

QTEST_MAIN(TstInfo)
#include "tst_info.moc"
