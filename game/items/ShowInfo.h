#pragma once

#include "state/GameWindow.h"

#include <cstdint>

namespace velmor {

// The game's fixed texts. Codes 1 to 3 put a notice on the notice line Label1(1): "Выши силы полностью
// востановленны", "Закрыто...", "У Вас недостаточно денег...". Codes 1000 to 1036 open the info panel with an
// item's title and description in the item's colour, and its ok button Command3. Every call first returns
// both message labels to the plain look; any other code does only that.
void ShowInfo(GameWindow& window, int16_t code);

// The ok button of the info panel: hides the panel and the button itself.
void Command3_Click(GameWindow& window);

} // namespace velmor
