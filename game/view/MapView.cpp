#include "MapView.h"

#include "MaskedCopy.h"
#include "PictureStore.h"
#include "TileCatalogue.h"
#include "state/GameState.h"

#include <QPainter>

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

void MapView::clear() {
    if (background_.isNull())
        image_.fill(tealBackground);
    else
        image_ = background_.copy();
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
    maskedCopy(view.image(), view.picPic, view.picMask, state.heroX / twipsPerPixel,
               state.heroY / twipsPerPixel);
}

} // namespace velmor
