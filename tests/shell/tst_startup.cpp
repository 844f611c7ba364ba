// Start-up and the main window: every caption of every screen in the three languages, the "Erro" box for
// every bad file (the file left as it was), the no-case messages, the second-copy guard with a real running
// KV, and the report of an unhandled error.
#include "analysis/frmDados.h"
#include "info/frmInformacoes.h"
#include "registration/frmCases.h"
#include "registration/frmEquipe.h"
#include "registration/frmEventos.h"
#include "results/frmResultado.h"
#include "shell/Estilo.h"
#include "shell/FatalError.h"
#include "shell/Fonts.h"
#include "shell/SecondCopy.h"
#include "shell/app/Dominoes.h"
#include "shell/app/Menu.h"
#include "store/StoreError.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStyleFactory>
#include <memory>

namespace {
enum Tela { Menu_, Cases, Eventos, Dados, Resultado, Informacoes, Equipe_ };

// Control ("" the window's title, "DBGrid1:k" a grid header), then the Portuguese, Spanish and English
// texts; an empty Spanish or English text means that language leaves the Portuguese one.
struct Linha { Tela tela; const char *controle, *pt, *es, *en; };

const Linha kLegendas[] = {
    {Menu_, "mnuCases", "&Casos", "", "Cases"},
    {Menu_, "mnuEventos", "&Eventos", "Eventos", "Events"},
    {Menu_, "mnuDados", "&Análise", "Análisis", "Analysis"},
    {Menu_, "mnuMapa", "&Mapa", "", "&Map"},
    {Menu_, "mnuUtil", "&Informações", "Informacion", "Information"},
    {Menu_, "mnuSair", "&Sair", "Dejar", "Quit"},
    {Menu_, "", "KV - Orvalis", "KV - Orvalis", "KV - Orvalis"},
    {Menu_, "Label2", "Orvalis", "Orvalis", "Orvalis"},
    {Menu_, "Label1", "Análise causal pelo método E-Mach. Projeto e programação: equipe KV.",
     "Análisis causal por el método E-Mach. Diseño y programación: el equipo KV.",
     "Causal analysis by the E-Mach method. Design and programming: the KV team."},
    {Menu_, "StatusBar1_Panel1", "Software de análise causal KV - licenciado por Orvalis", "",
     "KV causal analysis software - licensed by Orvalis"},
    {Menu_, "StatusBar1_Panel2", "Versão: 22.12.15", "", "Version: 22.12.15"},

    {Cases, "DBGrid1:0", "Número", "Número", "Number"},
    {Cases, "DBGrid1:1", "Case", "", ""},
    {Cases, "DBGrid1:2", "Sintoma", "Sintoma", "symptom"},
    {Cases, "DBGrid1:3", "Qtde", "Cantidad", "Amont"},
    {Cases, "Label4", "Duplo click para escolher o case", "Haga doble clic para seleccionar el case",
     "Double click to choose the case"},
    {Cases, "Label2", "Objetivo a alcançar ou Sintoma indesejado:", "Meta para alcanzar o síntoma no deseado:",
     "Goal to achieve or undesired Symptom"},
    {Cases, "Label1", "Quantidade de Fatores:", "Número de factores:", "Number of Factors"},
    {Cases, "Label3", "Case:", "", ""},
    {Cases, "cmdSair", "&Voltar", "&Volter", "Return"},
    {Cases, "cmdLimpar", "&Limpar histórico anterior", "Borrar historial anterior", "Clear previous history"},
    {Cases, "cmdGravar", "&Gravar", "Registro", "Write"},
    {Cases, "cmdImportar", "&Importar…", "", "&Import…"},
    {Cases, "cmdExportar", "E&xportar…", "", "E&xport…"},
    {Cases, "cmdEquipe", "E&quipe…", "E&quipo…", "&Team…"},
    {Cases, "", "Cadastramento de Casos  (Máximo  10)", "Registro de Cases (Máximo 10)", "Registration of Cases (Maximum 10)"},

    {Eventos, "DBGrid1:0", "Número", "Número", "Number"},
    {Eventos, "DBGrid1:1", "Evento", "", ""},
    {Eventos, "Label2", "Sintoma indesejado ou Objetivo a alcançar:", "Meta para alcanzar o síntoma no deseado",
     "Goal to achieve or undesired symptom"},
    {Eventos, "Label1", "Quantidade de Fatores:", "Número de Factores", "Number of Factors"},
    {Eventos, "Label3", "Case:", "", ""},
    {Eventos, "cmdSair", "&Salvar e Sair", "Registro e Volver", "Write and Return"},
    {Eventos, "", "Cadastro de Eventos", "Registro dos Eventos", "Registration of events"},

    {Dados, "Label1", "O fator: ", "El factor:", "The factor:"},
    {Dados, "Label2", "Contribui: ", "Contribuye:", "Contributes"},
    {Dados, "Label3", "Do que o fator: ", "Que el factor:", "Than the factor:"},
    {Dados, "Label4", "Para: ", "Para el:", "for the:"},
    {Dados, "cmdSair", "&Voltar", "&Volver", "&Return"},
    {Dados, "cmdGravar", "&Gravar", "&Registro", "&Write"},
    {Dados, "cmdCalcular", "&Analisar", "&Analizar", "&Analyze"},
    {Dados, "cmdResultado", "&Resultado", "&Resultar", "&Result"},
    {Dados, "", "Entrada de dados para análise", "Registro dos Eventos", "Registration of events"},
    {Dados, "Frame1", "Comparação: ", "Comparison", "Comparison"},
    {Dados, "lblContradicoes", "Contradições: 0", "Contradicciones: 0", "Contradictions: 0"},
    {Dados, "chkContradicoes", "&Mostrar contradições", "&Mostrar contradicciones", "&Show contradictions"},
    {Dados, "opt5", "Muito menos", "Mucho menos", "Much less"},
    {Dados, "opt4", "Menos", "Menos", "Less"},
    {Dados, "opt3", "De forma igual", "Igualmente", "The same"},
    {Dados, "opt2", "Mais", "Más", "Much"},
    {Dados, "opt1", "Muito Mais", "Mucho más", "Much more"},
    {Dados, "Label5", "(1/10)                         (1/5)                              "
                      "(1)                               (5)                         (10)", "", ""},

    {Resultado, "Label2", "Efeitos", "Efectos ou Factores Espúrios", "Effects or Spurious Factors"},
    {Resultado, "Label4", "Fatores Causais", "Factores causales", "Causal Factors"},
    {Resultado, "Label5", "Causa Raíz ou principal FCS", "Causa Raíz ou principal FCS", "Root Cause or principal FCS"},
    {Resultado, "Label7", "Impressora:", "Impresora:", "Printer:"},
    {Resultado, "cmdSair", "&Sair", "&Volver", "&Return"},
    {Resultado, "cmdPrinter", "&Imprimir", "Imprimir", "To Print"},
    {Resultado, "", "Resultado Emach", "Resultado E-Mach", "EMach Results"},
    {Resultado, "Frame2", "Objetivo a alcançar: ", "Meta para alcanzar o síntoma no deseado",
     "Goal to achieve or undesired symptom"},

    {Informacoes, "Label1", "Nome do Micro na Rede:", "Computer name:", "Computer name:"},
    {Informacoes, "Label2", "Resolução do Vídeo:", "Video resolution:", "Video resolution:"},
    {Informacoes, "Label3", "Usuário Logado:", "Logged in user:", "Logged in user:"},
    {Informacoes, "Label5", "Versão Banco de Dados:", "Version Database:", "Version Database:"},
    {Informacoes, "cmdVOLTAR", "&Voltar", "&Return", "&Return"},
    {Informacoes, "", "Informações Gerais", "Information", "Information"},
    {Informacoes, "Frame1", "Especificação do Computador: ", "Computer specification: ", "Computer specification: "},
    {Informacoes, "Frame3", "Idioma: ", "Language: ", "Language: "},
    {Informacoes, "Frame2", "Suporte: ", "", ""},
    {Informacoes, "opt1", "English", "", ""},
    {Informacoes, "opt2", "Espanhõl", "", ""},
    {Informacoes, "opt3", "Português", "", ""},

    {Equipe_, "", "Julgamento em equipe", "Juicio en equipo", "Team judgement"},
    {Equipe_, "fraPares", "Pares a discutir", "", "Pairs to discuss"},
    {Equipe_, "cmdAdicionar", "&Adicionar…", "&Agregar…", "&Add…"},
    {Equipe_, "cmdGravar", "&Gravar no case", "&Grabar en el case", "&Save to case"},
    {Equipe_, "cmdExportar", "E&xportar…", "", "E&xport…"},
    {Equipe_, "cmdImprimir", "&Imprimir", "", "&Print"},
};

// What a control shows (Controles.h), a grid column's header, or the window's title.
QString legenda(QWidget* janela, const char* controle)
{
    const QStringList partes = QString::fromLatin1(controle).split(u':');
    if (partes.size() > 1)
        return filho<QAbstractItemView>(janela, partes[0])->model()->headerData(partes[1].toInt(), Qt::Horizontal).toString();
    return *controle ? texto(janela, controle) : janela->windowTitle();
}

std::unique_ptr<QWidget> abrir(Tela tela, AppState& estado)
{
    if (tela == Menu_) {
        auto m = std::make_unique<Menu>(estado);
        m->Form_Load();
        return m;
    }
    return tela == Cases      ? std::unique_ptr<QWidget>(new frmCases(estado))
           : tela == Eventos  ? std::unique_ptr<QWidget>(new frmEventos(estado))
           : tela == Dados    ? std::unique_ptr<QWidget>(new frmDados(estado))
           : tela == Resultado ? std::unique_ptr<QWidget>(new frmResultado(estado, u("s")))
           : tela == Equipe_   ? std::unique_ptr<QWidget>(new frmEquipe(estado, 1))
                               : std::unique_ptr<QWidget>(new frmInformacoes(estado));
}

// The file dialog's "File name:" in English, Spanish and Portuguese.
const QString kNomeDoArquivo[] = {u("File &name:"), u("&Nombre de fichero:"), u("&Nome do arquivo:")};

// A file's bytes, or "missing".
QByteArray impressao(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

// Runs a menu command and closes the window it opens; says whether that window sits over the
// main window, with a close but no minimise or maximise button.
QString abrirEFechar(Menu& m, void (Menu::*comando)())
{
    QString vista;
    Modal<QDialog> aberta([&](QDialog& w) {
        const Qt::WindowFlags f = w.windowFlags();
        const bool botoes = (f & Qt::WindowCloseButtonHint) && !(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        vista = w.windowTitle() + (w.parentWidget() == &m && botoes ? u(" ok") : u(" solta"));
    });
    (m.*comando)();
    return vista;
}
} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }

    // The language stored, the one taken (0, 4 and Null speak Portuguese); Qt's own dialogs speak it too.
    void everyCaptionOfEveryScreenInEachLanguage()
    {
        Respostas caixas;
        for (const auto& [guardado, idioma] : {std::pair{QVariant(3), 3}, {2, 2}, {1, 1}, {0, 3}, {4, 3}, {QVariant(), 3}}) {
            TestDb db;
            db.exec(QStringLiteral("UPDATE Parametro SET Idioma = ?"), {guardado});
            db.setCase(1, "Bomba", "Falha", 4);
            AppState& estado = db.estado();
            estado.CaseAtual = 1;
            estado.QtdeFatores = 4;
            for (Tela tela : {Menu_, Cases, Eventos, Dados, Resultado, Informacoes, Equipe_}) {
                const std::unique_ptr<QWidget> janela = abrir(tela, estado);
                QCOMPARE(int(estado.IdiomaAtual), idioma);
                QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), kNomeDoArquivo[idioma - 1]);
                for (const Linha& l : kLegendas) {
                    if (l.tela != tela)
                        continue;
                    const char* traducao = idioma == 1 ? l.en : idioma == 2 ? l.es : l.pt;
                    const QString esperado = u(*traducao ? traducao : l.pt);
                    const QString onde = QStringLiteral("%1/%2/%3: ").arg(guardado.toString()).arg(int(tela)).arg(u(l.controle));
                    QCOMPARE(onde + legenda(janela.get(), l.controle), onde + esperado);
                }
            }
        }
        QCOMPARE(caixas.count(), 0);
    }

    void janelaPrincipalComoDesenhadaSemCase()
    {
        TestDb db(false);
        Respostas sink;
        Menu m(db.estado());
        QVERIFY(m.Form_Load() && sink.count() == 0 && db.estado().CaseAtual.isNull());
        QStringList itens; // commands, no submenus
        for (QAction* a : m.menuBar()->actions())
            itens << a->objectName() + (a->menu() ? u("+") : u(""));
        QCOMPARE(itens.join(u' '), u("mnuCases mnuEventos mnuDados mnuMapa mnuUtil mnuSair"));
        QCOMPARE(m.centralWidget()->size(), QSize(599, 406));
        for (const auto& [nome, r] : {std::pair{"Image1", QRect(16, 24, 564, 336)}, {"Label2", {52, 88, 495, 56}}, {"Label1", {16, 360, 564, 17}}})
            QCOMPARE(filho(&m, nome)->geometry(), r);
        QCOMPARE(filho<QLabel>(&m, "Image1")->pixmap().size(), QSize(500, 376));
        // The picture and the icon KV was built with are the ones its code draws.
        QCOMPARE(filho<QLabel>(&m, "Image1")->pixmap().toImage(), Dominoes::imagem());
        QCOMPARE(m.windowIcon().pixmap(128).toImage(), Dominoes::icone());
        auto* label2 = filho<QLabel>(&m, "Label2");
        QVERIFY(label2->font().bold() && label2->font().pointSizeF() == 36.0 && label2->alignment() == Qt::AlignCenter);
        QCOMPARE(filho(&m, "StatusBar1_Panel1")->width() * 1000 + filho(&m, "StatusBar1_Panel2")->width(), 327120);

        // No case as Null, 0 or "0"; the events' title, the analysis' (and the map's), the text.
        const struct { QVariant semCase; int idioma; const char* eventos; const char* analise; const char* texto; } esperados[] = {
            {QVariant(), 1, "Case not set", "Case not set", "Select the Case to be analyzed in the menu Cases"},
            {0, 2, "Case no informado!", "Case no especificado!", "Seleccione el Case que se analiza en los cases de menú"},
            {u("0"), 3, "Case não informado!", "Case não informado!", "Escolha o Case a ser analisado no menu Cases"},
        };
        for (const auto& e : esperados) {
            db.estado().IdiomaAtual = qint16(e.idioma);
            db.estado().CaseAtual = e.semCase;
            sink.clear();
            m.mnuEventos_Click();
            m.mnuDados_Click();
            m.mnuMapa_Click();
            QStringList vistas;
            for (const auto& msg : sink.mensagens)
                vistas << msg.titulo + u(": ") + msg.texto + (msg.icone == Icone::Exclamacao ? u("") : u(" (icon)"));
            const QString texto = u(": ") + u(e.texto);
            QCOMPARE(vistas, QStringList({u(e.eventos) + texto, u(e.analise) + texto, u(e.analise) + texto}));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }

        // With a case, every window sits over the main one.
        db.setCase(1, u("A"), u("B"), 4);
        db.estado().CaseAtual = 1;
        QStringList vistas;
        for (auto comando : {&Menu::mnuCases_Click, &Menu::mnuEventos_Click, &Menu::mnuDados_Click, &Menu::mnuUtil_Click})
            vistas << abrirEFechar(m, comando);
        QCOMPARE(vistas, (QStringList{u("Cadastramento de Casos  (Máximo  10) ok"), u("Cadastro de Eventos ok"),
                                      u("Entrada de dados para análise ok"), u("Informações Gerais ok")}));

        // The menu bar's overflow arrow, read when first drawn, is the platform style's own.
        Estilo estilo(QStyleFactory::create(QApplication::style()->name()));
        for (auto qual : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon adiado = estilo.standardIcon(qual), proprio = QApplication::style()->standardIcon(qual);
            QVERIFY(!adiado.isNull() && adiado.availableSizes() == proprio.availableSizes());
            QCOMPARE(adiado.pixmap(16).toImage(), proprio.pixmap(16).toImage());
        }
    }

    void arquivoRuimOuSegundaCopiaNaoAbrem()
    {
        // Missing, empty, cut short, garbage, a table, column or row missing, read-only, held by another
        // process in the middle of a write: the "Erro" box, naming the cause where it is the file's state.
        const struct { const char* caso; const char* sql; const char* causa; } casos[] = {
            {"ausente", nullptr, ""}, {"vazio", nullptr, ""}, {"truncado", nullptr, ""}, {"lixo", nullptr, ""},
            {"semParametro", "DROP TABLE Parametro", ""}, {"semIdioma", "ALTER TABLE Parametro DROP COLUMN Idioma", ""},
            {"parametroVazio", "DELETE FROM Parametro", ""}, {"somenteLeitura", nullptr, "read-only"},
            {"travado", nullptr, "locked"}};
        for (const auto& c : casos) {
            TestDb db(false);
            const QString p = db.caminho(), caso = u(c.caso);
            const QByteArray novo = caso == u("truncado") ? impressao(p).left(1500) : caso == u("lixo") ? QByteArray(2048, 'Z') : QByteArray();
            if (caso == u("vazio") || caso == u("truncado") || caso == u("lixo"))
                QVERIFY(gravarArquivo(p, novo));
            if (c.sql)
                db.exec(u(c.sql));
            if (caso == u("ausente"))
                QFile::remove(p);
            if (caso == u("somenteLeitura"))
                QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            QProcess travando;
            if (caso == u("travado")) {
                travando.start(u("sqlite3"), {p});
                travando.write("BEGIN IMMEDIATE;\nUPDATE Cases SET Qtde = 5 WHERE Numero = 1;\nSELECT 'held';\n");
                QVERIFY(travando.waitForReadyRead(10000));
            }
            const QByteArray antes = impressao(p); // "missing" stays missing: nothing is created

            Respostas sink;
            QVERIFY(!Menu(db.estado()).Form_Load());
            QVERIFY(sink.count() == 1 && sink.ultima().icone == Icone::Critico && sink.ultima().titulo == u("Erro"));
            const QString inicio = u("Ocorreu um erro no aplicativo.\r\nComo referência, anote o seguinte número: \r\nRef.: ");
            const QString& t = sink.ultima().texto;
            QVERIFY2(t.startsWith(inicio) && t.size() > inicio.size() && t.contains(u(c.causa)), qPrintable(caso + u(": ") + t));
            QCOMPARE(impressao(p), antes);
            travando.closeWriteChannel();
            QVERIFY(travando.state() == QProcess::NotRunning || travando.waitForFinished(10000));
            QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner);
        }

        // The running copy: the real KV in a program folder of its own.
        TestDb db(false);
        db.exec("UPDATE Parametro SET Idioma = 2");
        const QString kv = db.pasta() + u("/KV");
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + u("/KV"), kv));
        QProcess primeira;
        primeira.start(kv, {});
        QVERIFY(primeira.waitForStarted());
        const QByteArray pid = QByteArray::number(primeira.processId()) + '\n';
        QTRY_COMPARE_WITH_TIMEOUT(impressao(SegundaCopia::nomeArquivo(db.pasta())), pid, 20000);

        // Stale locks start normally and end nothing: empty (killed before its text), garbage, and the
        // lock of a program folder copied while KV ran, naming the running copy.
        for (const QByteArray& texto : {QByteArray(), QByteArray("\x01\xfe\n\n"), pid}) {
            TestDb outra(false);
            QVERIFY(gravarArquivo(SegundaCopia::nomeArquivo(outra.pasta()), texto));
            Respostas sink;
            QVERIFY(Menu(outra.estado()).Form_Load() && sink.count() == 0);
        }
        QCOMPARE(primeira.state(), QProcess::Running);

        // The running copy cannot be ended: the start-up "Erro" box says so.
        SegundaCopia::instalarEncerrador([](qint64) { return EPERM; });
        Respostas sink;
        QVERIFY(!Menu(db.estado()).Form_Load());
        SegundaCopia::instalarEncerrador(nullptr);
        QVERIFY(sink.count() == 2 && sink.ultima().titulo == u("Erro"));
        QVERIFY2(sink.ultima().texto.contains(u("Operation not permitted")), qPrintable(sink.ultima().texto));
        QCOMPARE(primeira.state(), QProcess::Running);

        // A new install replaces the program file under the running copy, which is still this program.
        QVERIFY(QFile::remove(kv) && QFile::copy(QCoreApplication::applicationDirPath() + u("/KV"), kv));
        // Otherwise it is ended, after the message in the stored language (the installed KV's road checks the rest).
        sink.clear();
        {
            Menu segunda(db.estado());
            QVERIFY(!segunda.Form_Load() && !segunda.isVisible());
        }
        QVERIFY(sink.count() == 1 && sink.ultima().icone == Icone::Exclamacao);
        QCOMPARE(sink.ultima().titulo + sink.ultima().texto, u("Programa Paralizado!Programa activo por segunda vez, se cerrará !"));
        QVERIFY(primeira.waitForFinished(10000));
    }

    void erroNaoTratadoRelataEEncerra()
    {
        Respostas sink;
        int codigo = -1;
        ErroFatal::instalarTerminador([&](int c) { codigo = c; });
        QPushButton botao;
        QObject::connect(&botao, &QPushButton::clicked, [] { throw StoreError(u("disk I/O error")); });
        botao.show();
        QTest::mouseClick(&botao, Qt::LeftButton);
        ErroFatal::instalarTerminador(nullptr);
        QVERIFY(codigo == 1 && sink.count() == 1 && sink.ultima().icone == Icone::Critico);
        QCOMPARE(sink.ultima().texto, u("disk I/O error"));
    }
};

int main(int argc, char** argv)
{
    KvApplication app(argc, argv);
    TstStartup t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_startup.moc"
