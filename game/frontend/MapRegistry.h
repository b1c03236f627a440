#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace velmor {

// The map registry "\MAps\Reestr.txt": one map folder per line, in the order the map list shows them, at most
// 32001 of them. Lines are taken whole, spaces included. A missing registry lists nothing.
QStringList registeredMaps();

// The description "logo.txt" of a map, whole; "Неизвесная карта..." when the map's folder or the file does
// not exist; nothing when it exists but cannot be read.
std::optional<QString> mapDescription(const QString& mapName);

} // namespace velmor
