#pragma once

namespace velmor {

struct GameState;
class GameWindow;

// The two end screens. Both stop the timers, hide the map view and the status strip, colour the play area,
// lay out the ending text with the leave button below it and show the map's own text: "lgEnd.txt" for the
// win, "lgOver.txt" for the loss, or the built-in text when the map has no such file. They return to the
// caller, which goes on with its own remaining steps.
void ShowVictory(GameState& state, GameWindow& window);
void ShowDefeat(GameState& state, GameWindow& window);

} // namespace velmor
