// Caption sets: exact texts in their order, applied to live windows by name;
// controls a set does not list keep what they show.
#include "shell/Captions.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace Legendas;

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

QStringList textos(const QList<Legenda>& l)
{
    QStringList out;
    for (const auto& x : l)
        out << x.controle + u("=") + x.texto;
    return out;
}

template <typename W>
W* filho(QWidget* pai, const char* nome, const char* texto = "")
{
    auto* w = new W(pai);
    w->setObjectName(QString::fromLatin1(nome));
    if constexpr (std::is_same_v<W, QGroupBox>)
        w->setTitle(u(texto));
    else
        w->setText(u(texto));
    return w;
}
} // namespace

class TstCaptions : public QObject {
    Q_OBJECT
private slots:
    void conjuntosNaOrdemEComOsTextosExatos()
    {
        // The odd texts are the ones a tidy-minded edit would "fix".
        QCOMPARE(textos(conjunto(Tela::Menu, 2)).mid(0, 4),
                 (QStringList{u("mnuEventos=Eventos"), u("mnuDados=Análisis"), u("mnuUtil=Informacion"), u("mnuSair=Dejar")}));
        QCOMPARE(conjunto(Tela::Menu, 1).size(), 8);
        QCOMPARE(conjunto(Tela::Menu, 2).size(), 7); // the Spanish set leaves "&Casos" alone
        QCOMPARE(textos(conjunto(Tela::Cases, 1)).mid(0, 3),
                 (QStringList{u("DBGrid1:0=Number"), u("DBGrid1:2=symptom"), u("DBGrid1:3=Amont")}));
        QCOMPARE(textos(conjunto(Tela::Cases, 2)).at(6), u("cmdSair=&Volter"));
        QCOMPARE(textos(conjunto(Tela::Cases, 2)).last(), u("=Registro de Cases (Máximo 10)"));
        QCOMPARE(textos(conjunto(Tela::Eventos, 2)).at(3), u("cmdSair=Registro e Volver"));
        QCOMPARE(textos(conjunto(Tela::Dados, 1)).last(), u("opt1=Much more"));
        QCOMPARE(textos(conjunto(Tela::Dados, 1)).at(13), u("opt2=Much"));
        QCOMPARE(textos(conjunto(Tela::Dados, 2)).at(8), u("=Registro dos Eventos"));
        QCOMPARE(textos(conjunto(Tela::Resultado, 1)).at(5), u("cmdPrinter=To Print"));
        QCOMPARE(textos(conjunto(Tela::Resultado, 2)).first(), u("Label2=Efectos ou Factores Espúrios"));
        // The Spanish set of the information screen is the English one.
        QCOMPARE(textos(conjunto(Tela::Informacoes, 2)), textos(conjunto(Tela::Informacoes, 1)));
        for (Tela t : {Tela::Menu, Tela::Cases, Tela::Eventos, Tela::Dados, Tela::Resultado, Tela::Informacoes})
            for (int idioma : {0, 3, 4})
                QVERIFY(conjunto(t, idioma).isEmpty());
    }

    void aplicadoAUmaJanelaViva()
    {
        QDialog janela;
        janela.setWindowTitle(u("Cadastramento de Casos  (Máximo  10)"));
        auto* grade = new QTableView(&janela);
        grade->setObjectName(u("DBGrid1"));
        QStandardItemModel modelo(0, 4);
        modelo.setHorizontalHeaderLabels({u("Número"), u("Case"), u("Sintoma"), u("Qtde")});
        grade->setModel(&modelo);
        filho<QLabel>(&janela, "Label4", "Duplo click para escolher o case");
        filho<QLabel>(&janela, "Label3", "Case:");
        filho<QLabel>(&janela, "Label2");
        filho<QLabel>(&janela, "Label1");
        filho<QPushButton>(&janela, "cmdSair", "&Voltar");
        filho<QPushButton>(&janela, "cmdLimpar");
        filho<QPushButton>(&janela, "cmdGravar");

        aplicarIdioma(&janela, Tela::Cases, 3);
        QCOMPARE(janela.findChild<QPushButton*>(u("cmdSair"))->text(), u("&Voltar"));

        aplicarIdioma(&janela, Tela::Cases, 2);
        QCOMPARE(janela.windowTitle(), u("Registro de Cases (Máximo 10)"));
        QCOMPARE(janela.findChild<QPushButton*>(u("cmdSair"))->text(), u("&Volter"));
        QCOMPARE(modelo.headerData(3, Qt::Horizontal).toString(), u("Cantidad"));
        QCOMPARE(modelo.headerData(1, Qt::Horizontal).toString(), u("Case"));
        QCOMPARE(janela.findChild<QLabel*>(u("Label3"))->text(), u("Case:"));

        aplicarIdioma(&janela, Tela::Cases, 1);
        QCOMPARE(modelo.headerData(3, Qt::Horizontal).toString(), u("Amont"));
        QCOMPARE(modelo.headerData(2, Qt::Horizontal).toString(), u("symptom"));
        QCOMPARE(janela.findChild<QLabel*>(u("Label4"))->text(), u("Double click to choose the case"));

        // Frames, options and menu items.
        QMainWindow principal;
        QAction* casos = principal.menuBar()->addAction(u("&Casos"));
        casos->setObjectName(u("mnuCases"));
        QAction* sair = principal.menuBar()->addAction(u("&Sair"));
        sair->setObjectName(u("mnuSair"));
        aplicarEspanhol(&principal, Tela::Menu);
        QCOMPARE(casos->text(), u("&Casos"));
        QCOMPARE(sair->text(), u("Dejar"));
        aplicarIngles(&principal, Tela::Menu);
        QCOMPARE(casos->text(), u("Cases"));
        aplicarEspanhol(&principal, Tela::Menu); // back to Spanish: "Cases" stays
        QCOMPARE(casos->text(), u("Cases"));

        QDialog info;
        auto* quadro = filho<QGroupBox>(&info, "Frame3", "Idioma: ");
        auto* opt2 = filho<QRadioButton>(quadro, "opt2", "Espanhõl");
        filho<QGroupBox>(&info, "Frame2", "Suporte: ");
        QCOMPARE(aplicar(&info, conjunto(Tela::Informacoes, 2)), 2); // the title and Frame3
        QCOMPARE(quadro->title(), u("Language: "));
        QCOMPARE(opt2->text(), u("Espanhõl"));
        QCOMPARE(info.findChild<QGroupBox*>(u("Frame2"))->title(), u("Suporte: "));
    }
};

QTEST_MAIN(TstCaptions)
#include "tst_captions.moc"
