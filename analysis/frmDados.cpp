#include "analysis/frmDados.h"

#include "analysis/Emach.h"
#include "analysis/FlexGrid.h"
#include "info/cLogo.h"
#include "results/frmResultado.h"
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
#include "store/Regional.h"
#include "store/Tables.h"

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

// The scale: value of the clicked cell and of its mirror, opt1 to opt5.
constexpr double kCelula[5] = {10, 5, 1, 0.2, 0.1};
constexpr double kEspelho[5] = {0.1, 0.2, 1, 5, 10};

// "(1/10)", 25 blanks, "(1/5)", 30 blanks, "(1)", 31 blanks, "(5)", 25 blanks, "(10)".
QString legendaEscala()
{
    return u("(1/10)") + QString(25, u' ') + u("(1/5)") + QString(30, u' ') + u("(1)") + QString(31, u' ') + u("(5)")
        + QString(25, u' ') + u("(10)");
}

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

// One recorded pair: the cells it touched, as they were and as they became.
class frmDados::Julgamento final : public QUndoCommand {
public:
    Julgamento(frmDados& janela, Teclado::Posicao par, QVector<EstadoCelula> antes, QVector<EstadoCelula> depois)
        : m_janela(janela), m_par(par), m_antes(std::move(antes)), m_depois(std::move(depois))
    {
    }
    // Undoing puts the user back on the pair, ready to judge it again.
    void undo() override
    {
        m_janela.restaurar(m_antes);
        m_janela.irPara(m_par);
    }
    void redo() override { m_janela.restaurar(m_depois); }

private:
    frmDados& m_janela;
    Teclado::Posicao m_par;
    QVector<EstadoCelula> m_antes;
    QVector<EstadoCelula> m_depois;
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

    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setFixedRows(0);
    MSFlexGrid1->setFixedCols(1);
    MSFlexGrid1->colocar(300, 2475, 10725, 4410);
    connect(MSFlexGrid1, &FlexGrid::Click, this, &frmDados::MSFlexGrid1_Click);

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
    Label5 = new QLabel(legendaEscala(), Frame1);
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

    Form_Load();
    atualizarContagem();
    // The display gone: the judgements are saved as Back saves them.
    Encerramento::aoPerderTela(this, [this] { salvar(false); });

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
    Label1->setText(tr("O fator: "));
    Label2->setText(tr("Contribui: "));
    Label3->setText(tr("Do que o fator: "));
    Label4->setText(tr("Para: "));
    cmdSair->setText(tr("&Voltar"));
    cmdGravar->setText(tr("&Gravar"));
    cmdCalcular->setText(tr("&Analisar"));
    cmdResultado->setText(tr("&Resultado"));
    Frame1->setTitle(tr("Comparação: "));
    opt5->setText(tr("Muito menos"));
    opt4->setText(tr("Menos"));
    opt3->setText(tr("De forma igual"));
    opt2->setText(tr("Mais"));
    opt1->setText(tr("Muito Mais"));
    atualizarContagem();
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
    MSFlexGrid1->setTextMatrix(n, 0, tr("Pontos da Coluna"));
    MSFlexGrid1->setTextMatrix(n + 1, 0, tr("Normatização V 0-5"));
    desenharLogo(n + 1, m_posLogo, tr("Pontos da Linha"));
    desenharLogo(n + 2, m_posLogo + 400, tr("Normatização H 0-5"));
    desenharLogo(n + 3, m_posLogo + 850, u("Emach"));
}

void frmDados::Form_Load()
{
    Traducoes::aplicar(m_estado.IdiomaAtual);
    retraduzir();

    rsCasesDados = m_estado.BancoDados.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    rsCasesDados.setIndex(QStringLiteral("PrimaryKey"));
    rsCasesDados.Seek(QStringLiteral("="), m_estado.CaseAtual);
    if (rsCasesDados.NoMatch())
        return;

    // Another tool may have written a count the screen cannot be built for.
    const QVariant campoQtde = rsCasesDados.Fields(QStringLiteral("Qtde"));
    if (!(campoQtde.toDouble() >= 4 && campoQtde.toDouble() <= 25)) {
        recusar(campoQtde.toString(), 0);
        return;
    }
    const QString qtde = Regional::format0(campoQtde.toDouble());
    const int n = int(Regional::toNumber(qtde).value_or(0));
    m_nFatores = n;
    m_estado.QtdeFatores = qtde;

    Data1->setDatabaseName(m_estado.caminhoBanco());
    Data1->setRecordSource(Tables::consultaFatores(m_estado.caseAtual(), n));
    Data1->Refresh();
    // Rows 1 to n, every one (a table with no rows keeps its empty grid).
    const Recordset& linhas = Data1->Recordset();
    for (int r = 0; r < n && linhas.RecordCount() > 0; ++r) {
        if (r >= linhas.RecordCount() || linhas.value(r, QStringLiteral("Numero")).toInt() != r + 1) {
            recusar(qtde, r + 1);
            return;
        }
    }

    lblSintoma->setText(rsCasesDados.Fields(QStringLiteral("Sintoma")).toString());

    if (n > 16) {
        Twips::tamanhoExterno(this, 11400 + 160 * (n - 17), 8400 + 260 * (n - 17));
        Twips::colocar(cmdSair, 285, 7080 + 260 * (n - 17), 1065, 840);
    }

    MSFlexGrid1->setWidth(340 * n + 2200);
    MSFlexGrid1->setHeight(260 * n);
    MSFlexGrid1->setCols(n + 1);
    MSFlexGrid1->setRows(n);
    MSFlexGrid1->setColWidth(0, 2000);

    Recordset& rs = Data1->Recordset();
    if (rs.RecordCount() <= 0)
        return;

    const QString evento = QStringLiteral("Evento");
    rs.MoveFirst();
    for (int r = 0; r < n; ++r) {
        MSFlexGrid1->setColAlignment(r + 1, FlexGrid::flexAlignLeftBottom);
        MSFlexGrid1->setColWidth(r + 1, 350);
        const QVariant nomeFator = rs.Fields(evento);
        if (nomeFator.isNull()) {
            m_nomeFator[r + 1] = u("vago");
        } else {
            MSFlexGrid1->setTextMatrix(r, 0, nomeFator.toString());
            m_nomeFator[r + 1] = nomeFator.toString();
        }
        rs.MoveNext();
    }

    for (int c = 1; c <= n; ++c) {
        MSFlexGrid1->setRow(c - 1);
        MSFlexGrid1->setCol(c);
        MSFlexGrid1->setCellBackColor(kAzul);
    }

    rs.MoveFirst();
    m_posLogo = 2370;
    for (int k = 1; k <= n; ++k) {
        const QVariant nomeFator = rs.Fields(evento);
        const QString caption = nomeFator.isNull() ? u("Vago") : nomeFator.toString();
        rs.MoveNext();
        desenharLogo(k, m_posLogo, caption);
        m_posLogo += 345;
    }

    for (int c = 1; c <= n; ++c) {
        rs.MoveFirst();
        for (int r = 0; r < n; ++r) {
            const QVariant v = rs.Fields(Tables::campoMatriz(c));
            if (!v.isNull() && v.toDouble() > 0)
                MSFlexGrid1->setTextMatrix(r, c, Regional::numberText(v.toDouble()));
            rs.MoveNext();
        }
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
    const QVector<Teclado::Posicao> tocadas{par, {m_colunaSel - 1, m_linhaSel}, {MSFlexGrid1->Row(), MSFlexGrid1->Col()}};
    const QVector<EstadoCelula> antes = fotografar(tocadas);
    QString p;
    QString q;
    const QRadioButton* opcoes[5] = {opt1, opt2, opt3, opt4, opt5};
    for (int i = 0; i < 5; ++i) {
        if (opcoes[i]->isChecked()) {
            p = Regional::numberText(kCelula[i]);
            q = Regional::numberText(kEspelho[i]);
            break;
        }
    }
    Frame1->hide();
    MSFlexGrid1->setCellBackColor(kBranco);
    // A cell right of the diagonal in the result columns has no mirror inside
    // the grid; only the cells that exist are written.
    auto escrever = [this](int linha, int coluna, const QString& t) {
        if (linha >= 0 && linha < MSFlexGrid1->Rows() && coluna >= 0 && coluna < MSFlexGrid1->Cols())
            MSFlexGrid1->setTextMatrix(linha, coluna, t);
    };
    escrever(m_linhaSel - 1, m_colunaSel, p);
    escrever(m_colunaSel - 1, m_linhaSel, q);
    m_historico->push(new Julgamento(*this, par, antes, fotografar(tocadas)));
}

void frmDados::salvar(bool comEmach)
{
    // Nothing was loaded (no case row, no factor rows): nothing to write back.
    if (!Data1->isOpen() || Data1->Recordset().RecordCount() <= 0)
        return;
    const int n = m_nFatores;
    Recordset& rs = Data1->Recordset();
    Transaction t(Data1->connection());
    rs.MoveFirst();
    for (int r = 1; r <= n; ++r) {
        rs.Edit();
        for (int c = 1; c <= n; ++c) {
            const QString celula = MSFlexGrid1->TextMatrix(r - 1, c);
            if (Regional::isNumeric(celula))
                rs.setField(Tables::campoMatriz(c), celula);
            else
                rs.setField(Tables::campoMatriz(c), 0);
        }
        if (comEmach)
            rs.setField(QStringLiteral("emach"), MSFlexGrid1->TextMatrix(r - 1, n + 3));
        rs.Update();
        if (!rs.eof())
            rs.MoveNext();
    }
    t.commit();
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

    FlexGrid& g = *MSFlexGrid1;
    g.setCols(n + 4);
    g.setRows(n + 2);
    g.setColAlignment(n + 1, FlexGrid::flexAlignLeftBottom);
    g.setColAlignment(n + 2, FlexGrid::flexAlignLeftBottom);
    g.setColAlignment(n + 3, FlexGrid::flexAlignLeftBottom);
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

    titularAnalise();

    // A judgement off the scale (stored by another tool) is named, and
    // nothing is computed from it.
    if (const auto par = Emach::foraDaEscala(g, n)) {
        const Aviso a = Emach::avisoForaDaEscala(NomeFator(par->x() + 1), NomeFator(par->y()),
                                                        g.TextMatrix(par->x(), par->y()));
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return;
    }
    const Emach::Desfecho desfecho = Emach::calcular(g, n);
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
    frmResultado r(m_estado, lblSintoma->text(), this);
    r.exec();
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

QVector<frmDados::EstadoCelula> frmDados::fotografar(const QVector<Teclado::Posicao>& celulas) const
{
    QVector<EstadoCelula> out;
    for (const Teclado::Posicao& p : celulas) {
        const bool existe = p.linha >= 0 && p.linha < MSFlexGrid1->Rows() && p.coluna >= 0 && p.coluna < MSFlexGrid1->Cols();
        const bool repetida = std::any_of(out.begin(), out.end(), [&](const EstadoCelula& e) { return e.posicao == p; });
        if (existe && !repetida)
            out.append({p, MSFlexGrid1->TextMatrix(p.linha, p.coluna), MSFlexGrid1->fundoCelula(p.linha, p.coluna)});
    }
    return out;
}

void frmDados::restaurar(const QVector<EstadoCelula>& estados)
{
    for (const EstadoCelula& e : estados) {
        MSFlexGrid1->setTextMatrix(e.posicao.linha, e.posicao.coluna, e.texto);
        MSFlexGrid1->setFundoCelula(e.posicao.linha, e.posicao.coluna, e.fundo);
    }
    atualizarContagem();
}

void frmDados::irPara(Teclado::Posicao p)
{
    MSFlexGrid1->setRow(p.linha);
    MSFlexGrid1->setCol(p.coluna);
    MSFlexGrid1->mostrarCelula(p.linha, p.coluna);
    MSFlexGrid1_Click();
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
    cmdGravar_Click();
    if (opcao > 0) {
        if (const auto proximo = Teclado::proximoParVazio(*MSFlexGrid1, m_nFatores, atual))
            irPara(*proximo);
    }
}

void frmDados::atualizarContagem()
{
    lblJulgados->setText(Teclado::contagem(Teclado::julgados(*MSFlexGrid1, m_nFatores), m_nFatores));
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
    if (objeto == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        const Teclado::Posicao atual{MSFlexGrid1->Row(), MSFlexGrid1->Col()};
        const Teclado::Grade grade{MSFlexGrid1->Rows(), MSFlexGrid1->Cols(), MSFlexGrid1->FixedCols(),
                                   MSFlexGrid1->linhasPorPagina(), m_nFatores};
        if (const auto destino = Teclado::destino(k->key(), k->modifiers(), atual, grade)) {
            if (*destino != atual)
                irPara(*destino);
            MSFlexGrid1->setMoldura(true);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, event);
}
