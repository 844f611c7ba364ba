#include "results/frmResultado.h"

#include "analysis/Analise.h"
#include "analysis/Veredito.h"

#include "results/Classes.h"
#include "shell/Logo.h"
#include "results/Mapa.h"
#include "results/frmMapa.h"
#include "shell/Printer.h"
#include "shell/Printers.h"
#include "results/Relatorio.h"
#include "results/RelatorioCompleto.h"

#include "shell/ArquivoCaso.h"
#include "shell/Cortes.h"
#include "shell/Figuras.h"
#include "shell/Janelas.h"
#include "shell/Fonts.h"
#include "shell/Messages.h"
#include "shell/TabelaAcessivel.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "store/DataSource.h"
#include "store/Ranking.h"
#include "store/Regional.h"
#include "store/Tables.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

constexpr int kLargura = 8805;
// The designed window is 5200 high outside and 4890 inside: the rest is
// title bar and borders.
constexpr int kAlturaCliente = 4890;
constexpr int kMoldura = 5200 - kAlturaCliente;

constexpr quint32 kCiano = Ranking::kCorEfeito;
constexpr quint32 kAmarelo = Ranking::kCorCausal;
constexpr quint32 kVerde = Ranking::kCorRaiz;
constexpr quint32 kVermelho = 0x0000FF;
constexpr quint32 kFaceBotao = 0x8000000F;
constexpr quint32 kFundoJanela = 0x80000005;

// The query leaves equal E-Machs in whatever order the engine finds them
// (an index another tool added can reverse it); the ranking everywhere else
// has them in factor order, and so has this screen and its report.
void ordenarEmpates(Recordset& rs)
{
    const auto emach = [&rs](int linha) {
        const QVariant v = rs.value(linha, u("emach"));
        return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
    };
    rs.ordenar([&](int a, int b) {
        return Ranking::antes(emach(a), rs.value(a, u("Numero")).toInt(), emach(b), rs.value(b, u("Numero")).toInt());
    });
}

QFont sansSerif(bool negrito = false)
{
    return Fontes::fonte(u("MS Sans Serif"), 8.25, negrito);
}

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int l, int t, int w, int h, bool negrito)
{
    auto* lb = new QLabel(texto, pai);
    lb->setObjectName(QString::fromLatin1(nome));
    lb->setFont(sansSerif(negrito));
    lb->setWordWrap(true);
    lb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::colocar(lb, l, t, w, h);
    return lb;
}

QLabel* amostra(QWidget* pai, const char* nome, quint32 cor, int l, int t, int w, int h)
{
    auto* lb = new QLabel(pai);
    lb->setObjectName(QString::fromLatin1(nome));
    lb->setAutoFillBackground(true);
    QPalette p = lb->palette();
    p.setColor(QPalette::Window, Cores::cor(cor));
    lb->setPalette(p);
    lb->setFrameShape(QFrame::Box);
    Twips::colocar(lb, l, t, w, h);
    return lb;
}

} // namespace

frmResultado::frmResultado(AppState& estado, const QString& sintoma, QWidget* parent)
    : QDialog(parent), m_estado(estado), m_sintomaDados(sintoma)
{
    montarLayout();
    Form_Load();
}

int frmResultado::alturaJanela(int n)
{
    return n < 6 ? 5200 : 300 * n + 3400;
}

int frmResultado::alturaGrade(int n)
{
    return 280 * n + 300;
}

QRect frmResultado::areaVeredito(int n)
{
    const int fundo = std::max(alturaJanela(n), 5200) - kMoldura - 45;
    const QRect abaixoDaGrade(360, 2250 + alturaGrade(n) + 45, 5415, 0);
    const QRect abaixoDaLegenda(6075, 2880 + 1695 + 60, 2655, 0);
    auto ate = [fundo](QRect r) { r.setBottom(fundo - 1); return r; };
    const QRect a = ate(abaixoDaGrade), b = ate(abaixoDaLegenda);
    return qint64(a.width()) * std::max(0, a.height()) >= qint64(b.width()) * std::max(0, b.height()) ? a : b;
}

void frmResultado::montarLayout()
{
    prepararJanela(this, "frmResultado", QString(), kLargura, kAlturaCliente);
    setWindowIcon(LogoKV::icone());
    definirAltura(kAlturaCliente + kMoldura);

    Data1 = new DataSource(this);
    Data1->setObjectName(u("Data1"));

    // Created in tab order: cmdSair first, cmdPrinter last.
    cmdSair = botaoFigura(this, "cmdSair", QString(), Figura::Sair, 32);
    Twips::colocar(cmdSair, 7500, 105, 990, 855);
    connect(cmdSair, &QToolButton::clicked, this, &frmResultado::cmdSair_Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(u("Image1"));
    Image1->setPixmap(QPixmap::fromImage(LogoKV::imagem()));
    Image1->setScaledContents(true);
    Twips::colocar(Image1, 375, 225, 1965, 660);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(u("Frame2"));
    Frame2->setFont(sansSerif(true));
    Twips::colocar(Frame2, 360, 1080, 6705, 1005);

    lblSintoma = new RotuloCortado(Frame2);
    lblSintoma->setObjectName(u("lblSintoma"));
    lblSintoma->setFont(Fontes::fonte(u("Arial"), 14.25, true));
    lblSintoma->setWordWrap(true);
    lblSintoma->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pv = lblSintoma->palette();
    pv.setColor(QPalette::WindowText, Cores::cor(kVermelho));
    lblSintoma->setPalette(pv);
    Twips::colocar(lblSintoma, 240, 285, 6300, 675);

    MSFlexGrid2 = new QTableWidget(this);
    MSFlexGrid2->setObjectName(u("MSFlexGrid2"));
    // Row 0 heads the columns for a screen reader, as it does on screen.
    TabelaAcessivel::instalar(MSFlexGrid2, 1, 0);
    MSFlexGrid2->setFont(Fontes::fonte(u("Arial"), 9, true));
    // Row 0 and column 0 are the grid's own fixed cells, so the cells keep the
    // flex grid's numbering; Qt's headers stay out of the way.
    MSFlexGrid2->horizontalHeader()->hide();
    MSFlexGrid2->verticalHeader()->hide();
    MSFlexGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid2->setFocusPolicy(Qt::NoFocus);
    MSFlexGrid2->setColumnCount(2);
    MSFlexGrid2->setRowCount(2);
    dicaNasCelulasCortadas(MSFlexGrid2);
    Twips::colocar(MSFlexGrid2, 360, 2250, 5415, 2355);

    Label7 = rotulo(this, "Label7", QString(), 6075, 2190, 1035, 255, false);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(u("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Twips::colocar(Combo1, 6075, 2430, 2655, 315);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(u("Frame1"));
    Twips::colocar(Frame1, 6120, 2880, 2535, 1695);
    amostra(Frame1, "Label1", kCiano, 225, 225, 390, 240);
    rotulo(Frame1, "Label2", QString(), 750, 225, 1665, 360, true);
    amostra(Frame1, "Label3", kAmarelo, 225, 690, 390, 240);
    rotulo(Frame1, "Label4", QString(), 750, 690, 1650, 240, true);
    amostra(Frame1, "Label6", kVerde, 225, 1110, 390, 240);
    rotulo(Frame1, "Label5", QString(), 750, 1110, 1650, 480, true);

    cmdPrinter = botaoFigura(this, "cmdPrinter", QString(), Figura::Impressora, 32);
    Twips::colocar(cmdPrinter, 7500, 1155, 990, 855);
    connect(cmdPrinter, &QToolButton::clicked, this, &frmResultado::cmdPrinter_Click);

    // The influence map, in the free strip between the logo and the buttons.
    cmdMapa = botaoFigura(this, "cmdMapa", QString(), Figura::Mapa, 32);
    Twips::colocar(cmdMapa, 6390, 105, 990, 855);
    connect(cmdMapa, &QToolButton::clicked, this, &frmResultado::cmdMapa_Click);
    // The case to a file, in the same strip left of the map.
    cmdExportar = botaoFigura(this, "cmdExportar", QString(), Figura::Exportar, 32);
    Twips::colocar(cmdExportar, 5295, 105, 990, 855);
    connect(cmdExportar, &QToolButton::clicked, this, &frmResultado::cmdExportar_Click);
    // The full report, in the same strip, wide enough for its caption.
    cmdRelatorio = botaoFigura(this, "cmdRelatorio", QString(), Figura::Relatorio, 32);
    Twips::colocar(cmdRelatorio, 3390, 105, 1800, 855);
    connect(cmdRelatorio, &QToolButton::clicked, this, &frmResultado::cmdRelatorio_Click);

    // The two verdicts in words; placed on loading, when n is known.
    txtVeredito = new QPlainTextEdit(this);
    txtVeredito->setObjectName(u("txtVeredito"));
    txtVeredito->setReadOnly(true);
    txtVeredito->setTabChangesFocus(true);
    txtVeredito->setFrameShape(QFrame::NoFrame);
    txtVeredito->setFont(sansSerif());
    txtVeredito->viewport()->setAutoFillBackground(false);
}

void frmResultado::nomearParaLeitores()
{
    Image1->setAccessibleName(tr("Logotipo KV"));
    MSFlexGrid2->setAccessibleName(tr("Fatores por E-Mach"));
    Frame1->setAccessibleName(tr("Legenda das cores"));
    const struct { const char* amostra; const char* legenda; const char* cor; } cores[] = {
        {"Label1", "Label2", QT_TR_NOOP("Ciano")},
        {"Label3", "Label4", QT_TR_NOOP("Amarelo")},
        {"Label6", "Label5", QT_TR_NOOP("Verde")},
    };
    for (const auto& c : cores)
        findChild<QLabel*>(u(c.amostra))->setAccessibleName(tr(c.cor) + u(": ") + findChild<QLabel*>(u(c.legenda))->text());
    Combo1->lineEdit()->setAccessibleName(Label7->text());
    Label7->setBuddy(Combo1);
}

void frmResultado::definirAltura(int twips)
{
    m_altura = twips;
    Twips::tamanhoCliente(this, kLargura, std::max(twips, 5200) - kMoldura);
}

void frmResultado::colorirLinha(int linha, CasoCsv::Classe classe)
{
    // The class, told by colour on screen, is told in words to a screen reader:
    // the legend's word for it.
    const QString palavra = Classes::legenda(classe);
    for (int c = 0; c < 2; ++c) {
        MSFlexGrid2->item(linha, c)->setBackground(Cores::cor(Ranking::cor(classe)));
        MSFlexGrid2->item(linha, c)->setData(Qt::AccessibleDescriptionRole, palavra);
    }
}

void frmResultado::retraduzir()
{
    findChild<QLabel*>(u("Label2"))->setText(Classes::legenda(CasoCsv::Classe::Efeito));
    findChild<QLabel*>(u("Label4"))->setText(Classes::legenda(CasoCsv::Classe::Causal));
    findChild<QLabel*>(u("Label5"))->setText(Classes::legenda(CasoCsv::Classe::Raiz));
    Label7->setText(tr("Impressora:"));
    cmdSair->setText(tr("&Sair"));
    cmdPrinter->setText(tr("&Imprimir"));
    setWindowTitle(tr("Resultado Emach"));
    Frame2->setTitle(tr("Objetivo a alcançar: "));
    cmdMapa->setText(Mapa::textos().mnuMapa);
    cmdExportar->setText(ArquivoCaso::mensagens().botaoExportar);
    cmdRelatorio->setText(RelatorioCompleto::textoBotao());
}

void frmResultado::mostrarVereditos()
{
    QStringList vereditos = {Veredito::consistencia(m_consistencia), Veredito::firmeza(m_robustez, m_matriz)};
    vereditos.removeAll(QString());
    txtVeredito->setPlainText(vereditos.join(QLatin1Char('\n')));
    txtVeredito->setAccessibleName(tr("Veredito"));
    txtVeredito->viewport()->setAccessibleName(txtVeredito->accessibleName());
}

void frmResultado::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) {
        retraduzir();
        mostrarVereditos();
    }
    QDialog::changeEvent(e);
}

void frmResultado::Form_Load()
{
    Traducoes::aplicar(m_estado.IdiomaAtual);
    retraduzir();
    nomearParaLeitores();

    // The combo's text is the current printer, its list every printer.
    const QString atual = Printers::atual().DeviceName;
    Combo1->setEditText(atual);
    for (const Impressora& i : Printers::lista())
        Combo1->addItem(i.DeviceName);
    Combo1->setEditText(atual);

    const int n = std::clamp(Tables::fatores(m_estado.QtdeFatores), 0, Tables::kFactorRows);
    Data1->setDatabaseName(m_estado.caminhoBanco());
    Data1->setRecordSource(Tables::consultaRanking(m_estado.caseAtual(), n));
    Data1->Refresh();
    ordenarEmpates(Data1->Recordset());

    definirAltura(alturaJanela(n));

    m_matriz = Analise::lerCaso(m_estado.BancoDados, m_estado.caseAtual()).matriz;
    m_consistencia = Consistencia::avaliar(m_matriz);
    m_robustez = Robustez::avaliar(m_matriz);
    mostrarVereditos();
    const QRect v = areaVeredito(n);
    Twips::colocar(txtVeredito, v.x(), v.y(), v.width(), v.height());

    lblSintoma->setText(m_sintomaDados);
    lblSintoma->repaint();

    // Shape the grid; every cell starts blank on the grid's own colours.
    const int alturaPx = Twips::px(alturaGrade(n));
    MSFlexGrid2->resize(Twips::px(5300), alturaPx);
    MSFlexGrid2->clearContents();
    MSFlexGrid2->setColumnCount(2);
    MSFlexGrid2->setRowCount(n + 1);
    MSFlexGrid2->setColumnWidth(0, Twips::px(4500));
    MSFlexGrid2->setColumnWidth(1, Twips::px(700));
    const int alturaLinha = std::max(1, (alturaPx - 2 * MSFlexGrid2->frameWidth()) / (n + 1));
    for (int r = 0; r <= n; ++r) {
        MSFlexGrid2->setRowHeight(r, alturaLinha);
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem;
            const bool fixa = r == 0 || c == 0;
            item->setBackground(Cores::cor(fixa ? kFaceBotao : kFundoJanela));
            item->setTextAlignment(c == 1 ? (Qt::AlignLeft | Qt::AlignBottom) : (Qt::AlignLeft | Qt::AlignVCenter));
            MSFlexGrid2->setItem(r, c, item);
        }
    }
    MSFlexGrid2->item(0, 0)->setText(u("Fatores"));
    MSFlexGrid2->item(0, 1)->setText(u("Emach"));

    Recordset& rs = Data1->Recordset();
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        for (int i = 1; i <= n; ++i) {
            if (rs.eof())
                break;
            const QVariant evento = rs.Fields(u("Evento"));
            if (!evento.isNull()) {
                const QVariant emach = rs.Fields(u("emach"));
                MSFlexGrid2->item(i, 0)->setText(evento.toString());
                if (!emach.isNull()) {
                    const double e = emach.toDouble();
                    MSFlexGrid2->item(i, 1)->setText(u("  ") + Regional::format00(e));
                    MSFlexGrid2->item(i, 1)->setData(Qt::AccessibleTextRole, Regional::format00(e));
                    colorirLinha(i, Ranking::classe(e, false));
                } else {
                    // No E-Mach yet: no number and no class.
                    MSFlexGrid2->item(i, 1)->setText(u("  "));
                }
            }
            rs.MoveNext();
        }
        if (n > 0)
            colorirLinha(n, CasoCsv::Classe::Raiz);
        rs.MoveFirst();
        MSFlexGrid2->setVisible(true);
    }
}

void frmResultado::cmdSair_Click()
{
    close();
}

void frmResultado::cmdPrinter_Click()
{
    const QDate hoje = QDate::currentDate();
    Printer::imprimirEm(this, Combo1->currentText(), [&](Printer& prn) {
        Relatorio::Dados dados;
        dados.nomeCase = m_estado.NomeCase;
        dados.sintoma = lblSintoma->text();
        dados.logo = Image1->pixmap().toImage();
        dados.data = hoje;
        Recordset& rs = Data1->Recordset();
        rs.MoveFirst();
        while (!rs.eof()) {
            dados.linhas.append({rs.Fields(u("Evento")), rs.Fields(u("emach"))});
            rs.MoveNext();
        }
        Relatorio::escrever(prn, dados);
    }, {tr("Salvar relatório em PDF"), Printers::nomeProposto(m_estado.NomeCase, hoje), tr("O relatório foi salvo em:"),
        tr("Relatório em PDF")});
}

void frmResultado::cmdMapa_Click()
{
    frmMapa::abrir(m_estado, this);
}

void frmResultado::cmdRelatorio_Click()
{
    RelatorioCompleto::imprimir(this, m_estado, Combo1->currentText());
}

void frmResultado::cmdExportar_Click()
{
    ArquivoCaso::exportar(this, m_estado.IdiomaAtual, Analise::exportacao(m_estado.BancoDados, m_estado.caseAtual()));
}
