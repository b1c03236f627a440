#pragma once

#include <QImage>
#include <QRect>

namespace velmor {

struct GameState;
class PictureStore;

// The drawing of the map view picMap: 805 x 540 pixels of true colour. It has a current image, which every
// drawing changes, and a background picture, to which clearing restores the current image.
class MapView {
  public:
    static constexpr int widthPixels = 805;
    static constexpr int heightPixels = 540;
    static constexpr int cellWidth = 35;
    static constexpr int cellHeight = 36;
    static constexpr int columns = 23;
    static constexpr int rows = 15;

    MapView();

    const QImage& image() const { return image_; }
    // The current image to draw on anywhere; clearing then restores all of it.
    QImage& image() {
        dirty_ = image_.rect();
        return image_;
    }
    // The current image to draw on inside one area (in pixels); clearing then restores just what was drawn.
    QImage& imageToDrawIn(const QRect& area) {
        dirty_ |= area & image_.rect();
        return image_;
    }
    const QImage& background() const { return background_; }

    void commit(); // the current image becomes the background picture
    void clear();  // back to the background picture

    // The scratch surfaces of the sprite being drawn; empty when nothing is drawn.
    QImage picPic;
    QImage picMask;

  private:
    QImage image_;
    QImage background_; // null until the first commit: clearing then shows the teal background colour
    QRect dirty_;       // where the current image may differ from the background picture
};

// Paints the whole view from layer1 (ground) and layer2 (objects), row by row and left to right, ground pass
// first, and makes the result the background picture. Cells with unknown codes keep what they showed.
void RedrawView(MapView& view, const GameState& state, const PictureStore& pictures);

// Clears the view to its background picture and draws the hero facing d (0 down, 1 up, 2 right, 3 left)
// at (heroX, heroY).
void DrawHero(MapView& view, const GameState& state, const PictureStore& pictures, int facing);

} // namespace velmor
