#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace velmor {

namespace {

QString& folderSetting() {
    static QString folder;
    return folder;
}

// The name in a directory listing that matches a name without regard to case: the exact name first, then the
// first of the case-insensitive matches in sorted order, so the choice never depends on the listing's order.
QString matchName(const QString& directory, const QString& name) {
    QFileInfo exact(directory + QLatin1Char('/') + name);
    if (exact.exists()) return name;
    QStringList entries = QDir(directory).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

} // namespace

QString programFolder() {
    QString& folder = folderSetting();
    if (folder.isEmpty() && QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return folder;
}

void setProgramFolder(const QString& folder) {
    folderSetting() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString resolvePath(const QString& base, const QString& literal) {
    QStringList parts;
    for (const QString& part : literal.split(QRegularExpression(QStringLiteral("[\\\\/]")))) {
        if (part.isEmpty() || part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty()) parts.removeLast();
            continue;
        }
        QString clean = part;
        clean.remove(QChar(0));
        if (!clean.isEmpty()) parts.append(clean);
    }

    QString path = base;
    bool onDisk = true; // while every part so far was found, later parts are looked up in its listing
    for (const QString& part : parts) {
        QString name = part;
        if (onDisk) {
            QString found = matchName(path, part);
            if (found.isEmpty())
                onDisk = false;
            else
                name = found;
        }
        if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
        path += name;
    }
    return path;
}

QString gamePath(const QString& literal) {
    return resolvePath(programFolder(), literal);
}

} // namespace velmor
