#include "MapView.h"

#include "MaskedCopy.h"
#include "PictureStore.h"
#include "TileCatalogue.h"
#include "state/GameState.h"
#include "state/NumberRules.h"

#include <QPainter>

#include <cstring>

namespace velmor {

namespace {

constexpr QRgb tealBackground = 0xFF008080; // picMap's background colour RGB(0, 128, 128)
constexpr int twipsPerPixel = 15;

void groundPass(MapView& view, const GameState& state, const PictureStore& pictures) {
    QPainter painter(&view.image());
    for (int r = 0; r < MapView::rows; ++r) {
        for (int c = 0; c < MapView::columns; ++c) {
            std::optional<int> ground = groundPicture(cellCode(state.layer1[r], 2 * c + 1));
            if (!ground) continue;
            const QImage& picture = pictures.picture(QStringLiteral("imgZem"), *ground);
            if (picture.isNull()) continue;
            painter.drawImage(QRect(c * MapView::cellWidth, r * MapView::cellHeight, MapView::cellWidth,
                                    MapView::cellHeight),
                              picture);
        }
    }
}

void objectPass(MapView& view, const GameState& state, const PictureStore& pictures) {
    for (int r = 0; r < MapView::rows; ++r) {
        for (int c = 0; c < MapView::columns; ++c) {
            const int x = c * MapView::cellWidth;
            const int y = r * MapView::cellHeight;
            ObjectLook look = objectLook(cellCode(state.layer2[r], 2 * c + 1));
            switch (look.kind) {
            case ObjectLook::Kind::Sprite:
                view.picPic = pictures.picture(look.sprite.pictureSet, look.sprite.pictureIndex);
                view.picMask = pictures.picture(look.sprite.maskSet, look.sprite.maskIndex);
                maskedCopy(view.image(), view.picPic, view.picMask, x, y);
                break;
            case ObjectLook::Kind::Fill: {
                QPainter painter(&view.image());
                painter.fillRect(x, y, MapView::cellWidth, MapView::cellHeight,
                                 QColor::fromRgb(finalDoorRgb));
                break;
            }
            case ObjectLook::Kind::Nothing:
                view.picPic = QImage();
                view.picMask = QImage();
                break;
            }
        }
    }
}

} // namespace

MapView::MapView() : image_(widthPixels, heightPixels, QImage::Format_RGB32) {
    image_.fill(tealBackground);
}

void MapView::commit() {
    background_ = image_.copy();
    dirty_ = QRect();
}

void MapView::clear() {
    // Only what was drawn since the last commit or clear differs from the background picture.
    if (dirty_.isEmpty()) return;
    if (background_.isNull()) {
        QPainter painter(&image_);
        painter.fillRect(dirty_, QColor::fromRgb(tealBackground));
    } else {
        const int bytes = dirty_.width() * static_cast<int>(sizeof(QRgb));
        for (int y = dirty_.top(); y <= dirty_.bottom(); ++y)
            std::memcpy(image_.scanLine(y) + dirty_.left() * sizeof(QRgb),
                        background_.constScanLine(y) + dirty_.left() * sizeof(QRgb), bytes);
    }
    dirty_ = QRect();
}

void RedrawView(MapView& view, const GameState& state, const PictureStore& pictures) {
    groundPass(view, state, pictures);
    objectPass(view, state, pictures);
    view.commit();
}

void DrawHero(MapView& view, const GameState& state, const PictureStore& pictures, int facing) {
    view.clear();
    view.picPic = pictures.picture(QStringLiteral("imgHeroPic"), facing);
    view.picMask = pictures.picture(QStringLiteral("imgHeroMask"), facing);
    // A position between pixels (a saved game may hold one) goes to the nearest, ties to even.
    const QPoint at(static_cast<int>(roundHalfEven(state.heroX / double(twipsPerPixel))),
                    static_cast<int>(roundHalfEven(state.heroY / double(twipsPerPixel))));
    maskedCopy(view.imageToDrawIn(QRect(at, view.picPic.size())), view.picPic, view.picMask, at.x(), at.y());
}

} // namespace velmor
