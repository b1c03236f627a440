#include "Vitality.h"

#include "Endings.h"

#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/NumberRules.h"

#include <algorithm>
#include <array>

namespace velmor {

namespace {

constexpr int16_t redShard = 14, yellowShard = 15, blueShard = 17, shaoRing = 19, blackFathersSkull = 36;
constexpr int16_t firstAmulet = 21; // the five amulets of eternal life are 21 to 25

// What one scan of the slots finds. The shard counts are the game's 8-bit counters.
struct Carried {
    bool red = false, yellow = false, blue = false, ring = false, skull = false;
    uint8_t redCount = 0, yellowCount = 0, blueCount = 0;
    std::array<bool, 5> amulets{};
};

Carried scanSlots(const GameState& state) {
    Carried carried;
    for (int16_t item : state.pred) {
        if (item == redShard) {
            carried.red = true;
            store8(carried.redCount, carried.redCount + 1);
        } else if (item == yellowShard) {
            carried.yellow = true;
            store8(carried.yellowCount, carried.yellowCount + 1);
        } else if (item == blueShard) {
            carried.blue = true;
            store8(carried.blueCount, carried.blueCount + 1);
        } else if (item == shaoRing) {
            carried.ring = true;
        } else if (item == blackFathersSkull) {
            carried.skull = true;
        } else if (item >= firstAmulet && item < firstAmulet + 5) {
            carried.amulets[item - firstAmulet] = true;
        }
    }
    return carried;
}

} // namespace

void VitalityTick(GameState& state, GameWindow& window) {
    const Carried carried = scanSlots(state);
    constexpr int16_t full = GameState::fullVitality;

    if (carried.skull) {
        store16(state.health, state.health - state.healthDrain);
        state.lifeForce = full;
    }
    if (carried.red && !carried.ring)
        store16(state.health, state.health - state.health / 2000.0 * carried.redCount);
    if (carried.blue) {
        store16(state.health, state.health + state.health / 5000.0 * carried.blueCount);
        store16(state.lifeForce, state.lifeForce + state.lifeForce / 2000.0 * carried.blueCount);
    }
    if (carried.yellow)
        store16(state.lifeForce, state.lifeForce - state.lifeForce / 2000.0 * carried.yellowCount);
    if (std::all_of(carried.amulets.begin(), carried.amulets.end(), [](bool has) { return has; })) {
        state.health = full;
        state.lifeForce = full;
    }

    if (state.lifeForce <= 0) store16(state.health, state.health - state.healthDrain);
    if (state.health <= 0) ShowDefeat(state, window);

    state.health = std::min(state.health, full);
    state.lifeForce = std::min(state.lifeForce, full);
    window.drawBar(0, state.health);
    window.drawBar(1, state.lifeForce);
}

} // namespace velmor
