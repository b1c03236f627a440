#include "CommandLine.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "state/GameState.h"
#include "view/Fonts.h"
#include "view/Form2.h"
#include "view/PictureStore.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

using namespace velmor;

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Until the start window lets the player choose, a game without --map starts on the registry's first map.
QString firstRegisteredMap() {
    TextReader registry(gamePath(QStringLiteral("\\MAps\\Reestr.txt")));
    QString map;
    registry.readLine(map);
    return map;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine line = parseCommandLine(arguments, qEnvironmentVariable("VELMOR_ROOT"));

    switch (line.action) {
    case CommandLine::Action::Help:
        print(stdout, usageText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("Velmor: %1\n").arg(line.error));
        print(stderr, usageText());
        return 2;
    case CommandLine::Action::Play:
        break;
    }
    if (!line.root.isEmpty() && !QFileInfo(line.root).isDir()) {
        print(stderr, QStringLiteral("Velmor: the program folder '%1' does not exist\n").arg(line.root));
        print(stderr, usageText());
        return 2;
    }

    QApplication application(argc, argv);
    setProgramFolder(line.root.isEmpty() ? QCoreApplication::applicationDirPath() : line.root);
    loadGameFonts();

    static GameState game; // the one game of this run
    const PictureStore pictures;

    resetForNewGame(game, line.mapGiven ? line.mapName : firstRegisteredMap());
    Form2 window(game, pictures);
    window.open();
    window.show();
    return application.exec();
}
