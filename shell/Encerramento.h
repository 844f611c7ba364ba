#pragma once

#include <QObject>
#include <functional>

// When the display goes away, Qt ends the program on the spot, past every
// window's close action. A screen that holds unsaved work registers here how
// to save it without a window, and the shell runs what is registered at that
// moment. A registration ends with its `dono`.
namespace Encerramento {

void aoPerderTela(QObject* dono, std::function<void()> salvar);

// Set once a signal asked the program to end: a question closed by it was not answered.
bool encerrando();
void marcarEncerrando();

// Runs every registered save once, each failure swallowed: no window can say anything by then.
void salvarTudo();

} // namespace Encerramento
