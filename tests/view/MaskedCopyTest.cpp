#include "view/MaskedCopy.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace velmor;

namespace {

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(MaskedCopy, BlackMaskShowsPictureWhiteMaskKeepsView) {
    QImage view = filled(4, 1, qRgb(10, 200, 30));
    QImage picture = filled(2, 1, qRgb(255, 255, 255));
    picture.setPixel(0, 0, qRgb(200, 20, 90));
    QImage mask = filled(2, 1, qRgb(255, 255, 255));
    mask.setPixel(0, 0, qRgb(0, 0, 0));

    maskedCopy(view, picture, mask, 1, 0);

    EXPECT_EQ(view.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(view.pixel(1, 0), qRgb(200, 20, 90));
    EXPECT_EQ(view.pixel(2, 0), qRgb(10, 200, 30));
    EXPECT_EQ(view.pixel(3, 0), qRgb(10, 200, 30));
}

TEST(MaskedCopy, WorksBitwiseWhereTheTwoDisagree) {
    // A coloured picture pixel under a white mask ANDs into the view: the raster operations, not a blend.
    QImage view = filled(1, 1, qRgb(0xF0, 0x0F, 0xFF));
    QImage picture = filled(1, 1, qRgb(0x3C, 0xFF, 0x0F));
    QImage mask = filled(1, 1, qRgb(255, 255, 255));
    maskedCopy(view, picture, mask, 0, 0);
    EXPECT_EQ(view.pixel(0, 0), qRgb(0x30, 0x0F, 0x0F));
}

TEST(MaskedCopy, ClipsAtTheViewEdges) {
    QImage view = filled(3, 3, qRgb(1, 2, 3));
    QImage picture = filled(2, 2, qRgb(90, 90, 90));
    QImage mask = filled(2, 2, qRgb(0, 0, 0));
    maskedCopy(view, picture, mask, 2, 2);
    maskedCopy(view, picture, mask, -1, -1);
    EXPECT_EQ(view.pixel(2, 2), qRgb(90, 90, 90));
    EXPECT_EQ(view.pixel(0, 0), qRgb(90, 90, 90));
    EXPECT_EQ(view.pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(view.pixel(2, 1), qRgb(1, 2, 3));
}
