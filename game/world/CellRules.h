#pragma once

namespace velmor {

struct GameState;
class GameWindow;
struct CarriedItems;

// What the cell entered or bumped into last does to the hero, run by the movement step at the end of every
// tick on the codes it read last (nextCode2, nextCode4b, nextCode5), with the carried things it noted at the
// start of the tick. Nine rules in order, each testing the codes as they stand when it is reached: the cell's
// message script, the restoring spot, the healers' and merchants' offers, the crystals and the poisoned green
// door, the locked doors, the final door, the section edges, entering a post and returning from one.
void ApplyCellRules(GameState& state, GameWindow& window, const CarriedItems& carried);

} // namespace velmor
