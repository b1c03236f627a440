#pragma once

#include "state/GameState.h"

namespace velmor {

// The carried things the movement step and the cell rules ask about, noted once at the start of every
// movement tick: the three keys, the death warriors' armour, the northern dragon amulet and the Shao ring.
struct CarriedItems {
    bool goldenKey = false;    // item 1, opens "D2"
    bool blueKey = false;      // item 2, opens "D3"
    bool greenKey = false;     // item 3, opens "D4"
    bool deathArmour = false;  // item 10, shields from the green crystal and the green door
    bool dragonAmulet = false; // item 12, lets the hero through ice trees "yb"
    bool shaoRing = false;     // item 19, shields from the red crystal
};

CarriedItems carriedItems(const GameState& state);

} // namespace velmor
