#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <vector>

// What the generator has drawn so far, keyed by resource path. Sprites are handed in as drawn art; their
// pictures and masks are cut from it at the end, so that a mask shared by several pictures fits all of them.
namespace velmor::artgen {

class Art {
  public:
    // A finished picture, stored as it is.
    void put(const QString& set, int index, const QImage& image);
    void named(const QString& name, const QImage& image);
    void button(const QString& key, bool big, const QImage& image);

    // A sprite drawn on a transparent canvas: the picture shows it on white, the mask is black under it.
    void sprite(const QString& pictureSet, int pictureIndex, const QString& maskSet, int maskIndex,
                const QImage& art, bool outline = true);

    // An item or scroll picture: hard-edged on a transparent background.
    void item(const QString& set, int index, const QImage& art, bool outline = true);

    // Cuts the sprites, checks every picture of the game's list against its size and kind, and writes the PNG
    // files and the resource list into folder. Returns false and names the fault on stderr when anything is
    // off. With loose set, missing pictures are only reported (for drawing a few pictures while working on
    // them).
    bool write(const QString& folder, bool loose = false);

  private:
    struct PendingSprite {
        QString picturePath;
        QImage shape; // hard-edged, alpha 0 or 255
    };
    QHash<QString, QImage> images_;
    QHash<QString, std::vector<PendingSprite>> byMask_;
    std::vector<QString> maskOrder_;

    void cutSprites();
};

} // namespace velmor::artgen
