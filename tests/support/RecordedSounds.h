#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "QtPrinters.h"

namespace velmor::test {

// Points the game at the recording sound component for the life of the object and reads back its calls:
// "create" for every instance made, "PlaySound <path>" and "PlayFX <path>" for every call.
class RecordedSounds {
  public:
    RecordedSounds();
    ~RecordedSounds();

    QStringList calls() const;
    void clear() const;

  private:
    QTemporaryDir dir_;
    QString previousFolder_;
};

// The folders holding the real sound component and the recording one, as built.
QString realComponentsFolder();
QString recorderComponentsFolder();

} // namespace velmor::test
