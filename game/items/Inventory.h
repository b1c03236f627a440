#pragma once

#include "state/GameState.h"
#include "state/GameWindow.h"

namespace velmor {

// Where slot imgPred(slot) sits inside the inventory panel picWin(1), in twips: eight slots to a row, five
// rows.
constexpr int slotSize = 615;
constexpr double slotLeft(int slot) {
    return 480 + 720 * (slot % 8);
}
constexpr double slotTop(int slot) {
    return 480 + 720 * (slot / 8);
}

// The chest icon imgRes(2) opens the inventory and stops the hero where he stands; the other icons do
// nothing.
void imgRes_Click(GameWindow& window, int index);

// Selects a slot, empty or not, and moves the selection frame Shape2 onto it.
void imgPred_Click(GameState& state, GameWindow& window, int index);

// The inventory's buttons for the selected slot: 0 drops its item, 1 sells it (the money display is rewritten
// even for an empty slot), 2 closes the inventory, 3 shows the item's info. Dropping and selling give the
// item up: the rates it changed when taken change back. A dropped item is gone; its taken key stays.
void Command2_Click(GameState& state, GameWindow& window, int index);

} // namespace velmor
