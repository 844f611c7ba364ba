#include "registration/frmCases.h"

#include "analysis/Analise.h"

#include "registration/Componentes.h"
#include "registration/frmEquipe.h"
#include "registration/Verificacao.h"
#include "shell/Cortes.h"
#include "shell/Figuras.h"
#include "shell/Janelas.h"
#include "shell/ArquivoCaso.h"
#include "shell/Fonts.h"
#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Regional.h"
#include "store/RecordsetModel.h"
#include "store/Tables.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// A box's text for the store: an empty box is the empty text, never Null.
QString textoDe(const QLineEdit* caixa)
{
    const QString t = caixa->text();
    return t.isNull() ? QStringLiteral("") : t;
}

QLabel* rotulo(QWidget* pai, const char* nome, const char* texto, int l, int t, int w, int h)
{
    auto* r = new QLabel(u(texto), pai);
    r->setObjectName(QString::fromLatin1(nome));
    r->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Twips::colocar(r, l, t, w, h);
    return r;
}

QLineEdit* caixa(QWidget* pai, const char* nome, int l, int t, int w, int h)
{
    auto* c = new QLineEdit(pai);
    c->setObjectName(QString::fromLatin1(nome));
    Twips::colocar(c, l, t, w, h);
    return c;
}
} // namespace

frmCases::frmCases(AppState& estado, QWidget* parent) : QDialog(parent), m_estado(estado)
{
    montarTela();
    Form_Load();
}

frmCases::~frmCases() = default;

void frmCases::montarTela()
{
    prepararJanela(this, "frmCases", QString(), 10275, 5745);

    m_data1 = new DataSource(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    m_data1->setRecordSource(QStringLiteral("Cases"));
    m_data2 = new DataSource(this);
    m_data2->setObjectName(QStringLiteral("Data2"));
    m_data2->setDatabaseName(QStringLiteral("\\KV\\CONTROLE.mdb"));
    m_data2->setRecordSource(QStringLiteral("Eventos"));

    DBGrid1 = new GradeDados(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Casos"));
    DBGrid1->setFont(Fontes::fonte(u("MS Sans Serif"), 8.25));
    m_modelo = new RecordsetModel(m_data1,
                                  {{QStringLiteral("Numero"), QString()},
                                   {QStringLiteral("Case"), u("Case")},
                                   {QStringLiteral("Sintoma"), QString()},
                                   {QStringLiteral("Qtde"), QString()}},
                                  DBGrid1);
    DBGrid1->setModel(m_modelo);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int larguras[] = {795, 3495, 3495, 705};
    for (int c = 0; c < 4; ++c)
        DBGrid1->setLarguraColuna(c, larguras[c]);
    Twips::colocar(DBGrid1, 600, 300, 9075, 2520);
    DBGrid1->mostrarLinhas(10);
    dicaNasCelulasCortadas(DBGrid1);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        DBGrid1->setCurrentIndex(i);
        DBGrid1_DblClick();
    });
    // Enter and Space choose the current row as a double click does.
    connect(DBGrid1, &GradeDados::enter, this, &frmCases::DBGrid1_DblClick);
    // The record selector at a row's left chooses the case as its cells do.
    connect(DBGrid1->verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int linha) {
        if (linha < 0)
            return;
        DBGrid1->setCurrentIndex(m_modelo->index(linha, qMax(0, DBGrid1->currentIndex().column())));
        DBGrid1_DblClick();
    });

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette azul = Label4->palette();
    azul.setColor(QPalette::WindowText, Cores::cor(0xFF0000));
    Label4->setPalette(azul);
    Twips::colocar(Label4, 600, 2820, 2790, 240);

    Label3 = rotulo(this, "Label3", "Case:", 1650, 3525, 690, 240);
    txtCase = caixa(this, "txtCase", 2400, 3450, 5500, 315);
    txtCase->setMaxLength(80);
    txtCase->setValidator(new TextoInteiro(txtCase));
    Label2 = rotulo(this, "Label2", "", 495, 3975, 1845, 465);
    Label2->setWordWrap(true);
    txtSintoma = caixa(this, "txtSintoma", 2400, 4020, 5500, 315);
    txtSintoma->setMaxLength(80);
    txtSintoma->setValidator(new TextoInteiro(txtSintoma));
    Label1 = rotulo(this, "Label1", "", 1425, 4515, 915, 390);
    Label1->setWordWrap(true);
    txtQtde = caixa(this, "txtQtde", 2400, 4590, 540, 315);
    new AoSairDaCaixa(txtQtde, [this] { return txtQtde_LostFocus(); });
    // Each box is read by its label's text.
    Label3->setBuddy(txtCase);
    Label2->setBuddy(txtSintoma);
    Label1->setBuddy(txtQtde);

    cmdLimpar = new BotaoFigura(Figura::Limpar, QString(), this);
    cmdLimpar->setObjectName(QStringLiteral("cmdLimpar"));
    Twips::colocar(cmdLimpar, 8325, 3300, 1290, 990);
    cmdLimpar->setEnabled(false);
    cmdGravar = new BotaoFigura(Figura::Gravar, QString(), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    Twips::colocar(cmdGravar, 8325, 4575, 1290, 990);
    cmdGravar->setEnabled(false);
    cmdSair = new BotaoFigura(Figura::Voltar, QString(), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    Twips::colocar(cmdSair, 150, 4650, 1140, 915);
    connect(cmdLimpar, &QPushButton::clicked, this, &frmCases::cmdLimpar_Click);
    connect(cmdGravar, &QPushButton::clicked, this, &frmCases::cmdGravar_Click);
    connect(cmdSair, &QPushButton::clicked, this, &frmCases::cmdSair_Click);
    // In the free space under the symptom box, in a row with "Gravar".
    cmdImportar = new BotaoFigura(Figura::Importar, QString(), this);
    cmdImportar->setObjectName(QStringLiteral("cmdImportar"));
    Twips::colocar(cmdImportar, 5445, 4575, 1290, 990);
    cmdExportar = new BotaoFigura(Figura::Exportar, QString(), this);
    cmdExportar->setObjectName(QStringLiteral("cmdExportar"));
    Twips::colocar(cmdExportar, 6885, 4575, 1290, 990);
    connect(cmdImportar, &QPushButton::clicked, this, &frmCases::cmdImportar_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &frmCases::cmdExportar_Click);
    // The same row, left of "Importar…".
    cmdEquipe = new BotaoFigura(Figura::Equipe, QString(), this);
    cmdEquipe->setObjectName(QStringLiteral("cmdEquipe"));
    Twips::colocar(cmdEquipe, 4005, 4575, 1290, 990);
    connect(cmdEquipe, &QPushButton::clicked, this, &frmCases::cmdEquipe_Click);

    // The grid comes first, so the window opens where a case is chosen.
    QWidget::setTabOrder(DBGrid1, txtCase);
    QWidget::setTabOrder(txtCase, txtSintoma);
    QWidget::setTabOrder(txtSintoma, txtQtde);
    QWidget::setTabOrder(txtQtde, cmdLimpar);
    QWidget::setTabOrder(cmdLimpar, cmdGravar);
    QWidget::setTabOrder(cmdGravar, cmdSair);
    QWidget::setTabOrder(cmdSair, cmdImportar);
    QWidget::setTabOrder(cmdImportar, cmdExportar);
    QWidget::setTabOrder(cmdExportar, cmdEquipe);
    DBGrid1->setFocus();
}

void frmCases::Form_Load()
{
    m_data1->setDatabaseName(m_estado.caminhoBanco());
    m_data1->setRecordSource(Tables::consultaCases());
    m_data1->Refresh();

    m_data2->setDatabaseName(m_estado.caminhoBanco());

    rsCases = m_estado.BancoDados.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    rsCases.setIndex(QStringLiteral("PrimaryKey"));

    Traducoes::aplicar(m_estado.IdiomaAtual);
    retraduzir();
}

void frmCases::retraduzir()
{
    m_modelo->setHeaderData(0, Qt::Horizontal, tr("Número"));
    m_modelo->setHeaderData(2, Qt::Horizontal, tr("Sintoma"));
    m_modelo->setHeaderData(3, Qt::Horizontal, tr("Qtde"));
    Label4->setText(tr("Duplo click para escolher o case"));
    // A longer caption than the designed width (the Spanish one) shows whole.
    Label4->resize(qMax(Twips::px(2790), Label4->fontMetrics().horizontalAdvance(Label4->text()) + 2), Label4->height());
    Label2->setText(tr("Objetivo a alcançar ou Sintoma indesejado:"));
    Label1->setText(tr("Quantidade de Fatores:"));
    cmdSair->setText(tr("&Voltar"));
    cmdLimpar->setText(tr("&Limpar histórico anterior"));
    cmdGravar->setText(tr("&Gravar"));
    setWindowTitle(tr("Cadastramento de Casos  (Máximo  10)"));
    const ArquivoCaso::Mensagens m = ArquivoCaso::mensagens();
    cmdImportar->setText(m.botaoImportar);
    cmdExportar->setText(m.botaoExportar);
    cmdEquipe->setText(tr("E&quipe…"));
}

void frmCases::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        retraduzir();
    QDialog::changeEvent(e);
}

void frmCases::DBGrid1_DblClick()
{
    const QModelIndex atual = DBGrid1->currentIndex();
    if (!atual.isValid())
        return;
    const int linha = atual.row();
    const ::Recordset& grade = m_data1->Recordset();
    const QVariant numero = grade.value(linha, QStringLiteral("Numero"));

    rsCases.Seek(QStringLiteral("="), numero);
    if (rsCases.NoMatch())
        return;

    txtCase->setText(Verificacao::textoCampo(grade.value(linha, QStringLiteral("Case"))));
    txtSintoma->setText(Verificacao::textoCampo(grade.value(linha, QStringLiteral("Sintoma"))));
    // A case without a stored count is a case not in use.
    const QVariant qtde = grade.value(linha, QStringLiteral("Qtde"));
    if (qtde.isNull() || qtde.toDouble() == 0)
        txtQtde->setText(QStringLiteral("0"));
    else
        txtQtde->setText(Verificacao::textoCampo(qtde));

    const std::optional<double> n = Regional::toNumber(txtQtde->text());
    if (n && *n > 0)
        m_estado.CaseAtual = numero.toInt();
    else
        m_estado.CaseAtual = 0;

    cmdGravar->setEnabled(true);
    cmdLimpar->setEnabled(true);
}

bool frmCases::txtQtde_LostFocus()
{
    if (!Regional::isNumeric(txtQtde->text())) {
        txtQtde->clear();
        txtQtde->setFocus();
    }
    if (txtQtde->text().isEmpty())
        txtQtde->setText(QStringLiteral("0"));

    const Verificacao::Qtde veredito = Verificacao::qtdeCase(txtQtde->text());
    if (veredito != Verificacao::Qtde::Minimo && veredito != Verificacao::Qtde::Maximo)
        return true;
    const auto aviso = veredito == Verificacao::Qtde::Minimo ? Verificacao::avisoMinimoCases(m_estado.IdiomaAtual)
                                                             : Verificacao::avisoMaximoCases(m_estado.IdiomaAtual);
    if (aviso)
        MsgBox(aviso->texto, Icone::Exclamacao, aviso->titulo);
    txtQtde->setText(QStringLiteral("0"));
    txtQtde->setFocus();
    return false;
}

void frmCases::cmdGravar_Click()
{
    // An access key presses the button without taking the focus from the
    // count box: check the count first, as a click leaving the box does.
    if (txtQtde->hasFocus())
        txtQtde_LostFocus();

    cmdGravar->setEnabled(false);
    if (!Regional::isNumeric(txtQtde->text()))
        txtQtde->setText(QStringLiteral("7"));

    const bool gravado = Gravacao::gravar(m_estado, [this] {
        rsCases.Edit();
        rsCases.setField(QStringLiteral("Case"), textoDe(txtCase));
        rsCases.setField(QStringLiteral("Sintoma"), textoDe(txtSintoma));
        if (Regional::toNumber(txtQtde->text()).value_or(0) < 26)
            rsCases.setField(QStringLiteral("Qtde"), txtQtde->text());
        rsCases.Update();
    });
    if (!gravado) {
        // The boxes keep what was typed; the button saves it on the retry.
        cmdGravar->setEnabled(true);
        return;
    }

    m_data1->Refresh();
    m_estado.QtdeFatores = txtQtde->text();
}

void frmCases::cmdLimpar_Click()
{
    // With no case chosen there is no factor table to clear; the source the
    // walk would fall back on belongs to case 1.
    if (m_estado.semCase() || Tables::consultaLimpeza(m_estado.caseAtual()).isEmpty())
        return;

    m_data2->setRecordSource(Tables::consultaLimpeza(m_estado.caseAtual()));
    m_data2->Refresh();
    ::Recordset& rs = m_data2->Recordset();
    if (rs.RecordCount() >= 1)
        rs.MoveFirst();

    Gravacao::gravar(m_estado, [&] {
        Transaction t(m_data2->connection());
        for (int i = 0; i < Tables::kFactorRows && !rs.eof(); ++i) {
            rs.Edit();
            for (int c = 1; c <= Tables::kMatrixFields; ++c)
                rs.setField(Tables::campoMatriz(c), QVariant());
            rs.setField(QStringLiteral("emach"), QVariant());
            rs.setField(QStringLiteral("Evento"), QStringLiteral(""));
            rs.Update();
            if (!rs.eof())
                rs.MoveNext();
        }
        t.commit();
    });
}

void frmCases::cmdSair_Click()
{
    const QString nome = textoDe(txtCase);
    if (m_estado.escreverStatus)
        m_estado.escreverStatus(QStringLiteral(" Case:  ") + nome);
    m_estado.NomeCase = nome;
    accept();
}

int frmCases::caseDaLinha() const
{
    const QModelIndex atual = DBGrid1->currentIndex();
    return atual.isValid() ? m_data1->Recordset().value(atual.row(), QStringLiteral("Numero")).toInt() : 0;
}

void frmCases::cmdExportar_Click()
{
    if (const int caso = caseDaLinha())
        ArquivoCaso::exportar(this, m_estado.IdiomaAtual, Analise::exportacao(m_estado.BancoDados, caso));
}

void frmCases::cmdImportar_Click()
{
    const int caso = caseDaLinha();
    if (caso == 0)
        return;
    ArquivoCaso::importar(this, m_estado, caso, [this, caso](const CasoCsv::Caso& lido) {
        mostrarGravado(caso, lido.n(), lido.temBlocoCaso ? &lido : nullptr);
    });
}

void frmCases::cmdEquipe_Click()
{
    const int caso = caseDaLinha();
    if (caso == 0 || !frmEquipe::abrir(m_estado, caso, this))
        return;
    mostrarGravado(caso, Analise::lerCaso(m_estado.BancoDados, caso).qtde, nullptr);
}

void frmCases::mostrarGravado(int caso, int fatores, const CasoCsv::Caso* bloco)
{
    const QModelIndex atual = DBGrid1->currentIndex();
    m_data1->Refresh();
    DBGrid1->setCurrentIndex(DBGrid1->model()->index(atual.row(), atual.column()));
    // The boxes still hold the case chosen last; when that is the case just
    // replaced, they show what it now holds, so "Gravar" cannot write the
    // old texts back over it.
    if (!rsCases.NoMatch() && rsCases.Fields(QStringLiteral("Numero")).toInt() == caso) {
        if (bloco) {
            txtCase->setText(bloco->nome);
            txtSintoma->setText(bloco->sintoma);
        }
        txtQtde->setText(QString::number(fatores));
    }
}

void frmCases::closeEvent(QCloseEvent* e)
{
    // The title bar's X and Alt+F4 leave the way "&Voltar" does.
    if (isVisible())
        cmdSair_Click();
    e->setAccepted(!isVisible());
}
