#pragma once

#include "shell/AppState.h"

// Watches the -wal and -shm beside the data file while KV runs, every two
// seconds and whenever KV comes to the front, so that their deletion by
// another program is told at once, not at the next save.
namespace Vigia {

void instalar(AppState& estado);

// One look: a deleted -wal or -shm is made afresh (what it held goes into
// CONTROLE.mdb first) and the user is told what happened and what to do.
void verificar(AppState& estado);

} // namespace Vigia
