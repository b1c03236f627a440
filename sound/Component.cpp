#include "MuzON.h"

#include <QObject>
#include <QtPlugin>

// The library's entry for the game: the game finds it by the identifier in sound.json and asks it for new
// MuzON instances by name.
class MuzONFactory : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "Sounds.MuzON" FILE "sound.json")

  public:
    Q_INVOKABLE QObject* create() { return new MuzON; }
};

#include "Component.moc"
