#include "shell/app/Menu.h"
#include "shell/app/Dominoes.h"

#include "analysis/frmDados.h"
#include "info/frmInformacoes.h"
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "results/Mapa.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"

#include "shell/Fonts.h"
#include "shell/Janelas.h"
#include "shell/Messages.h"
#include "shell/SecondCopy.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "store/Tables.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <stdexcept>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// The desktop's way into a menu bar by keys, in every language whatever the
// captions' access keys: F10 puts the first command under the cursor, the
// arrows walk the bar, Enter runs the command; Escape or F10 again leave it
// for the control that had the focus.
class MenuPorTeclado final : public QObject {
public:
    explicit MenuPorTeclado(QMenuBar* barra) : QObject(barra), m_barra(barra)
    {
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), barra->window());
        connect(f10, &QShortcut::activated, this, [this] { m_barra->hasFocus() ? sair() : entrar(); });
        connect(barra, &QMenuBar::triggered, this, &MenuPorTeclado::sair);
        barra->installEventFilter(this);
    }

    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && m_barra->hasFocus()) {
            sair();
            return true;
        }
        return QObject::eventFilter(alvo, e);
    }

private:
    void entrar()
    {
        if (m_barra->actions().isEmpty())
            return;
        m_antes = QApplication::focusWidget();
        m_barra->setFocus(Qt::MenuBarFocusReason);
        m_barra->setActiveAction(m_barra->actions().constFirst());
    }
    void sair()
    {
        if (!m_barra->hasFocus())
            return;
        m_barra->setActiveAction(nullptr);
        if (m_antes && m_antes->isVisible())
            m_antes->setFocus(Qt::MenuBarFocusReason);
        else
            m_barra->clearFocus();
    }

    QMenuBar* m_barra;
    QPointer<QWidget> m_antes;
};

// The captions a language's set gives the main window, in the order it gives
// them; the title and "Orvalis" read the same in every language.
struct Legenda {
    const char* controle;
    const char* texto;
    bool espanhol; // whether the Spanish set lists it
};
const Legenda kConjunto[] = {
    {"mnuCases", QT_TRANSLATE_NOOP("Menu", "&Casos"), false},
    {"mnuEventos", QT_TRANSLATE_NOOP("Menu", "&Eventos"), true},
    {"mnuDados", QT_TRANSLATE_NOOP("Menu", "&Análise"), true},
    {"mnuUtil", QT_TRANSLATE_NOOP("Menu", "&Informações"), true},
    {"mnuSair", QT_TRANSLATE_NOOP("Menu", "&Sair"), true},
    {"Label1", QT_TRANSLATE_NOOP("Menu", "Análise causal pelo método E-Mach. Projeto e programação: equipe KV."), true},
};

// The Portuguese caption, which the window shows until a set replaces it.
const char* texto(const char* controle)
{
    for (const Legenda& l : kConjunto)
        if (qstrcmp(l.controle, controle) == 0)
            return l.texto;
    return "";
}

// A picture stretched to the label as it paints. A label's own stretching
// keeps a second, scaled copy and scales it on worker threads at start-up.
class FiguraEsticada final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(contentsRect(), pixmap());
    }
};

QLabel* faixa(QWidget* pai, const char* nome)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    // Tooltip-text colour behind, highlighted-text colour in front: white on
    // a black strip in the usual schemes.
    p.setColor(QPalette::Window, Cores::cor(0x80000017));
    p.setColor(QPalette::WindowText, Cores::cor(0x8000000E));
    l->setPalette(p);
    return l;
}
} // namespace

Menu::Menu(AppState& estado, QWidget* parent) : QMainWindow(parent), m_estado(estado)
{
    setWindowTitle(u("KV - Orvalis"));
    // One picture, drawn when KV was built, handed over to the label without a copy.
    QImage figura = Dominoes::imagemPronta();
    setWindowIcon(QIcon(QPixmap::fromImage(Dominoes::iconePronto())));

    // The design-time captions are the Portuguese texts themselves, shown
    // untranslated: only a language's set re-captions this window.
    const struct { const char* nome; const char* texto; void (Menu::*slot)(); } itens[] = {
        {"mnuCases", texto("mnuCases"), &Menu::mnuCases_Click},
        {"mnuEventos", texto("mnuEventos"), &Menu::mnuEventos_Click},
        {"mnuDados", texto("mnuDados"), &Menu::mnuDados_Click},
        {"mnuMapa", "&Mapa", &Menu::mnuMapa_Click},
        {"mnuUtil", texto("mnuUtil"), &Menu::mnuUtil_Click},
        {"mnuSair", texto("mnuSair"), &Menu::mnuSair_Click},
    };
    for (const auto& i : itens) {
        QAction* a = menuBar()->addAction(u(i.texto));
        a->setObjectName(QString::fromLatin1(i.nome));
        connect(a, &QAction::triggered, this, i.slot);
    }
    new MenuPorTeclado(menuBar());
    vigiarRetornoDoFoco();

    // The client area below the menu holds the picture, the two labels and
    // the status bar (its last 495 twips).
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    centro->setFixedSize(Twips::px(8985), Twips::px(6090));

    auto* image1 = new FiguraEsticada(centro);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap::fromImage(std::move(figura)));
    image1->setScaledContents(true);
    Twips::colocar(image1, 240, 360, 8460, 5040);

    QLabel* label2 = faixa(centro, "Label2");
    label2->setText(u("Orvalis"));
    label2->setFont(Fontes::fonte(u("Arial"), 36, true));
    label2->setAlignment(Qt::AlignCenter);
    Twips::colocar(label2, 780, 1320, 7425, 840);
    label2->raise();

    QLabel* label1 = faixa(centro, "Label1");
    label1->setText(u(texto("Label1")));
    label1->setFont(Fontes::fonte(u("MS Sans Serif"), 9.75));
    label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Twips::colocar(label1, 240, 5400, 8460, 255);

    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("StatusBar1"));
    barra->setSizeGripEnabled(false);
    barra->setFixedHeight(Twips::px(495));
    barra->setFont(Fontes::fonte(u("Arial"), 9));
    m_painel1 = new QLabel(barra);
    m_painel1->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    m_painel1->setFixedWidth(Twips::px(4900));
    m_painel2 = new QLabel(barra);
    m_painel2->setObjectName(QStringLiteral("StatusBar1_Panel2"));
    m_painel2->setFixedWidth(Twips::px(1800));
    for (QLabel* p : {m_painel1, m_painel2}) {
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setFont(barra->font());
        barra->addWidget(p);
    }

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_estado.menu = this;
    m_estado.escreverStatus = [this](const QString& texto) { setPainel(1, texto); };
    m_estado.legendarMenu = [this](int idioma) { aplicarConjunto(idioma); };
    comporTelas(m_estado);
}

Menu::~Menu()
{
    if (m_estado.menu == this) {
        m_estado.escreverStatus = nullptr;
        m_estado.legendarMenu = nullptr;
    }
}

void Menu::aplicarConjunto(int idioma)
{
    Traducoes::aplicar(idioma);
    // Portuguese has no set, so the captions stay until the next start.
    if (idioma != 1 && idioma != 2)
        return;
    for (const Legenda& l : kConjunto) {
        // The Spanish set leaves "&Casos" (or the English "Cases") alone.
        if (idioma == 2 && !l.espanhol)
            continue;
        const QString t = tr(l.texto);
        if (auto* a = findChild<QAction*>(QLatin1String(l.controle)))
            a->setText(t);
        else if (auto* r = findChild<QLabel*>(QLatin1String(l.controle)))
            r->setText(t);
    }
}

QString Menu::painel(int i) const
{
    return i == 1 ? m_painel1->text() : m_painel2->text();
}

void Menu::setPainel(int i, const QString& texto)
{
    (i == 1 ? m_painel1 : m_painel2)->setText(texto);
}

QString Menu::promptErro(const QString& descricao)
{
    return u("Ocorreu um erro no aplicativo.") + u("\r\n") + u("Como referência, anote o seguinte número: ") + u("\r\n")
        + u("Ref.: ") + descricao;
}

QString Menu::aviso()
{
    //: Spanish shares the Portuguese wording
    return tr("Software de análise causal KV - licenciado por Orvalis");
}

bool Menu::Form_Load()
{
    try {
        m_estado.EspacoTrabalho = &DBEngine::Workspaces(0);
        m_estado.BancoDados = m_estado.EspacoTrabalho->OpenDatabase(Tables::caminhoBanco(m_estado.pastaPrograma));
        QVariant idioma;
        {
            Recordset parametro = m_estado.BancoDados.OpenRecordset(u("Parametro"), dbOpenTable);
            idioma = parametro.Fields(u("Idioma"));
        }

        bool numero = false;
        const double v = idioma.isNull() ? 0 : idioma.toDouble(&numero);
        m_estado.IdiomaAtual = 3;
        if (numero && (v == 1 || v == 2 || v == 3))
            m_estado.IdiomaAtual = qint16(v);
        aplicarConjunto(m_estado.IdiomaAtual);

        legendarMapa();
        nomearParaLeitores();
        setPainel(1, aviso());
        //: Spanish shares the Portuguese wording
        setPainel(2, tr("Versão: 22.12.15"));

        m_copia = std::make_unique<SegundaCopia>(m_estado.pastaPrograma);
        const bool outraCopia = !m_copia->assumir();
        if (outraCopia) {
            MsgBox(tr("Programa ativo pela segunda vez, será fechado!"), Icone::Exclamacao, tr("Programa Paralizado!"));
            // A copy that cannot be ended is reported, not left running unseen.
            const QString falha = m_copia->encerrarAtivo();
            if (!falha.isEmpty())
                throw std::runtime_error(falha.toStdString());
            return false;
        }
    } catch (const std::exception& e) {
        // The start-up error box reads in Portuguese whatever the language: not translated.
        MsgBox(promptErro(QString::fromStdString(e.what())), Icone::Critico, u("Erro"));
        return false;
    }
    return true;
}

bool Menu::faltaCase(bool analise) const
{
    // The message is given for the codes 1, 2 and 3 only.
    if (m_estado.IdiomaAtual < 1 || m_estado.IdiomaAtual > 3 || !m_estado.semCase())
        return false;
    Traducoes::aplicar(m_estado.IdiomaAtual);
    // Spanish titles the two commands differently.
    MsgBox(tr("Escolha o Case a ser analisado no menu Cases"), Icone::Exclamacao,
           analise ? tr("Case não informado!", "análise") : tr("Case não informado!", "eventos"));
    return true;
}

void Menu::mnuCases_Click()
{
    frmCases janela(m_estado, this);
    janela.exec();
}

void Menu::mnuEventos_Click()
{
    if (faltaCase(false))
        return;
    frmEventos janela(m_estado, this);
    janela.exec();
}

void Menu::comporTelas(AppState& estado)
{
    estado.abrirResultado = [](AppState& e, QWidget* janela, const QString& sintoma) {
        frmResultado r(e, sintoma, janela);
        r.exec();
    };
}

void Menu::mnuDados_Click()
{
    if (faltaCase(true))
        return;
    frmDados janela(m_estado, this);
    janela.exec();
}

void Menu::mnuUtil_Click()
{
    {
        frmInformacoes janela(m_estado, this);
        janela.exec();
    }
    aplicarConjunto(m_estado.IdiomaAtual);
    legendarMapa();
    nomearParaLeitores();
}

void Menu::nomearParaLeitores()
{
    menuBar()->setAccessibleName(tr("Menu principal"));
    centralWidget()->setAccessibleName(tr("Área principal"));
    statusBar()->setAccessibleName(tr("Barra de status"));
    if (auto* figura = findChild<QLabel*>(u("Image1")))
        figura->setAccessibleName(tr("Fileira de dominós caindo"));
}

void Menu::legendarMapa()
{
    if (auto* a = findChild<QAction*>(u("mnuMapa")))
        a->setText(Mapa::textos().mnuMapa);
}

void Menu::mnuMapa_Click()
{
    if (faltaCase(true))
        return;
    frmMapa::abrir(m_estado, this);
}

void Menu::mnuSair_Click()
{
    QApplication::quit();
}
