// The colours that tell subjects apart: each tree, crystal, door, robe, obelisk and scroll shows the colour
// its index stands for, so that no two pictures swap places.

#include "assets/Assets.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <string>

using velmor::assets::picture;

namespace {

struct Mean {
    double r = 0, g = 0, b = 0;
    double brightness() const { return (r + g + b) / 3; }
};

// The mean colour of the object's pixels: where the mask is black, or, without a mask, where the picture is
// opaque.
Mean meanColour(const QImage& pic, const QImage& mask) {
    Mean m;
    int n = 0;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const bool object =
                mask.isNull() ? qAlpha(pic.pixel(x, y)) == 255 : (mask.pixel(x, y) & 0xFFFFFF) == 0;
            if (!object) continue;
            const QRgb c = pic.pixel(x, y);
            m.r += qRed(c);
            m.g += qGreen(c);
            m.b += qBlue(c);
            ++n;
        }
    if (n > 0) {
        m.r /= n;
        m.g /= n;
        m.b /= n;
    }
    return m;
}

enum class Hue { Red, Orange, Yellow, Green, Teal, Blue, DarkBlue, LightBlue, Violet, Grey, DarkGrey, Ivory };

bool shows(const Mean& m, Hue hue) {
    const double hi = std::max({m.r, m.g, m.b}), lo = std::min({m.r, m.g, m.b});
    const bool grey = hi - lo < 0.18 * hi;
    switch (hue) {
    case Hue::Red:
        return m.r > 1.6 * m.g && m.r > 1.6 * m.b;
    case Hue::Orange:
        return m.r > 1.2 * m.g && m.g > 1.3 * m.b;
    case Hue::Yellow:
        return m.r > 1.35 * m.b && m.g > 1.35 * m.b && m.g > 0.7 * m.r;
    case Hue::Green:
        return m.g > 1.2 * m.r && m.g > 1.2 * m.b;
    case Hue::Teal:
        return m.g > 1.3 * m.r && m.b > 1.3 * m.r;
    case Hue::Blue:
        return m.b > 1.6 * m.r && m.b > 1.1 * m.g;
    case Hue::DarkBlue:
        return m.b > 1.5 * m.r && m.b > 1.3 * m.g && m.brightness() < 100;
    case Hue::LightBlue:
        return m.b > 1.3 * m.r && m.b > 1.05 * m.g && m.brightness() > 140;
    case Hue::Violet:
        return m.r > 1.2 * m.g && m.b > 1.2 * m.g;
    case Hue::Grey:
        return grey && m.brightness() >= 90;
    case Hue::DarkGrey:
        return grey && m.brightness() < 90;
    case Hue::Ivory:
        return m.brightness() > 150 && m.r > 1.1 * m.b && hi - lo < 0.3 * hi;
    }
    return false;
}

struct ColourCase {
    const char* subject;
    const char* set;
    int index;
    const char* maskSet; // empty for pictures with a transparent background
    int maskIndex;
    Hue hue;
};

const ColourCase colourCases[] = {
    {"green tree", "imgFreePic", 0, "imgFreeMask", 0, Hue::Green},
    {"blue-green tree", "imgFreePic", 1, "imgFreeMask", 1, Hue::Teal},
    {"silver tree", "imgFreePic", 5, "imgFreeMask", 5, Hue::Grey},
    {"blue tree", "imgFreePic", 6, "imgFreeMask", 5, Hue::Blue},
    {"red tree", "imgFreePic", 7, "imgFreeMask", 6, Hue::Red},
    {"gold door", "imgDoor", 1, "imgDoor", 0, Hue::Yellow},
    {"blue door", "imgDoor", 2, "imgDoor", 0, Hue::Blue},
    {"green door", "imgDoor", 3, "imgDoor", 0, Hue::Green},
    {"blue crystals", "imgMineralPic", 0, "imgMineralMask", 0, Hue::Blue},
    {"green crystals", "imgMineralPic", 1, "imgMineralMask", 1, Hue::Green},
    {"red crystals", "imgMineralPic", 2, "imgMineralMask", 2, Hue::Red},
    {"yellow crystals", "imgMineralPic", 3, "imgMineralMask", 3, Hue::Yellow},
    {"violet crystals", "imgMineralPic", 4, "imgMineralMask", 4, Hue::Violet},
    {"ivory obelisk", "imgRaznoePic", 11, "imgRaznoeMask", 11, Hue::Ivory},
    {"green obelisk", "imgRaznoePic", 12, "imgRaznoeMask", 12, Hue::Green},
    {"dark blue obelisk", "imgRaznoePic", 13, "imgRaznoeMask", 13, Hue::DarkBlue},
    {"yellow obelisk", "imgRaznoePic", 14, "imgRaznoeMask", 14, Hue::Yellow},
    {"light blue obelisk", "imgRaznoePic", 15, "imgRaznoeMask", 15, Hue::LightBlue},
    {"violet obelisk", "imgRaznoePic", 16, "imgRaznoeMask", 16, Hue::Violet},
    {"dark grey obelisk", "imgRaznoePic", 17, "imgRaznoeMask", 17, Hue::DarkGrey},
    {"grey hooded figure", "imgMan", 0, "imgMan", 3, Hue::Grey},
    {"fiery hooded figure", "imgMan", 1, "imgMan", 3, Hue::Orange},
    {"dark red hooded figure", "imgMan", 2, "imgMan", 3, Hue::Red},
    {"red hooded figure", "imgMan", 4, "imgMan", 3, Hue::Red},
    {"gold key", "imgVesh", 7, "", 0, Hue::Yellow},
    {"blue key", "imgVesh", 8, "", 0, Hue::Blue},
    {"green key", "imgVesh", 9, "", 0, Hue::Green},
    {"red crystal shard", "imgVesh", 13, "", 0, Hue::Red},
    {"green crystal shard", "imgVesh", 14, "", 0, Hue::Green},
    {"yellow crystal shard", "imgVesh", 15, "", 0, Hue::Yellow},
    {"blue crystal shard", "imgVesh", 16, "", 0, Hue::Blue},
    {"violet crystal shard", "imgVesh", 17, "", 0, Hue::Violet},
    {"red ring", "imgVesh", 18, "", 0, Hue::Red},
    {"blue ring", "imgVesh", 19, "", 0, Hue::Blue},
    {"gold flask amulet", "imgVesh", 20, "", 0, Hue::Yellow},
    {"green flask amulet", "imgVesh", 21, "", 0, Hue::Green},
    {"blue flask amulet", "imgVesh", 22, "", 0, Hue::Blue},
    {"red flask amulet", "imgVesh", 23, "", 0, Hue::Red},
    {"grey flask amulet", "imgVesh", 24, "", 0, Hue::Grey},
    {"gold scroll", "imgRemen", 0, "", 0, Hue::Orange},
    {"blue scroll", "imgRemen", 1, "", 0, Hue::Blue},
    {"green scroll", "imgRemen", 2, "", 0, Hue::Green},
    {"black scroll", "imgRemen", 3, "", 0, Hue::Grey},
    {"red scroll", "imgRemen", 4, "", 0, Hue::Red},
};

TEST(SubjectColours, EachPictureShowsTheColourOfItsIndex) {
    for (const ColourCase& c : colourCases) {
        const QImage pic = picture(c.set, c.index);
        const QImage mask = *c.maskSet ? picture(c.maskSet, c.maskIndex) : QImage();
        ASSERT_FALSE(pic.isNull()) << c.subject;
        const Mean m = meanColour(pic, mask);
        EXPECT_TRUE(shows(m, c.hue)) << c.subject << " has the mean colour " << m.r << ", " << m.g << ", "
                                     << m.b;
    }
}

TEST(SubjectColours, ColourTestTellsHuesApart) {
    // The judge itself: a plain colour is taken for its own hue and not for its neighbours'.
    EXPECT_TRUE(shows({200, 40, 40}, Hue::Red));
    EXPECT_FALSE(shows({200, 40, 40}, Hue::Orange));
    EXPECT_TRUE(shows({230, 140, 50}, Hue::Orange));
    EXPECT_FALSE(shows({230, 140, 50}, Hue::Yellow));
    EXPECT_TRUE(shows({220, 190, 40}, Hue::Yellow));
    EXPECT_FALSE(shows({128, 128, 132}, Hue::Blue));
    EXPECT_TRUE(shows({128, 128, 132}, Hue::Grey));
    EXPECT_FALSE(shows({60, 60, 66}, Hue::Grey));
    EXPECT_TRUE(shows({60, 60, 66}, Hue::DarkGrey));
    EXPECT_TRUE(shows({140, 70, 200}, Hue::Violet));
    EXPECT_FALSE(shows({140, 70, 200}, Hue::Blue));
}

} // namespace
