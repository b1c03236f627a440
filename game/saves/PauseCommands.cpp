#include "PauseCommands.h"

#include "SaveGame.h"

#include "platform/ProgramFolder.h"
#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/ProgramWindows.h"

#include <QDir>

namespace velmor {

namespace {

const QString saveFolder = QStringLiteral("\\Save");

void openSavePanel(GameWindow& window) {
    QDir().mkpath(gamePath(saveFolder));
    window.picWin(4).show();
    window.picWin(3).hide();
    FileList& files = window.File1();
    files.setPath(gamePath(saveFolder));
    files.setPattern(QStringLiteral("*.sv"));
    files.refresh();
    ListBox& names = window.Combo1();
    names.clear();
    for (int i = 0; i < files.listCount(); ++i) {
        files.setListIndex(i);
        names.addItem(files.fileName());
    }
}

void backToPausePanel(GameWindow& window) {
    window.picWin(3).show();
    window.picWin(4).hide();
}

void continueGame(GameWindow& window) {
    window.Frame2().setEnabled(true);
    window.tmrHeroMove().setEnabled(true);
    window.Timer1().setEnabled(true);
    window.picWin(3).hide();
}

} // namespace

void Command4_Click(GameState& state, GameWindow& window, ProgramWindows& windows, int index) {
    switch (index) {
    case 0:
        openSavePanel(window);
        break;
    case 1:
        continueGame(window);
        break;
    case 2:
        leaveGame(state, windows);
        break;
    case 3:
        SaveGame(state, window.Combo1().text());
        backToPausePanel(window);
        break;
    case 4:
        backToPausePanel(window);
        break;
    default:
        break;
    }
}

void Command5_Click(GameState& state, ProgramWindows& windows) {
    leaveGame(state, windows);
}

void leaveGame(GameState& state, ProgramWindows& windows) {
    resetForLeaving(state);
    windows.showStartWindow();
    windows.closeGameWindow();
}

} // namespace velmor
