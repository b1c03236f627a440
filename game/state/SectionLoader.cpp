#include "SectionLoader.h"

#include "GameState.h"
#include "GameWindow.h"
#include "platform/Components.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

namespace velmor {

namespace {

constexpr int loadedRows = 16;

void readLayers(GameState& state, TextReader& file) {
    // A line that cannot be read takes the value of the line read before it in this load.
    QString line;
    auto next = [&]() -> const QString& {
        file.readLine(line);
        return line;
    };
    for (int r = 0; r < loadedRows; ++r) {
        state.layer1[r] = next();
        state.layer2[r] = next();
        next(); // layer 3: nothing in the game uses it
        state.layer4[r] = next();
        state.layer5[r] = next();
    }
}

} // namespace

void LoadSection(GameState& state, GameWindow& window, SectionKind kind) {
    QString sectionFile;
    if (kind == SectionKind::Grid) {
        state.postName = QStringLiteral("0");
        state.sectionName = QStringLiteral("x%1y%2").arg(state.sectionX).arg(state.sectionY);
        sectionFile = QStringLiteral("\\") + state.sectionName;
    } else {
        sectionFile = QStringLiteral("\\[") + state.postName + QStringLiteral("]");
        state.sectionName = state.postName;
    }
    const QString mapFolder = QStringLiteral("\\Maps\\") + state.mapName;

    {
        TextReader file(gamePath(mapFolder + sectionFile + QStringLiteral(".map")));
        readLayers(state, file);
    }

    state.nextCode4b.clear();
    state.nextCode2.clear();

    const QString musicPath = gamePath(mapFolder + sectionFile + QStringLiteral(".mfx"));
    FileError musicError = FileError::None;
    QString assignment = readWholeFile(musicPath, &musicError);
    if (musicError != FileError::FileNotFound) {
        // The assignment is the whole file with every CR LF pair removed; unreadable reads as empty.
        assignment.remove(QStringLiteral("\r\n"));
        if (assignment != state.currentMusic) {
            // The assignment is a path below the program folder; an empty one names the folder itself.
            playThroughNewSoundComponent(state.soundPlayer, "PlaySound", gamePath(assignment));
        }
        state.currentMusic = assignment;
    }

    window.tmrHeroMove().setEnabled(true);
}

} // namespace velmor
