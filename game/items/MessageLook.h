#pragma once

#include "state/GameWindow.h"

namespace velmor {

// The plain look of the two message labels: transparent, no border, black background, white text of 8 points.
constexpr Colour plainTextColour = 16777215;
constexpr Colour plainBackColour = 0;
constexpr double plainFontSize = 8;

// Returns the info panel's text Label1(0) and the notice line Label1(1) to the plain look. Their text and
// visibility stay: a message still showing turns plain.
void resetMessageLook(GameWindow& window);

} // namespace velmor
