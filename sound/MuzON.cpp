#include "MuzON.h"

#include "Holder.h"

#include <QFileInfo>

namespace {

// The existence test before a player is touched. Only a missing file in an existing folder stops the call;
// a missing folder or a path that cannot be opened goes on to the player, which makes of it what it can.
bool isMissingFile(const QString& path) {
    QFileInfo file(path);
    if (file.exists()) return false;
    return QFileInfo(file.absolutePath()).isDir();
}

} // namespace

void MuzON::PlaySound(QString SoundName) {
    if (isMissingFile(SoundName)) return;
    Holder::instance().playOnMP1(SoundName);
}

void MuzON::PlayFX(QString SoundName) {
    if (isMissingFile(SoundName)) return;
    Holder::instance().playOnMP2(SoundName);
}
