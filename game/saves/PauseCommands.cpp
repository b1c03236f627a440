#include "PauseCommands.h"

#include "state/GameState.h"
#include "state/GameWindow.h"

namespace velmor {

namespace {

void continueGame(GameWindow& window) {
    window.Frame2().setEnabled(true);
    window.tmrHeroMove().setEnabled(true);
    window.Timer1().setEnabled(true);
    window.picWin(3).hide();
}

} // namespace

void Command4_Click(GameState&, GameWindow& window, int index) {
    switch (index) {
    case 1:
        continueGame(window);
        break;
    default:
        break;
    }
}

} // namespace velmor
