#include "PictureStore.h"

#include "assets/Assets.h"

namespace velmor {

namespace {

const char* const setNames[] = {
    "imgZem",        "imgFreePic",    "imgFreeMask",    "imgWallPic", "imgWallMask",
    "imgDoor",       "imgMineralPic", "imgMineralMask", "imgUkaz",    "imgRaznoePic",
    "imgRaznoeMask", "imgForHomePic", "imgForHomeMask", "imgMan",     "imgSityPic",
    "imgSityMask",   "imgHeroPic",    "imgHeroMask",    "imgVesh",    "imgRemen",
};

} // namespace

PictureStore::PictureStore() {
    for (const char* name : setNames) {
        const QString set = QString::fromLatin1(name);
        std::vector<QImage>& pictures = sets_[set];
        for (int i = 0, count = assets::pictureCount(set); i < count; ++i) {
            QImage image = assets::picture(set, i);
            // Sprites and masks are combined channel by channel with the view, which is 32-bit RGB.
            if (!image.isNull() && set != QLatin1String("imgVesh") && set != QLatin1String("imgRemen"))
                image = image.convertToFormat(QImage::Format_RGB32);
            pictures.push_back(std::move(image));
        }
    }
}

const QImage& PictureStore::picture(const QString& set, int index) const {
    auto found = sets_.find(set);
    if (found == sets_.end() || index < 0 || index >= static_cast<int>(found->second.size())) return none_;
    return found->second[static_cast<size_t>(index)];
}

} // namespace velmor
