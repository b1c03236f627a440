#pragma once

#include <QString>

namespace velmor {

// The program folder: the folder of the executable unless --root or VELMOR_ROOT names another.
// Every path of the game is this folder followed by a backslash literal such as "\Maps\Reestr.txt".
QString programFolder();
void setProgramFolder(const QString& folder);

// Maps "program folder + literal" onto the file system. The literal's parts are separated by backslashes
// (a slash counts as one too); each folder and file name is matched against what is on disk without regard
// to letter case, so "\MAps\" and "\Maps\" name one folder. A part with no match on disk is kept as written,
// so a file about to be created gets the name the literal gives it. "." parts are dropped and ".." never
// climbs above the base folder.
QString resolvePath(const QString& base, const QString& literal);

// resolvePath(programFolder(), literal).
QString gamePath(const QString& literal);

} // namespace velmor
