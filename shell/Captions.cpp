#include "shell/Captions.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>

namespace Legendas {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

QList<Legenda> menu(int idioma)
{
    if (idioma == 1)
        return {{u("mnuCases"), u("Cases")},
                {u("mnuEventos"), u("Events")},
                {u("mnuDados"), u("Analysis")},
                {u("mnuUtil"), u("Information")},
                {u("mnuSair"), u("Quit")},
                {u("Label1"), creditos(1)},
                {u(""), u("KV - Orvalis")},
                {u("Label2"), u("Orvalis")}};
    return {{u("mnuEventos"), u("Eventos")},
            {u("mnuDados"), u("Análisis")},
            {u("mnuUtil"), u("Informacion")},
            {u("mnuSair"), u("Dejar")},
            {u("Label1"), creditos(2)},
            {u(""), u("KV - Orvalis")},
            {u("Label2"), u("Orvalis")}};
}

QList<Legenda> cases(int idioma)
{
    if (idioma == 1)
        return {{u("DBGrid1:0"), u("Number")},
                {u("DBGrid1:2"), u("symptom")},
                {u("DBGrid1:3"), u("Amont")},
                {u("Label4"), u("Double click to choose the case")},
                {u("Label2"), u("Goal to achieve or undesired Symptom")},
                {u("Label1"), u("Number of Factors")},
                {u("cmdSair"), u("Return")},
                {u("cmdLimpar"), u("Clear previous history")},
                {u("cmdGravar"), u("Write")},
                {u(""), u("Registration of Cases (Maximum 10)")}};
    return {{u("DBGrid1:0"), u("Número")},
            {u("DBGrid1:2"), u("Sintoma")},
            {u("DBGrid1:3"), u("Cantidad")},
            {u("Label4"), u("Haga doble clic para seleccionar el case")},
            {u("Label2"), u("Meta para alcanzar o síntoma no deseado:")},
            {u("Label1"), u("Número de factores:")},
            {u("cmdSair"), u("&Volter")},
            {u("cmdLimpar"), u("Borrar historial anterior")},
            {u("cmdGravar"), u("Registro")},
            {u(""), u("Registro de Cases (Máximo 10)")}};
}

// The factor column ("Evento") keeps its header in every language: the sets'
// alternative, "symptom", would mislabel the factor names.
QList<Legenda> eventos(int idioma)
{
    if (idioma == 1)
        return {{u("DBGrid1:0"), u("Number")},
                {u("Label2"), u("Goal to achieve or undesired symptom")},
                {u("Label1"), u("Number of Factors")},
                {u("cmdSair"), u("Write and Return")},
                {u(""), u("Registration of events")}};
    return {{u("DBGrid1:0"), u("Número")},
            {u("Label2"), u("Meta para alcanzar o síntoma no deseado")},
            {u("Label1"), u("Número de Factores")},
            {u("cmdSair"), u("Registro e Volver")},
            {u(""), u("Registro dos Eventos")}};
}

QList<Legenda> resultado(int idioma)
{
    if (idioma == 1)
        return {{u("Label2"), u("Effects or Spurious Factors")},
                {u("Label4"), u("Causal Factors")},
                {u("Label5"), u("Root Cause or principal FCS")},
                {u("Label7"), u("Printer:")},
                {u("cmdSair"), u("&Return")},
                {u("cmdPrinter"), u("To Print")},
                {u(""), u("EMach Results")},
                {u("Frame2"), u("Goal to achieve or undesired symptom")}};
    return {{u("Label2"), u("Efectos ou Factores Espúrios")},
            {u("Label4"), u("Factores causales")},
            {u("Label5"), u("Causa Raíz ou principal FCS")},
            {u("Label7"), u("Impresora:")},
            {u("cmdSair"), u("&Volver")},
            {u("cmdPrinter"), u("Imprimir")},
            {u(""), u("Resultado E-Mach")},
            {u("Frame2"), u("Meta para alcanzar o síntoma no deseado")}};
}

// The Spanish set of this screen carries the English texts.
QList<Legenda> informacoes()
{
    return {{u("Label1"), u("Computer name:")},
            {u("Label2"), u("Video resolution:")},
            {u("Label3"), u("Logged in user:")},
            {u("Label5"), u("Version Database:")},
            {u("cmdVOLTAR"), u("&Return")},
            {u(""), u("Information")},
            {u("Frame1"), u("Computer specification: ")},
            {u("Frame3"), u("Language: ")}};
}

bool aplicarUma(QWidget* janela, const Legenda& l)
{
    if (l.controle.isEmpty()) {
        janela->setWindowTitle(l.texto);
        return true;
    }
    const int sep = l.controle.indexOf(QLatin1Char(':'));
    if (sep > 0) {
        const QString nome = l.controle.left(sep);
        const int coluna = l.controle.mid(sep + 1).toInt();
        if (auto* tw = janela->findChild<QTableWidget*>(nome)) {
            auto* item = tw->horizontalHeaderItem(coluna);
            if (!item)
                tw->setHorizontalHeaderItem(coluna, item = new QTableWidgetItem);
            item->setText(l.texto);
            return true;
        }
        if (auto* view = janela->findChild<QAbstractItemView*>(nome); view && view->model())
            return view->model()->setHeaderData(coluna, Qt::Horizontal, l.texto);
        return false;
    }
    // Menu items are actions; look for them first, as a menu bar's own
    // widgets never carry these names.
    if (auto* a = janela->findChild<QAction*>(l.controle)) {
        a->setText(l.texto);
        return true;
    }
    QObject* o = janela->findChild<QObject*>(l.controle);
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(l.texto);
    else if (auto* lb = qobject_cast<QLabel*>(o))
        lb->setText(l.texto);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(l.texto);
    else
        return false;
    return true;
}
} // namespace

QString creditos(int idioma)
{
    switch (idioma) {
    case 1: return u("Causal analysis by the E-Mach method. Design and programming: the KV team.");
    case 2: return u("Análisis causal por el método E-Mach. Diseño y programación: el equipo KV.");
    default: return u("Análise causal pelo método E-Mach. Projeto e programação: equipe KV.");
    }
}

QList<Legenda> conjunto(Tela tela, int idioma)
{
    if (idioma != 1 && idioma != 2)
        return {};
    switch (tela) {
    case Tela::Menu: return menu(idioma);
    case Tela::Cases: return cases(idioma);
    case Tela::Eventos: return eventos(idioma);
    case Tela::Resultado: return resultado(idioma);
    case Tela::Informacoes: return informacoes();
    }
    return {};
}

int aplicar(QWidget* janela, const QList<Legenda>& legendas)
{
    int achados = 0;
    for (const Legenda& l : legendas)
        achados += aplicarUma(janela, l) ? 1 : 0;
    return achados;
}

void aplicarIngles(QWidget* janela, Tela tela) { aplicar(janela, conjunto(tela, 1)); }
void aplicarEspanhol(QWidget* janela, Tela tela) { aplicar(janela, conjunto(tela, 2)); }

void aplicarIdioma(QWidget* janela, Tela tela, int idioma)
{
    if (idioma == 1)
        aplicarIngles(janela, tela);
    else if (idioma == 2)
        aplicarEspanhol(janela, tela);
}

} // namespace Legendas
