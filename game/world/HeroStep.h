#pragma once

namespace velmor {

struct GameState;
class GameWindow;

// One tick of the movement timer: at most one step left or right, then at most one step down or up toward
// the destination, each into a cell that does not block and each paid for with life force; a blocked step
// stops the timer and no further step is tried. Then the cell rules act on the codes read last, on every
// tick, also when the hero stands on his destination.
void HeroStep(GameState& state, GameWindow& window);

// Reads the three codes of the hero's cell (heroRow, heroCol) into nextCode2, nextCode4b and nextCode5. A
// row outside the layers or a position left of the first character cannot be read, and all three codes keep
// what they held.
void readHeroCell(GameState& state);

} // namespace velmor
