#pragma once

#include <QString>

namespace velmor {

struct GameState;
class ProgramWindows;

// Resumes a saved game: the file "\Save\" + fileName (the name as the load panel lists it, extension
// included) is decoded through the scratch file, its keys restore the saved part of the state, the game
// window opens on it with the carried items, their effects on the consumption rates and the scrolls, and
// replaces the start window. Reports nothing: a file that cannot be read opens the game on the starting
// values.
void LoadGame(GameState& state, const QString& fileName, ProgramWindows& windows);

} // namespace velmor
