#include "MapRegistry.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

namespace velmor {

namespace {

constexpr int maxRegistryLines = 32001;

} // namespace

QStringList registeredMaps() {
    QStringList maps;
    TextReader registry(gamePath(QStringLiteral("\\MAps\\Reestr.txt")));
    QString line;
    while (maps.size() < maxRegistryLines && registry.readLine(line))
        maps.append(line);
    return maps;
}

std::optional<QString> mapDescription(const QString& mapName) {
    FileError error = FileError::None;
    QString text =
        readWholeFile(gamePath(QStringLiteral("\\Maps\\") + mapName + QStringLiteral("\\logo.txt")), &error);
    switch (error) {
    case FileError::None:
        return text;
    case FileError::FileNotFound:
    case FileError::PathNotFound:
        return QStringLiteral("Неизвесная карта...");
    default:
        return std::nullopt;
    }
}

} // namespace velmor
