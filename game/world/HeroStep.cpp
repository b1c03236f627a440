#include "HeroStep.h"

#include "CarriedItems.h"
#include "CellRules.h"
#include "Passability.h"

#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/NumberRules.h"

namespace velmor {

namespace {

constexpr int cellWidth = 525;  // twips
constexpr int cellHeight = 540; // twips

// One step along one axis. The hero's cell index moves first so that the codes of the cell ahead can be
// read; a blocked step puts it back. Every statement stands alone: a 16-bit overflow skips only itself.
struct Step {
    int16_t GameState::*index; // heroCol (two characters to a cell) or heroRow
    int indexChange;
    int16_t GameState::*position; // heroX or heroY, twips
    int positionChange;
    int facing; // 0 down, 1 up, 2 right, 3 left
};

// Returns false when the step was blocked.
bool takeStep(GameState& state, GameWindow& window, const CarriedItems& carried, const Step& step) {
    window.picWin(1).hide();
    window.picWin(2).hide();
    int16_t& index = state.*step.index;
    store16(index, index + step.indexChange);
    readHeroCell(state);
    if (isBlocked(state.nextCode2, carried)) {
        store16(index, index - step.indexChange);
        window.tmrHeroMove().setEnabled(false);
        return false;
    }
    store16(state.lifeForce, state.lifeForce - state.lifeForceDrain);
    int16_t& position = state.*step.position;
    store16(position, position + step.positionChange);
    window.DrawHero(step.facing);
    return true;
}

} // namespace

void readHeroCell(GameState& state) {
    if (state.heroRow < 0 || state.heroRow >= GameState::layerRows || state.heroCol < 1) return;
    state.nextCode2 = cellCode(state.layer2[state.heroRow], state.heroCol);
    state.nextCode4b = cellCode(state.layer4[state.heroRow], state.heroCol);
    state.nextCode5 = cellCode(state.layer5[state.heroRow], state.heroCol);
}

void HeroStep(GameState& state, GameWindow& window) {
    const CarriedItems carried = carriedItems(state);

    // Each axis is compared after the step before it; a blocked step ends the stepping for this tick.
    bool walking = true;
    if (walking && state.heroX > state.targetX)
        walking =
            takeStep(state, window, carried, {&GameState::heroCol, -2, &GameState::heroX, -cellWidth, 3});
    if (walking && state.heroX < state.targetX)
        walking = takeStep(state, window, carried, {&GameState::heroCol, 2, &GameState::heroX, cellWidth, 2});
    if (walking && state.heroY < state.targetY)
        walking =
            takeStep(state, window, carried, {&GameState::heroRow, 1, &GameState::heroY, cellHeight, 0});
    if (walking && state.heroY > state.targetY)
        walking =
            takeStep(state, window, carried, {&GameState::heroRow, -1, &GameState::heroY, -cellHeight, 1});

    ApplyCellRules(state, window, carried);
}

} // namespace velmor
