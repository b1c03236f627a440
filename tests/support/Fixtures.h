#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "QtPrinters.h"

namespace velmor::test {

// A scratch program folder for one test: made the game's program folder while the object lives.
class ProgramFolderFixture {
  public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();

    QString path() const { return dir_.path(); }
    // A path below the folder, written with slashes ("Maps/Test/x0y0.map").
    QString file(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }

    // Writes lines in Windows-1251, each ended by CR LF, creating the folders on the way.
    void writeLines(const QString& relative, const QStringList& lines) const;
    // Writes text in Windows-1251 exactly as given (no line ends added).
    void writeText(const QString& relative, const QString& text) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;

  private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace velmor::test
