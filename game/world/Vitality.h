#pragma once

namespace velmor {

struct GameState;
class GameWindow;

// One tick of the vitality timer: the carried skull, crystal shards and amulets act on health and life force,
// exhausted life force drains health, health at or below 0 loses the game (and the tick goes on), both values
// are capped at full and the two bars are drawn.
void VitalityTick(GameState& state, GameWindow& window);

} // namespace velmor
