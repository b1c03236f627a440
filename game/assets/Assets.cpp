#include "assets/Assets.h"

#include "assets/ArtList.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

// The pictures are compiled into this library as a resource bundle. A static library's resource initialiser
// is dropped by the linker unless something refers to it, so the accessors register the bundle themselves.
static void registerArtBundle() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(velmor_art);
        return true;
    }();
    (void)registered;
}

namespace velmor::assets {

namespace {

QImage loadArt(const QString& relativePath, QImage::Format format) {
    registerArtBundle();

    static QMutex mutex;
    static QHash<QString, QImage> cache;
    QMutexLocker lock(&mutex);
    auto found = cache.constFind(relativePath);
    if (found != cache.constEnd()) return *found;

    QImage image(QStringLiteral(":/art/") + relativePath);
    if (!image.isNull()) image = image.convertToFormat(format);
    cache.insert(relativePath, image);
    return image;
}

const SetPicture* findSetPicture(const QString& set, int index) {
    for (const SetPicture& p : setPictures())
        if (p.set == set && p.index == index) return &p;
    return nullptr;
}

QImage loadButton(const QString& word, bool big) {
    for (const ButtonWord& b : buttonWords())
        if (b.big == big && b.word == word) return loadArt(buttonPath(b), QImage::Format_RGB32);
    return {};
}

} // namespace

QImage picture(const QString& set, int index) {
    const SetPicture* p = findSetPicture(set, index);
    if (!p) return {};
    const QImage::Format format = p->kind == ArtKind::Item ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    return loadArt(setPicturePath(set, index), format);
}

int pictureCount(const QString& set) {
    int count = 0;
    for (const SetPicture& p : setPictures())
        if (p.set == set) ++count;
    return count;
}

QImage named(const QString& name) {
    for (const NamedPicture& n : namedPictures())
        if (n.name == name) {
            const QImage::Format format = n.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32;
            return loadArt(namedPicturePath(name), format);
        }
    return {};
}

QImage buttonFace(const QString& word) {
    return loadButton(word, false);
}

QImage bigButtonFace(const QString& word) {
    return loadButton(word, true);
}

} // namespace velmor::assets
