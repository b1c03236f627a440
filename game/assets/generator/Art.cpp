#include "Art.h"

#include "Paint.h"
#include "assets/ArtList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace velmor::artgen {

using namespace velmor::assets;

void Art::put(const QString& set, int index, const QImage& image) {
    images_.insert(setPicturePath(set, index), image);
}

void Art::named(const QString& name, const QImage& image) {
    images_.insert(namedPicturePath(name), image);
}

void Art::button(const QString& key, bool big, const QImage& image) {
    images_.insert(buttonPath(ButtonWord{QString(), key, big}), image);
}

void Art::sprite(const QString& pictureSet, int pictureIndex, const QString& maskSet, int maskIndex,
                 const QImage& art, bool outline) {
    const QString maskPath = setPicturePath(maskSet, maskIndex);
    if (!byMask_.contains(maskPath)) maskOrder_.push_back(maskPath);
    byMask_[maskPath].push_back({setPicturePath(pictureSet, pictureIndex), hardened(art, outline)});
}

void Art::item(const QString& set, int index, const QImage& art, bool outline) {
    images_.insert(setPicturePath(set, index), hardened(art, outline));
}

void Art::cutSprites() {
    for (const QString& maskPath : maskOrder_) {
        const auto& shapes = byMask_[maskPath];
        const QSize size = shapes.front().shape.size();
        // The mask covers only what every picture sharing it has drawn; each picture is white outside it.
        QImage mask(size, QImage::Format_RGB32);
        mask.fill(Qt::white);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                bool covered = true;
                for (const PendingSprite& s : shapes)
                    covered = covered && s.shape.size() == size && qAlpha(s.shape.pixel(x, y)) == 255;
                if (covered) mask.setPixel(x, y, qRgb(0, 0, 0));
            }
        images_.insert(maskPath, mask);
        for (const PendingSprite& s : shapes) {
            QImage pic(s.shape.size(), QImage::Format_RGB32);
            pic.fill(Qt::white);
            for (int y = 0; y < pic.height(); ++y)
                for (int x = 0; x < pic.width(); ++x)
                    if (mask.rect().contains(x, y) && mask.pixel(x, y) == qRgb(0, 0, 0))
                        pic.setPixel(x, y, s.shape.pixel(x, y) | 0xFF000000u);
            images_.insert(s.picturePath, pic);
        }
    }
}

static bool onlyBlackAndWhite(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) & 0xFFFFFF;
            if (c != 0 && c != 0xFFFFFF) return false;
        }
    return true;
}

bool Art::write(const QString& folder, bool loose) {
    cutSprites();

    struct Expected {
        QString path;
        QSize size;
        QImage::Format format;
        bool mask;
    };
    std::vector<Expected> expected;
    for (const SetPicture& p : setPictures())
        expected.push_back({setPicturePath(p.set, p.index), p.size,
                            p.kind == ArtKind::Item ? QImage::Format_ARGB32 : QImage::Format_RGB32,
                            p.kind == ArtKind::Mask});
    for (const NamedPicture& n : namedPictures())
        expected.push_back({namedPicturePath(n.name), n.size,
                            n.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32, false});
    for (const ButtonWord& b : buttonWords())
        expected.push_back({buttonPath(b), buttonSize(b.big), QImage::Format_RGB32, false});

    bool ok = true;
    QStringList paths;
    for (const Expected& e : expected) {
        if (paths.contains(e.path)) continue;
        paths << e.path;
        auto it = images_.constFind(e.path);
        if (it == images_.constEnd()) {
            std::fprintf(stderr, "artgen: nothing drawn for %s\n", qPrintable(e.path));
            ok = loose && ok;
            continue;
        }
        if (it->size() != e.size) {
            std::fprintf(stderr, "artgen: %s is %dx%d, should be %dx%d\n", qPrintable(e.path), it->width(),
                         it->height(), e.size.width(), e.size.height());
            ok = false;
        }
        const QImage out = it->convertToFormat(e.format);
        if (e.mask && !onlyBlackAndWhite(out)) {
            std::fprintf(stderr, "artgen: mask %s holds grey\n", qPrintable(e.path));
            ok = false;
        }
        const QString file = folder + "/" + e.path;
        QDir().mkpath(QFileInfo(file).path());
        if (!out.save(file, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    for (auto it = images_.constBegin(); it != images_.constEnd(); ++it)
        if (!paths.contains(it.key())) {
            std::fprintf(stderr, "artgen: %s is not a picture of the game\n", qPrintable(it.key()));
            ok = false;
        }
    if (!ok) return false;

    // The resource list, in a fixed order so that the bundle is the same on every build.
    QFile qrc(folder + "/art.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream s(&qrc);
    s << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/art\">\n";
    for (const QString& p : paths)
        s << "  <file>" << p << "</file>\n";
    s << "</qresource>\n</RCC>\n";
    return true;
}

} // namespace velmor::artgen
