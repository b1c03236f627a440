// A stand-in for the sound component that answers to the same identifier and writes down every call, so
// tests can see which sounds the game asks for and how many instances it creates.

#include <QFile>
#include <QObject>
#include <QtPlugin>

namespace {

// One call a line; line breaks inside a path are written as <CR> and <LF>.
void record(QString line) {
    line.replace(QLatin1Char('\r'), QStringLiteral("<CR>"))
        .replace(QLatin1Char('\n'), QStringLiteral("<LF>"));
    QFile log(qEnvironmentVariable("VELMOR_RECORDER_LOG"));
    if (log.fileName().isEmpty() || !log.open(QIODevice::Append | QIODevice::Text)) return;
    log.write(line.toUtf8() + '\n');
}

} // namespace

class RecordingMuzON : public QObject {
    Q_OBJECT

  public:
    Q_INVOKABLE void PlaySound(QString SoundName) { record(QStringLiteral("PlaySound ") + SoundName); }
    Q_INVOKABLE void PlayFX(QString SoundName) { record(QStringLiteral("PlayFX ") + SoundName); }
};

class RecordingFactory : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "Sounds.MuzON" FILE "recorder.json")

  public:
    Q_INVOKABLE QObject* create() {
        record(QStringLiteral("create"));
        return new RecordingMuzON;
    }
};

#include "Recorder.moc"
