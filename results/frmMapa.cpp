#include "results/frmMapa.h"

#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "analysis/Veredito.h"
#include "shell/Logo.h"
#include "results/Mapa.h"
#include "shell/Printer.h"
#include "shell/Printers.h"
#include "results/RelatorioCompleto.h"
#include "results/cMapa.h"
#include "shell/Dialogos.h"
#include "shell/Figuras.h"
#include "shell/Janelas.h"
#include "shell/Messages.h"
#include "shell/ModuloImpressao.h"
#include "shell/Traducoes.h"
#include "store/Escrita.h"

#include <QAccessibleWidget>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollArea>
#include <QSizeGrip>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <cerrno>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// Names longer than this are cut on paper, so each figure stays on one line.
constexpr int kNomeNoPapel = 24;

// The map on screen: it fills the widget and tells about the point under the mouse.
class PainelMapa final : public QWidget {
public:
    PainelMapa(std::shared_ptr<const cMapa> mapa, QWidget* pai) : QWidget(pai), m_mapa(std::move(mapa))
    {
        setObjectName(u("picMapa"));
        setMinimumSize(360, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_mapa->desenhar(p, rect());
    }

    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip) {
            auto* h = static_cast<QHelpEvent*>(e);
            const QVector<int> pontos = m_mapa->pontosEm(h->pos(), rect(), this);
            if (pontos.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(h->globalPos(), m_mapa->dica(pontos), this);
            return true;
        }
        return QWidget::event(e);
    }

private:
    std::shared_ptr<const cMapa> m_mapa;
};

// A screen reader meets the map as a picture with a name and a description.
QAccessibleInterface* mapaAcessivel(const QString&, QObject* objeto)
{
    auto* painel = dynamic_cast<PainelMapa*>(objeto);
    return painel ? new QAccessibleWidget(painel, QAccessible::Graphic) : nullptr;
}

QToolButton* botao(QWidget* pai, const char* nome, Figura figura)
{
    QToolButton* b = botaoFigura(pai, nome, QString(), figura, 32);
    b->setMinimumSize(80, 56);
    return b;
}

QLabel* sentenca(QWidget* pai, const char* nome)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = l->font();
    f.setItalic(true);
    l->setFont(f);
    return l;
}

QLabel* figuras(QWidget* pai, const char* nome)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void mostrarFiguras(QLabel* l, const QStringList& linhas)
{
    // The first line is the heading.
    QStringList html;
    for (int i = 0; i < linhas.size(); ++i) {
        const QString t = linhas[i].toHtmlEscaped();
        html << (i == 0 ? u("<b>") + t + u("</b>") : linhas[i].startsWith(u("   ")) ? u("&nbsp;&nbsp;&nbsp;") + t.trimmed() : t);
    }
    l->setText(html.join(u("<br>")));
}

} // namespace

void frmMapa::abrir(AppState& estado, QWidget* parent)
{
    Traducoes::aplicar(estado.IdiomaAtual);
    const Analise::Caso caso = Analise::lerCaso(estado.BancoDados, estado.caseAtual());
    Analise::Resultado resultado = Analise::analisar(caso.matriz);
    // Fewer than two factors cannot be normalised: refused as an empty matrix.
    if (caso.matriz.n < 2)
        resultado.desfecho = Emach::Desfecho::LinhasIguais;
    if (!resultado.completo()) {
        const Aviso a = Emach::aviso(resultado.desfecho);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return;
    }
    frmMapa janela(estado, caso, resultado, parent);
    janela.exec();
}

frmMapa::frmMapa(AppState& estado, const Analise::Caso& caso, const Analise::Resultado& resultado, QWidget* parent)
    : QDialog(parent), m_estado(estado), m_nomeCase(caso.nome.toString()), m_sintoma(caso.sintoma.toString()),
      m_matriz(caso.matriz), m_avaliacao(Consistencia::avaliar(caso.matriz)), m_robustezAvaliada(Robustez::avaliar(caso.matriz)),
      m_mapa(std::make_shared<cMapa>(resultado))
{
    prepararJanela(this, "frmMapa", QString(), 15000, 10200);
    setWindowIcon(LogoKV::icone());
    // Unlike the other windows the map grows with its window and may fill the
    // screen; it still has no minimise button, like every modal window here.
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setMinimumSize(640, 480);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
    if (auto* alca = findChild<QSizeGrip*>())
        alca->setAccessibleName(tr("Alça para redimensionar"));

    static const bool leitor = (QAccessible::installFactory(mapaAcessivel), true);
    Q_UNUSED(leitor);
    picMapa = new PainelMapa(m_mapa, this);

    auto* lado = new QWidget;
    auto* coluna = new QVBoxLayout(lado);
    coluna->setContentsMargins(4, 4, 4, 4);
    lblConsistencia = figuras(lado, "lblConsistencia");
    lblRobustez = figuras(lado, "lblRobustez");
    // The two verdicts in words first, where they are seen without scrolling; the figures behind them follow.
    lblVereditoConsistencia = sentenca(lado, "lblVereditoConsistencia");
    lblVereditoRobustez = sentenca(lado, "lblVereditoRobustez");
    coluna->addWidget(lblVereditoConsistencia);
    coluna->addWidget(lblVereditoRobustez);
    coluna->addSpacing(10);
    coluna->addWidget(lblConsistencia);
    coluna->addSpacing(10);
    coluna->addWidget(lblRobustez);
    coluna->addStretch(1);
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(lado);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QWidget* w : {static_cast<QWidget*>(rolagem), rolagem->viewport(), lado})
        w->setAccessibleName(tr("Consistência e firmeza"));

    Label7 = new QLabel;
    Label7->setObjectName(u("Label7"));
    Combo1 = new QComboBox;
    Combo1->setObjectName(u("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (const Impressora& i : Printers::lista())
        Combo1->addItem(i.DeviceName);
    Combo1->setEditText(Printers::atual().DeviceName);
    Label7->setBuddy(Combo1);

    cmdImprimir = botao(this, "cmdImprimir", Figura::Impressora);
    cmdExportar = botao(this, "cmdExportar", Figura::Exportar);
    cmdSair = botao(this, "cmdSair", Figura::Voltar);
    connect(cmdImprimir, &QToolButton::clicked, this, &frmMapa::cmdImprimir_Click);
    connect(cmdExportar, &QToolButton::clicked, this, &frmMapa::cmdExportar_Click);
    connect(cmdSair, &QToolButton::clicked, this, &frmMapa::cmdSair_Click);
    // The full report's caption is long: its picture beside it, across the column.
    cmdRelatorio = botao(this, "cmdRelatorio", Figura::Relatorio);
    cmdRelatorio->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdRelatorio->setMinimumSize(0, 44);
    cmdRelatorio->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(cmdRelatorio, &QToolButton::clicked, this, &frmMapa::cmdRelatorio_Click);
    auto* botoes = new QHBoxLayout;
    for (QToolButton* b : {cmdImprimir, cmdExportar, cmdSair})
        botoes->addWidget(b);

    auto* direita = new QVBoxLayout;
    direita->addWidget(rolagem, 1);
    direita->addWidget(Label7);
    direita->addWidget(Combo1);
    direita->addWidget(cmdRelatorio);
    setTabOrder(Combo1, cmdRelatorio);
    setTabOrder(cmdRelatorio, cmdImprimir);
    direita->addLayout(botoes);
    auto* principal = new QHBoxLayout(this);
    principal->addWidget(picMapa, 1);
    principal->addLayout(direita);
    rolagem->setFixedWidth(300);
    retraduzir();
}

frmMapa::~frmMapa() = default;

void frmMapa::retraduzir()
{
    const Mapa::Textos t = Mapa::textos();
    setWindowTitle(t.titulo);
    m_mapa->retraduzir();
    picMapa->update();
    picMapa->setAccessibleName(t.titulo);
    picMapa->setAccessibleDescription(m_mapa->descricao());
    m_consistencia = Veredito::linhasConsistencia(m_avaliacao, m_matriz, kNomeNoPapel);
    m_robustez = Veredito::linhasRobustez(m_robustezAvaliada, m_matriz, kNomeNoPapel);
    mostrarFiguras(lblConsistencia, Veredito::linhasConsistencia(m_avaliacao, m_matriz));
    mostrarFiguras(lblRobustez, Veredito::linhasRobustez(m_robustezAvaliada, m_matriz));
    lblVereditoConsistencia->setText(Veredito::consistencia(m_avaliacao));
    lblVereditoRobustez->setText(Veredito::firmeza(m_robustezAvaliada, m_matriz));
    Label7->setText(t.impressora);
    Combo1->lineEdit()->setAccessibleName(t.impressora);
    cmdImprimir->setText(t.cmdImprimir);
    cmdExportar->setText(t.cmdExportar);
    cmdSair->setText(t.cmdSair);
    cmdRelatorio->setText(RelatorioCompleto::textoBotao());
}

void frmMapa::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        retraduzir();
    QDialog::changeEvent(e);
}

void frmMapa::cmdImprimir_Click()
{
    Mapa::Pagina pg;
    pg.nomeCase = m_nomeCase;
    pg.sintoma = m_sintoma;
    pg.logo = LogoKV::imagem();
    pg.mapa = m_mapa;
    pg.consistencia = m_consistencia;
    pg.robustez = m_robustez;
    pg.data = QDate::currentDate();
    const Mapa::Textos t = Mapa::textos();
    Printer::imprimirEm(this, Combo1->currentText(), [&pg](Printer& prn) { Mapa::escrever(prn, pg); },
                        {t.salvarPdf, Printers::nomeProposto(t.titulo + u(" ") + m_nomeCase, pg.data), t.pdfSalvo, t.titulo});
}

void frmMapa::cmdExportar_Click()
{
    const Mapa::Textos t = Mapa::textos();
    const QString arquivo = EscolherArquivoGravar(this, t.dialogoExportar, QDir::home().filePath(t.titulo + u(".png")),
                                                  u("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"));
    if (arquivo.isEmpty())
        return;
    QString erro;
    if (!exportar(*m_mapa, arquivo, picMapa->size(), &erro))
        MsgBox(Escrita::mensagem(arquivo, erro), Icone::Exclamacao, t.exportarFalhou);
}

void frmMapa::cmdRelatorio_Click()
{
    RelatorioCompleto::imprimir(this, m_estado, Combo1->currentText());
}

void frmMapa::cmdSair_Click()
{
    close();
}

bool frmMapa::exportar(const cMapa& mapa, const QString& arquivo, const QSize& tamanho, QString* erro)
{
    const QString fim = QFileInfo(arquivo).suffix().toLower();
    const QRectF area(QPointF(0, 0), QSizeF(tamanho));
    // Drawn in memory, then written whole by the one checked path.
    QBuffer f;
    f.open(QIODevice::WriteOnly);
    bool ok = false;
    if (fim == u("svg")) {
        ok = ModuloImpressao::funcoes().gravarSvg(&f, tamanho, mapa.titulo(), [&](QPainter& p) { mapa.desenhar(p, area); });
    } else if (fim == u("pdf")) {
        QPdfWriter pdf(&f);
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QSizeF(tamanho) * 72.0 / 96.0, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(mapa.titulo());
        QPainter p;
        if (p.begin(&pdf)) {
            mapa.desenhar(p, QRectF(0, 0, pdf.width(), pdf.height()));
            ok = p.end();
        }
    } else {
        // PNG at twice the screen's density.
        QImage img(tamanho * 2, QImage::Format_RGB32);
        img.setDevicePixelRatio(2);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            mapa.desenhar(p, area);
        }
        ok = img.save(&f, "PNG");
    }
    f.close();
    // Only a picture too big for memory fails here; the disk's failures come below.
    *erro = ok ? Escrita::gravar(arquivo, f.data()) : Escrita::motivo(ENOMEM);
    return erro->isEmpty();
}
