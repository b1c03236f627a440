#pragma once

#include "state/GameState.h"
#include "state/GameWindow.h"

namespace velmor {

// The offer panel's buttons: 0 accepts the pending offer (offerCode), 1 declines it. Both close the panel.
// Accepting needs a free slot even for a scroll or a healing; an item goes into the lowest free slot and its
// cell's taken key into the taken log; a scroll is owned at once; a merchant's scroll and a healing are paid
// for, or the notice "У Вас недостаточно денег..." says why not. offerCode stays as it is.
void Command1_Click(GameState& state, GameWindow& window, int index);

} // namespace velmor
