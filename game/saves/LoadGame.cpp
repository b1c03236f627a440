#include "LoadGame.h"

#include "SaveCodec.h"
#include "SaveValues.h"

#include "items/ItemCatalogue.h"
#include "items/ItemEffects.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/ProgramWindows.h"

#include <QFile>

namespace velmor {

namespace {

constexpr int maxPasses = 1001;
const QString scratchFile = QStringLiteral("\\Save\\Temp.tim");

// The scratch file read line by line. A line that cannot be read (the end of the file) leaves the current
// line as it was and stores nothing.
class SaveLines {
  public:
    explicit SaveLines(const QString& path) : reader_(path) {}
    const QString& current() const { return current_; }
    bool next() { return reader_.readLine(current_); }

    template <class T, class Convert> void readInto(T& field, Convert convert) {
        if (!next()) return;
        if (auto value = convert(current_)) field = *value;
    }
    void readText(QString& field) {
        if (next()) field = current_;
    }

  private:
    TextReader reader_;
    QString current_;
};

// Each line is tested against every key in this order; a key's value lines are read at once and the
// remaining keys are then tested against the last line read.
void readKeys(GameState& state, SaveLines& lines) {
    for (int pass = 0; pass < maxPasses; ++pass) {
        if (!lines.next()) return;
        auto is = [&](const char* key) { return lines.current() == QLatin1String(key); };

        if (is("[mapname]")) lines.readText(state.mapName);
        if (is("[position]")) {
            lines.readInto(state.sectionX, readSaveInteger);
            lines.readInto(state.sectionY, readSaveInteger);
        }
        if (is("[postname]")) lines.readText(state.postName);
        if (is("[hero]")) {
            lines.readInto(state.heroX, readSaveInteger);
            lines.readInto(state.heroY, readSaveInteger);
            state.targetX = state.heroX;
            state.targetY = state.heroY;
        }
        if (is("[hero2]")) {
            lines.readInto(state.heroCol, readSaveInteger);
            lines.readInto(state.heroRow, readSaveInteger);
        }
        if (is("[many]")) lines.readInto(state.money, readSaveMoney);
        for (int k = 0; k < GameState::scrollCount; ++k)
            if (lines.current() == QStringLiteral("[sv%1]").arg(k)) lines.readInto(state.sv[k], readSaveFlag);
        if (is("[pred]"))
            for (int16_t& slot : state.pred)
                lines.readInto(slot, readSaveInteger);
    }
}

void restoreCarriedThings(GameState& state, GameWindow& window) {
    for (int slot = 0; slot < GameState::slotCount; ++slot) {
        const int id = state.pred[slot];
        const std::optional<int> picture = itemPicture(id);
        if (!picture) continue; // an empty slot, or an id the catalogue does not know: no picture, no effect
        window.setSlotPicture(slot, *picture);
        applyTakingEffect(state, id);
    }
    for (int k = 0; k < GameState::scrollCount; ++k)
        window.imgRemen(k).setVisible(state.sv[k] != 0);
}

} // namespace

void LoadGame(GameState& state, const QString& fileName, ProgramWindows& windows) {
    setStartingValues(state);
    state.postName.clear();

    QByteArray encoded;
    {
        QFile saved(gamePath(QStringLiteral("\\Save\\") + fileName));
        if (saved.open(QIODevice::ReadOnly)) encoded = saved.read(maxWholeFileBytes);
    }
    QByteArray plain = DecodeSaveText(encoded);
    plain += "\r\n";

    const QString scratch = gamePath(scratchFile);
    {
        QFile file(scratch);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(plain);
    }
    {
        SaveLines lines(scratch);
        readKeys(state, lines);
    }

    GameWindow& window = windows.openGameWindow();
    restoreCarriedThings(state, window);
    window.Shape1().move(state.heroX, state.heroY);
    QFile::remove(scratch);
    windows.showGameWindow();
    windows.closeStartWindow();
}

} // namespace velmor
