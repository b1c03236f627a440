#include "CommandLine.h"

namespace velmor {

CommandLine parseCommandLine(const QStringList& arguments, const QString& rootFromEnvironment) {
    CommandLine line;
    line.root = rootFromEnvironment;
    auto fail = [&](const QString& reason) {
        line.action = CommandLine::Action::Error;
        line.error = reason;
        return line;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.action = CommandLine::Action::Help;
        } else if (argument == QLatin1String("--version")) {
            if (line.action == CommandLine::Action::Play) line.action = CommandLine::Action::Version;
        } else if (argument == QLatin1String("--root") || argument == QLatin1String("--map") ||
                   argument == QLatin1String("--load")) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("option %1 needs a value").arg(argument));
            const QString& value = arguments[++i];
            if (argument == QLatin1String("--root")) {
                if (value.isEmpty()) return fail(QStringLiteral("option --root needs a folder"));
                line.root = value;
            } else if (argument == QLatin1String("--map")) {
                line.mapName = value;
                line.mapGiven = true;
            } else {
                line.saveName = value;
                line.loadGiven = true;
            }
        } else {
            return fail(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    if (line.mapGiven && line.loadGiven)
        return fail(QStringLiteral("--map and --load cannot be given together"));
    return line;
}

QString usageText() {
    return QStringLiteral("Usage: Velmor [--root DIR] [--map NAME | --load NAME]\n"
                          "  --root DIR   use DIR as the program folder (maps, music, saved games);\n"
                          "               the environment variable VELMOR_ROOT does the same\n"
                          "  --map NAME   start a new game on the map NAME at once\n"
                          "  --load NAME  resume the saved game NAME (a file in Save, such as MyGame.sv)\n"
                          "  --help       show this help and exit\n"
                          "  --version    show the version and exit\n");
}

QString versionText() {
    return QStringLiteral("Velmor 1.0.0\n");
}

} // namespace velmor
