#include "info/frmInformacoes.h"

#include "info/MachineFacts.h"
#include "shell/Fonts.h"
#include "shell/Janelas.h"
#include "shell/Gravacao.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <algorithm>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

QFont arial(double pontos) { return Fontes::fonte(u("Arial"), pontos); }

// The form's own font, which controls without a font of their own use.
QFont fontePadrao() { return Fontes::fonte(u("MS Sans Serif"), 8.25); }

QGroupBox* moldura(QWidget* pai, const char* nome, const char* titulo, int l, int t, int w, int h)
{
    auto* g = new QGroupBox(u(titulo), pai);
    g->setObjectName(QString::fromLatin1(nome));
    g->setFont(Fontes::fonte(u("MS Sans Serif"), 9.75, true));
    Twips::colocar(g, l, t, w, h);
    return g;
}

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, const QFont& fonte, Qt::Alignment lado, int l,
               int t, int w, int h)
{
    auto* r = new QLabel(texto, pai);
    r->setObjectName(QString::fromLatin1(nome));
    r->setFont(fonte);
    r->setAlignment(lado | Qt::AlignTop);
    Twips::colocar(r, l, t, w, h);
    // A box lower than its font's line would cut the descenders off the
    // name it shows.
    r->resize(r->width(), std::max(r->height(), r->fontMetrics().height()));
    return r;
}

// A fact longer than its box may use the frame's width up to the border, so
// a long host name or version label is not cut short.
void mostrar(QLabel* valor, const QString& texto, int larguraTabela)
{
    valor->setText(texto);
    const int borda = valor->parentWidget()->width() - valor->x() - 4;
    const int precisa = valor->fontMetrics().horizontalAdvance(texto) + 2;
    valor->resize(std::max(larguraTabela, std::min(precisa, borda)), valor->height());
}

QRadioButton* opcao(QGroupBox* pai, const char* nome, const char* texto, int l, int t, int w, int h)
{
    auto* o = new QRadioButton(u(texto), pai);
    o->setObjectName(QString::fromLatin1(nome));
    o->setFont(arial(8.25));
    Twips::colocar(o, l, t, w, h);
    return o;
}
} // namespace

frmInformacoes::frmInformacoes(AppState& estado, QWidget* parent) : QDialog(parent), m_estado(estado)
{
    prepararJanela(this, nullptr, QString(), 8595, 4920);

    // Built first so it leads the tab order and has the focus when the
    // screen opens.
    m_cmdVOLTAR = new QPushButton(this);
    m_cmdVOLTAR->setObjectName(QStringLiteral("cmdVOLTAR"));
    m_cmdVOLTAR->setFont(fontePadrao());
    Twips::colocar(m_cmdVOLTAR, 7065, 3375, 990, 765);
    connect(m_cmdVOLTAR, &QPushButton::clicked, this, &frmInformacoes::cmdVOLTAR_Click);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap::fromImage(imagem()));
    image1->setScaledContents(true);
    image1->setAccessibleName(tr("Logotipo KV"));
    Twips::colocar(image1, 300, 675, 3705, 1305);

    QGroupBox* frame2 = moldura(this, "Frame2", "Suporte: ", 4275, 405, 3915, 1785);
    rotulo(frame2, "Label7", u("Equipe KV: atendimento em dias úteis"), arial(9.75), Qt::AlignLeft, 225, 825, 3540,
           240);
    rotulo(frame2, "Label8", u("© Orvalis. Uso sujeito à licença."), arial(9.75), Qt::AlignLeft, 225, 1275, 3315, 240);

    QGroupBox* frame1 = moldura(this, "Frame1", "", 300, 2430, 4140, 1770);
    rotulo(frame1, "Label1", QString(), arial(8.25), Qt::AlignRight, 150, 450, 1815, 240);
    m_lblVAR = rotulo(frame1, "lblVAR", QString(), arial(8.25), Qt::AlignLeft, 2190, 450, 1815, 165);
    rotulo(frame1, "Label2", QString(), arial(8.25), Qt::AlignRight, 300, 750, 1665, 240);
    m_lblVIDEO = rotulo(frame1, "lblVIDEO", QString(), arial(8.25), Qt::AlignLeft, 2115, 750, 1440, 240);
    rotulo(frame1, "Label3", QString(), arial(8.25), Qt::AlignRight, 225, 1050, 1740, 225);
    m_lblUSUARIO = rotulo(frame1, "lblUSUARIO", QString(), arial(8.25), Qt::AlignLeft, 2190, 1050, 1815, 165);
    rotulo(frame1, "Label5", QString(), arial(8.25), Qt::AlignRight, 60, 1380, 1920, 240);
    m_lblBancoDados = rotulo(frame1, "lblBancoDados", QString(), fontePadrao(), Qt::AlignLeft, 2190, 1380, 1215, 165);

    // One group box holds the three options, so choosing one clears the others.
    QGroupBox* frame3 = moldura(this, "Frame3", "", 4905, 2685, 1575, 1500);
    m_opt1 = opcao(frame3, "opt1", "English", 225, 375, 1095, 255);
    m_opt2 = opcao(frame3, "opt2", "Espanhõl", 225, 720, 1095, 255);
    m_opt3 = opcao(frame3, "opt3", "Português", 225, 1080, 1215, 255);

    m_cmdVOLTAR->setFocus();
    Form_Load();
}

frmInformacoes::~frmInformacoes() = default;

// The captions of the language current when the screen loads. The screen
// keeps them when the language changes while it is open: it is the one that
// changes it, and closes right after.
void frmInformacoes::legendar()
{
    //: Spanish shows this screen in English
    setWindowTitle(tr("Informações Gerais"));
    findChild<QLabel*>(u("Label1"))->setText(tr("Nome do Micro na Rede:"));
    findChild<QLabel*>(u("Label2"))->setText(tr("Resolução do Vídeo:"));
    findChild<QLabel*>(u("Label3"))->setText(tr("Usuário Logado:"));
    findChild<QLabel*>(u("Label5"))->setText(tr("Versão Banco de Dados:"));
    m_cmdVOLTAR->setText(tr("&Voltar"));
    findChild<QGroupBox*>(u("Frame1"))->setTitle(tr("Especificação do Computador: "));
    findChild<QGroupBox*>(u("Frame3"))->setTitle(tr("Idioma: "));
}

void frmInformacoes::Form_Load()
{
    Traducoes::aplicar(m_estado.IdiomaAtual);
    legendar();
    mostrar(m_lblVAR, GetComputer(), Twips::px(1815));
    VideoResolution();
    sUserID();

    m_parametro = m_estado.BancoDados.OpenRecordset(u("Parametro"), dbOpenTable);
    mostrar(m_lblBancoDados, m_parametro.Fields(u("VersaoBD")).toString(), Twips::px(1215));

    // Only 1, 2 and 3 count as languages: Null, 0 or 4 open with no option
    // chosen and the screens in Portuguese.
    const QVariant idioma = m_parametro.Fields(u("Idioma"));
    bool numero = false;
    const double v = idioma.isNull() ? 0 : idioma.toDouble(&numero);
    m_estado.IdiomaAtual = 3;
    QRadioButton* opcoes[] = {m_opt1, m_opt2, m_opt3};
    if (numero && (v == 1 || v == 2 || v == 3)) {
        m_estado.IdiomaAtual = qint16(v);
        opcoes[int(v) - 1]->setChecked(true);
    }
    // The main window's caption set brings the stored language's texts with
    // it; this screen keeps those it opened with.
    if (m_estado.legendarMenu)
        m_estado.legendarMenu(m_estado.IdiomaAtual);
}

QString frmInformacoes::GetComputer() const
{
    return MachineFacts::source().computer();
}

QString frmInformacoes::sUserID()
{
    const std::optional<QString> nome = MachineFacts::source().user();
    if (!nome || nome->isEmpty())
        return QString();
    mostrar(m_lblUSUARIO, *nome, Twips::px(1815));
    return *nome;
}

void frmInformacoes::VideoResolution()
{
    const MachineFacts::ScreenTwips tela = MachineFacts::source().screen();
    mostrar(m_lblVIDEO, MachineFacts::resolutionText(tela.width, tela.height, tela.twipsPerPixelX, tela.twipsPerPixelY),
            Twips::px(1440));
}

void frmInformacoes::cmdVOLTAR_Click()
{
    qint16 escolha = 0;
    if (m_opt1->isChecked())
        escolha = 1;
    if (m_opt2->isChecked())
        escolha = 2;
    if (m_opt3->isChecked())
        escolha = 3;
    const bool gravado = Gravacao::gravar(m_estado, [&] {
        m_parametro.Edit();
        if (escolha)
            m_parametro.setField(u("Idioma"), escolha);
        // Written even when nothing was chosen: the row is simply left as it was.
        m_parametro.Update();
    });
    // A language that could not be stored is not taken up either.
    if (!gravado)
        return;
    if (escolha)
        m_estado.IdiomaAtual = escolha;
    // Every open screen that follows the language re-captions itself now.
    Traducoes::aplicar(m_estado.IdiomaAtual);
    accept();
}

void frmInformacoes::closeEvent(QCloseEvent* e)
{
    // The title bar's X and Alt+F4 leave the way "&Voltar" does.
    if (isVisible())
        cmdVOLTAR_Click();
    e->setAccepted(!isVisible());
}

QImage frmInformacoes::imagem()
{
    QImage img(285, 60, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fundo(0, 0, 285, 60);
    fundo.setColorAt(0, QColor(12, 28, 64));
    fundo.setColorAt(0.6, QColor(20, 78, 120));
    fundo.setColorAt(1, QColor(36, 128, 140));
    p.fillRect(img.rect(), fundo);

    // A small cause-and-effect sketch: four factors feeding one root.
    const QPointF raiz(92, 30);
    const QPointF fatores[] = {{18, 10}, {14, 30}, {18, 50}, {50, 8}};
    p.setPen(QPen(QColor(170, 210, 230), 1.6));
    for (const QPointF& f : fatores)
        p.drawLine(f, raiz);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 232, 244));
    for (const QPointF& f : fatores)
        p.drawEllipse(f, 4.5, 4.5);
    QRadialGradient brilho(raiz, 11);
    brilho.setColorAt(0, QColor(255, 236, 140));
    brilho.setColorAt(1, QColor(230, 150, 30));
    p.setBrush(brilho);
    p.drawEllipse(raiz, 10, 10);

    p.setPen(QColor(255, 255, 255));
    QFont marca = Fontes::fonte(u("Arial"), 1, true);
    marca.setPixelSize(34);
    p.setFont(marca);
    p.drawText(QRectF(116, 2, 90, 44), Qt::AlignLeft | Qt::AlignVCenter, u("KV"));
    QFont sub = Fontes::fonte(u("Arial"), 1);
    sub.setPixelSize(11);
    p.setFont(sub);
    p.setPen(QColor(200, 228, 238));
    p.drawText(QRectF(118, 40, 165, 16), Qt::AlignLeft | Qt::AlignVCenter, u("Análise causal  E-Mach"));
    p.end();
    return img;
}
