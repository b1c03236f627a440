#include "MessageLook.h"

namespace velmor {

void resetMessageLook(GameWindow& window) {
    for (int index : {0, 1}) {
        Label& label = window.Label1(index);
        label.setBackStyle(0);
        label.setBorderStyle(0);
        label.setBackColor(plainBackColour);
        label.setForeColor(plainTextColour);
        label.setFontSize(plainFontSize);
    }
}

} // namespace velmor
