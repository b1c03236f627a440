#include "ItemsTestSupport.h"

#include "Fixtures.h"

#include "items/CellScript.h"
#include "items/Inventory.h"
#include "items/Offers.h"
#include "items/ShowInfo.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

// A whole exchange as a player makes it: a cell's script pays and offers Lord Mao's ring, the player takes
// it, finds it in the inventory, reads about it, and sells it.
TEST(Exchange, OfferTakeInspectAndSellAnItem) {
    test::ProgramFolderFixture folder;
    folder.writeLines(QStringLiteral("Maps/Test/[x3y5-A1].mtx"),
                      {QStringLiteral("[many]"), QStringLiteral("50"), QStringLiteral("[subject]"),
                       QStringLiteral("4"), QStringLiteral("[text]"), QStringLiteral("Кольцо!"),
                       QStringLiteral("[end]")});
    GameState state = test::gameInSection();
    test::FakeGameWindow window;
    test::hideAsAtOpening(window);
    window.heroMove.setEnabled(true);

    // The hero walks onto the cell.
    state.nextCode5 = QStringLiteral("A1");
    RunCellScript(state, window, state.nextCode5);
    EXPECT_EQ(window.money.text(), QStringLiteral("50"));
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_EQ(window.labels[2].text(), QStringLiteral("Желаете получить магическое кольцо Лорда Мао?"));

    Command1_Click(state, window, 0);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_EQ(state.pred[0], 4);
    EXPECT_EQ(state.lifeForceDrain, 40);

    // Standing on the cell, the next ticks find the ring taken: no more gold, no offer.
    RunCellScript(state, window, state.nextCode5);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_EQ(state.money, 50);

    imgRes_Click(window, 2);
    EXPECT_TRUE(window.panels[1].isVisible());
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_EQ(window.slotPicture(0), 0);

    imgPred_Click(state, window, 0);
    Command2_Click(state, window, 3);
    EXPECT_TRUE(window.labels[0].text().startsWith(QStringLiteral("МАГИЧЕСКОЕ КОЛЬЦО ЛОРДА МАО")));
    EXPECT_TRUE(window.panels[0].isVisible());
    Command3_Click(window);
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.command3.isVisible());

    Command2_Click(state, window, 1);
    EXPECT_EQ(state.money, 150);
    EXPECT_EQ(window.money.text(), QStringLiteral("150"));
    EXPECT_EQ(state.pred[0], 0);
    EXPECT_EQ(window.slotPicture(0), -1);
    EXPECT_EQ(state.lifeForceDrain, 50);

    Command2_Click(state, window, 2);
    EXPECT_FALSE(window.panels[1].isVisible());
}

} // namespace
} // namespace velmor
