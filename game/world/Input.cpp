#include "Input.h"

#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/NumberRules.h"

namespace velmor {

namespace {

constexpr double cellWidth = 525;  // twips
constexpr double cellHeight = 540; // twips

// The left (top) edge of the cell under a position. Ties round to even, so a click exactly on the edge of a
// cell with an odd index selects the cell before it.
double cellEdge(float position, double cellSize) {
    return cellSize * roundHalfEven(static_cast<double>(position) / cellSize - 0.5);
}

} // namespace

void picMap_MouseDown(GameState& state, GameWindow& window, float x, float y) {
    store16(state.targetX, cellEdge(x, cellWidth));
    store16(state.targetY, cellEdge(y, cellHeight));
    window.Shape1().move(state.targetX, state.targetY);
    window.tmrHeroMove().setEnabled(true);
}

void Form_KeyPress(GameWindow& window, int16_t keyAscii) {
    if (keyAscii != escapeKey) return;
    window.tmrHeroMove().setEnabled(false);
    window.Timer1().setEnabled(false);
    window.Frame2().setEnabled(false);
    window.picWin(3).show();
}

} // namespace velmor
