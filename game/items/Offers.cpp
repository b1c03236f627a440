#include "Offers.h"

#include "Healing.h"
#include "ItemCatalogue.h"
#include "ItemEffects.h"
#include "MoneyText.h"
#include "Scrolls.h"
#include "ShowInfo.h"
#include "TakenLog.h"

#include "state/NumberRules.h"

#include <optional>

namespace velmor {

namespace {

constexpr int16_t notEnoughMoney = 3;

std::optional<int> firstEmptySlot(const GameState& state) {
    for (int slot = 0; slot < GameState::slotCount; ++slot)
        if (state.pred[slot] == 0) return slot;
    return std::nullopt;
}

void ownScroll(GameState& state, GameWindow& window, int index) {
    window.imgRemen(index).show();
    state.sv[index] = vbTrue;
}

void buyScroll(GameState& state, GameWindow& window, int index) {
    if (state.money < scrollPrice) {
        ShowInfo(window, notEnoughMoney);
        return;
    }
    state.money -= scrollPrice;
    window.Label2().setText(moneyText(state.money));
    ownScroll(state, window, index);
}

void heal(GameState& state, GameWindow& window, int price) {
    if (state.money < price) {
        ShowInfo(window, notEnoughMoney);
        return;
    }
    state.health = GameState::fullVitality;
    state.lifeForce = GameState::fullVitality;
    state.money -= price;
    window.Label2().setText(moneyText(state.money));
    window.drawBar(0, state.health);
    window.drawBar(1, state.lifeForce);
}

void accept(GameState& state, GameWindow& window) {
    const std::optional<int> slot = firstEmptySlot(state);
    if (!slot) {
        window.picWin(2).hide();
        return;
    }

    const int16_t code = state.form2.offerCode;
    // Everything below the scrolls counts as a thing from the map: it takes the slot and its cell is marked.
    if (code < 500) {
        state.pred[*slot] = code;
        writeTakenKey(state.form2, takenKey(state.sectionName, state.nextCode5));
    }

    if (std::optional<int> picture = itemPicture(code)) {
        window.setSlotPicture(*slot, *picture);
        applyTakingEffect(state, code);
    } else if (code >= 500 && code <= 504) {
        ownScroll(state, window, *scrollIndex(code));
    } else if (code >= 980 && code <= 984) {
        buyScroll(state, window, *scrollIndex(code));
    } else if (std::optional<int> price = healingPrice(code)) {
        heal(state, window, *price);
    }

    window.picWin(2).hide();
}

} // namespace

void Command1_Click(GameState& state, GameWindow& window, int index) {
    if (index == 0) accept(state, window);
    if (index == 1) window.picWin(2).hide();
}

} // namespace velmor
