#include "SaveGame.h"

#include "SaveCodec.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "state/GameState.h"
#include "state/NumberRules.h"

#include <QFile>

#include <cmath>
#include <cstdio>

namespace velmor {

namespace {

const QString scratchFile = QStringLiteral("\\Save\\Temp.tim");
const QString saveFolder = QStringLiteral("\\Save\\");
const QString extension = QStringLiteral(".sv");

// The sign position, the digits and one space: " 525 ", " 0 ", "-1 ".
QByteArray integerForm(const QByteArray& signedDigits) {
    return (signedDigits.startsWith('-') ? QByteArray() : QByteArray(" ")) + signedDigits + ' ';
}

QByteArray integerForm(int16_t value) {
    return integerForm(QByteArray::number(value));
}

// Money only ever changes by whole coins, so it is written as an integer. Should it ever hold a fraction, it
// is rounded as every number of the game is (to nearest, ties to even); a sum too large for 16 or 64 bits is
// written with all its digits and no exponent, which the loader reads back as the same number. A value that
// is no number at all (not finite) is written as 0 coins.
QByteArray moneyForm(double money) {
    if (!std::isfinite(money)) return integerForm(int16_t(0));
    const double coins = roundHalfEven(money);
    if (coins == 0) return integerForm(int16_t(0)); // also a rounded -0.4, which is no debt
    char digits[400];                               // the largest double has 309 digits
    std::snprintf(digits, sizeof digits, "%.0f", coins);
    return integerForm(QByteArray(digits));
}

// Only -1 is the game's own true, but any other non-zero flag is a scroll the hero holds too (its picture
// shows), so it is written as true and comes back as -1.
QByteArray flagForm(int16_t flag) {
    return flag != vbFalse ? QByteArrayLiteral("True") : QByteArrayLiteral("False");
}

void addLine(QByteArray& text, const QByteArray& line) {
    text += line;
    text += "\r\n";
}

// The name may hold anything the save panel's name box takes, but it must stay one file name in the Save
// folder: no separators (either kind, as every path of the game is written with backslashes), no NUL, and
// not the names "." and ".." that a path reads as folders.
bool isOneFileName(const QString& stem) {
    if (stem.contains(QLatin1Char('/')) || stem.contains(QLatin1Char('\\')) || stem.contains(QChar(0)))
        return false;
    return stem != QLatin1String(".") && stem != QLatin1String("..");
}

} // namespace

QByteArray saveText(const GameState& state) {
    QByteArray text;
    addLine(text, "[mapname]");
    addLine(text, encode1251(state.mapName));
    addLine(text, "[postname]");
    addLine(text, encode1251(state.postName));
    addLine(text, "[position]");
    addLine(text, integerForm(state.sectionX));
    addLine(text, integerForm(state.sectionY));
    addLine(text, "[hero]");
    addLine(text, integerForm(state.heroX));
    addLine(text, integerForm(state.heroY));
    addLine(text, "[hero2]");
    addLine(text, integerForm(state.heroCol));
    addLine(text, integerForm(state.heroRow));
    addLine(text, "[many]");
    addLine(text, moneyForm(state.money));
    for (int k = 0; k < GameState::scrollCount; ++k) {
        addLine(text, QByteArrayLiteral("[sv") + QByteArray::number(k) + ']');
        addLine(text, flagForm(state.sv[k]));
    }
    addLine(text, "[pred]");
    for (int16_t slot : state.pred)
        addLine(text, integerForm(slot));
    return text;
}

// The plain text goes through the scratch file and is read back whole before it is encoded, as the loader
// does in the other direction. If that round trip fails no saved game is written at all: a file holding
// nothing of the game would only take the place of the one the player had.
void SaveGame(const GameState& state, const QString& name) {
    const QString scratch = gamePath(scratchFile);
    FileError scratchError = writeBytes(scratch, saveText(state));
    QByteArray plain;
    if (scratchError == FileError::None) plain = readWholeBytes(scratch, &scratchError);

    QString stem = name;
    stem.remove(extension, Qt::CaseSensitive);
    if (scratchError == FileError::None && isOneFileName(stem))
        replaceFile(gamePath(saveFolder + stem + extension), EncodeSaveText(plain) + "\r\n");

    QFile::remove(scratch);
}

} // namespace velmor
