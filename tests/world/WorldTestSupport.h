#pragma once

#include "FakeGameWindow.h"
#include "state/GameState.h"

#include "QtPrinters.h"

namespace velmor::test {

// A game just begun on the map "Test" in grid section x0y0: full health and life force, the new game's
// drains, the hero on cell (0, 0) with the destination on himself.
inline GameState gameOnTheGrid() {
    GameState state;
    resetForNewGame(state, QStringLiteral("Test"));
    state.postName = QStringLiteral("0");
    state.sectionName = QStringLiteral("x0y0");
    state.health = GameState::fullVitality;
    state.lifeForce = GameState::fullVitality;
    return state;
}

// Puts the hero on cell (column, row) in all three forms the game keeps.
inline void placeHero(GameState& state, int column, int row) {
    state.heroX = static_cast<int16_t>(525 * column);
    state.heroY = static_cast<int16_t>(540 * row);
    state.heroCol = static_cast<int16_t>(2 * column + 1);
    state.heroRow = static_cast<int16_t>(row);
}

inline void setDestination(GameState& state, int column, int row) {
    state.targetX = static_cast<int16_t>(525 * column);
    state.targetY = static_cast<int16_t>(540 * row);
}

// The hero's cell as (column, row), read back from his position in twips.
inline std::pair<int, int> heroCell(const GameState& state) {
    return {state.heroX / 525, state.heroY / 540};
}

} // namespace velmor::test
