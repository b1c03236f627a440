#pragma once

class QWidget;

namespace velmor {

// What both of the game's windows look like before anything is put in them: the caption "Velmor", the
// game's icon, a black background and a client area of 800 x 600 pixels.
void giveGameWindowLook(QWidget& window);

} // namespace velmor
