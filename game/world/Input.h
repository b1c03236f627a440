#pragma once

#include <cstdint>

namespace velmor {

struct GameState;
class GameWindow;

// A mouse button, any of them, pressed on the map view at (x, y) twips: the cell under it becomes the
// destination, the cursor moves onto it and the hero starts walking. A click while walking replaces the
// destination.
void picMap_MouseDown(GameState& state, GameWindow& window, float x, float y);

// A key pressed on the game window, by its character code. Only Escape (27) does anything: it stops both
// timers, disables the play area and shows the pause panel. There is no walking by keys.
void Form_KeyPress(GameWindow& window, int16_t keyAscii);

constexpr int16_t escapeKey = 27;

} // namespace velmor
