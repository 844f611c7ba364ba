// Every caption of every screen, read off the live windows in the three languages, odd spellings included.
#include "analysis/frmDados.h"
#include "info/frmInformacoes.h"
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "results/frmResultado.h"
#include "shell/app/Menu.h"
#include "tests/support/Controles.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QAbstractItemView>
#include <memory>

namespace {
enum Tela { Menu_, Cases, Eventos, Dados, Resultado, Informacoes };

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
    {Dados, "opt5", "Muito menos", "Mucho menos", "Much less"},
    {Dados, "opt4", "Menos", "Menos", "Less"},
    {Dados, "opt3", "De forma igual", "Igualmente", "The same"},
    {Dados, "opt2", "Mais", "Más", "Much"},
    {Dados, "opt1", "Muito Mais", "Mucho más", "Much more"},
    {Dados, "Label5",
     "(1/10)                         (1/5)                              "
     "(1)                               (5)                         (10)",
     "", ""},

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
                               : std::unique_ptr<QWidget>(new frmInformacoes(estado));
}
} // namespace

class TstCaptions : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionOfEveryScreenInEachLanguage()
    {
        RecordingSink caixas;
        for (int idioma : {3, 2, 1}) {
            TestDb db;
            db.exec(QStringLiteral("UPDATE Parametro SET Idioma = ?"), {idioma});
            db.setCase(1, "Bomba", "Falha", 4);
            AppState& estado = db.estado();
            estado.IdiomaAtual = qint16(idioma);
            estado.CaseAtual = 1;
            estado.QtdeFatores = 4;
            for (Tela tela : {Menu_, Cases, Eventos, Dados, Resultado, Informacoes}) {
                const std::unique_ptr<QWidget> janela = abrir(tela, estado);
                for (const Linha& l : kLegendas) {
                    if (l.tela != tela)
                        continue;
                    const char* traducao = idioma == 1 ? l.en : idioma == 2 ? l.es : l.pt;
                    const QString esperado = u(*traducao ? traducao : l.pt);
                    const QString onde = QStringLiteral("%1/%2/%3: ").arg(idioma).arg(int(tela)).arg(u(l.controle));
                    QCOMPARE(onde + legenda(janela.get(), l.controle), onde + esperado);
                }
            }
        }
        QCOMPARE(caixas.count(), 0);
    }
};

QTEST_MAIN(TstCaptions)
#include "tst_captions.moc"
