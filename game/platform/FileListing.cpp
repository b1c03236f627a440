#include "FileListing.h"

#include <QDir>
#include <QFileInfo>

namespace velmor {

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return {};
    const QDir dir(folder);
    return dir.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

} // namespace velmor
