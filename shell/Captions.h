#pragma once

#include <QList>
#include <QString>

class QWidget;

// The English and Spanish caption sets of the six screens. Portuguese is what
// each screen shows when it is created; a set replaces the listed captions of
// a live window, in the listed order, and leaves every other control alone.
namespace Legendas {

enum class Tela { Menu, Cases, Eventos, Resultado, Informacoes };

struct Legenda {
    // The control's objectName; "" is the window's title; "DBGrid1:2" is the
    // header of column 2 of the grid DBGrid1.
    QString controle;
    QString texto;
};

// The set of a screen for language 1 (English) or 2 (Spanish); empty otherwise.
QList<Legenda> conjunto(Tela tela, int idioma);

// Applies one set to a window; returns how many listed controls were found.
int aplicar(QWidget* janela, const QList<Legenda>& legendas);

void aplicarIngles(QWidget* janela, Tela tela);
void aplicarEspanhol(QWidget* janela, Tela tela);

// The rule of every screen load: code 1 applies the English set, code 2 the
// Spanish set, anything else nothing.
void aplicarIdioma(QWidget* janela, Tela tela, int idioma);

// The credits line of the main window in each language (3 is Portuguese).
QString creditos(int idioma);

} // namespace Legendas
