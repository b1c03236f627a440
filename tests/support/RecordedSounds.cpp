#include "RecordedSounds.h"

#include "platform/Components.h"

#include <QFile>

namespace velmor::test {

QString realComponentsFolder() {
    return QStringLiteral(VELMOR_COMPONENTS_DIR);
}
QString recorderComponentsFolder() {
    return QStringLiteral(VELMOR_RECORDER_DIR);
}

RecordedSounds::RecordedSounds() : previousFolder_(componentsFolder()) {
    qputenv("VELMOR_RECORDER_LOG", QFile::encodeName(dir_.filePath(QStringLiteral("calls.log"))));
    setComponentsFolder(recorderComponentsFolder());
}

RecordedSounds::~RecordedSounds() {
    setComponentsFolder(previousFolder_);
    qunsetenv("VELMOR_RECORDER_LOG");
}

QStringList RecordedSounds::calls() const {
    QFile log(dir_.filePath(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void RecordedSounds::clear() const {
    QFile::remove(dir_.filePath(QStringLiteral("calls.log")));
}

} // namespace velmor::test
