#include "Fixtures.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmor::test {

ProgramFolderFixture::ProgramFolderFixture() : previous_(programFolder()) {
    setProgramFolder(dir_.path());
}

ProgramFolderFixture::~ProgramFolderFixture() {
    setProgramFolder(previous_);
}

void ProgramFolderFixture::writeLines(const QString& relative, const QStringList& lines) const {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    writeText(relative, text);
}

void ProgramFolderFixture::writeText(const QString& relative, const QString& text) const {
    writeBytes(relative, encode1251(text));
}

void ProgramFolderFixture::writeBytes(const QString& relative, const QByteArray& bytes) const {
    QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
}

} // namespace velmor::test
