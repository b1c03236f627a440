#pragma once

#include "state/GameWindow.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmor {

// The values of one cell's message script, starting from the plain look: no border, transparent, black
// background, white text of 8 points, shown on the notice line, no gold, no effect, no text.
struct CellScript {
    uint8_t windowMode = 0; // "[win]": 0 notice line, 1 info panel, 2 close both, other values show nothing
    QString effect;         // "[wav]": a sound below the maps folder
    int16_t gold = 0;       // "[many]"
    std::optional<int16_t> offerCode; // "[subject]": absent leaves the pending offer as it is
    QString text;                     // "[text]", with "<br>" still in it
    int16_t borderStyle = 0;          // "[brds]"
    int16_t backStyle = 0;            // "[bcks]"
    Colour backColor = 0;             // "[backcolor]"
    Colour fontColor = 16777215;      // "[fontcolor]"
    int16_t fontSize = 8;             // "[fontsize]"
};

// Reads a script file. A missing or unreadable file reads as an empty script.
//
// Scripts are read the way maps have always been written against: at most 51 passes, each reading one line
// and testing it against the keys in a fixed order, a key's value being the line after it. The value line
// then goes on to be tested against the keys that come later in the order, so a value that equals a later
// key is taken as that key, and "[end]" as any value stops the reading. Past the end of the file the current
// line stays what it was. A number that does not convert or does not fit its field leaves the field as it
// was.
CellScript readCellScript(const QString& path);

} // namespace velmor
