// The vitality tick: what carried things do over time, exhaustion, death, the caps and the bars.

#include "WorldTestSupport.h"

#include "Fixtures.h"
#include "world/Vitality.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::test;

namespace {

class VitalityTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    GameState state = gameOnTheGrid();
    FakeGameWindow window;

    void SetUp() override {
        root.writeLines("Maps/Test/x0y0.map", {"=="});
        window.vitality.setEnabled(true);
    }

    void carry(std::initializer_list<int16_t> items) {
        int slot = 39; // from the last slot down: where an item lies does not matter
        for (int16_t item : items)
            state.pred[slot--] = item;
    }
    void tick() { VitalityTick(state, window); }
};

TEST_F(VitalityTest, CarriedThingsActInTheirOrder) {
    const struct {
        const char* what;
        std::vector<int16_t> items;
        int16_t health, lifeForce, healthDrain;
        int16_t healthAfter, lifeForceAfter;
    } cases[] = {
        {"nothing", {}, 4000, 3000, 10, 4000, 3000},
        {"one red shard", {14}, 5295, 5295, 10, 5292, 5295},      // 5295 - 2.6475
        {"two red shards", {14, 14}, 5295, 5295, 10, 5290, 5295}, // 5295 - 5.295
        {"red shard and Shao ring", {14, 19}, 5295, 5295, 10, 5295, 5295},
        {"one blue shard", {17}, 1000, 1000, 10, 1000, 1000},           // 1000.5 rounds to 1000
        {"one blue shard from 2500", {17}, 2500, 3000, 10, 2500, 3002}, // 2500.5 -> 2500, 3001.5 -> 3002
        {"two blue shards", {17, 17}, 2500, 3000, 10, 2501, 3003},
        {"yellow shard", {15}, 100, 3000, 10, 100, 2998}, // 2998.5 rounds to 2998
        {"the skull", {36}, 5295, 5295, 10, 5285, 5295},
        {"the skull restores life force", {36}, 5295, -200, 7, 5288, 5295},
        {"four amulets", {21, 22, 23, 24}, 100, 100, 10, 100, 100},
        {"five amulets", {21, 22, 23, 24, 25}, 100, -100, 10, 5295, 5295},
        {"five amulets keep the hero alive", {21, 22, 23, 24, 25, 36, 14}, 3, -5, 10, 5295, 5295},
        {"exhaustion", {}, 5295, 0, 10, 5285, 0},
        {"exhaustion below zero", {}, 5295, -300, 25, 5270, -300},
        {"a value above full is capped", {}, 5400, 6000, 10, 5295, 5295},
    };
    for (const auto& c : cases) {
        state.pred.fill(0);
        for (size_t i = 0; i < c.items.size(); ++i)
            state.pred[i] = c.items[i];
        state.health = c.health;
        state.lifeForce = c.lifeForce;
        state.healthDrain = c.healthDrain;
        tick();
        EXPECT_EQ(state.health, c.healthAfter) << c.what;
        EXPECT_EQ(state.lifeForce, c.lifeForceAfter) << c.what;
        EXPECT_EQ(window.bars[0], c.healthAfter) << c.what;
        EXPECT_EQ(window.bars[1], c.lifeForceAfter) << c.what;
    }
}

TEST_F(VitalityTest, ExhaustionDrainsEveryTickUntilTheGameIsLost) {
    state.lifeForce = -50;
    state.health = 35;
    tick();
    tick();
    EXPECT_EQ(state.health, 15);
    EXPECT_TRUE(window.map.isVisible());
    tick();
    tick();
    EXPECT_EQ(state.health, -5);
    EXPECT_FALSE(window.map.isVisible());
    EXPECT_FALSE(window.vitality.isEnabled());
    EXPECT_EQ(window.endText.text(), QStringLiteral("ВЫ ПРОИГРАЛИ..."));
    EXPECT_EQ(window.bars[0], -5); // the tick went on to draw the bars
}

TEST_F(VitalityTest, AFullHealthLastsFiveHundredThirtyTicksOfExhaustion) {
    state.lifeForce = 0;
    int ticks = 0;
    while (window.vitality.isEnabled() && ticks < 1000) {
        tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 530);
}

TEST_F(VitalityTest, TheSkullDrainsHealthWithFullLifeForce) {
    carry({36});
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(state.health, 5295 - 30);
    EXPECT_EQ(state.lifeForce, 5295);
}

TEST_F(VitalityTest, ABlueCrystalsOverflowIsCappedAtTheNextTick) {
    state.health = 5305; // a blue crystal raised it past full
    tick();
    EXPECT_EQ(state.health, 5295);
}

TEST_F(VitalityTest, ASubtractionPastTheBottomIsSkipped) {
    state.health = -32765;
    state.lifeForce = 0;
    tick();
    EXPECT_EQ(state.health, -32765);
}

TEST_F(VitalityTest, DeathShowsTheMapsLosingTextAndTheTickGoesOn) {
    root.writeLines("Maps/Test/lgOver.txt", {"Тьма сомкнулась.", "Попробуй ещё раз."});
    carry({21, 22, 23, 24}); // four amulets save nothing
    state.health = 10;
    state.lifeForce = -1;
    tick();
    EXPECT_EQ(window.endText.text(), QStringLiteral("Тьма сомкнулась.\r\nПопробуй ещё раз.\r\n"));
    EXPECT_EQ(window.endText.foreColor(), rgbColour(255, 255, 0));
    EXPECT_EQ(window.frame2.backColor(), rgbColour(255, 0, 0));
    EXPECT_EQ(window.bars[0], 0);
    EXPECT_EQ(window.bars[1], -1);

    // Resumed from the pause, the next tick loses the game again.
    window.endText.setText(QString());
    window.vitality.setEnabled(true);
    tick();
    EXPECT_EQ(window.endText.text(), QStringLiteral("Тьма сомкнулась.\r\nПопробуй ещё раз.\r\n"));
}

} // namespace
