#pragma once

#include "shell/AppState.h"

class QWidget;

// At start-up, the judgements a kill, a logout or a power cut kept from being
// saved: offered with the time they were made, restoring being the default
// answer; restoring saves them the way every save goes, declining drops them.
// A recovery file that is damaged or not this database's is set aside and
// the user is told; one that holds what is stored already just goes.
namespace Restauracao {

void aoIniciar(AppState& estado, QWidget* janela);

} // namespace Restauracao
