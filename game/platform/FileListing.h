#pragma once

#include <QString>
#include <QStringList>

namespace velmor {

// The names (with extension) of the files in a folder that match a wildcard pattern such as "*.sv", sorted
// by name. Like the game's file names, the pattern and the order ignore letter case. A folder that does not
// exist lists nothing.
QStringList matchingFiles(const QString& folder, const QString& pattern);

} // namespace velmor
