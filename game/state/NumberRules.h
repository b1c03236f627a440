#pragma once

#include <cstdint>

namespace velmor {

// Truth values are 16 bits wide.
constexpr int16_t vbTrue = -1;
constexpr int16_t vbFalse = 0;

// Rounds to the nearest integer, ties to even: 2.5 gives 2, 3.5 gives 4.
double roundHalfEven(double value);

// Stores a value into a 16-bit field the way the game's arithmetic does: rounded to nearest with ties to
// even; a result outside -32768..32767 (or not a number) is not stored and the field keeps its value. Returns
// whether the value was stored.
bool store16(int16_t& field, double value);

// The same for the 8-bit unsigned counters (0..255).
bool store8(uint8_t& field, double value);

} // namespace velmor
