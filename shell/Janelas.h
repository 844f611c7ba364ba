#pragma once

#include <QString>

class QDialog;
class QWidget;

// The common frame of every secondary window: its name (none keeps it), title, the window's
// font and its fixed client size in twips; modal, with a close button but no
// minimise or maximise button (a minimised modal window would leave the main
// window deaf with nothing to bring it back), and Escape never closing it,
// because only a window's own leave button or its close button saves what the
// user entered.
void prepararJanela(QDialog* janela, const char* nome, const QString& titulo, int largura, int altura);

// Gives the window of `abridor` the activation and the keyboard focus back.
void devolverFoco(QWidget* abridor);

// From now on, whenever a dialog (ours, a message box, a file dialog) closes,
// the window that opened it gets the activation and the focus back: window
// managers hand them to whatever they like, or to nothing. Once is enough.
void vigiarRetornoDoFoco();
