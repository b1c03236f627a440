// The movement step over small maps: where the hero ends, what it cost, whether the timer still runs.

#include "WorldTestSupport.h"

#include "Fixtures.h"
#include "MapSection.h"
#include "world/CarriedItems.h"
#include "world/HeroStep.h"
#include "world/Input.h"
#include "world/Passability.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace velmor;
using namespace velmor::test;

namespace {

struct Walk {
    const char* name;
    std::function<MapSection()> map;
    std::vector<int16_t> items;
    std::pair<int, int> start, destination;
    int ticks;
    std::pair<int, int> end;
    int16_t lifeForce; // after the ticks; every step costs 50
    bool timerRunning;
    std::vector<int> facings; // of every completed step, in order
    QString staleCode2;       // nextCode2 before the first tick
    QString code2After;
};

MapSection plain() {
    return MapSection();
}

// One walk to a line.
// clang-format off
const Walk walks[] = {
    {"FirstTickStepsRightAndDownAndPaysForBoth", plain, {}, {0, 0}, {2, 1}, 1, {1, 1}, 5195, true, {2, 0}, "", "  "},
    {"SecondTickStepsRightOnly", plain, {}, {0, 0}, {2, 1}, 2, {2, 1}, 5145, true, {2, 0, 2}, "", "  "},
    {"ReachingTheDestinationLeavesTheTimerRunning", plain, {}, {0, 0}, {2, 1}, 3, {2, 1}, 5145, true, {2, 0, 2}, "", "  "},
    {"LeftComesBeforeUp", plain, {}, {3, 3}, {1, 1}, 1, {2, 2}, 5195, true, {3, 1}, "", "  "},
    {"ABlockedHorizontalStepStopsBeforeAnyVerticalStep",
     [] { return MapSection().object(1, 0, "YY"); }, {}, {0, 0}, {2, 1}, 1, {0, 0}, 5295, false, {}, "", "YY"},
    {"ABlockedVerticalStepKeepsTheHorizontalOne",
     [] { return MapSection().object(1, 1, "W3"); }, {}, {0, 0}, {1, 1}, 1, {1, 0}, 5245, false, {2}, "", "W3"},
    {"Row16IsEnterableWithEmptyCodes", plain, {}, {0, 15}, {0, 16}, 1, {0, 16}, 5245, true, {0}, "xx", ""},
    {"BeyondRow16TheOldCodesStayAndPass", plain, {}, {0, 16}, {0, 17}, 1, {0, 17}, 5245, true, {0}, "xx", "xx"},
    {"BeyondRow16AnOldBlockingCodeStillBlocks", plain, {}, {0, 16}, {0, 17}, 1, {0, 16}, 5295, false, {}, "YY", "YY"},
    {"LeftOfTheFirstColumnTheOldCodesStay", plain, {}, {0, 0}, {-1, 0}, 1, {-1, 0}, 5245, true, {3}, "xx", "xx"},
    {"OneCharacterLeftOfARowIsNoBlockingCode",
     [] { return MapSection().rowString(2, 0, "      Y"); }, {}, {2, 0}, {3, 0}, 1, {3, 0}, 5245, true, {2}, "", "Y"},
    {"AColumnPastTheRowsEndPasses",
     [] { return MapSection().rowString(2, 0, "YY"); }, {}, {1, 0}, {3, 0}, 2, {3, 0}, 5195, true, {2, 2}, "", ""},
    {"AnIceTreeBlocksWithoutTheDragonAmulet",
     [] { return MapSection().object(1, 0, "yb"); }, {}, {0, 0}, {1, 0}, 1, {0, 0}, 5295, false, {}, "", "yb"},
    {"TheDragonAmuletLeadsThroughIceTrees",
     [] { return MapSection().object(1, 0, "yb"); }, {12}, {0, 0}, {1, 0}, 1, {1, 0}, 5245, true, {2}, "", "yb"},
    {"YbBlocksEvenWithTheDragonAmulet",
     [] { return MapSection().object(1, 0, "Yb"); }, {12}, {0, 0}, {1, 0}, 1, {0, 0}, 5295, false, {}, "", "Yb"},
    {"TheFinalDoorIsPassable",
     [] { return MapSection().object(0, 1, "D5"); }, {}, {0, 0}, {0, 1}, 1, {0, 1}, 5245, true, {0}, "", "D5"},
};
// clang-format on

void PrintTo(const Walk& walk, std::ostream* out) {
    *out << walk.name;
}

class WalkTest : public ::testing::TestWithParam<Walk> {
  protected:
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
};

TEST_P(WalkTest, EndsWhereItMust) {
    const Walk& walk = GetParam();
    walk.map().putInto(state);
    for (size_t i = 0; i < walk.items.size(); ++i)
        state.pred[i + 5] = walk.items[i];
    placeHero(state, walk.start.first, walk.start.second);
    setDestination(state, walk.destination.first, walk.destination.second);
    state.nextCode2 = walk.staleCode2;
    window.heroMove.setEnabled(true);

    for (int i = 0; i < walk.ticks && window.heroMove.isEnabled(); ++i)
        HeroStep(state, window);

    EXPECT_EQ(heroCell(state), walk.end);
    EXPECT_EQ(state.heroCol, 2 * walk.end.first + 1);
    EXPECT_EQ(state.heroRow, walk.end.second);
    EXPECT_EQ(state.lifeForce, walk.lifeForce);
    EXPECT_EQ(window.heroMove.isEnabled(), walk.timerRunning);
    EXPECT_EQ(window.heroFacings, walk.facings);
    EXPECT_EQ(state.nextCode2, walk.code2After);
}

INSTANTIATE_TEST_SUITE_P(Movement, WalkTest, ::testing::ValuesIn(walks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Movement, StandingOnTheHerosOwnCellRepeatsTheLastCellEveryTick) {
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    MapSection().object(1, 0, "Mr").putInto(state);
    setDestination(state, 1, 0);
    window.heroMove.setEnabled(true);

    HeroStep(state, window);       // bumps into the red crystal
    EXPECT_EQ(state.health, 2648); // 5295 - 2647.5, ties to even
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_EQ(heroCell(state), std::make_pair(0, 0));

    picMap_MouseDown(state, window, 100, 100); // the hero's own cell
    EXPECT_TRUE(window.heroMove.isEnabled());
    const int16_t expected[] = {1324, 662, 331, 166};
    for (int16_t health : expected) {
        HeroStep(state, window);
        EXPECT_EQ(state.health, health);
    }
    EXPECT_EQ(state.lifeForce, GameState::fullVitality); // no step was taken
    EXPECT_TRUE(window.heroFacings.empty());
}

TEST(Movement, AStepThatWouldTakeLifeForcePastTheBottomStillHappens) {
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    state.lifeForce = -32740;
    setDestination(state, 2, 0);
    HeroStep(state, window);
    EXPECT_EQ(heroCell(state), std::make_pair(1, 0));
    EXPECT_EQ(state.lifeForce, -32740); // -32790 does not fit: the subtraction is skipped
    HeroStep(state, window);
    EXPECT_EQ(heroCell(state), std::make_pair(2, 0));
}

TEST(Movement, EveryStepTriedHidesTheInventoryAndTheOfferPanel) {
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    MapSection().object(1, 0, "K1").putInto(state);
    window.panels[1].show();
    window.panels[2].show();
    window.panels[0].show();

    HeroStep(state, window); // no step needed: nothing hidden by the step
    EXPECT_TRUE(window.panels[1].isVisible());
    EXPECT_TRUE(window.panels[2].isVisible());

    setDestination(state, 1, 0);
    HeroStep(state, window); // blocked, but tried
    EXPECT_FALSE(window.panels[1].isVisible());
    EXPECT_FALSE(window.panels[2].isVisible());
}

TEST(Passability, ExactlyTheEightyOneCodesBlock) {
    // Every code of two printable ASCII characters: the blocking ones are the 81 and no other.
    const CarriedItems nothing;
    const QStringList& codes = blockingCodes();
    const std::set<QString> listed(codes.begin(), codes.end());
    EXPECT_EQ(listed.size(), 81u);
    int blocking = 0;
    for (char16_t a = 32; a < 127; ++a)
        for (char16_t b = 32; b < 127; ++b) {
            const QString code = QString(QChar(a)) + QChar(b);
            if (!isBlocked(code, nothing) || code == QLatin1String("yb")) continue;
            ++blocking;
            EXPECT_TRUE(listed.count(code)) << code.toStdString();
        }
    EXPECT_EQ(blocking, 81);
    EXPECT_TRUE(isBlocked(QStringLiteral("yb"), nothing)); // the ice tree, without the amulet
    for (const char* code : {"NW", "#K", "$8", "D4", "H9", "w8", "K3", "Mf", "??", "o7", "*6", "S5"})
        EXPECT_TRUE(listed.count(QString::fromLatin1(code))) << code;
}

TEST(Passability, OpenCodesPass) {
    const CarriedItems nothing;
    for (const char* code : {"D5", "  ", "==", "", "Y", "nw", "yY", "D1", "Mx", "$9", "yb "})
        EXPECT_FALSE(isBlocked(QString::fromLatin1(code), nothing)) << code;
    EXPECT_FALSE(isBlocked(QStringLiteral("Дм"), nothing));
}

} // namespace
