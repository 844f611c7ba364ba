#pragma once

#include <QString>

class QDialog;

// The common frame of every secondary window: its name (none keeps it), title, the window's
// font and its fixed client size in twips; modal, with a close button but no
// minimise or maximise button (a minimised modal window would leave the main
// window deaf with nothing to bring it back), and Escape never closing it,
// because only a window's own leave button or its close button saves what the
// user entered.
void prepararJanela(QDialog* janela, const char* nome, const QString& titulo, int largura, int altura);
