#include "CommandLine.h"
#include "frontend/Program.h"
#include "platform/ProgramFolder.h"
#include "platform/Termination.h"
#include "saves/LoadGame.h"
#include "state/GameState.h"
#include "view/Fonts.h"
#include "view/PictureStore.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

using namespace velmor;

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
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
    Program program(game, pictures);
    endOnTerminationSignals(&application, [&program] { program.endProgram(); });

    if (line.mapGiven)
        program.startNewGame(line.mapName);
    else if (line.loadGiven)
        LoadGame(game, line.saveName, program);
    else
        program.showStartWindow();
    return application.exec();
}
