// Every picture of the game exists at the size the game draws it, in the format the game expects.

#include "assets/Assets.h"

#include <gtest/gtest.h>

#include <QImage>

using velmor::assets::bigButtonFace;
using velmor::assets::buttonFace;
using velmor::assets::named;
using velmor::assets::picture;
using velmor::assets::pictureCount;

namespace {

struct SetCount {
    const char* set;
    int count;
};

// The number of pictures in each set of the game window.
const SetCount setCounts[] = {
    {"imgZem", 7},         {"imgFreePic", 10},   {"imgFreeMask", 9},    {"imgWallPic", 16},
    {"imgWallMask", 16},   {"imgDoor", 5},       {"imgMineralPic", 5},  {"imgMineralMask", 5},
    {"imgUkaz", 2},        {"imgRaznoePic", 18}, {"imgRaznoeMask", 18}, {"imgForHomePic", 9},
    {"imgForHomeMask", 9}, {"imgMan", 9},        {"imgSityPic", 5},     {"imgSityMask", 5},
    {"imgHeroPic", 4},     {"imgHeroMask", 4},   {"imgVesh", 26},       {"imgRemen", 5},
};

TEST(PictureSets, EverySetHoldsItsPicturesAndNoMore) {
    for (const SetCount& s : setCounts) {
        SCOPED_TRACE(s.set);
        EXPECT_EQ(pictureCount(s.set), s.count);
        for (int i = 0; i < s.count; ++i)
            EXPECT_FALSE(picture(s.set, i).isNull()) << "index " << i;
        EXPECT_TRUE(picture(s.set, s.count).isNull());
        EXPECT_TRUE(picture(s.set, -1).isNull());
    }
}

TEST(PictureSets, UnknownSetsAreEmpty) {
    EXPECT_EQ(pictureCount("imgNothing"), 0);
    EXPECT_TRUE(picture("imgNothing", 0).isNull());
    EXPECT_TRUE(picture("imgzem", 0).isNull()); // set names match exactly
}

TEST(PictureSets, GroundPicturesAreOpaqueCells) {
    for (int i = 0; i < 7; ++i) {
        const QImage img = picture("imgZem", i);
        EXPECT_EQ(img.size(), QSize(35, 36)) << i;
        EXPECT_EQ(img.format(), QImage::Format_RGB32) << i;
    }
}

TEST(PictureSets, GroundPicturesDifferFromEachOther) {
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            EXPECT_NE(picture("imgZem", a), picture("imgZem", b)) << a << " and " << b;
}

struct ItemSize {
    int index;
    int w, h;
};

const ItemSize itemSizes[] = {
    {0, 37, 38},  {1, 20, 33},  {2, 34, 36},  {3, 28, 34},  {4, 29, 34},  {5, 27, 34},  {6, 36, 39},
    {7, 41, 41},  {8, 41, 41},  {9, 41, 41},  {10, 37, 38}, {11, 37, 38}, {12, 37, 38}, {13, 41, 41},
    {14, 41, 41}, {15, 41, 41}, {16, 41, 41}, {17, 41, 41}, {18, 41, 41}, {19, 41, 41}, {20, 41, 41},
    {21, 41, 41}, {22, 41, 41}, {23, 41, 41}, {24, 41, 41}, {25, 41, 41},
};

// A picture on a transparent background: clear corners, and a subject that covers a fair part of it.
void expectTransparentBackground(const QImage& img) {
    ASSERT_EQ(img.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(0, img.height() - 1)), 0);
    EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
    int opaque = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            opaque += qAlpha(img.pixel(x, y)) == 255;
    EXPECT_GT(opaque, img.width() * img.height() / 5);
    EXPECT_LT(opaque, img.width() * img.height());
}

TEST(ItemPictures, HaveTheirSizesAndATransparentBackground) {
    for (const ItemSize& s : itemSizes) {
        SCOPED_TRACE(s.index);
        const QImage img = picture("imgVesh", s.index);
        EXPECT_EQ(img.size(), QSize(s.w, s.h));
        expectTransparentBackground(img);
    }
}

TEST(ItemPictures, ScrollsAre32PixelsSquareOnATransparentBackground) {
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QImage img = picture("imgRemen", i);
        EXPECT_EQ(img.size(), QSize(32, 32));
        expectTransparentBackground(img);
    }
}

TEST(ItemPictures, EveryPictureIsItsOwn) {
    // Ids share pictures, but no two indices hold the same drawing.
    for (int a = 0; a < 26; ++a)
        for (int b = a + 1; b < 26; ++b)
            EXPECT_NE(picture("imgVesh", a), picture("imgVesh", b)) << a << " and " << b;
}

struct NamedSize {
    const char* name;
    int w, h;
    bool transparent;
};

const NamedSize namedSizes[] = {
    {"statusStrip", 803, 73, false}, {"chest", 50, 42, true},         {"moneyBag", 35, 36, true},
    {"heart", 23, 22, true},         {"lightning", 27, 25, true},     {"panel", 441, 329, false},
    {"offerPanel", 372, 138, false}, {"pausePanel", 121, 105, false}, {"title", 800, 600, false},
};

TEST(NamedPictures, HaveTheirSizes) {
    for (const NamedSize& n : namedSizes) {
        SCOPED_TRACE(n.name);
        const QImage img = named(n.name);
        EXPECT_EQ(img.size(), QSize(n.w, n.h));
        if (n.transparent)
            expectTransparentBackground(img);
        else
            EXPECT_EQ(img.format(), QImage::Format_RGB32);
    }
}

TEST(NamedPictures, WindowIconIsSquareAndUnknownNamesAreNull) {
    const QImage icon = named("icon");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_GE(icon.width(), 32);
    EXPECT_TRUE(named("Title").isNull());
    EXPECT_TRUE(named("").isNull());
}

// A face shows its word: light letters stand out in the middle of the dark wood.
int lightPixelsInMiddle(const QImage& face) {
    int light = 0;
    for (int y = face.height() / 4; y < face.height() * 3 / 4; ++y)
        for (int x = 4; x < face.width() - 4; ++x)
            light += qGray(face.pixel(x, y)) > 170;
    return light;
}

TEST(ButtonFaces, SmallFacesAre88By24AndShowTheirWords) {
    const char* words[] = {"ok",    "Нет",        "Сохранить", "Продолжить",
                           "Выход", "Информация", "Выбросить", "Продать"};
    std::vector<QImage> faces;
    for (const char* word : words) {
        SCOPED_TRACE(word);
        const QImage face = buttonFace(QString::fromUtf8(word));
        EXPECT_EQ(face.size(), QSize(88, 24));
        EXPECT_GT(lightPixelsInMiddle(face), 10);
        faces.push_back(face);
    }
    for (size_t a = 0; a < faces.size(); ++a)
        for (size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_NE(faces[a], faces[b]) << words[a] << " and " << words[b];
    // A longer word covers more of the face.
    EXPECT_GT(lightPixelsInMiddle(buttonFace("Информация")), lightPixelsInMiddle(buttonFace("ok")));
}

TEST(ButtonFaces, BigFacesAre208By32AndShowTheirWords) {
    const char* words[] = {"Новая игра", "Загрузить игру", "Выход"};
    std::vector<QImage> faces;
    for (const char* word : words) {
        SCOPED_TRACE(word);
        const QImage face = bigButtonFace(QString::fromUtf8(word));
        EXPECT_EQ(face.size(), QSize(208, 32));
        EXPECT_GT(lightPixelsInMiddle(face), 20);
        faces.push_back(face);
    }
    EXPECT_NE(faces[0], faces[1]);
    EXPECT_NE(faces[1], faces[2]);
    EXPECT_NE(faces[0], faces[2]);
}

TEST(ButtonFaces, WordsMatchExactlyAndBySize) {
    EXPECT_TRUE(buttonFace("OK").isNull());
    EXPECT_TRUE(buttonFace("нет").isNull());
    EXPECT_TRUE(buttonFace("Новая игра").isNull()); // only a big face reads it
    EXPECT_TRUE(bigButtonFace("ok").isNull());
    EXPECT_FALSE(bigButtonFace("Выход").isNull());
    EXPECT_NE(buttonFace("Выход").size(), bigButtonFace("Выход").size());
}

} // namespace
