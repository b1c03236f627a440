#pragma once

#include <QString>
#include <QStringList>

namespace velmor {

// What the player asked for on the command line.
struct CommandLine {
    enum class Action { Play, Help, Version, Error };

    Action action = Action::Play;
    QString root;    // --root DIR, else VELMOR_ROOT, else empty (the executable's folder)
    QString mapName; // --map NAME: a new game on that map at once
    bool mapGiven = false;
    QString saveName; // --load NAME: resume the saved game Save/NAME at once
    bool loadGiven = false;
    QString error; // one-line reason for Action::Error
};

CommandLine parseCommandLine(const QStringList& arguments, const QString& rootFromEnvironment);

QString usageText();
QString versionText();

} // namespace velmor
