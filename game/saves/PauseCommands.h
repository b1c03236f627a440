#pragma once

namespace velmor {

struct GameState;
class GameWindow;
class ProgramWindows;

// The buttons of the pause panel (0 save, 1 continue, 2 exit) and of the save panel (3 ok, 4 Нет).
// Save opens the save panel with the saved games listed in the name box; ok saves under the name box's text
// and goes back to the pause panel, as Нет does without saving. Continue gives the play area its clicks and
// both timers back and hides the pause panel: the hero walks on toward the destination he had. Exit leaves
// the game.
void Command4_Click(GameState& state, GameWindow& window, ProgramWindows& windows, int index);

// The ok button under an ending's text: leaves the game.
void Command5_Click(GameState& state, ProgramWindows& windows);

// Leaving a game: everything of it is cleared but the music, the section layers and the offer and
// taken-log positions; a new start window is shown and the game window closed.
void leaveGame(GameState& state, ProgramWindows& windows);

} // namespace velmor
