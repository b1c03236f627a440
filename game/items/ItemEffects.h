#pragma once

#include "state/GameState.h"

namespace velmor {

// What taking an item (accepting its offer) and giving it up (dropping or selling it) does to the consumption
// rates. Only the rings, the cross, the death warriors' armour and the mage's skull (ids 4, 5, 10, 37) do
// anything. The change is made once, at that moment; a lowering is skipped when the rate would fall below 1,
// so taking and giving up need not cancel out.
void applyTakingEffect(GameState& state, int id);
void applyGivingUpEffect(GameState& state, int id);

} // namespace velmor
