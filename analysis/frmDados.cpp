#include "analysis/frmDados.h"

#include "analysis/Analise.h"
#include "analysis/GradeMatriz.h"
#include "analysis/Painel.h"
#include "info/cLogo.h"
#include "shell/Cortes.h"
#include "shell/Figuras.h"
#include "shell/Janelas.h"
#include "shell/Fonts.h"
#include "shell/Encerramento.h"
#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Escala.h"
#include "store/Recuperacao.h"
#include "store/Regional.h"
#include "store/Tables.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>


namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

constexpr quint32 kAzul = 0x00FF0000;
constexpr quint32 kAmarelo = 0x0000FFFF;
constexpr quint32 kCiano = 0x00FFFF00;
constexpr quint32 kBranco = 0x00FFFFFF;

// The tallest client area that still fits a 1366 x 768 screen under its
// title bar, with room for a desktop panel.
const int kAlturaMaxima = 768 - Twips::px(Twips::kMolduraAltura) - 40;

QLabel* rotulo(QWidget* pai, const char* nome, const char* texto, const QFont& fonte)
{
    auto* l = new RotuloCortado(u(texto), pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFont(fonte);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

// An option button whose caption wraps onto a second line when it is wider
// than the button, beside an indicator centred on the button's height.
class OpcaoQuebrada final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton o;
        initStyleOption(&o);
        const QString texto = o.text;
        o.text.clear();
        p.drawControl(QStyle::CE_RadioButton, o);
        const QRect indicador = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, this);
        const QRect area(indicador.right() + 5, 0, width() - indicador.right() - 5, height());
        p.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                       isEnabled(), texto, QPalette::WindowText);
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QRadioButton* opcao(QWidget* pai, const char* nome, const char* texto, const QFont& fonte)
{
    auto* o = new OpcaoQuebrada(u(texto), pai);
    o->setObjectName(QString::fromLatin1(nome));
    o->setFont(fonte);
    return o;
}
} // namespace

// One recorded pair: the cells it touched (the pair, its mirror, the clicked
// cell) with their colours, as they were and as they became.
class frmDados::Julgamento final : public QUndoCommand {
public:
    Julgamento(frmDados& janela, Teclado::Posicao par, QVector<ModeloMatriz::Estado> antes, QVector<ModeloMatriz::Estado> depois)
        : m_janela(janela), m_par(par), m_antes(std::move(antes)), m_depois(std::move(depois))
    {
    }
    // Undoing puts the user back on the pair, ready to judge it again.
    void undo() override
    {
        m_janela.m_modelo->alterar(m_antes);
        m_janela.irPara(m_par);
    }
    void redo() override { m_janela.m_modelo->alterar(m_depois); }

private:
    frmDados& m_janela;
    Teclado::Posicao m_par;
    QVector<ModeloMatriz::Estado> m_antes;
    QVector<ModeloMatriz::Estado> m_depois;
};

frmDados::frmDados(AppState& estado, QWidget* parent) : QDialog(parent), m_estado(estado)
{
    prepararJanela(this, "frmDados", QString(), 11475, 8295);

    m_picLogo.resize(kLogos + 1);
    for (int k = 1; k <= kLogos; ++k) {
        auto* pic = new LogoPicture(this);
        pic->setObjectName(QStringLiteral("picLogo(%1)").arg(k));
        pic->setFont(Fontes::fonte(u("Arial"), 9.75, true));
        // White letters: every caption starts in the dark end of the gradient.
        pic->setForeColor(0x00FFFFFF);
        Twips::colocar(pic, 0, 0, 255, 2475);
        pic->hide();
        m_picLogo[k] = pic;
    }

    m_modelo = new ModeloMatriz(this);
    MSFlexGrid1 = new GradeMatriz(m_modelo, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->colocar(300, 2475, 10725, 4410);
    // A click's yellow stays; the keys' last mark goes first.
    connect(MSFlexGrid1, &GradeMatriz::Click, this, [this] {
        apagarMarca();
        MSFlexGrid1_Click();
    });

    cmdCalcular = botaoFigura(this, "cmdCalcular", QString(), Figura::Analisar, 24);
    Twips::colocar(cmdCalcular, 720, 345, 1140, 840);
    connect(cmdCalcular, &QToolButton::clicked, this, &frmDados::cmdCalcular_Click);
    cmdResultado = botaoFigura(this, "cmdResultado", QString(), Figura::Resultado, 24);
    Twips::colocar(cmdResultado, 720, 1320, 1140, 840);
    cmdResultado->hide();
    cmdResultado->setEnabled(false);
    connect(cmdResultado, &QToolButton::clicked, this, &frmDados::cmdResultado_Click);
    cmdSair = botaoFigura(this, "cmdSair", QString(), Figura::Voltar, 24);
    Twips::colocar(cmdSair, 285, 7155, 1065, 840);
    connect(cmdSair, &QToolButton::clicked, this, &frmDados::cmdSair_Click);

    Data1 = new DataSource(this);
    Data1->setObjectName(QStringLiteral("Data1"));

    // The comparison panel reads as one sentence, top to bottom.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(Fontes::fonte(u("MS Sans Serif"), 9.75, true));
    // Opaque, as a frame is: the grid must not show through the sentence.
    Frame1->setAutoFillBackground(true);
    Twips::colocar(Frame1, 1605, 4335, 9300, 3705);
    const QFont texto = Fontes::fonte(u("Arial"), 12);
    const QFont nome = Fontes::fonte(u("Arial"), 14.25, true);
    Label1 = rotulo(Frame1, "Label1", "", texto);
    Twips::colocar(Label1, 300, 405, 1260, 240);
    lblFatorX = rotulo(Frame1, "lblFatorX", "", nome);
    Twips::colocar(lblFatorX, 1695, 390, 7095, 675);
    Label2 = rotulo(Frame1, "Label2", "", texto);
    Twips::colocar(Label2, 300, 1245, 1365, 360);
    opt5 = opcao(Frame1, "opt5", "", texto);
    Twips::colocar(opt5, 1770, 1125, 1365, 585);
    opt4 = opcao(Frame1, "opt4", "", texto);
    Twips::colocar(opt4, 3300, 1245, 1155, 350);
    opt3 = opcao(Frame1, "opt3", "", texto);
    Twips::colocar(opt3, 4740, 1125, 1755, 585);
    opt2 = opcao(Frame1, "opt2", "", texto);
    Twips::colocar(opt2, 6660, 1125, 1155, 585);
    opt1 = opcao(Frame1, "opt1", "", texto);
    Twips::colocar(opt1, 7980, 1125, 1140, 585);
    Label5 = new QLabel(Escala::legenda(), Frame1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(false);
    // The legend and the button keep the window's font, not the frame's.
    Label5->setFont(font());
    Twips::colocar(Label5, 2175, 1725, 6615, 240);
    Label3 = rotulo(Frame1, "Label3", "", texto);
    Twips::colocar(Label3, 300, 2055, 1260, 600);
    lblFatorY = rotulo(Frame1, "lblFatorY", "", nome);
    Twips::colocar(lblFatorY, 1695, 2055, 7080, 750);
    Label4 = rotulo(Frame1, "Label4", "", texto);
    Twips::colocar(Label4, 300, 2910, 945, 345);
    lblSintoma = rotulo(Frame1, "lblSintoma", "", nome);
    Twips::colocar(lblSintoma, 1695, 2895, 5835, 690);
    for (QLabel* l : {lblFatorX, lblFatorY, lblSintoma}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(p);
    }
    cmdGravar = botaoFigura(Frame1, "cmdGravar", QString(), Figura::Gravar, 24);
    cmdGravar->setFont(font());
    Twips::colocar(cmdGravar, 8085, 2700, 990, 855);
    connect(cmdGravar, &QToolButton::clicked, this, &frmDados::cmdGravar_Click);
    Frame1->hide();
    Frame1->raise();

    // The running count sits in the free band above the names column.
    lblJulgados = new QLabel(this);
    lblJulgados->setObjectName(QStringLiteral("lblJulgados"));
    Twips::colocar(lblJulgados, 300, 2205, 2000, 240);
    m_historico = new QUndoStack(this);
    MSFlexGrid1->installEventFilter(this);
    // Ahead of the filter that keeps Escape from closing the window.
    installEventFilter(this);
    connect(m_modelo, &ModeloMatriz::julgamentosMudaram, this, &frmDados::atualizarContagem);

    // The contradictions, counted after every change of a judgement.
    lblContradicoes = new QLabel(this);
    lblContradicoes->setObjectName(QStringLiteral("lblContradicoes"));
    chkContradicoes = new QCheckBox(this);
    chkContradicoes->setObjectName(QStringLiteral("chkContradicoes"));
    connect(m_modelo, &ModeloMatriz::julgamentosMudaram, this, &frmDados::atualizarContradicoes);
    connect(chkContradicoes, &QCheckBox::toggled, this, &frmDados::atualizarContradicoes);

    Form_Load();
    atualizarContagem();
    colocarContradicoes();
    // The display gone: the judgements are saved as Back saves them.
    Encerramento::aoPerderTela(this, [this] { salvar(false); });
    // Until they are saved, every change also goes into the recovery file.
    if (!m_recusada && m_nFatores > 0) {
        if (m_baseRecuperacao.n() == m_nFatores && m_modelo->fatores() == m_nFatores) {
            m_recuperavel = true;
            connect(m_modelo, &ModeloMatriz::julgamentosMudaram, this, &frmDados::guardarRecuperacao);
        }
    }

    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

frmDados::~frmDados() = default;

QString frmDados::NomeFator(int k) const
{
    return k >= 0 && k < m_nomeFator.size() ? m_nomeFator[k] : QString();
}

LogoPicture* frmDados::picLogo(int k) const
{
    return k >= 1 && k <= kLogos ? m_picLogo[k] : nullptr;
}

cLogo& frmDados::Logo()
{
    if (!m_logo)
        m_logo = std::make_unique<cLogo>();
    return *m_logo;
}

void frmDados::desenharLogo(int k, int left, const QString& caption)
{
    // Only 28 strips exist: enough for the 25 factors and 3 result columns.
    LogoPicture* pic = picLogo(k);
    if (!pic)
        return;
    Twips::colocar(pic, left, 0, 255, 2475);
    pic->show();
    // A screen reader reads the strip's caption, which is only painted.
    pic->setAccessibleName(caption);
    Logo().setDrawingObject(pic);
    Logo().setCaption(caption);
    Logo().Draw();
}

void frmDados::liberarGrade()
{
    // From 17 factors on the enlarged grid reaches under Back: Back moves
    // below the grid and the window grows to hold it, so no result is hidden.
    const int fundo = MSFlexGrid1->Top() + MSFlexGrid1->Height();
    if (Twips::twips(cmdSair->y()) >= fundo)
        return;
    const int topo = fundo + 90;
    Twips::colocar(cmdSair, 285, topo, 1065, 840);
    setFixedHeight(qMax(height(), Twips::px(topo + 840 + 90)));
}

void frmDados::retraduzir()
{
    setWindowTitle(tr("Entrada de dados para análise"));
    MSFlexGrid1->setAccessibleName(tr("Matriz de comparações"));
    Label1->setText(tr("O fator: "));
    Label2->setText(tr("Contribui: "));
    Label3->setText(tr("Do que o fator: "));
    Label4->setText(tr("Para: "));
    cmdSair->setText(tr("&Voltar"));
    cmdGravar->setText(tr("&Gravar"));
    cmdCalcular->setText(tr("&Analisar"));
    cmdResultado->setText(tr("&Resultado"));
    cmdCalcular->setToolTip(tr("Analisar a matriz (Ctrl+Enter)"));
    cmdResultado->setToolTip(tr("Abrir o resultado (Ctrl+Enter)"));
    Frame1->setTitle(tr("Comparação: "));
    opt5->setText(tr("Muito menos"));
    opt4->setText(tr("Menos"));
    opt3->setText(tr("De forma igual"));
    opt2->setText(tr("Mais"));
    opt1->setText(tr("Muito Mais"));
    atualizarContagem();
    if (chkContradicoes) {
        chkContradicoes->setText(tr("&Mostrar contradições"));
        atualizarContradicoes();
    }
    if (m_nFatores > 0 && MSFlexGrid1->Cols() == m_nFatores + 4)
        titularAnalise();
}

void frmDados::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retraduzir();
    QDialog::changeEvent(event);
}

void frmDados::titularAnalise()
{
    const int n = m_nFatores;
    //: Spanish shows these headings in Portuguese
    m_modelo->setTextMatrix(n, 0, tr("Pontos da Coluna"));
    m_modelo->setTextMatrix(n + 1, 0, tr("Normatização V 0-5"));
    desenharLogo(n + 1, m_posLogo, tr("Pontos da Linha"));
    desenharLogo(n + 2, m_posLogo + 400, tr("Normatização H 0-5"));
    desenharLogo(n + 3, m_posLogo + 850, u("Emach"));
    // A screen reader reads the figures' columns under the strips' captions.
    for (int k = n + 1; k <= n + 3; ++k)
        if (const LogoPicture* pic = picLogo(k))
            m_modelo->setTituloColuna(k, pic->accessibleName());
}

void frmDados::Form_Load()
{
    Traducoes::aplicar(m_estado.IdiomaAtual);
    retraduzir();

    // The case is read once, for the grid and the recovery file alike.
    const Analise::Caso caso = Analise::lerCaso(m_estado.BancoDados, m_estado.caseAtual());
    if (!caso.encontrado)
        return;
    // Another tool may have written a count the screen cannot be built for.
    const int n = caso.qtde;
    if (n < 4 || n > 25) {
        recusar(caso.campoQtde.toString(), 0);
        return;
    }
    const QString qtde = Regional::format0(n);
    m_nFatores = n;
    m_estado.QtdeFatores = qtde;

    // The rows the saves walk; each save runs the query again.
    Data1->setDatabaseName(m_estado.caminhoBanco());
    Data1->setRecordSource(Tables::consultaFatores(m_estado.caseAtual(), n));
    // Rows 1 to n, every one (a table with no rows keeps its empty grid).
    if (caso.linhaFaltando) {
        recusar(qtde, caso.linhaFaltando);
        return;
    }

    lblSintoma->setText(caso.sintoma.toString());

    if (n > 16) {
        Twips::tamanhoExterno(this, 11400 + 160 * (n - 17), 8400 + 260 * (n - 17));
        Twips::colocar(cmdSair, 285, 7080 + 260 * (n - 17), 1065, 840);
    }

    MSFlexGrid1->setWidth(340 * n + 2200);
    MSFlexGrid1->setHeight(260 * n);
    m_modelo->setCols(n + 1);
    m_modelo->setRows(n);
    MSFlexGrid1->setColWidth(0, 2000);

    if (caso.linhasLidas <= 0)
        return;

    QStringList fatores;
    for (int r = 0; r < qMin(n, caso.linhasLidas); ++r)
        fatores << caso.matriz.nomes[r].toString();
    m_baseRecuperacao = Recuperacao::doCaso(m_estado.BancoDados, m_estado.caseAtual(), fatores);

    // Names and judgements, each cell holding the number it shows.
    m_modelo->carregar(caso.matriz);
    for (int r = 0; r < n; ++r) {
        MSFlexGrid1->setColAlignment(r + 1, ModeloMatriz::flexAlignLeftBottom);
        MSFlexGrid1->setColWidth(r + 1, 350);
        m_nomeFator[r + 1] = caso.matriz.nome(r);
    }

    for (int c = 1; c <= n; ++c) {
        MSFlexGrid1->setRow(c - 1);
        MSFlexGrid1->setCol(c);
        MSFlexGrid1->setCellBackColor(kAzul);
    }

    m_posLogo = 2370;
    for (int k = 1; k <= n; ++k) {
        const QVariant& nomeFator = caso.matriz.nomes[k - 1];
        desenharLogo(k, m_posLogo, nomeFator.isNull() ? u("Vago") : nomeFator.toString());
        m_posLogo += 345;
    }
}

void frmDados::recusar(const QString& qtde, int linhaFaltando)
{
    const QString caso = QString::number(m_estado.caseAtual());
    MsgBox(linhaFaltando
               ? tr("A tabela %1 do case %2 não tem a linha de fator %3; a análise precisa das linhas 1 a %4.")
                     .arg(Tables::TabelaEventos(m_estado.caseAtual()), caso)
                     .arg(linhaFaltando)
                     .arg(qtde)
               : tr("O case %1 tem \"%2\" como quantidade de fatores; a análise aceita de 4 a 25. Corrija no cadastro de casos.")
                     .arg(caso, qtde),
           Icone::Exclamacao, tr("Dados do case inválidos"));
    m_recusada = true;
    m_nFatores = 0; // no grid was built
}

int frmDados::exec()
{
    return m_recusada ? QDialog::Rejected : QDialog::exec();
}

void frmDados::limparOpcoes()
{
    for (QRadioButton* o : {opt1, opt2, opt3, opt4, opt5}) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

void frmDados::MSFlexGrid1_Click()
{
    cmdResultado->setEnabled(false);
    limparOpcoes();
    m_linhaSel = MSFlexGrid1->Row() + 1;
    m_colunaSel = MSFlexGrid1->Col();
    if (m_colunaSel > m_linhaSel) {
        Frame1->show();
        colocarPainel();
        lblFatorY->setText(NomeFator(m_colunaSel));
        lblFatorX->setText(NomeFator(m_linhaSel));
        MSFlexGrid1->setCellBackColor(kAmarelo);
    } else {
        Frame1->hide();
    }
}

void frmDados::cmdGravar_Click()
{
    // The pair, its mirror and the painted cell, as they stand, for undo.
    const Teclado::Posicao par{m_linhaSel - 1, m_colunaSel};
    const Teclado::Posicao espelho{m_colunaSel - 1, m_linhaSel};
    const Teclado::Posicao atual{MSFlexGrid1->Row(), MSFlexGrid1->Col()};
    QString p;
    QString q;
    const QRadioButton* opcoes[5] = {opt1, opt2, opt3, opt4, opt5};
    for (int i = 0; i < 5; ++i) {
        if (opcoes[i]->isChecked()) {
            const int nivel = Escala::nivelDaOpcao(i + 1);
            p = Escala::texto(nivel);
            q = Escala::texto(Escala::espelho(nivel));
            break;
        }
    }
    if (!m_painelFica)
        Frame1->hide();
    // A cell right of the diagonal in the result columns has no mirror inside
    // the grid; only the cells that exist are written.
    QVector<ModeloMatriz::Estado> antes, depois;
    for (const Teclado::Posicao& c : {par, espelho, atual}) {
        const bool existe = c.linha >= 0 && c.linha < m_modelo->Rows() && c.coluna >= 0 && c.coluna < m_modelo->Cols();
        const bool repetida = std::any_of(antes.begin(), antes.end(),
                                          [&](const ModeloMatriz::Estado& e) { return e.linha == c.linha && e.coluna == c.coluna; });
        if (!existe || repetida)
            continue;
        antes.append(m_modelo->estado(c.linha, c.coluna));
        // Undo gives back the cell as it was under the keys' mark; coming back to it marks it again.
        if (c == atual && m_marca && m_marca->celula == atual)
            antes.last().fundo = m_marca->fundo;
        ModeloMatriz::Estado e = antes.last();
        if (c == atual)
            e.fundo = kBranco;
        if (c == par)
            e.texto = p;
        else if (c == espelho)
            e.texto = q;
        depois.append(e);
    }
    m_historico->push(new Julgamento(*this, par, antes, depois));
}

void frmDados::salvar(bool comEmach)
{
    // Nothing was loaded (no case row, no factor rows): nothing to write back.
    if (m_modelo->fatores() <= 0)
        return;
    const int n = m_nFatores;
    // The file is checked and held for this writer before its rows are read.
    Transaction t(m_estado.BancoDados.connection());
    Data1->Refresh();
    Recordset& rs = Data1->Recordset();
    if (rs.RecordCount() <= 0)
        return;
    rs.MoveFirst();
    for (int r = 1; r <= n; ++r) {
        rs.Edit();
        // Each cell as the number it shows; an empty cell is 0.
        for (int c = 1; c <= n; ++c)
            rs.setField(Tables::campoMatriz(c), m_modelo->valor(r - 1, c));
        if (comEmach)
            rs.setField(QStringLiteral("emach"), m_calculo.emach.value(r - 1));
        rs.Update();
        if (!rs.eof())
            rs.MoveNext();
    }
    t.commit();
    if (m_recuperacao)
        m_recuperacao->descartar();
    else if (m_recuperavel)
        Recuperacao::remover(m_estado.BancoDados);
}

void frmDados::guardarRecuperacao()
{
    Recuperacao::Dados d = m_baseRecuperacao;
    d.valores = m_modelo->matriz().valores;
    d.quando = QDateTime::currentDateTime();
    // The writer's thread starts with the first change: a screen only looked at never needs it.
    if (!m_recuperacao)
        m_recuperacao = std::make_unique<Recuperacao::Gravador>(m_estado.BancoDados);
    m_recuperacao->guardar(std::move(d));
}

bool frmDados::Gravar_Fatores()
{
    return Gravacao::gravar(m_estado, [this] { salvar(false); });
}

bool frmDados::Gravar2_Fatores()
{
    return Gravacao::gravar(m_estado, [this] { salvar(true); });
}

void frmDados::cmdCalcular_Click()
{
    const int n = m_nFatores;

    Frame1->hide();
    if (!Gravar_Fatores())
        return;
    cmdCalcular->hide();
    cmdResultado->show();

    GradeMatriz& g = *MSFlexGrid1;
    m_modelo->setCols(n + 4);
    m_modelo->setRows(n + 2);
    g.setColAlignment(n + 1, ModeloMatriz::flexAlignLeftBottom);
    g.setColAlignment(n + 2, ModeloMatriz::flexAlignLeftBottom);
    g.setColAlignment(n + 3, ModeloMatriz::flexAlignLeftBottom);
    g.setColWidth(n + 1, 400);
    g.setColWidth(n + 2, 400);
    g.setColWidth(n + 3, 500);
    g.setRow(n + 1);
    g.setCol(n + 1);

    for (int r = 0; r < n; ++r) {
        g.setRow(r);
        g.setCol(n + 1);
        g.setCellBackColor(kAmarelo);
        g.setCol(n + 2);
        g.setCellBackColor(kAmarelo);
        g.setCol(n + 3);
        g.setCellBackColor(kCiano);
    }
    for (int c = 1; c <= n; ++c) {
        g.setCol(c);
        g.setRow(n);
        g.setCellBackColor(kAmarelo);
        g.setRow(n + 1);
        g.setCellBackColor(kAmarelo);
    }

    g.setWidth(g.Width() + 1300);
    g.setHeight(g.Height() + 500);
    liberarGrade();
    colocarContradicoes();

    titularAnalise();

    // The figures go into their cells as far as the computation came; a
    // judgement off the scale (stored by another tool) is named instead.
    const Emach::Desfecho desfecho = Emach::calcular(m_modelo->matriz(), m_calculo);
    m_modelo->mostrarCalculo(m_calculo);
    if (desfecho == Emach::Desfecho::ForaDaEscala) {
        const QPoint par = m_calculo.foraDaEscala;
        const Aviso a = Emach::avisoForaDaEscala(NomeFator(par.x() + 1), NomeFator(par.y() + 1),
                                                 g.TextMatrix(par.x(), par.y() + 1));
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return;
    }
    if (desfecho != Emach::Desfecho::Completo) {
        const Aviso a = Emach::aviso(desfecho);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return;
    }

    if (!Gravar2_Fatores()) {
        // Analysing again saves again.
        cmdResultado->hide();
        cmdCalcular->show();
        return;
    }
    cmdResultado->setEnabled(true);
}

void frmDados::cmdResultado_Click()
{
    cmdResultado->hide();
    cmdSair->hide();
    if (m_estado.abrirResultado)
        m_estado.abrirResultado(m_estado, this, lblSintoma->text());
    // The matrix was saved by the analysis: leaving needs no save.
    accept();
}

void frmDados::cmdSair_Click()
{
    if (Gravar_Fatores())
        accept();
}

void frmDados::closeEvent(QCloseEvent* event)
{
    // The title bar's X and Alt+F4 leave the way Back does, saving first.
    if (isVisible())
        cmdSair_Click();
    event->setAccepted(!isVisible());
}

void frmDados::irPara(Teclado::Posicao p)
{
    apagarMarca();
    MSFlexGrid1->setRow(p.linha);
    MSFlexGrid1->setCol(p.coluna);
    MSFlexGrid1->mostrarCelula(p.linha, p.coluna);
    const std::optional<quint32> fundo = m_modelo->fundo(p.linha, p.coluna);
    MSFlexGrid1_Click();
    if (m_modelo->fundo(p.linha, p.coluna) == kAmarelo)
        m_marca = Marca{p, fundo};
}

void frmDados::apagarMarca()
{
    // A judgement recorded since has painted the cell white: that stays.
    if (m_marca && m_marca->celula.linha < m_modelo->Rows() && m_marca->celula.coluna < m_modelo->Cols()
        && m_modelo->fundo(m_marca->celula.linha, m_marca->celula.coluna) == kAmarelo)
        m_modelo->setFundo(m_marca->celula.linha, m_marca->celula.coluna, m_marca->fundo);
    m_marca.reset();
}

void frmDados::analisarOuResultado()
{
    for (QToolButton* b : {cmdCalcular, cmdResultado}) {
        if (!b->isHidden() && b->isEnabled()) {
            b->click();
            return;
        }
    }
}

void frmDados::julgarPorTecla(int opcao)
{
    const Teclado::Posicao atual{MSFlexGrid1->Row(), MSFlexGrid1->Col()};
    // Only where a click would open the panel: a cell right of the diagonal.
    if (atual.coluna <= atual.linha + 1)
        return;
    if (m_linhaSel != atual.linha + 1 || m_colunaSel != atual.coluna)
        MSFlexGrid1_Click();
    limparOpcoes();
    QRadioButton* opcoes[5] = {opt1, opt2, opt3, opt4, opt5};
    if (opcao > 0)
        opcoes[opcao - 1]->setChecked(true);
    // A level goes on to the next empty pair, whose panel is this one: it
    // stays up rather than vanishing and coming back over the grid.
    m_painelFica = opcao > 0;
    cmdGravar_Click();
    m_painelFica = false;
    const auto proximo = opcao > 0 ? Teclado::proximoParVazio(m_modelo->matriz(), atual) : std::nullopt;
    if (proximo)
        irPara(*proximo);
    else
        Frame1->hide();
}

void frmDados::colocarContradicoes()
{
    // Under the comparison panel's foot; from 22 factors (and after an analysis) the grid reaches lower.
    const int topo = std::max(m_pePainel + 15, MSFlexGrid1->Top() + MSFlexGrid1->Height() + 15);
    const bool desceu = m_pePainel > 4335 + 3705;
    if (!desceu && Twips::px(topo + 240) > height()) {
        // At 17 factors the window is shorter than at 16 and ends just under the
        // panel: the line stands in the corner right of the grid and its header
        // strips instead, above every place the panel takes.
        int direita = MSFlexGrid1->geometry().right();
        for (const LogoPicture* pic : std::as_const(m_picLogo))
            if (pic && !pic->isHidden())
                direita = std::max(direita, pic->geometry().right());
        const int esquerda = direita + 1 + Twips::px(120), largura = width() - esquerda - Twips::px(90);
        if (largura >= std::max(chkContradicoes->sizeHint().width(), lblContradicoes->sizeHint().width())) {
            chkContradicoes->setGeometry(esquerda, Twips::px(345), largura, Twips::px(240));
            lblContradicoes->setGeometry(esquerda, Twips::px(645), largura, Twips::px(240));
            return;
        }
    }
    Twips::colocar(chkContradicoes, 1605, topo, 3200, 240);
    Twips::colocar(lblContradicoes, 4905, topo, 2600, 240);
    // Where the panel has stepped down (or no corner holds them), the window
    // grows for them as it does for Back, and stays on the screen.
    if (Twips::px(topo + 240) > height()) {
        setFixedHeight(Twips::px(topo + 240));
        if (const QScreen* tela = screen()) {
            const QRect livre = tela->availableGeometry();
            if (isVisible() && frameGeometry().bottom() > livre.bottom())
                move(x(), std::max(livre.top(), livre.bottom() + 1 - frameGeometry().height()));
        }
    }
}

void frmDados::colocarPainel()
{
    // Never over the pair being judged: the panel steps below or above its row.
    QRect celula = MSFlexGrid1->cellRect(MSFlexGrid1->Row(), MSFlexGrid1->Col());
    if (!celula.isEmpty())
        celula.translate(MSFlexGrid1->pos());
    const Painel::Limites limites{Twips::rect(1605, 4335, 9300, 3705), MSFlexGrid1->y(), Twips::px(15 + 240), height(),
                                  kAlturaMaxima, Twips::px(30)};
    const QRect lugar = Painel::lugar(limites, celula);
    Frame1->setGeometry(lugar);
    const int pe = Twips::twips(lugar.bottom() + 1);
    if (pe > m_pePainel) {
        m_pePainel = pe;
        colocarContradicoes();
    }
}

void frmDados::atualizarContradicoes()
{
    if (!lblContradicoes)
        return;
    m_contradicoes = Consistencia::avaliar(m_modelo->matriz());
    lblContradicoes->setText(tr("Contradições: %1").arg(m_contradicoes.d));
    QVector<QPoint> celulas;
    const int n = m_contradicoes.n;
    for (int i = 0; chkContradicoes->isChecked() && i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (m_contradicoes.contradiz(i, j))
                celulas << QPoint(i, j + 1); // the model takes (row, column)
    m_modelo->setContornos(celulas);
}

void frmDados::irParaContradicao(bool paraTras)
{
    // Asking for the next contradiction shows them all.
    chkContradicoes->setChecked(true);
    const Consistencia::Par atual{MSFlexGrid1->Row(), MSFlexGrid1->Col() - 1};
    if (const auto par = Consistencia::proximaContradicao(m_contradicoes, atual, paraTras))
        irPara({par->linha, par->coluna + 1});
}

void frmDados::atualizarContagem()
{
    lblJulgados->setText(Teclado::contagem(Teclado::julgados(m_modelo->matriz()), m_nFatores));
}

bool frmDados::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = k->modifiers() & ~Qt::KeypadModifier;
        const bool ctrl = mods == Qt::ControlModifier;
        if (const int opcao = Teclado::opcaoDaTecla(k->key(), k->modifiers())) {
            julgarPorTecla(opcao);
        } else if ((k->key() == Qt::Key_Delete || k->key() == Qt::Key_Backspace) && mods == Qt::NoModifier) {
            julgarPorTecla(0);
        } else if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && ctrl) {
            // Alt+R is both Result and Return in English: this route works in every language.
            analisarOuResultado();
            return true;
        } else if (k->key() == Qt::Key_F8 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
            irParaContradicao(mods == Qt::ShiftModifier);
        } else if (k->key() == Qt::Key_Z && ctrl) {
            m_historico->undo();
        } else if ((k->key() == Qt::Key_Y && ctrl) || (k->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier))) {
            m_historico->redo();
        } else {
            return QDialog::event(event);
        }
        // The keys judge in the grid: it keeps the focus and shows its frame.
        MSFlexGrid1->setFocus();
        MSFlexGrid1->setMoldura(true);
        return true;
    }
    return QDialog::event(event);
}

bool frmDados::eventFilter(QObject* objeto, QEvent* event)
{
    // Escape puts the panel away unjudged, as a click on the diagonal does; with
    // the panel hidden it does what it does on every window (nothing).
    if (objeto == this && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && !Frame1->isHidden()) {
        Frame1->hide();
        limparOpcoes();
        MSFlexGrid1->setFocus();
        return true;
    }
    if (objeto == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        const Teclado::Posicao atual{MSFlexGrid1->Row(), MSFlexGrid1->Col()};
        const Teclado::Grade grade{MSFlexGrid1->Rows(), MSFlexGrid1->Cols(), 1, MSFlexGrid1->linhasPorPagina(), m_nFatores};
        if (const auto destino = Teclado::destino(k->key(), k->modifiers(), atual, grade)) {
            if (*destino != atual)
                irPara(*destino);
            MSFlexGrid1->setMoldura(true);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, event);
}
