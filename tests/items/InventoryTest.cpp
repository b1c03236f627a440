#include "ItemsTestSupport.h"

#include "items/Inventory.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

class InventoryTest : public ::testing::Test {
  protected:
    void SetUp() override { test::hideAsAtOpening(window); }

    // An item in a slot as taking it leaves it: in pred, with its picture.
    void put(int slot, int16_t id, int picture) {
        state.pred[slot] = id;
        window.setSlotPicture(slot, picture);
    }
    void select(int slot) { imgPred_Click(state, window, slot); }
    void button(int index) { Command2_Click(state, window, index); }

    GameState state = test::gameInSection();
    test::FakeGameWindow window;
};

TEST_F(InventoryTest, TheChestOpensTheInventoryAndStopsTheHero) {
    window.heroMove.setEnabled(true);
    for (int other : {0, 1, 3})
        imgRes_Click(window, other);
    EXPECT_TRUE(window.heroMove.isEnabled());
    EXPECT_FALSE(window.panels[1].isVisible());

    imgRes_Click(window, 2);
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_TRUE(window.panels[1].isVisible());

    button(2);
    EXPECT_FALSE(window.panels[1].isVisible());
    EXPECT_FALSE(window.heroMove.isEnabled());
}

TEST_F(InventoryTest, SelectingMovesTheFrameOntoTheSlot) {
    const std::tuple<int, double, double> places[] = {
        {0, 480, 480}, {7, 5520, 480}, {8, 480, 1200}, {17, 1200, 1920}, {39, 5520, 3360}};
    for (const auto& [slot, left, top] : places) {
        select(slot);
        EXPECT_EQ(state.form2.selectedSlot, slot);
        EXPECT_EQ(window.shape2.left(), left) << slot;
        EXPECT_EQ(window.shape2.top(), top) << slot;
        EXPECT_EQ(slotLeft(slot), left);
        EXPECT_EQ(slotTop(slot), top);
    }
}

TEST_F(InventoryTest, SellingTheRingPaysAndGivesBackItsLifeForceDrain) {
    put(5, 4, 0);
    state.lifeForceDrain = 40;
    select(5);
    button(1);
    EXPECT_EQ(state.money, 100);
    EXPECT_EQ(window.money.text(), QStringLiteral("100"));
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.pred[5], 0);
    EXPECT_EQ(window.slotPicture(5), -1);
    EXPECT_EQ(state.form2.selectedSlot, 5);
}

TEST_F(InventoryTest, SellingTheDeathWarriorsArmourLowersTheDrainButNotBelowOne) {
    const std::pair<int16_t, int16_t> drains[] = {{60, 50}, {11, 1}, {10, 10}, {5, 5}};
    for (const auto& [before, after] : drains) {
        SetUp();
        state.money = 0;
        put(0, 10, 6);
        state.lifeForceDrain = before;
        select(0);
        button(1);
        EXPECT_EQ(state.lifeForceDrain, after) << before;
        EXPECT_EQ(state.money, 115) << before;
        EXPECT_EQ(state.pred[0], 0);
    }
}

TEST_F(InventoryTest, SellingAnEmptySlotPaysNothingButRewritesTheMoney) {
    state.money = 250;
    window.money.setText(QStringLiteral("устарело"));
    select(12);
    button(1);
    EXPECT_EQ(state.money, 250);
    EXPECT_EQ(window.money.text(), QStringLiteral("250"));
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.healthDrain, 10);
}

TEST_F(InventoryTest, DroppingGivesTheItemUpWithoutPayment) {
    put(3, 5, 1);
    put(4, 1, 7);
    state.form2.takenLog[1] = QStringLiteral("x3y5A1");
    select(3);
    button(0);
    EXPECT_EQ(state.pred[3], 0);
    EXPECT_EQ(window.slotPicture(3), -1);
    EXPECT_EQ(state.healthDrain, 11);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(window.money.text(), QStringLiteral("0"));

    select(4);
    button(0);
    EXPECT_EQ(state.pred[4], 0);
    EXPECT_EQ(state.form2.takenLog[1], QStringLiteral("x3y5A1"));
}

TEST_F(InventoryTest, InfoShowsTheSelectedItemsTextByItsInfoCode) {
    put(0, 2, 8);
    select(0);
    button(3);
    EXPECT_TRUE(window.labels[0].text().startsWith(QStringLiteral("СИНИЙ КЛЮЧ\r\n\r\n")));
    EXPECT_TRUE(window.panels[0].isVisible());
    EXPECT_TRUE(window.command3.isVisible());
}

// An empty slot shows nothing, and does not even return a script's message to the plain look.
TEST_F(InventoryTest, InfoOnAnEmptySlotDoesNothing) {
    window.labels[1].setForeColor(255);
    window.labels[1].setFontSize(14);
    select(9);
    button(3);
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.command3.isVisible());
    EXPECT_EQ(window.labels[1].foreColor(), 255);
    EXPECT_EQ(window.labels[1].fontSize(), 14);
}

} // namespace
} // namespace velmor
