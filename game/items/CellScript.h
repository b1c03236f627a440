#pragma once

#include "state/GameState.h"
#include "state/GameWindow.h"

#include <QString>

namespace velmor {

// Where a cell's message script lies: the map's folder, "[" + section name + "-" + layer-5 code + "].mtx".
QString cellScriptPath(const GameState& state, const QString& code);

// Runs the message script of the cell with this layer-5 code, as the movement step does on every tick for the
// cell entered or bumped into last. Once the cell's thing is in the taken log nothing happens at all;
// otherwise the script plays its effect, pays its gold and then either puts up its offer (with the pickup
// prompt, never its text) or shows its text on the notice line or in the info panel, or closes both.
void RunCellScript(GameState& state, GameWindow& window, const QString& code);

// Clicks that close the message panels: the info text or the info panel hides the info panel, the notice line
// hides itself. The offer prompt and the other panels ignore clicks. Command3 is left as it is.
void Label1_Click(GameWindow& window, int index);
void picWin_Click(GameWindow& window, int index);

} // namespace velmor
