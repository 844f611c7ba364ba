#include "registration/frmEventos.h"

#include "registration/Componentes.h"
#include "registration/Verificacao.h"
#include "shell/Cortes.h"
#include "shell/Figuras.h"
#include "shell/Janelas.h"
#include "shell/Fonts.h"
#include "shell/Encerramento.h"
#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "shell/Traducoes.h"
#include "shell/Twips.h"
#include "store/DataSource.h"
#include "store/RecordsetModel.h"
#include "store/Tables.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

constexpr int kVisivel = 40;

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
    c->setFont(Fontes::fonte(u("MS Sans Serif"), 8.25, true));
    QPalette p = c->palette();
    p.setColor(QPalette::Base, Cores::cor(0x80000018));
    p.setColor(QPalette::Text, Cores::cor(0x80000017));
    c->setPalette(p);
    Twips::colocar(c, l, t, w, h);
    return c;
}
} // namespace

frmEventos::frmEventos(AppState& estado, QWidget* parent) : QDialog(parent), m_estado(estado)
{
    montarTela();
    Form_Load();
    // The display gone: the names typed are saved as leaving would save them.
    Encerramento::aoPerderTela(this, [this] {
        DBGrid1->concluirEdicao();
        m_modelo->writePending();
    });
}

frmEventos::~frmEventos() = default;

void frmEventos::montarTela()
{
    prepararJanela(this, "frmEventos", QString(), 9255, 5745);

    Label3 = rotulo(this, "Label3", "Case:", 975, 450, 1065, 240);
    txtCase = caixa(this, "txtCase", 2100, 375, 6330, 315);
    txtCase->setMaxLength(kVisivel);
    Label2 = rotulo(this, "Label2", "", 225, 900, 1815, 420);
    Label2->setWordWrap(true);
    txtSintoma = caixa(this, "txtSintoma", 2100, 975, 6330, 315);
    txtSintoma->setMaxLength(kVisivel);
    Label1 = rotulo(this, "Label1", "", 225, 1575, 1815, 240);
    txtQtde = caixa(this, "txtQtde", 2100, 1500, 540, 315);
    new AoSairDaCaixa(txtQtde, [this] { return txtQtde_LostFocus(); });
    // Each box is read by its label's text.
    Label3->setBuddy(txtCase);
    Label2->setBuddy(txtSintoma);
    Label1->setBuddy(txtQtde);

    m_data1 = new DataSource(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    m_data1->setDatabaseName(u("C:\\KV\\CONTROLE.mdb"));
    m_data1->setRecordSource(QStringLiteral("Eventos"));

    DBGrid1 = new GradeDados(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Fatores"));
    DBGrid1->setFont(Fontes::fonte(u("MS Sans Serif"), 8.25));
    m_modelo = new RecordsetModel(m_data1,
                                  {{QStringLiteral("Numero"), QString()},
                                   {QStringLiteral("Evento"), u("Evento"), true}},
                                  DBGrid1);
    DBGrid1->setModel(m_modelo);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    DBGrid1->setLarguraColuna(0, 705);
    DBGrid1->setLarguraColuna(1, 5505);
    Twips::colocar(DBGrid1, 2115, 2100, 6795, 3360);
    dicaNasCelulasCortadas(DBGrid1);
    // A row's edit is written as soon as another row becomes current.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, m_modelo,
            [this](const QModelIndex&, const QModelIndex&) { gravarLinhaAberta(); });
    // As in a spreadsheet: Enter writes the row and goes on to the next name.
    connect(DBGrid1, &GradeDados::enter, this, [this] {
        const int linha = DBGrid1->currentIndex().row();
        if (linha >= 0 && linha + 1 < m_modelo->rowCount())
            DBGrid1->setCurrentIndex(m_modelo->index(linha + 1, 1));
        else
            gravarLinhaAberta();
    });
    connect(DBGrid1, &GradeDados::colar, this, &frmEventos::colarNomes);

    cmdSair = new BotaoFigura(Figura::SalvarSair, QString(), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    Twips::colocar(cmdSair, 300, 4500, 1455, 960);
    connect(cmdSair, &QPushButton::clicked, this, &frmEventos::cmdSair_Click);

    QWidget::setTabOrder(DBGrid1, cmdSair);
    QWidget::setTabOrder(cmdSair, txtCase);
    QWidget::setTabOrder(txtCase, txtQtde);
    QWidget::setTabOrder(txtQtde, txtSintoma);
    DBGrid1->setFocus();
}

void frmEventos::Form_Load()
{
    Traducoes::aplicar(m_estado.IdiomaAtual);
    retraduzir();

    rsCases = m_estado.BancoDados.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    rsCases.setIndex(QStringLiteral("PrimaryKey"));
    rsCases.Seek(QStringLiteral("="), m_estado.CaseAtual);
    if (rsCases.NoMatch())
        return;

    txtCase->setText(Verificacao::cortar(Verificacao::textoCampo(rsCases.Fields(QStringLiteral("Case"))), kVisivel));
    txtSintoma->setText(
        Verificacao::cortar(Verificacao::textoCampo(rsCases.Fields(QStringLiteral("Sintoma"))), kVisivel));
    // A case without a stored count has no factor rows to show.
    const QVariant qtde = rsCases.Fields(QStringLiteral("Qtde"));
    const int n = Tables::fatores(qtde);
    txtQtde->setText(Verificacao::textoCampo(qtde));
    m_estado.QtdeFatores = n;

    m_data1->setDatabaseName(m_estado.caminhoBanco());
    m_data1->setRecordSource(Tables::consultaFatores(m_estado.caseAtual(), n));
    m_data1->Refresh();

    if (m_modelo->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_modelo->index(0, 1));
}

void frmEventos::retraduzir()
{
    // The factor column keeps "Evento" in every language: the other header
    // the sets carry, "symptom", would mislabel the factor names.
    m_modelo->setHeaderData(0, Qt::Horizontal, tr("Número"));
    Label2->setText(tr("Sintoma indesejado ou Objetivo a alcançar:"));
    Label1->setText(tr("Quantidade de Fatores:"));
    cmdSair->setText(tr("&Salvar e Sair"));
    setWindowTitle(tr("Cadastro de Eventos"));
}

void frmEventos::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        retraduzir();
    QDialog::changeEvent(e);
}

bool frmEventos::txtQtde_LostFocus()
{
    const Verificacao::Qtde veredito = Verificacao::qtdeEventos(txtQtde->text());
    if (veredito == Verificacao::Qtde::NaoNumerica) {
        txtQtde->clear();
        txtQtde->setFocus();
        return true;
    }
    if (veredito != Verificacao::Qtde::Maximo)
        return true;
    const auto aviso = Verificacao::avisoMaximoEventos(m_estado.IdiomaAtual);
    if (!aviso)
        return true;
    MsgBox(aviso->texto, Icone::Exclamacao, aviso->titulo);
    txtQtde->clear();
    txtQtde->setFocus();
    return false;
}

void frmEventos::cmdSair_Click()
{
    accept();
}

void frmEventos::colarNomes()
{
    const int linha = DBGrid1->currentIndex().row();
    if (linha < 0)
        return;
    const QStringList nomes = Verificacao::nomesColados(QApplication::clipboard()->text());
    const int cabem = m_modelo->rowCount() - linha;
    if (nomes.size() > cabem) {
        MsgBox(tr("São %1 nomes para colar a partir da linha %2, mas só cabem %3: o case tem %4 fatores. Nada foi colado.")
                   .arg(nomes.size()).arg(linha + 1).arg(cabem).arg(m_modelo->rowCount()),
               Icone::Exclamacao, tr("Nomes não colados"));
        return;
    }
    DBGrid1->concluirEdicao();
    for (int i = 0; i < nomes.size(); ++i)
        m_modelo->setData(m_modelo->index(linha + i, 1), nomes[i]);
    gravarLinhaAberta();
}

bool frmEventos::gravarLinhaAberta()
{
    DBGrid1->concluirEdicao();
    return Gravacao::gravar(m_estado, [this] { m_modelo->writePending(); });
}

void frmEventos::done(int resultado)
{
    // Every way out (the button, the title bar's X, Alt+F4) comes here and
    // saves first; a failed save keeps the window open.
    if (gravarLinhaAberta())
        QDialog::done(resultado);
}
