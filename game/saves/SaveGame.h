#pragma once

#include <QByteArray>
#include <QString>

namespace velmor {

struct GameState;

// The plain save text of the game: 66 lines of keys and values, Windows-1251, each line ended by CR LF.
QByteArray saveText(const GameState& state);

// Writes the game under a name in the Save folder, as "\Save\" + name + ".sv" with every ".sv" taken out of
// the name first (exactly, case-sensitively), through the scratch file "\Save\Temp.tim", which is deleted
// whether or not the save worked. Reports nothing. A saved game it replaces is never destroyed: the new file
// is written whole beside it and then put in its place, and a read-only one is left alone. A name that would
// reach outside the Save folder (a separator, a NUL, or nothing but "." or "..") writes nothing, and so does
// a scratch file that cannot be written and read back.
void SaveGame(const GameState& state, const QString& name);

} // namespace velmor
