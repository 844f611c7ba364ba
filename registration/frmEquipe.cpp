#include "registration/frmEquipe.h"

#include "analysis/Veredito.h"
#include "registration/PaginaEquipe.h"
#include "shell/Folha.h"
#include "shell/Logo.h"
#include "shell/Printers.h"
#include "shell/ArquivoCaso.h"
#include "shell/Dialogos.h"
#include "shell/Gravacao.h"
#include "shell/Janelas.h"
#include "shell/Messages.h"
#include "shell/Twips.h"
#include "store/Escrita.h"
#include "store/Ranking.h"
#include "store/Regional.h"
#include "store/StoreError.h"

#include <QEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Class colours of the result screen (0x00BBGGRR) and the mark of a pair to discuss.
constexpr quint32 kDiscutir = 0xC8DCFF;

// The folder of the last member file, for the next dialog.
QString& pasta()
{
    static QString p = QDir::homePath();
    return p;
}

QTableWidget* tabela(QWidget* pai, const char* nome)
{
    auto* t = new QTableWidget(pai);
    t->setObjectName(QString::fromLatin1(nome));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(false); // Tab leaves the table, the arrows move in it
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setWordWrap(false);
    t->horizontalHeader()->setHighlightSections(false);
    return t;
}

QTableWidgetItem* celula(const QString& texto, quint32 fundo = 0xFFFFFFFF)
{
    auto* i = new QTableWidgetItem(texto);
    i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (fundo != 0xFFFFFFFF)
        i->setBackground(Cores::cor(fundo));
    return i;
}

QPushButton* botao(QWidget* pai, const char* nome)
{
    auto* b = new QPushButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    // Enter in a table or a name being edited never presses a button.
    b->setAutoDefault(false);
    return b;
}

QLabel* texto(QWidget* pai, const char* nome)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QString::fromLatin1(nome));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reachable by Tab, so a screen reader reads it and the text can be copied.
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    return l;
}

} // namespace

bool frmEquipe::abrir(AppState& estado, int caso, QWidget* parent)
{
    frmEquipe janela(estado, caso, parent);
    janela.exec();
    return janela.gravou();
}

frmEquipe::frmEquipe(AppState& estado, int caso, QWidget* parent) : QDialog(parent), m_estado(estado), m_caso(caso)
{
    const Analise::Caso c = Analise::lerCaso(estado.BancoDados, caso);
    m_nomeCase = c.nome.toString();
    m_sintoma = c.sintoma.toString();
    // A case whose factors have no names yet takes the first member's.
    for (int i = 0; i < c.matriz.n; ++i)
        if (!c.matriz.nomes[i].toString().trimmed().isEmpty()) {
            for (const QVariant& nome : c.matriz.nomes)
                m_fatoresDoCase << nome.toString();
            break;
        }
    m_fatores = m_fatoresDoCase;
    montarTela();
    legendar();
    combinar();
}

frmEquipe::~frmEquipe() = default;

void frmEquipe::montarTela()
{
    prepararJanela(this, "frmEquipe", QString(), 14400, 9900);
    setWindowIcon(LogoKV::icone());
    // Twelve members of 25 factors need room: the window may grow.
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setMinimumSize(800, 560);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
    if (auto* alca = findChild<QSizeGrip*>())
        alca->setAccessibleName(tr("Alça para redimensionar"));

    fraMembros = new QGroupBox(this);
    fraMembros->setObjectName(QStringLiteral("fraMembros"));
    grdMembros = tabela(fraMembros, "grdMembros");
    grdMembros->setColumnCount(3);
    grdMembros->horizontalHeader()->setStretchLastSection(true);
    grdMembros->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    connect(grdMembros, &QTableWidget::itemChanged, this, &frmEquipe::membroRenomeado);
    cmdAdicionar = botao(fraMembros, "cmdAdicionar");
    cmdRemover = botao(fraMembros, "cmdRemover");
    connect(cmdAdicionar, &QPushButton::clicked, this, &frmEquipe::cmdAdicionar_Click);
    connect(cmdRemover, &QPushButton::clicked, this, &frmEquipe::cmdRemover_Click);
    auto* colMembros = new QVBoxLayout(fraMembros);
    colMembros->addWidget(grdMembros, 1);
    auto* botoesMembros = new QHBoxLayout;
    botoesMembros->addWidget(cmdAdicionar);
    botoesMembros->addWidget(cmdRemover);
    botoesMembros->addStretch(1);
    colMembros->addLayout(botoesMembros);

    fraRanking = new QGroupBox(this);
    fraRanking->setObjectName(QStringLiteral("fraRanking"));
    grdRanking = tabela(fraRanking, "grdRanking");
    grdRanking->setColumnCount(3);
    grdRanking->horizontalHeader()->setStretchLastSection(true);
    (new QVBoxLayout(fraRanking))->addWidget(grdRanking);

    fraConcordancia = new QGroupBox(this);
    fraConcordancia->setObjectName(QStringLiteral("fraConcordancia"));
    lblConcordancia = texto(fraConcordancia, "lblConcordancia");
    lblRobustez = texto(fraConcordancia, "lblRobustez");
    auto* colConcordancia = new QVBoxLayout(fraConcordancia);
    colConcordancia->addWidget(lblConcordancia);
    colConcordancia->addSpacing(8);
    colConcordancia->addWidget(lblRobustez);
    colConcordancia->addStretch(1);

    fraPares = new QGroupBox(this);
    fraPares->setObjectName(QStringLiteral("fraPares"));
    grdPares = tabela(fraPares, "grdPares");
    (new QVBoxLayout(fraPares))->addWidget(grdPares);

    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (const Impressora& i : Printers::lista())
        Combo1->addItem(i.DeviceName);
    Combo1->setEditText(Printers::atual().DeviceName);
    Combo1->setMinimumWidth(Twips::px(2655));
    Label7->setBuddy(Combo1);

    cmdGravar = botao(this, "cmdGravar");
    cmdExportar = botao(this, "cmdExportar");
    cmdImprimir = botao(this, "cmdImprimir");
    cmdSair = botao(this, "cmdSair");
    connect(cmdGravar, &QPushButton::clicked, this, &frmEquipe::cmdGravar_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &frmEquipe::cmdExportar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frmEquipe::cmdImprimir_Click);
    connect(cmdSair, &QPushButton::clicked, this, &frmEquipe::cmdSair_Click);
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(Label7);
    rodape->addWidget(Combo1);
    rodape->addStretch(1);
    for (QPushButton* b : {cmdGravar, cmdExportar, cmdImprimir, cmdSair})
        rodape->addWidget(b);

    auto* grade = new QGridLayout(this);
    grade->addWidget(fraMembros, 0, 0);
    grade->addWidget(fraRanking, 0, 1);
    grade->addWidget(fraConcordancia, 0, 2);
    grade->addWidget(fraPares, 1, 0, 1, 3);
    grade->addLayout(rodape, 2, 0, 1, 3);
    grade->setRowStretch(0, 3);
    grade->setRowStretch(1, 2);
    grade->setColumnStretch(0, 3);
    grade->setColumnStretch(1, 3);
    grade->setColumnStretch(2, 3);

    QWidget* ordem[] = {grdMembros, cmdAdicionar, cmdRemover, grdRanking, lblConcordancia, lblRobustez,
                        grdPares, Combo1, cmdGravar, cmdExportar, cmdImprimir, cmdSair};
    for (int i = 1; i < int(std::size(ordem)); ++i)
        QWidget::setTabOrder(ordem[i - 1], ordem[i]);
    cmdAdicionar->setFocus();
}

void frmEquipe::legendar()
{
    setWindowTitle(tr("Julgamento em equipe"));
    fraMembros->setTitle(tr("Membros"));
    grdMembros->setAccessibleName(tr("Membros"));
    grdMembros->setHorizontalHeaderLabels({tr("Membro"), tr("Causa raiz"), tr("Arquivo")});
    cmdAdicionar->setText(tr("&Adicionar…"));
    cmdRemover->setText(tr("&Remover"));
    fraRanking->setTitle(tr("Ranking da equipe"));
    grdRanking->setAccessibleName(tr("Ranking da equipe"));
    const Folha::Textos r = Folha::textos();
    grdRanking->setHorizontalHeaderLabels({r.cabecalho1, r.cabecalho2, r.cabecalho3});
    fraConcordancia->setTitle(tr("Concordância"));
    fraPares->setTitle(tr("Pares a discutir"));
    grdPares->setAccessibleName(tr("Pares a discutir"));
    Label7->setText(tr("Impressora:"));
    Combo1->setAccessibleName(tr("Impressora"));
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    cmdGravar->setText(tr("&Gravar no case"));
    cmdExportar->setText(tr("E&xportar…"));
    cmdImprimir->setText(tr("&Imprimir"));
    cmdSair->setText(tr("&Voltar"));
}

void frmEquipe::changeEvent(QEvent* e)
{
    // The captions, then every text the combination shows.
    if (e->type() == QEvent::LanguageChange) {
        legendar();
        mostrar();
    }
    QDialog::changeEvent(e);
}

QStringList frmEquipe::nomesMembros() const
{
    QStringList l;
    for (const Membro& m : m_membros)
        l << m.nome;
    return l;
}

void frmEquipe::combinar()
{
    m_fatores = !m_fatoresDoCase.isEmpty() ? m_fatoresDoCase
        : m_membros.isEmpty()              ? QStringList()
                                           : m_membros.first().caso.fatores;
    if (m_membros.size() < Equipe::kMinMembros) {
        m_resultado = Equipe::Resultado();
        m_resultado.n = int(m_fatores.size());
    } else {
        QVector<Equipe::Membro> membros;
        for (const Membro& m : m_membros)
            membros << Equipe::membro(m.nome, m.caso, Equipe::corresponder(m_fatores, m.caso.fatores));
        m_resultado = Equipe::combinar(m_fatores, membros);
    }
    mostrar();
}

void frmEquipe::mostrar()
{
    m_mostrando = true;
    const Equipe::Resultado& r = m_resultado;
    const bool combinado = m_membros.size() >= Equipe::kMinMembros;

    grdMembros->setRowCount(int(m_membros.size()));
    for (int k = 0; k < m_membros.size(); ++k) {
        auto* nome = new QTableWidgetItem(m_membros[k].nome);
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        grdMembros->setItem(k, 0, nome);
        QString raiz;
        if (combinado && r.foraDoW.contains(k))
            raiz = tr("fora da concordância: %1").arg(Emach::aviso(r.membros[k].analise.desfecho).texto);
        else if (combinado)
            raiz = m_fatores.value(r.membros[k].raiz);
        grdMembros->setItem(k, 1, celula(raiz));
        grdMembros->setItem(k, 2, celula(QDir::toNativeSeparators(m_membros[k].arquivo)));
        grdMembros->item(k, 2)->setToolTip(grdMembros->item(k, 2)->text());
    }
    grdMembros->resizeColumnToContents(0);
    grdMembros->resizeColumnToContents(1);

    // The team's ranking in the result screen's order and colours, the class in words beside them.
    const Folha::Textos rel = Folha::textos();
    const QVector<Analise::Fator> ordem = combinado && r.analise.completo() ? r.analise.ranking() : QVector<Analise::Fator>();
    grdRanking->setRowCount(int(ordem.size()));
    for (int i = 0; i < ordem.size(); ++i) {
        const Analise::Fator& f = ordem[i];
        const bool ultima = i == ordem.size() - 1;
        const CasoCsv::Classe classe = Ranking::classe(f.emach, ultima);
        const quint32 cor = Ranking::cor(classe);
        grdRanking->setItem(i, 0, celula(m_fatores.value(f.numero - 1), cor));
        grdRanking->setItem(i, 1, celula(QStringLiteral("  ") + Regional::format00(f.emach), cor));
        grdRanking->setItem(i, 2, celula(classe == CasoCsv::Classe::Raiz ? rel.raiz : classe == CasoCsv::Classe::Efeito ? rel.efeito : rel.causal, cor));
    }
    grdRanking->resizeColumnsToContents();

    mostrarConcordancia();
    QStringList robustez;
    if (combinado) {
        // The verdict in words first, then the figures it rests on.
        const QString veredito = Veredito::firmeza(r.robustez, r.matriz);
        if (!veredito.isEmpty())
            robustez << veredito << QString();
        robustez << Veredito::linhasRobustez(r.robustez, r.matriz);
    }
    lblRobustez->setText(robustez.join(QStringLiteral("\n")));
    lblRobustez->setAccessibleName(lblRobustez->text());

    // Every pair someone judged, the largest spread first; those worth a discussion marked.
    const QStringList nomes = nomesMembros();
    QStringList cabecalho{tr("Fator"), tr("Fator")};
    cabecalho << nomes << tr("Equipe") << tr("Dispersão");
    grdPares->clear();
    grdPares->setColumnCount(int(cabecalho.size()));
    grdPares->setHorizontalHeaderLabels(cabecalho);
    const QVector<Equipe::Par> pares = combinado ? r.pares : QVector<Equipe::Par>();
    grdPares->setRowCount(int(pares.size()));
    int aDiscutir = 0;
    for (int i = 0; i < pares.size(); ++i) {
        const Equipe::Par& p = pares[i];
        const bool discutir = p.dispersao >= Equipe::kDispersaoADiscutir;
        aDiscutir += discutir;
        const quint32 fundo = discutir ? kDiscutir : 0xFFFFFFFF;
        int c = 0;
        grdPares->setItem(i, c++, celula(m_fatores.value(p.linha), fundo));
        grdPares->setItem(i, c++, celula(m_fatores.value(p.coluna), fundo));
        for (int k = 0; k < p.niveis.size(); ++k)
            grdPares->setItem(i, c++, celula(Equipe::textoNivel(p.niveis[k]), fundo));
        grdPares->setItem(i, c++, celula(Equipe::textoNivel(p.nivel), fundo));
        grdPares->setItem(i, c++, celula(p.dispersao >= 0 ? QString::number(p.dispersao) : QString(), fundo));
    }
    grdPares->resizeColumnsToContents();
    grdPares->setAccessibleDescription(combinado ? tr("%1 de %2 pares têm dispersão de 2 ou mais e vêm primeiro, destacados.")
                                                       .arg(aDiscutir)
                                                       .arg(pares.size())
                                                 : QString());
    m_mostrando = false;
}

void frmEquipe::mostrarConcordancia()
{
    const Equipe::Resultado& r = m_resultado;
    QStringList linhas;
    if (m_membros.size() < Equipe::kMinMembros) {
        linhas << tr("Adicione de %1 a %2 membros: o arquivo do case que cada um exportou.")
                      .arg(Equipe::kMinMembros)
                      .arg(Equipe::kMaxMembros);
    } else {
        if (r.kendall.calculado)
            linhas << Equipe::linhaW(r.kendall);
        linhas << Equipe::frase(Equipe::concordancia(r.kendall));
        for (int k : r.foraDoW)
            linhas << tr("%1 fica fora da concordância: %2")
                          .arg(m_membros[k].nome, Emach::aviso(r.membros[k].analise.desfecho).texto);
    }
    lblConcordancia->setText(linhas.join(QStringLiteral("\n")));
    lblConcordancia->setAccessibleName(tr("Concordância") + QStringLiteral(": ") + lblConcordancia->text());
}

void frmEquipe::membroRenomeado(QTableWidgetItem* item)
{
    if (m_mostrando || !item || item->column() != 0 || item->row() >= m_membros.size())
        return;
    Membro& m = m_membros[item->row()];
    const QString nome = item->text().trimmed();
    // A name cleared gives the file's name back.
    m.nome = nome.isEmpty() ? QFileInfo(m.arquivo).completeBaseName() : nome;
    // Only the texts that carry the name change; the item itself stays, as its signal is still running.
    m_mostrando = true;
    if (item->text() != m.nome)
        item->setText(m.nome);
    if (QTableWidgetItem* h = grdPares->horizontalHeaderItem(2 + item->row()))
        h->setText(m.nome);
    mostrarConcordancia();
    m_mostrando = false;
}

int frmEquipe::adicionar(const QStringList& arquivos)
{
    if (arquivos.isEmpty())
        return 0;
    if (m_membros.size() + arquivos.size() > Equipe::kMaxMembros) {
        MsgBox(tr("Uma equipe tem no máximo %1 membros; com estes %2 arquivos seriam %3. Nenhum foi adicionado.")
                   .arg(Equipe::kMaxMembros)
                   .arg(arquivos.size())
                   .arg(m_membros.size() + arquivos.size()),
               Icone::Exclamacao, windowTitle());
        return 0;
    }
    QStringList recusas;
    int adicionados = 0;
    for (const QString& arquivo : arquivos) {
        pasta() = QFileInfo(arquivo).absolutePath();
        const QString nomeArquivo = QDir::toNativeSeparators(arquivo);
        const CasoCsv::Leitura leitura = CasoCsv::lerArquivo(arquivo);
        if (!leitura.valida()) {
            recusas << tr("%1 não foi adicionado:").arg(nomeArquivo) + QStringLiteral("\n") + CasoCsv::descrever(leitura);
            continue;
        }
        const QStringList referencia = !m_fatoresDoCase.isEmpty() ? m_fatoresDoCase
            : !m_membros.isEmpty()                                ? m_membros.first().caso.fatores
                                                                  : leitura.caso.fatores;
        const Equipe::Correspondencia c = Equipe::corresponder(referencia, leitura.caso.fatores);
        if (!c.confere()) {
            auto citar = [](const QStringList& l) {
                QStringList q;
                for (const QString& t : l)
                    q << QStringLiteral("\"") + t + QStringLiteral("\"");
                return q.join(QStringLiteral(", "));
            };
            QString t = tr("%1 não foi adicionado: os seus fatores não são os deste case (%2 no case, %3 no arquivo).")
                            .arg(nomeArquivo)
                            .arg(referencia.size())
                            .arg(leitura.caso.n());
            if (!c.faltam.isEmpty())
                t += QStringLiteral("\n") + tr("Faltam no arquivo: %1").arg(citar(c.faltam));
            if (!c.sobram.isEmpty())
                t += QStringLiteral("\n") + tr("Sobram no arquivo: %1").arg(citar(c.sobram));
            recusas << t;
            continue;
        }
        m_membros << Membro{QFileInfo(arquivo).completeBaseName(), arquivo, leitura.caso};
        ++adicionados;
    }
    if (adicionados > 0)
        combinar();
    if (!recusas.isEmpty())
        MsgBox(recusas.join(QStringLiteral("\n\n")), Icone::Exclamacao, windowTitle());
    return adicionados;
}

void frmEquipe::cmdAdicionar_Click()
{
    adicionar(EscolherArquivosAbrir(this, tr("Adicionar membros"), pasta(), ArquivoCaso::mensagens().filtro));
}

void frmEquipe::cmdRemover_Click()
{
    const int k = grdMembros->currentRow();
    if (k < 0 || k >= m_membros.size())
        return;
    m_membros.removeAt(k);
    combinar();
    if (!m_membros.isEmpty())
        grdMembros->setCurrentCell(std::min<int>(k, int(m_membros.size()) - 1), 0);
}

bool frmEquipe::recusarPoucos(const QString& titulo)
{
    if (m_membros.size() >= Equipe::kMinMembros)
        return false;
    MsgBox(tr("Uma equipe tem de %1 a %2 membros; esta tem %3.")
               .arg(Equipe::kMinMembros)
               .arg(Equipe::kMaxMembros)
               .arg(m_membros.size()),
           Icone::Exclamacao, titulo);
    return true;
}

void frmEquipe::cmdGravar_Click()
{
    const QString titulo = tr("Gravar no case");
    if (recusarPoucos(titulo))
        return;
    const CasoCsv::Caso dados = Equipe::caso(m_resultado, m_fatores);
    try {
        const Analise::Caso atual = Analise::lerCaso(m_estado.BancoDados, m_caso);
        const bool julgado = std::any_of(atual.matriz.valores.begin(), atual.matriz.valores.end(), [](double v) { return v != 0; });
        if (julgado
            && !Confirmar(this, titulo,
                          tr("O case %1 (%2) já tem julgamentos. Substituí-los pela matriz da equipe de %3 membros?")
                              .arg(m_caso)
                              .arg(m_nomeCase)
                              .arg(m_membros.size())))
            return;
    } catch (const StoreError& e) {
        MsgBox(ArquivoCaso::mensagens().falhaGravar.arg(e.text()), Icone::Exclamacao, titulo);
        return;
    }
    if (!Gravacao::gravar(m_estado, [&] { CasoCsv::gravar(m_estado.BancoDados, m_caso, dados); }))
        return;
    m_gravou = true;
    if (m_estado.caseAtual() == m_caso)
        m_estado.QtdeFatores = QString::number(dados.n());
    m_estado.equipes[m_caso] = Equipe::resumo(m_resultado, m_fatores, nomesMembros());
    // The case now has these names: later members are matched against them.
    m_fatoresDoCase = m_fatores;
    MsgBox(tr("A matriz da equipe foi gravada no case %1: %2 fatores, %3 pares julgados. Analise o case para ver o seu resultado.")
               .arg(m_caso)
               .arg(dados.n())
               .arg(dados.julgamentos()),
           Icone::Informacao, titulo);
}

void frmEquipe::cmdExportar_Click()
{
    const QString titulo = tr("Exportar julgamento da equipe");
    if (recusarPoucos(titulo))
        return;
    const Equipe::Resultado& r = m_resultado;
    CasoCsv::Exportacao e;
    e.caso = m_caso;
    e.nome = m_nomeCase;
    e.sintoma = m_sintoma;
    e.n = r.n;
    e.fatores = m_fatores;
    e.celulas = Analise::textos(r.matriz);
    if (r.analise.completo()) {
        const QVector<Analise::Fator> ordem = r.analise.ranking();
        for (int i = 0; i < ordem.size(); ++i) {
            const Analise::Fator& f = ordem[i];
            const CasoCsv::Classe classe = Ranking::classe(f.emach, i == ordem.size() - 1);
            e.ranking.append({m_fatores.value(f.numero - 1), Regional::numberText(f.pontosLinha), Regional::numberText(f.pontosColuna),
                              Regional::format00(f.normH), Regional::format00(f.normV), Regional::format00(f.emach), classe});
        }
    }
    QStringList cabecalho{tr("Fator"), tr("Fator")};
    cabecalho << nomesMembros() << tr("Equipe") << tr("Dispersão");
    e.anexo << cabecalho;
    for (const Equipe::Par& p : r.pares) {
        QStringList l{m_fatores.value(p.linha), m_fatores.value(p.coluna)};
        for (int v : p.niveis)
            l << Equipe::textoNivel(v);
        l << Equipe::textoNivel(p.nivel) << (p.dispersao >= 0 ? QString::number(p.dispersao) : QString());
        e.anexo << l;
    }

    const ArquivoCaso::Mensagens m = ArquivoCaso::mensagens();
    QString base = m_nomeCase.trimmed().isEmpty() ? QStringLiteral("case%1").arg(m_caso) : m_nomeCase.trimmed();
    base.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    const QString sugestao = QDir(pasta()).filePath(base + QStringLiteral(" - ") + tr("equipe") + QStringLiteral(".csv"));
    const QString arquivo = EscolherArquivoGravar(this, titulo, sugestao, m.filtro);
    if (arquivo.isEmpty())
        return;
    const QString erro = CasoCsv::salvar(arquivo, CasoCsv::escrever(e, m_estado.IdiomaAtual));
    if (!erro.isEmpty())
        MsgBox(Escrita::mensagem(arquivo, erro), Icone::Exclamacao, titulo);
}

void frmEquipe::cmdImprimir_Click()
{
    if (recusarPoucos(windowTitle()))
        return;
    PaginaEquipe::Pagina pg;
    pg.nomeCase = m_nomeCase;
    pg.sintoma = m_sintoma;
    pg.logo = LogoKV::imagem();
    pg.membros = nomesMembros();
    pg.fatores = m_fatores;
    pg.resultado = m_resultado;
    pg.data = QDate::currentDate();
    Printer::imprimirEm(this, Combo1->currentText(), [&pg](Printer& prn) { PaginaEquipe::escrever(prn, pg); },
                        {tr("Salvar julgamento da equipe em PDF"),
                         Printers::nomeProposto(tr("Equipe") + QStringLiteral(" ") + m_nomeCase, pg.data),
                         tr("O julgamento da equipe foi salvo em:"), windowTitle()});
}

void frmEquipe::cmdSair_Click()
{
    close();
}
