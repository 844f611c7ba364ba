#pragma once

#include "shell/AppState.h"
#include "shell/Messages.h"

#include <QString>
#include <functional>

class StoreError;

// A window that saves what the user entered runs the save through here. The
// store checks the file before it writes and keeps each save one transaction;
// a failure is caught here and told to the user in the current language:
// what happened in plain words, then the store's own text. False means that
// nothing was saved and the window keeps everything it shows, for a retry.
namespace Gravacao {

bool gravar(const AppState& estado, const std::function<void()>& salvar);

// The message for a failed save, in the current language; at quitting it
// says nothing of a retry.
Aviso aviso(const StoreError& erro, bool aoEncerrar = false);

// At quitting: when the file at the program's path is no longer the one
// open, the user is told, and no -wal or -shm is left there to be replayed
// onto the file that stands there now.
void aoEncerrar(AppState& estado);

} // namespace Gravacao
