#pragma once

namespace velmor {

struct GameState;
class GameWindow;

// The buttons of the pause panel. 1 continues the game: the play area takes clicks again, both timers run
// and the pause panel goes away; the hero walks on toward the destination he had.
void Command4_Click(GameState& state, GameWindow& window, int index);

} // namespace velmor
