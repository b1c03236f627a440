// The composed map view, pixel by pixel, on small sections drawn with the game's own pictures.

#include "view/MapView.h"
#include "QtPrinters.h"
#include "state/GameState.h"
#include "view/PictureStore.h"
#include "view/TileCatalogue.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::test;

namespace {

GameState grassSection() {
    GameState state;
    for (int r = 0; r < 16; ++r)
        state.layer1[r] = row("==");
    return state;
}

QRgb grassAt(int x, int y) {
    return pictures().picture("imgZem", 0).pixel(x % MapView::cellWidth, y % MapView::cellHeight);
}

struct Sprite {
    QImage picture, mask;
};

Sprite spriteOf(const QString& code) {
    ObjectLook look = objectLook(code);
    return {pictures().picture(look.sprite.pictureSet, look.sprite.pictureIndex),
            pictures().picture(look.sprite.maskSet, look.sprite.maskIndex)};
}

bool opaque(const Sprite& sprite, int x, int y) {
    return qGray(sprite.mask.pixel(x, y)) == 0;
}

} // namespace

TEST(RedrawView, GroundCodesPaintTheirPicturesAndUnknownCodesKeepThePreviousPixels) {
    MapView view;
    GameState state = grassSection();
    RedrawView(view, state, pictures());
    const QImage before = view.image().copy();

    state.layer1[2] = row("--", 4, "XX"); // cell (4, 2) unknown, the rest of the row stone floor
    RedrawView(view, state, pictures());
    for (int y = 72; y < 108; ++y) {
        for (int x = 140; x < 175; ++x)
            ASSERT_EQ(view.image().pixel(x, y), before.pixel(x, y));
        EXPECT_EQ(view.image().pixel(200, y), pictures().picture("imgZem", 1).pixel(200 % 35, y % 36));
    }
    EXPECT_EQ(view.background(), view.image());
}

TEST(RedrawView, AnEmptySectionKeepsThePreviousPictureWithItsHero) {
    MapView view;
    GameState state = grassSection();
    state.heroX = 525 * 5;
    RedrawView(view, state, pictures());
    DrawHero(view, state, pictures(), 0);
    const QImage withHero = view.image().copy();
    RedrawView(view, GameState(), pictures());
    EXPECT_EQ(view.image(), withHero);
    EXPECT_EQ(view.background(), withHero);
}

TEST(RedrawView, TheFinalDoorIsAFlatYellowCellOverAnything) {
    MapView view;
    GameState state = grassSection();
    state.layer2[1] = row("  ", 2, "EE"); // a 2 x 2 fir clump reaching into cell (3, 2)
    state.layer2[2] = row("  ", 3, "D5");
    RedrawView(view, state, pictures());
    for (int y = 72; y < 108; ++y)
        for (int x = 105; x < 140; ++x)
            ASSERT_EQ(view.image().pixel(x, y), qRgb(251, 214, 4)) << x << "," << y;
}

TEST(RedrawView, WideWallsReachIntoTheNextColumnAndLeaveTheBottomRowToTheGround) {
    for (const char* code : {"w7", "w8"}) {
        SCOPED_TRACE(code);
        MapView view;
        GameState state = grassSection();
        state.layer2[0] = row("  ", 0, code);
        RedrawView(view, state, pictures());
        Sprite wall = spriteOf(code);
        ASSERT_EQ(wall.picture.size(), QSize(36, 35));
        bool reachesNextColumn = false;
        for (int y = 0; y < 35; ++y) {
            for (int x = 0; x < 36; ++x) {
                QRgb expected = opaque(wall, x, y) ? wall.picture.pixel(x, y) : grassAt(x, y);
                ASSERT_EQ(view.image().pixel(x, y), expected) << x << "," << y;
            }
            reachesNextColumn |= opaque(wall, 35, y);
        }
        EXPECT_TRUE(reachesNextColumn);
        for (int x = 0; x < 36; ++x)
            EXPECT_EQ(view.image().pixel(x, 35), grassAt(x, 35)) << x;
    }
}

TEST(RedrawView, ABuildingAtTheBottomRightIsClippedToTheView) {
    MapView view;
    GameState state = grassSection();
    state.layer2[12] = row("  ", 20, "S2"); // 3 x 4 cells from (20, 12): one row lies below the view
    RedrawView(view, state, pictures());
    Sprite house = spriteOf("S2");
    ASSERT_EQ(house.picture.size(), QSize(105, 144));
    for (int y = 0; y < 108; ++y)
        for (int x = 0; x < 105; ++x) {
            QRgb expected = opaque(house, x, y) ? house.picture.pixel(x, y) : grassAt(x, y);
            ASSERT_EQ(view.image().pixel(700 + x, 432 + y), expected) << x << "," << y;
        }
}

TEST(RedrawView, OfTwoOverlappingSpritesTheLaterCellWins) {
    MapView view;
    GameState state = grassSection();
    state.layer2[0] = row("  ", 0, "EE"); // fir clump over cells (0..1, 0..1)
    state.layer2[1] = row("  ", 1, "YY"); // a tree in cell (1, 1), drawn later
    RedrawView(view, state, pictures());
    Sprite firs = spriteOf("EE"), tree = spriteOf("YY");
    int treeWins = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 35; ++x) {
            QRgb expected = opaque(tree, x, y)             ? tree.picture.pixel(x, y)
                            : opaque(firs, 35 + x, 36 + y) ? firs.picture.pixel(35 + x, 36 + y)
                                                           : grassAt(x, y);
            ASSERT_EQ(view.image().pixel(35 + x, 36 + y), expected) << x << "," << y;
            treeWins += opaque(tree, x, y) && opaque(firs, 35 + x, 36 + y);
        }
    EXPECT_GT(treeWins, 0); // the two really overlap
}

TEST(RedrawView, RowFifteenAndCharactersBeyondColumn22AreNeverDrawn) {
    MapView view;
    GameState state = grassSection();
    state.layer1[0] = row("==") + "--";
    state.layer2[15] = row("D5");
    RedrawView(view, state, pictures());
    EXPECT_EQ(view.image().pixel(804, 10),
              grassAt(804, 10)); // column 22 is grass, the 24th code is not drawn
    for (int x = 0; x < 805; x += 7)
        EXPECT_NE(view.image().pixel(x, 539), qRgb(251, 214, 4));
}

TEST(DrawHero, DrawingTheHeroTwiceLeavesOneHero) {
    MapView view;
    GameState state = grassSection();
    RedrawView(view, state, pictures());
    const QImage ground = view.image().copy();
    DrawHero(view, state, pictures(), 0);
    EXPECT_NE(view.image().copy(0, 0, 35, 36), ground.copy(0, 0, 35, 36));

    state.heroX = 525 * 3;
    state.heroY = 540 * 2;
    DrawHero(view, state, pictures(), 2);
    EXPECT_EQ(view.image().copy(0, 0, 35, 36), ground.copy(0, 0, 35, 36));
    Sprite hero{pictures().picture("imgHeroPic", 2), pictures().picture("imgHeroMask", 2)};
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 35; ++x)
            ASSERT_EQ(view.image().pixel(105 + x, 72 + y),
                      opaque(hero, x, y) ? hero.picture.pixel(x, y) : grassAt(x, y));
}

TEST(DrawHero, TheFourFacingsDiffer) {
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NE(pictures().picture("imgHeroPic", a), pictures().picture("imgHeroPic", b))
                << a << " " << b;
}

TEST(DrawHero, APositionBetweenPixelsGoesToTheNearestPixel) {
    // A saved game may hold any twips: 14 is nearer pixel 1 than pixel 0, 22 nearer 1 than 2, 26 nearer 2.
    const struct {
        int16_t heroX, heroY;
        int x, y;
    } positions[] = {{14, 26, 1, 2}, {22, 7, 1, 0}, {1582, 1088, 105, 73}};
    Sprite hero{pictures().picture("imgHeroPic", 0), pictures().picture("imgHeroMask", 0)};
    for (const auto& p : positions) {
        MapView view;
        GameState state = grassSection();
        RedrawView(view, state, pictures());
        state.heroX = p.heroX;
        state.heroY = p.heroY;
        DrawHero(view, state, pictures(), 0);
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 35; ++x)
                ASSERT_EQ(view.image().pixel(p.x + x, p.y + y),
                          opaque(hero, x, y) ? hero.picture.pixel(x, y) : grassAt(p.x + x, p.y + y))
                    << p.heroX << "," << p.heroY;
    }
}

TEST(DrawHero, TheHeroLeavesNoTraceWhereHeStoodBefore) {
    MapView view;
    GameState state = grassSection();
    RedrawView(view, state, pictures());
    const QImage ground = view.image().copy();
    for (int step = 0; step < 30; ++step) {
        state.heroX = static_cast<int16_t>(14 * step * 13 % 11550);
        state.heroY = static_cast<int16_t>(29 * step * 7 % 7560);
        DrawHero(view, state, pictures(), step % 4);
    }
    state.heroX = 0;
    state.heroY = 0;
    DrawHero(view, state, pictures(), 1);
    EXPECT_EQ(view.image().copy(35, 0, 770, 540), ground.copy(35, 0, 770, 540));
    EXPECT_EQ(view.image().copy(0, 36, 35, 504), ground.copy(0, 36, 35, 504));
}
