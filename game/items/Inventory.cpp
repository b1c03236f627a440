#include "Inventory.h"

#include "ItemCatalogue.h"
#include "ItemEffects.h"
#include "MoneyText.h"
#include "ShowInfo.h"

namespace velmor {

namespace {

bool isSlot(int index) {
    return index >= 0 && index < GameState::slotCount;
}

// The selected slot's item, 0 for an empty slot.
int selectedItem(const GameState& state) {
    const int slot = state.form2.selectedSlot;
    return isSlot(slot) ? state.pred[slot] : 0;
}

void emptySelectedSlot(GameState& state, GameWindow& window) {
    const int slot = state.form2.selectedSlot;
    if (!isSlot(slot)) return;
    window.setSlotPicture(slot, -1);
    state.pred[slot] = 0;
}

void drop(GameState& state, GameWindow& window) {
    applyGivingUpEffect(state, selectedItem(state));
    emptySelectedSlot(state, window);
}

void sell(GameState& state, GameWindow& window) {
    const int item = selectedItem(state);
    state.money += salePrice(item).value_or(0);
    applyGivingUpEffect(state, item);
    window.Label2().setText(moneyText(state.money));
    emptySelectedSlot(state, window);
}

void showSelectedInfo(const GameState& state, GameWindow& window) {
    if (std::optional<int16_t> code = itemInfoCode(selectedItem(state))) ShowInfo(window, *code);
}

} // namespace

void imgRes_Click(GameWindow& window, int index) {
    if (index != 2) return;
    window.tmrHeroMove().setEnabled(false);
    window.picWin(1).show();
}

void imgPred_Click(GameState& state, GameWindow& window, int index) {
    if (!isSlot(index)) return;
    state.form2.selectedSlot = static_cast<int16_t>(index);
    window.Shape2().move(slotLeft(index), slotTop(index));
}

void Command2_Click(GameState& state, GameWindow& window, int index) {
    switch (index) {
    case 0:
        drop(state, window);
        break;
    case 1:
        sell(state, window);
        break;
    case 2:
        window.picWin(1).hide();
        break;
    case 3:
        showSelectedInfo(state, window);
        break;
    default:
        break;
    }
}

} // namespace velmor
