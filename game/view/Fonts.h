#pragma once

namespace velmor {

// Loads DejaVu Sans from the system's font files and makes it the application's font, so that the windows
// look alike on every desktop and on the offscreen platform.
void loadGameFonts();

} // namespace velmor
