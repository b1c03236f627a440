#include "ItemsTestSupport.h"

#include "Fixtures.h"

#include "items/CellScript.h"
#include "items/Inventory.h"
#include "items/Offers.h"
#include "items/TakenLog.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

const QString notEnoughMoney = QStringLiteral("У Вас недостаточно денег...");

class OffersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::hideAsAtOpening(window);
        state.nextCode5 = QStringLiteral("A1");
        window.bars = {-7, -7}; // not drawn yet
    }

    // The offer panel up with this code, as a script or a trade cell leaves it.
    void offer(int16_t code) {
        state.form2.offerCode = code;
        window.panels[2].show();
    }
    void accept() { Command1_Click(state, window, 0); }

    void fillAllSlotsBut(int free) {
        for (int slot = 0; slot < GameState::slotCount; ++slot)
            state.pred[slot] = slot == free ? 0 : 7;
    }

    GameState state = test::gameInSection();
    test::FakeGameWindow window;
};

TEST_F(OffersTest, AnItemGoesIntoTheFirstEmptySlotWithItsPictureTakingEffectAndTakenKey) {
    fillAllSlotsBut(17);
    offer(5);
    accept();
    EXPECT_EQ(state.pred[17], 5);
    EXPECT_EQ(window.slotPicture(17), 1);
    EXPECT_EQ(state.healthDrain, 9);
    EXPECT_EQ(state.form2.takenLogIndex, 1);
    EXPECT_EQ(state.form2.takenLog[1], QStringLiteral("x3y5A1"));
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_EQ(state.form2.offerCode, 5);
    EXPECT_EQ(window.money.text(), QStringLiteral("0")); // taking does not rewrite the money

    // Now every slot is full: the next offer is refused without a trace.
    state.nextCode5 = QStringLiteral("B2");
    offer(4);
    accept();
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.form2.takenLogIndex, 1);
    EXPECT_FALSE(window.panels[2].isVisible());
    for (int slot = 0; slot < GameState::slotCount; ++slot)
        EXPECT_EQ(state.pred[slot], slot == 17 ? 5 : 7);
}

TEST_F(OffersTest, TheLowestEmptySlotIsTakenEvenBetweenFullOnes) {
    state.pred[0] = 1;
    state.pred[2] = 1;
    offer(2);
    accept();
    EXPECT_EQ(state.pred[1], 2);
    offer(3);
    accept();
    EXPECT_EQ(state.pred[3], 3);
    EXPECT_EQ(window.slotPicture(3), 9);
}

TEST_F(OffersTest, AnItemAlreadyHeldFillsAnotherSlot) {
    offer(10);
    accept();
    offer(10);
    accept();
    EXPECT_EQ(state.pred[0], 10);
    EXPECT_EQ(state.pred[1], 10);
    EXPECT_EQ(state.lifeForceDrain, 70);
}

TEST_F(OffersTest, AFullInventoryRefusesEveryKindOfOffer) {
    fillAllSlotsBut(-1);
    state.money = 5000;
    state.health = 100;
    state.lifeForce = 200;
    window.money.setText(QStringLiteral("5000"));
    for (int16_t code : {int16_t(999), int16_t(997), int16_t(980), int16_t(500), int16_t(36)}) {
        offer(code);
        accept();
        EXPECT_FALSE(window.panels[2].isVisible()) << code;
    }
    EXPECT_EQ(state.money, 5000);
    EXPECT_EQ(state.health, 100);
    EXPECT_EQ(state.lifeForce, 200);
    EXPECT_EQ(window.bars[0], -7);
    EXPECT_EQ(window.money.text(), QStringLiteral("5000"));
    for (int16_t flag : state.sv)
        EXPECT_EQ(flag, 0);
    for (const test::FakeControl& scroll : window.scrolls)
        EXPECT_FALSE(scroll.isVisible());
    EXPECT_EQ(state.form2.takenLogIndex, 0);
    EXPECT_FALSE(window.labels[1].isVisible());
}

TEST_F(OffersTest, AScrollFromAScriptIsOwnedWithoutASlotOrTakenKey) {
    const std::pair<int16_t, int> scrolls[] = {{500, 0}, {501, 1}, {502, 2}, {503, 4}, {504, 3}};
    for (const auto& [code, index] : scrolls) {
        offer(code);
        accept();
        EXPECT_EQ(state.sv[index], -1) << code;
        EXPECT_TRUE(window.scrolls[index].isVisible()) << code;
        EXPECT_FALSE(window.panels[2].isVisible()) << code;
    }
    EXPECT_EQ(state.pred[0], 0);
    EXPECT_EQ(window.slotPicture(0), -1);
    EXPECT_EQ(state.form2.takenLogIndex, 0);

    offer(503); // owned already: nothing changes
    accept();
    EXPECT_EQ(state.sv[4], -1);
}

TEST_F(OffersTest, BuyingAScrollWithExactly100000CoinsLeavesNothing) {
    state.money = 100000;
    offer(983);
    accept();
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(window.money.text(), QStringLiteral("0"));
    EXPECT_EQ(state.sv[4], -1);
    EXPECT_TRUE(window.scrolls[4].isVisible());
    EXPECT_FALSE(window.scrolls[3].isVisible());
    EXPECT_EQ(state.sv[3], 0);
    EXPECT_EQ(state.pred[0], 0);
    EXPECT_EQ(state.form2.takenLogIndex, 0);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
}

TEST_F(OffersTest, BuyingAScrollWithTooLittleMoneyShowsTheNotice) {
    state.money = 99999;
    window.money.setText(QStringLiteral("99999"));
    offer(984);
    accept();
    EXPECT_EQ(state.money, 99999);
    EXPECT_EQ(window.money.text(), QStringLiteral("99999"));
    EXPECT_EQ(state.sv[3], 0);
    EXPECT_FALSE(window.scrolls[3].isVisible());
    EXPECT_EQ(window.labels[1].text(), notEnoughMoney);
    EXPECT_TRUE(window.labels[1].isVisible());
    EXPECT_FALSE(window.panels[2].isVisible());
}

TEST_F(OffersTest, HealingForItsPriceFillsBothBars) {
    const std::pair<int16_t, double> healers[] = {{999, 100}, {998, 500}, {997, 1000}};
    for (const auto& [code, price] : healers) {
        SetUp();
        state.money = price + 20;
        state.health = 10;
        state.lifeForce = -300;
        offer(code);
        accept();
        EXPECT_EQ(state.money, 20) << code;
        EXPECT_EQ(window.money.text(), QStringLiteral("20")) << code;
        EXPECT_EQ(state.health, 5295) << code;
        EXPECT_EQ(state.lifeForce, 5295) << code;
        EXPECT_EQ(window.bars[0], 5295) << code;
        EXPECT_EQ(window.bars[1], 5295) << code;
        EXPECT_FALSE(window.panels[2].isVisible()) << code;
        EXPECT_EQ(state.pred[0], 0) << code;
        EXPECT_EQ(state.form2.takenLogIndex, 0) << code;
    }
}

TEST_F(OffersTest, HealingWithTooLittleMoneyShowsTheNoticeAndChangesNothing) {
    state.money = 99;
    state.health = 10;
    window.money.setText(QStringLiteral("99"));
    offer(999);
    accept();
    EXPECT_EQ(state.money, 99);
    EXPECT_EQ(state.health, 10);
    EXPECT_EQ(window.bars[0], -7);
    EXPECT_EQ(window.bars[1], -7);
    EXPECT_EQ(window.money.text(), QStringLiteral("99"));
    EXPECT_EQ(window.labels[1].text(), notEnoughMoney);
    EXPECT_TRUE(window.labels[1].isVisible());
    EXPECT_FALSE(window.panels[2].isVisible());
}

TEST_F(OffersTest, DecliningOnlyClosesThePanel) {
    offer(5);
    Command1_Click(state, window, 1);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_EQ(state.pred[0], 0);
    EXPECT_EQ(state.healthDrain, 10);
    EXPECT_EQ(state.form2.takenLogIndex, 0);
    EXPECT_EQ(state.form2.offerCode, 5);
}

// The ring of taken keys through real offers: the 162nd thing taken pushes out the first, whose cell offers
// its thing again.
TEST_F(OffersTest, The162ndTakenThingMakesTheFirstCellOfferAgain) {
    test::ProgramFolderFixture folder;
    auto cellCode = [](int n) { return QString(QChar(u'A' + n / 26)) + QChar(u'a' + n % 26); };
    folder.writeLines(QStringLiteral("Maps/Test/[x3y5-%1].mtx").arg(cellCode(0)),
                      {QStringLiteral("[subject]"), QStringLiteral("1")});

    for (int n = 0; n < 162; ++n) {
        state.nextCode5 = cellCode(n);
        offer(1);
        accept();
        imgPred_Click(state, window, 0);
        Command2_Click(state, window, 0); // drop it to keep a slot free
        if (n == 160) {
            window.panels[2].hide();
            RunCellScript(state, window, cellCode(0));
            EXPECT_FALSE(window.panels[2].isVisible()) << "still remembered after 161 keys";
        }
    }
    EXPECT_EQ(state.form2.takenLog[1], QStringLiteral("x3y5") + cellCode(161));
    EXPECT_FALSE(isTaken(state.form2, QStringLiteral("x3y5") + cellCode(0)));

    window.panels[2].hide();
    state.form2.offerCode = 0;
    RunCellScript(state, window, cellCode(0));
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_EQ(window.labels[2].text(), QStringLiteral("Желаете получить ключ от золотой двери?"));
}

} // namespace
} // namespace velmor
