#include "ItemEffects.h"

#include "state/NumberRules.h"

namespace velmor {

namespace {

void raise(int16_t& rate, int by) {
    store16(rate, double(rate) + by);
}

// A rate never goes below 1 through an item: then the change is not made at all.
void lower(int16_t& rate, int by) {
    double result = double(rate) - by;
    if (result >= 1) store16(rate, result);
}

} // namespace

void applyTakingEffect(GameState& state, int id) {
    switch (id) {
    case 4:  // Lord Mao's ring
    case 37: // the mage's skull
        lower(state.lifeForceDrain, 10);
        break;
    case 5: // the cross of Saint Anuy
        lower(state.healthDrain, 1);
        break;
    case 10: // the death warriors' armour
        raise(state.lifeForceDrain, 10);
        break;
    default:
        break;
    }
}

void applyGivingUpEffect(GameState& state, int id) {
    switch (id) {
    case 4:
    case 37:
        raise(state.lifeForceDrain, 10);
        break;
    case 5:
        raise(state.healthDrain, 1);
        break;
    case 10:
        lower(state.lifeForceDrain, 10);
        break;
    default:
        break;
    }
}

} // namespace velmor
