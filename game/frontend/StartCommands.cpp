#include "StartCommands.h"

#include "MapRegistry.h"
#include "StartWindow.h"

#include "platform/Components.h"
#include "platform/ProgramFolder.h"
#include "saves/LoadGame.h"
#include "state/GameState.h"
#include "state/ProgramWindows.h"

namespace velmor {

namespace {

void centreIn(const Control& picture, Control& control, bool vertically) {
    control.move((picture.width() - control.width()) / 2,
                 vertically ? (picture.height() - control.height()) / 2 : control.top());
}

void startNewGame(GameState& state, StartWindow& window, ProgramWindows& windows) {
    const ListBox& maps = window.List1();
    resetForNewGame(state, maps.listIndex() >= 0 ? maps.text() : QString());
    windows.openGameWindow();
    windows.showGameWindow();
    windows.closeStartWindow();
}

void resumeSavedGame(GameState& state, StartWindow& window, ProgramWindows& windows) {
    state.soundPlayer.reset();
    LoadGame(state, window.File1().fileName(), windows);
}

} // namespace

void Form1_Load(GameState& state, StartWindow& window) {
    const Control& picture = window.Picture1();
    for (Control* button : {&window.Command1(), &window.Command2(), &window.Command3()})
        centreIn(picture, *button, false);
    centreIn(picture, window.picWin(0), true);
    centreIn(picture, window.picWin(1), true);
    window.setPanelPicture(0);
    window.setPanelPicture(1);

    for (const QString& map : registeredMaps())
        window.List1().addItem(map);

    playThroughNewSoundComponent(state.soundPlayer, "PlaySound", gamePath(QStringLiteral("\\log.muz")));
}

void Form1_Resize(StartWindow& window) {
    Control& picture = window.Picture1();
    picture.move((window.outerWidth() - picture.width()) / 2, (window.outerHeight() - picture.height()) / 2);
}

void List1_Click(StartWindow& window) {
    if (std::optional<QString> description = mapDescription(window.List1().text()))
        window.Label1().setText(*description);
}

void Command1_Click(StartWindow& window) {
    window.List1().setListIndex(0);
    window.picWin(0).show();
}

void Command2_Click(ProgramWindows& windows) {
    windows.endProgram();
}

void Command3_Click(StartWindow& window) {
    FileList& files = window.File1();
    files.setPattern(QStringLiteral("*.sv"));
    files.setPath(gamePath(QStringLiteral("\\Save")));
    files.refresh();
    files.setListIndex(0);
    window.picWin(1).show();
}

void Command4_Click(GameState& state, StartWindow& window, ProgramWindows& windows, int index) {
    switch (index) {
    case 0:
        startNewGame(state, window, windows);
        break;
    case 1:
        window.picWin(0).hide();
        break;
    case 2:
        window.picWin(1).hide();
        break;
    case 3:
        resumeSavedGame(state, window, windows);
        break;
    default:
        break;
    }
}

} // namespace velmor
