#include "Endings.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "state/GameState.h"
#include "state/GameWindow.h"

namespace velmor {

namespace {

struct Ending {
    Colour frame;
    Colour text;
    const char* file;
    const char* defaultText;
};

constexpr Ending victory = {rgbColour(0, 0, 0), rgbColour(192, 192, 0), "\\lgEnd.txt",
                            "Поздравляю! Вы все-таки нашли выход из такого не сложного лабиринта…"};
constexpr Ending defeat = {rgbColour(255, 0, 0), rgbColour(255, 255, 0), "\\lgOver.txt", "ВЫ ПРОИГРАЛИ..."};

void showEnding(const GameState& state, GameWindow& window, const Ending& ending) {
    window.tmrHeroMove().setEnabled(false);
    window.Timer1().setEnabled(false);
    window.picMap().hide();
    window.Picture2().hide();

    Control& frame = window.Frame2();
    frame.setBackColor(ending.frame);
    Label& text = window.lblEndText();
    text.move(360, 360);
    text.resize(frame.width() - 360, frame.height() - 2400);
    text.setForeColor(ending.text);
    Control& leave = window.Command5();
    leave.move((frame.width() - leave.width()) / 2, text.height() + 480);

    // The map's text, whole, line breaks and all; a file that exists but cannot be read leaves the caption.
    FileError error = FileError::None;
    const QString content = readWholeFile(
        gamePath(QStringLiteral("\\Maps\\") + state.mapName + QString::fromLatin1(ending.file)), &error);
    if (error == FileError::FileNotFound)
        text.setText(QString::fromUtf8(ending.defaultText));
    else if (error == FileError::None)
        text.setText(content);
}

} // namespace

void ShowVictory(GameState& state, GameWindow& window) {
    showEnding(state, window, victory);
}

void ShowDefeat(GameState& state, GameWindow& window) {
    showEnding(state, window, defeat);
}

} // namespace velmor
