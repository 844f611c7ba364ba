#pragma once

// A logout, a shutdown or Ctrl+C in a terminal (SIGTERM, SIGHUP, SIGINT) ends
// KV the way its windows' close actions do: every open screen, the top-most
// first, closes and saves what it holds, then the program ends. The handler
// only writes the signal into a pipe; the event loop reads it and does the rest.
// When the display goes away, Qt ends the program at once: the screens' saves
// without a window run just before.
namespace Sinais {

void instalar();

// True once a signal asked the program to end.
bool encerrando();

// The close path itself.
void encerrar();

} // namespace Sinais
