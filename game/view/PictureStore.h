#pragma once

#include <QImage>
#include <QString>

#include <map>
#include <vector>

namespace velmor {

// The game window's picture sets (ground, sprites, masks, hero, items, scrolls), read once from the artwork
// and kept ready for drawing. Never shown themselves.
class PictureStore {
  public:
    PictureStore();

    // The picture, or a null image for an unknown set or index.
    const QImage& picture(const QString& set, int index) const;

  private:
    std::map<QString, std::vector<QImage>> sets_;
    QImage none_;
};

} // namespace velmor
