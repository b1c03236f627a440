// What cells do to the hero who enters or bumps into them, through the movement step as in play.

#include "WorldTestSupport.h"

#include "Fixtures.h"
#include "MapSection.h"
#include "world/CarriedItems.h"
#include "world/CellRules.h"
#include "world/HeroStep.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::test;

namespace {

const QString closedNotice = QStringLiteral("Закрыто...");

class CellRulesTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;

    void SetUp() override {
        for (FakeControl& panel : window.panels)
            panel.hide();
        window.labels[1].hide();
    }

    // Writes the section file of grid section (x, y) or of a post, and gives it to the state when it is the
    // one the hero stands in.
    void writeSection(const QString& name, const MapSection& section) {
        root.writeLines(QStringLiteral("Maps/Test/%1.map").arg(name), section.lines());
        if (name == state.sectionName) section.putInto(state);
    }

    // The hero at (column, row) walks toward the cell to his right, and the tick runs to its end.
    void bumpRight(int column, int row) {
        placeHero(state, column, row);
        setDestination(state, column + 1, row);
        window.heroMove.setEnabled(true);
        HeroStep(state, window);
    }

    void carry(std::initializer_list<int16_t> items) {
        int slot = 0;
        for (int16_t item : items)
            state.pred[slot++] = item;
    }
};

TEST_F(CellRulesTest, BumpingAHealerWithTheInventoryOpenShowsTheOfferInstead) {
    writeSection("x0y0", MapSection().object(3, 2, "$1"));
    window.panels[1].show();
    window.panels[2].show();
    state.form2.offerCode = 4;
    bumpRight(2, 2);

    EXPECT_FALSE(window.panels[1].isVisible());
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_EQ(state.form2.offerCode, 999);
    EXPECT_EQ(window.labels[2].text(),
              QStringLiteral("Я могу восстановить потерянное тобой здоровье всего за 100 золотых монет…"));
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_EQ(heroCell(state), std::make_pair(2, 2));
}

TEST_F(CellRulesTest, EveryTraderHasItsOfferAndText) {
    const struct {
        const char* code;
        int16_t offerCode;
        const char* text;
    } traders[] = {
        {"$1", 999, "Я могу восстановить потерянное тобой здоровье всего за 100 золотых монет…"},
        {"$2", 998, "Я могу восстановить потерянное тобой здоровье всего за 500 золотых монет…"},
        {"$3", 997, "Я могу восстановить потерянное тобой здоровье всего за 1000 золотых монет…"},
        {"$4", 980, "Хотите приобрести золотой свиток за 100 000 золотых монет?"},
        {"$5", 981, "Хотите приобрести синий свиток за 100 000 золотых монет?"},
        {"$6", 982, "Хотите приобрести зеленый свиток за 100 000 золотых монет?"},
        {"$7", 983, "Хотите приобрести красный свиток за 100 000 золотых монет?"},
        {"$8", 984, "Хотите приобрести черный свиток за 100 000 золотых монет?"},
    };
    for (const auto& trader : traders) {
        state.nextCode2 = QString::fromLatin1(trader.code);
        window.panels[2].hide();
        ApplyCellRules(state, window, CarriedItems());
        EXPECT_EQ(state.form2.offerCode, trader.offerCode) << trader.code;
        EXPECT_EQ(window.labels[2].text(), QString::fromUtf8(trader.text)) << trader.code;
        EXPECT_TRUE(window.panels[2].isVisible()) << trader.code;
    }
}

TEST_F(CellRulesTest, CrystalsAndTheGreenDoorRoundTiesToEven) {
    const struct {
        const char* code;
        std::vector<int16_t> items;
        int16_t health, lifeForce;
        int16_t healthAfter, lifeForceAfter;
    } cases[] = {
        {"Mr", {}, 5295, 5295, 2648, 5295},     // 2647.5 rounds to the even 2648
        {"Mr", {19}, 5295, 5295, 5295, 5295},   // the Shao ring shields
        {"Mb", {}, 5000, 100, 5010, 100},       // may rise above full until the vitality tick
        {"Mb", {}, 250, 100, 250, 100},         // 250.5 rounds to 250
        {"My", {}, 100, 150, 100, 148},         // 148.5 rounds to 148
        {"My", {10, 19}, 100, 5295, 100, 5242}, // nothing shields from the yellow crystal
        {"Mg", {}, 2500, 100, 2498, 100},       // 2497.5 rounds to 2498
        {"Mg", {10}, 2500, 100, 2500, 100},     // the death warriors' armour shields
        {"Mf", {}, 2500, 100, 2500, 100},       // only blocks
        {"D4", {}, 150, 100, 148, 100},         // 148.5 rounds to 148
        {"D4", {10}, 150, 100, 150, 100},       {"Mr", {}, -3, 100, -2, 100}, // -1.5 rounds to -2
    };
    for (const auto& c : cases) {
        state.pred.fill(0);
        for (size_t i = 0; i < c.items.size(); ++i)
            state.pred[i] = c.items[i];
        state.health = c.health;
        state.lifeForce = c.lifeForce;
        writeSection("x0y0", MapSection().object(1, 0, QString::fromLatin1(c.code)));
        bumpRight(0, 0);
        EXPECT_EQ(state.health, c.healthAfter) << c.code << " " << c.health;
        EXPECT_EQ(state.lifeForce, c.lifeForceAfter) << c.code << " " << c.lifeForce;
    }
}

TEST_F(CellRulesTest, TheGreenDoorWithoutKeyOrArmourPoisonsAndStaysShut) {
    writeSection("x0y0", MapSection().object(4, 3, "D4").transition(4, 3, "ab"));
    writeSection("[ab]", MapSection());
    state.health = 250;
    bumpRight(3, 3);
    EXPECT_EQ(state.health, 248); // 247.5 rounds to 248
    EXPECT_TRUE(window.labels[1].isVisible());
    EXPECT_EQ(window.labels[1].text(), closedNotice);
    EXPECT_EQ(state.nextCode4b, "==");
    EXPECT_EQ(state.postName, "0");
    EXPECT_EQ(state.sectionName, "x0y0");
}

TEST_F(CellRulesTest, ALockedDoorWithItsKeyLeadsIntoThePost) {
    writeSection("x0y0", MapSection().object(4, 3, "D2").transition(4, 3, "ab"));
    writeSection("[ab]", MapSection().object(0, 0, "K1"));
    carry({1});
    bumpRight(3, 3);
    EXPECT_EQ(state.postName, "ab");
    EXPECT_EQ(state.sectionName, "ab");
    EXPECT_EQ(state.layer2[0].left(2), "K1");
    EXPECT_EQ(heroCell(state), std::make_pair(3, 3)); // in front of the door, now read in the post
    EXPECT_EQ(state.heroCol, 7);
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_EQ(window.redraws, 1);
    EXPECT_EQ(window.heroFacings, std::vector<int>{0});
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_EQ(state.sectionX, 0);
}

TEST_F(CellRulesTest, LockedDoorsWithoutTheirKeysStayShut) {
    const struct {
        const char* door;
        int16_t wrongKey, rightKey;
    } doors[] = {{"D2", 2, 1}, {"D3", 3, 2}, {"D4", 1, 3}};
    for (const auto& door : doors) {
        writeSection("x0y0",
                     MapSection().object(1, 0, QString::fromLatin1(door.door)).transition(1, 0, "ab"));
        writeSection("[ab]", MapSection());
        state.pred.fill(0);
        carry({door.wrongKey, 10});
        window.labels[1].hide();
        bumpRight(0, 0);
        EXPECT_EQ(state.postName, "0") << door.door;
        EXPECT_EQ(window.labels[1].text(), closedNotice) << door.door;
        EXPECT_TRUE(window.labels[1].isVisible()) << door.door;

        carry({door.rightKey, 10});
        window.labels[1].hide();
        bumpRight(0, 0);
        EXPECT_EQ(state.postName, "ab") << door.door;
        EXPECT_FALSE(window.labels[1].isVisible()) << door.door;
        state.postName = "0";
        state.sectionName = "x0y0";
    }
}

TEST_F(CellRulesTest, TheFinalDoorNeedsAllFiveScrolls) {
    writeSection("x0y0", MapSection().object(1, 0, "D5").transition(1, 0, "ab"));
    writeSection("[ab]", MapSection());
    state.sv = {-1, -1, -1, 0, -1};
    setDestination(state, 1, 0);
    window.heroMove.setEnabled(true);
    for (int tick = 0; tick < 3; ++tick) {
        window.labels[1].hide();
        HeroStep(state, window);
        EXPECT_EQ(window.labels[1].text(), closedNotice) << tick;
        EXPECT_TRUE(window.labels[1].isVisible()) << tick;
        EXPECT_EQ(state.postName, "0");
    }
    EXPECT_EQ(heroCell(state), std::make_pair(1, 0)); // the door is passable; only the passage is shut
    EXPECT_TRUE(window.heroMove.isEnabled());
    EXPECT_TRUE(window.map.isVisible());

    // All five: the win. The rest of the tick's rules still run, and the door's own passage leads on.
    state.sv[3] = -1;
    root.writeLines("Maps/Test/lgEnd.txt", {"Свобода!"});
    bumpRight(0, 0);
    EXPECT_FALSE(window.map.isVisible());
    EXPECT_FALSE(window.strip.isVisible());
    EXPECT_EQ(window.endText.text(), "Свобода!\r\n");
    EXPECT_FALSE(window.vitality.isEnabled());
    EXPECT_EQ(state.postName, "ab");
}

TEST_F(CellRulesTest, ScrollFlagsThatAreNeitherFalseNorTrueOpenNothing) {
    state.sv = {-1, -1, 1, -1, -1};
    state.nextCode2 = "D5";
    state.nextCode4b = "  ";
    ApplyCellRules(state, window, CarriedItems());
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_TRUE(window.map.isVisible());
    EXPECT_EQ(state.nextCode4b, "  ");
}

TEST_F(CellRulesTest, SectionEdgesLeadToTheNeighbourOnItsOppositeSide) {
    const struct {
        const char* code;
        std::pair<int, int> from; // the edge cell, entered from the cell before it
        std::pair<int, int> before;
        int16_t sectionX, sectionY;
        std::pair<int, int> arrival;
        int facing;
    } edges[] = {
        {"+X", {22, 6}, {21, 6}, 1, 0, {1, 6}, 2},
        {"-X", {0, 6}, {1, 6}, -1, 0, {20, 6}, 3},
        {"+Y", {5, 14}, {5, 13}, 0, 1, {5, 1}, 0},
        {"-Y", {5, 0}, {5, 1}, 0, -1, {5, 13}, 1},
    };
    for (const auto& edge : edges) {
        state.sectionX = 0;
        state.sectionY = 0;
        state.sectionName = "x0y0";
        writeSection("x0y0", MapSection().transition(edge.from.first, edge.from.second,
                                                     QString::fromLatin1(edge.code)));
        writeSection(QStringLiteral("x%1y%2").arg(edge.sectionX).arg(edge.sectionY),
                     MapSection().object(0, 15, "EE"));
        placeHero(state, edge.before.first, edge.before.second);
        setDestination(state, edge.from.first, edge.from.second);
        window.heroFacings.clear();
        window.shape1.move(1234, 4321);
        window.heroMove.setEnabled(true);

        HeroStep(state, window);

        EXPECT_EQ(state.sectionX, edge.sectionX) << edge.code;
        EXPECT_EQ(state.sectionY, edge.sectionY) << edge.code;
        EXPECT_EQ(state.sectionName, QStringLiteral("x%1y%2").arg(edge.sectionX).arg(edge.sectionY));
        EXPECT_EQ(state.layer2[15].left(2), "EE") << edge.code;
        EXPECT_EQ(heroCell(state), edge.arrival) << edge.code;
        EXPECT_EQ(state.heroCol, 2 * edge.arrival.first + 1) << edge.code;
        EXPECT_EQ(state.heroRow, edge.arrival.second) << edge.code;
        EXPECT_EQ(state.targetX, state.heroX) << edge.code;
        EXPECT_EQ(state.targetY, state.heroY) << edge.code;
        EXPECT_EQ(window.heroFacings.back(), edge.facing) << edge.code;
        const bool horizontal = edge.code[1] == 'X';
        EXPECT_EQ(window.shape1.left(), horizontal ? state.heroX : 1234) << edge.code;
        EXPECT_EQ(window.shape1.top(), horizontal ? 4321 : state.heroY) << edge.code;
        EXPECT_TRUE(window.heroMove.isEnabled()) << edge.code;
        EXPECT_EQ(state.nextCode4b, "") << edge.code;
    }
}

TEST_F(CellRulesTest, AfterCrossingTheNextTicksTakeNoStep) {
    writeSection("x0y0", MapSection().transition(22, 4, "+X"));
    writeSection("x1y0", MapSection());
    placeHero(state, 21, 4);
    setDestination(state, 22, 4);
    HeroStep(state, window);
    const int16_t lifeForce = state.lifeForce;
    HeroStep(state, window);
    HeroStep(state, window);
    EXPECT_EQ(state.sectionX, 1);
    EXPECT_EQ(heroCell(state), std::make_pair(1, 4));
    EXPECT_EQ(state.lifeForce, lifeForce);
}

TEST_F(CellRulesTest, ACoordinateThatWouldOverflowStaysAndTheCrossingGoesOn) {
    state.sectionX = 32767;
    state.sectionName = "x32767y0";
    writeSection("x32767y0", MapSection().transition(22, 4, "+X").object(0, 0, "K2"));
    placeHero(state, 21, 4);
    setDestination(state, 22, 4);
    HeroStep(state, window);
    EXPECT_EQ(state.sectionX, 32767);
    EXPECT_EQ(state.sectionName, "x32767y0");
    EXPECT_EQ(heroCell(state), std::make_pair(1, 4));
    EXPECT_EQ(state.postName, "0"); // "+X" never names a post
}

TEST_F(CellRulesTest, TheReturnLeadsBackToTheGridSection) {
    state.sectionX = -1;
    state.sectionY = 2;
    state.postName = "ab";
    state.sectionName = "ab";
    root.writeLines("Maps/Test/[ab].map", MapSection().transition(3, 14, "<>").lines());
    MapSection().transition(3, 14, "<>").putInto(state);
    writeSection("x-1y2", MapSection().object(9, 9, "#G"));
    placeHero(state, 3, 13);
    setDestination(state, 3, 14);
    window.heroMove.setEnabled(true);
    HeroStep(state, window);
    EXPECT_EQ(state.postName, "0");
    EXPECT_EQ(state.sectionName, "x-1y2");
    EXPECT_EQ(state.layer2[9].mid(18, 2), "#G");
    EXPECT_EQ(heroCell(state), std::make_pair(3, 14));
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_EQ(window.heroFacings.back(), 0);
}

TEST_F(CellRulesTest, BlankTransitionCodesNameNoPost) {
    for (const char* code : {"  ", "==", ""}) {
        state.nextCode2.clear();
        state.nextCode4b = QString::fromLatin1(code);
        ApplyCellRules(state, window, CarriedItems());
        EXPECT_EQ(state.postName, "0") << code;
        EXPECT_EQ(window.redraws, 0) << code;
    }
}

TEST_F(CellRulesTest, TheRestoringSpotFillsBothAndSaysSo) {
    writeSection("x0y0", MapSection().object(1, 0, "#K"));
    state.health = 12;
    state.lifeForce = -400;
    bumpRight(0, 0);
    EXPECT_EQ(state.health, GameState::fullVitality);
    EXPECT_EQ(state.lifeForce, GameState::fullVitality);
    EXPECT_EQ(window.labels[1].text(), QStringLiteral("Выши силы полностью востановленны"));
    EXPECT_TRUE(window.labels[1].isVisible());
}

TEST_F(CellRulesTest, ACellWithoutScriptClosesTheInfoPanelAndTheNotice) {
    for (const char* code : {"", "  ", "=="}) {
        window.panels[0].show();
        window.labels[1].show();
        state.nextCode5 = QString::fromLatin1(code);
        ApplyCellRules(state, window, CarriedItems());
        EXPECT_FALSE(window.panels[0].isVisible()) << code;
        EXPECT_FALSE(window.labels[1].isVisible()) << code;
    }
}

TEST_F(CellRulesTest, ACellWithAScriptRunsIt) {
    root.writeLines("Maps/Test/[x0y0-A1].mtx", {"[many]", "25", "[text]", "Монеты"});
    writeSection("x0y0", MapSection().script(1, 0, "A1"));
    bumpRight(0, 0);
    EXPECT_EQ(state.money, 25);
    EXPECT_EQ(window.labels[1].text(), "Монеты");
    EXPECT_TRUE(window.labels[1].isVisible());
}

} // namespace
