// Every sprite of the tile catalogue and the hero: picture and mask of one size, masks only black and white,
// and drawn by the masked copy over a coloured ground, the ground stays wherever the mask is white.

#include "assets/Assets.h"
#include "view/MaskedCopy.h"
#include "view/TileCatalogue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMap>
#include <QSet>

#include <ostream>
#include <string>

using velmor::ObjectLook;
using velmor::SpriteRef;
using velmor::assets::picture;

namespace {

struct SpriteCase {
    std::string codes; // the object codes that draw it, or the hero's facing
    SpriteRef sprite;
    QSize size;
};

QSize cells(int columns, int rows) {
    return {35 * columns, 36 * rows};
}

// Sizes of the sprites larger than one cell (and the two walls lying on their side), by object code.
QSize expectedSize(const QString& code) {
    static const QMap<QString, QSize> large = {
        {"EE", cells(2, 2)},   {"#S", cells(2, 1)},   {"#s", cells(2, 1)}, {"#D", cells(6, 3)},
        {"o1", cells(1, 2)},   {"o2", cells(1, 2)},   {"o3", cells(1, 2)}, {"o4", cells(1, 2)},
        {"o5", cells(1, 2)},   {"o6", cells(1, 2)},   {"o7", cells(1, 2)}, {"H1", cells(2, 2)},
        {"H2", cells(2, 2)},   {"H3", cells(2, 1)},   {"H5", cells(2, 1)}, {"S1", cells(3, 2)},
        {"S2", cells(3, 4)},   {"S3", cells(3, 4)},   {"S4", cells(2, 2)}, {"S5", cells(3, 3)},
        {"w7", QSize(36, 35)}, {"w8", QSize(36, 35)},
    };
    return large.value(code, cells(1, 1));
}

// One case per distinct picture and mask pair of the catalogue, then the four facings of the hero.
std::vector<SpriteCase> spriteCases() {
    std::vector<SpriteCase> cases;
    for (const QString& code : velmor::objectCodes()) {
        const ObjectLook look = velmor::objectLook(code);
        if (look.kind != ObjectLook::Kind::Sprite) continue;
        bool known = false;
        for (SpriteCase& c : cases)
            if (c.sprite.pictureSet == look.sprite.pictureSet &&
                c.sprite.pictureIndex == look.sprite.pictureIndex &&
                c.sprite.maskSet == look.sprite.maskSet && c.sprite.maskIndex == look.sprite.maskIndex) {
                c.codes += " " + code.toStdString();
                known = true;
            }
        if (!known) cases.push_back({code.toStdString(), look.sprite, expectedSize(code)});
    }
    const char* facings[] = {"hero down", "hero up", "hero right", "hero left"};
    for (int d = 0; d < 4; ++d)
        cases.push_back({facings[d], SpriteRef{"imgHeroPic", d, "imgHeroMask", d}, cells(1, 1)});
    return cases;
}

void PrintTo(const SpriteCase& c, std::ostream* os) {
    *os << c.codes;
}

class SpriteMask : public ::testing::TestWithParam<SpriteCase> {};

TEST_P(SpriteMask, PictureAndMaskHaveTheSpritesSize) {
    const SpriteCase& c = GetParam();
    const QImage pic = picture(c.sprite.pictureSet, c.sprite.pictureIndex);
    const QImage mask = picture(c.sprite.maskSet, c.sprite.maskIndex);
    ASSERT_FALSE(pic.isNull());
    ASSERT_FALSE(mask.isNull());
    EXPECT_EQ(pic.size(), c.size);
    EXPECT_EQ(mask.size(), c.size);
    EXPECT_EQ(pic.format(), QImage::Format_RGB32);
    EXPECT_EQ(mask.format(), QImage::Format_RGB32);
}

TEST_P(SpriteMask, MaskHoldsOnlyBlackAndWhiteAndCoversSomething) {
    const SpriteCase& c = GetParam();
    const QImage mask = picture(c.sprite.maskSet, c.sprite.maskIndex);
    int black = 0, other = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
            black += m == 0;
            other += m != 0 && m != 0xFFFFFF;
        }
    EXPECT_EQ(other, 0);
    EXPECT_GT(black, mask.width() * mask.height() / 20) << "the object is hardly there";
}

TEST_P(SpriteMask, MaskedCopyLeavesTheGroundWhereTheMaskIsWhite) {
    const SpriteCase& c = GetParam();
    const QImage pic = picture(c.sprite.pictureSet, c.sprite.pictureIndex);
    const QImage mask = picture(c.sprite.maskSet, c.sprite.maskIndex);
    ASSERT_EQ(pic.size(), mask.size());
    // Two grounds of unlike colours, so that no picture colour can pass for either by chance.
    for (QRgb ground : {qRgb(40, 170, 90), qRgb(200, 60, 220)}) {
        QImage view(pic.width() + 4, pic.height() + 4, QImage::Format_RGB32);
        view.fill(ground);
        velmor::maskedCopy(view, pic, mask, 2, 2);
        int wrongGround = 0, wrongObject = 0;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x) {
                const int sx = x - 2, sy = y - 2;
                const bool inside = sx >= 0 && sy >= 0 && sx < pic.width() && sy < pic.height();
                const QRgb d = view.pixel(x, y) & 0xFFFFFF;
                if (!inside || (mask.pixel(sx, sy) & 0xFFFFFF) == 0xFFFFFF)
                    wrongGround += d != (ground & 0xFFFFFF);
                else
                    wrongObject += d != (pic.pixel(sx, sy) & 0xFFFFFF);
            }
        EXPECT_EQ(wrongGround, 0) << "ground changed outside the object";
        EXPECT_EQ(wrongObject, 0) << "object not drawn as painted";
    }
}

std::string caseName(const ::testing::TestParamInfo<SpriteCase>& info) {
    const SpriteRef& s = info.param.sprite;
    return (s.pictureSet + QString::number(s.pictureIndex) + "_" + s.maskSet + QString::number(s.maskIndex))
        .toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllSprites, SpriteMask, ::testing::ValuesIn(spriteCases()), caseName);

TEST(SpriteSets, CatalogueSpritesCoverEveryPictureOfTheirSets) {
    // No picture is drawn for nothing: every picture of the sprite sets is named by some object code.
    QMap<QString, QSet<int>> used;
    for (const SpriteCase& c : spriteCases()) {
        used[c.sprite.pictureSet].insert(c.sprite.pictureIndex);
        used[c.sprite.maskSet].insert(c.sprite.maskIndex);
    }
    used["imgDoor"].insert(4); // the final door's colour, stretched over its cell
    for (auto it = used.constBegin(); it != used.constEnd(); ++it)
        EXPECT_EQ(it->size(), velmor::assets::pictureCount(it.key())) << it.key().toStdString();
}

TEST(SpriteSets, BlackDoorCellAndFinalDoorColour) {
    const QImage black = picture("imgDoor", 0);
    ASSERT_EQ(black.size(), QSize(35, 36));
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 35; ++x)
            ASSERT_EQ(black.pixel(x, y) & 0xFFFFFF, 0u);
    const QImage finalDoor = picture("imgDoor", 4);
    ASSERT_EQ(finalDoor.size(), QSize(1, 1));
    EXPECT_EQ(finalDoor.pixel(0, 0) & 0xFFFFFF, velmor::finalDoorRgb);
}

TEST(SpriteSets, DoorsFillTheirWholeCell) {
    // The doors share the black mask, so every pixel of a door is part of it and none is left white.
    for (int i = 1; i <= 3; ++i) {
        const QImage door = picture("imgDoor", i);
        int white = 0;
        for (int y = 0; y < door.height(); ++y)
            for (int x = 0; x < door.width(); ++x)
                white += (door.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        EXPECT_EQ(white, 0) << "door " << i;
    }
}

TEST(SpriteSets, GroundCodesHaveTheirCellPictures) {
    for (const QString& code : velmor::groundCodes()) {
        const std::optional<int> index = velmor::groundPicture(code);
        ASSERT_TRUE(index.has_value()) << code.toStdString();
        EXPECT_EQ(picture("imgZem", *index).size(), QSize(35, 36)) << code.toStdString();
    }
}

TEST(SpriteSets, HeroFacingsTellApart) {
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(picture("imgHeroPic", a), picture("imgHeroPic", b)) << a << " and " << b;
        }
}

} // namespace
