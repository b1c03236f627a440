#pragma once

#include "state/GameState.h"

#include <QString>

namespace velmor {

// The key of a taken thing: the section's name followed by the cell's layer-5 code, with no separator.
QString takenKey(const QString& sectionName, const QString& code);

// Writes a key into the ring of the last 161 taken things: the index moves on first (160 wraps to 0), so the
// first key of a run lands in entry 1 and the 162nd overwrites it.
void writeTakenKey(Form2Fields& fields, const QString& key);

// Whether any of the 161 entries holds the key.
bool isTaken(const Form2Fields& fields, const QString& key);

} // namespace velmor
