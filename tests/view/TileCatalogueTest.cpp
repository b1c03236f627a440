#include "view/TileCatalogue.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace velmor;

namespace {

struct ObjectCase {
    const char* code;
    const char* pictureSet;
    int picture;
    const char* maskSet;
    int mask;
};

// Codes that look alike, share masks or are easily mixed up.
const ObjectCase objectCases[] = {
    {"YY", "imgFreePic", 0, "imgFreeMask", 0},
    {"yy", "imgFreePic", 5, "imgFreeMask", 5},
    {"Yb", "imgFreePic", 1, "imgFreeMask", 1},
    {"yb", "imgFreePic", 6, "imgFreeMask", 5},
    {"&i", "imgFreePic", 6, "imgFreeMask", 5},
    {"&K", "imgFreePic", 2, "imgFreeMask", 2},
    {"&К", "imgFreePic", 4, "imgFreeMask", 4},
    {"EE", "imgFreePic", 9, "imgFreeMask", 8},
    {"w7", "imgWallPic", 14, "imgWallMask", 14},
    {"W8", "imgWallPic", 11, "imgWallMask", 11},
    {"D1", "imgDoor", 0, "imgDoor", 0},
    {"D4", "imgDoor", 3, "imgDoor", 0},
    {"??", "imgUkaz", 0, "imgUkaz", 1},
    {"%i", "imgRaznoePic", 2, "imgRaznoeMask", 2},
    {"#D", "imgRaznoePic", 10, "imgRaznoeMask", 10},
    {"$8", "imgMan", 4, "imgMan", 3},
    {"*5", "imgMan", 5, "imgMan", 6},
    {"*6", "imgMan", 7, "imgMan", 8},
    {"S5", "imgSityPic", 4, "imgSityMask", 4},
    {"H9", "imgForHomePic", 8, "imgForHomeMask", 8},
};

} // namespace

TEST(TileCatalogue, ObjectCodesNameTheirSprites) {
    for (const ObjectCase& c : objectCases) {
        SCOPED_TRACE(c.code);
        ObjectLook look = objectLook(QString::fromUtf8(c.code));
        ASSERT_EQ(look.kind, ObjectLook::Kind::Sprite);
        EXPECT_EQ(look.sprite.pictureSet, QLatin1String(c.pictureSet));
        EXPECT_EQ(look.sprite.pictureIndex, c.picture);
        EXPECT_EQ(look.sprite.maskSet, QLatin1String(c.maskSet));
        EXPECT_EQ(look.sprite.maskIndex, c.mask);
    }
}

TEST(TileCatalogue, FinalDoorIsAFlatFill) {
    EXPECT_EQ(objectLook(QStringLiteral("D5")).kind, ObjectLook::Kind::Fill);
}

TEST(TileCatalogue, UnlistedAndPartialCodesDrawNothing) {
    for (const char* code : {"NW", "", "Y", "yY", "d5", "==", "  ", "&Κ" /* Greek kappa */, "YYY"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(objectLook(QString::fromUtf8(code)).kind, ObjectLook::Kind::Nothing);
    }
}

TEST(TileCatalogue, GroundCodesNameTheirPictures) {
    const std::pair<const char*, int> cases[] = {{"==", 0}, {"--", 1}, {"__", 2}, {"dd", 3},
                                                 {"pp", 4}, {"=b", 5}, {"-s", 5}, {"BB", 6}};
    for (auto [code, picture] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(groundPicture(QString::fromUtf8(code)), picture);
    }
    EXPECT_FALSE(groundPicture(QStringLiteral("bb")).has_value());
    EXPECT_FALSE(groundPicture(QStringLiteral("=")).has_value());
}

TEST(TileCatalogue, HoldsEveryCodeOnce) {
    QStringList objects = objectCodes();
    EXPECT_EQ(objects.size(), 107);
    EXPECT_EQ(QSet<QString>(objects.begin(), objects.end()).size(), 107);
    EXPECT_EQ(groundCodes().size(), 8); // seven pictures, "=b" and "-s" share one
    for (const QString& code : objects)
        EXPECT_NE(objectLook(code).kind, ObjectLook::Kind::Nothing) << qPrintable(code);
}
