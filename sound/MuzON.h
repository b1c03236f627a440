#pragma once

#include <QObject>
#include <QString>

// The class the game creates by the identifier "Sounds.MuzON". It holds nothing of its own: every instance
// plays through the one holder of the library, so releasing or replacing instances never stops what plays.
class MuzON : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Starts a music file on MP1, replacing the music that plays. Returns at once; a missing file changes
    // nothing.
    Q_INVOKABLE void PlaySound(QString SoundName);
    // Starts an effect file on MP2, replacing the effect that plays; the music goes on.
    Q_INVOKABLE void PlayFX(QString SoundName);
};
