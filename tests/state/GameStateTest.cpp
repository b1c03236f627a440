#include "state/GameState.h"
#include "state/NumberRules.h"

#include <gtest/gtest.h>

#include <QObject>

using namespace velmor;

TEST(NumberRules, RoundingTiesToEven) {
    const std::pair<double, double> cases[] = {{2.5, 2},       {3.5, 4},  {-2.5, -2},  {-3.5, -4},
                                               {0.5, 0},       {1.5, 2},  {2.4999, 2}, {5292.3525, 5292},
                                               {1000.5, 1000}, {-0.5, 0}, {7.0, 7}};
    for (auto [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(NumberRules, A16BitStoreThatWouldOverflowIsSkipped) {
    int16_t field = 100;
    EXPECT_TRUE(store16(field, 32767.4));
    EXPECT_EQ(field, 32767);
    EXPECT_FALSE(store16(field, 32767.5)); // rounds to 32768
    EXPECT_EQ(field, 32767);
    EXPECT_TRUE(store16(field, -32768));
    EXPECT_FALSE(store16(field, -32769));
    EXPECT_FALSE(store16(field, std::nan("")));
    EXPECT_EQ(field, -32768);
}

TEST(NumberRules, An8BitStoreStaysWithin0To255) {
    uint8_t counter = 3;
    EXPECT_FALSE(store8(counter, 256));
    EXPECT_FALSE(store8(counter, -1));
    EXPECT_EQ(counter, 3);
    EXPECT_TRUE(store8(counter, 254.5));
    EXPECT_EQ(counter, 254);
}

TEST(CellCode, TwoCharactersOneAtTheEndNoneBeyond) {
    const QString row = QStringLiteral("YYW1D");
    EXPECT_EQ(cellCode(row, 1), "YY");
    EXPECT_EQ(cellCode(row, 3), "W1");
    EXPECT_EQ(cellCode(row, 5), "D");
    EXPECT_EQ(cellCode(row, 7), "");
    EXPECT_EQ(cellCode(row, 0), "");
    EXPECT_EQ(cellCode(row, -3), "");
}

TEST(GameStateResets, StartOfTheProgramIsAllZeroAndEmpty) {
    GameState state;
    EXPECT_EQ(state.health, 0);
    EXPECT_EQ(state.money, 0);
    EXPECT_TRUE(state.postName.isEmpty());
    EXPECT_EQ(state.soundPlayer, nullptr);
    EXPECT_EQ(state.form2.offerCode, 0);
    EXPECT_EQ(state.form2.takenLogIndex, 0);
    for (int16_t slot : state.pred)
        EXPECT_EQ(slot, 0);
}

TEST(GameStateResets, NewGameAfterLeavingBeginsAtX0Y0WithNothing) {
    GameState state;
    state.soundPlayer = std::make_shared<QObject>();
    state.postName = "AB";
    state.sectionX = 4;
    state.heroX = 525 * 7;
    state.heroCol = 15;
    state.money = 3000;
    state.pred[5] = 12;
    state.sv[2] = vbTrue;
    state.currentMusic = "\\m.mid";
    state.layer1[0] = "==";
    state.form2.offerCode = 999;
    state.form2.takenLog[3] = "x0y0A1";
    state.form2.takenLogIndex = 3;

    resetForLeaving(state);
    EXPECT_TRUE(state.postName.isEmpty());
    EXPECT_EQ(state.heroCol, 0);
    EXPECT_EQ(state.sv[2], 0);
    EXPECT_TRUE(state.form2.takenLog[3].isEmpty());
    EXPECT_NE(state.soundPlayer, nullptr);
    EXPECT_EQ(state.currentMusic, "\\m.mid");
    EXPECT_EQ(state.layer1[0], "==");
    EXPECT_EQ(state.form2.offerCode, 999);
    EXPECT_EQ(state.form2.takenLogIndex, 3);

    resetForNewGame(state, QStringLiteral("Лес"));
    EXPECT_EQ(state.soundPlayer, nullptr);
    EXPECT_EQ(state.mapName, QStringLiteral("Лес"));
    EXPECT_EQ(state.heroCol, 1);
    EXPECT_EQ(state.heroRow, 0);
    EXPECT_EQ(state.sectionX, 0);
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.healthDrain, 10);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(state.pred[5], 0);
    EXPECT_TRUE(state.postName.isEmpty()); // so the game window opens the grid section x0y0
    EXPECT_EQ(state.currentMusic, "\\m.mid");
}
