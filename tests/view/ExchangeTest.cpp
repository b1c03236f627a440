// A whole exchange through the real game window, clicked as a player clicks: a cell's script offers an item,
// the player takes it, finds it in the inventory, reads about it and sells it.

#include "GameWindowFixture.h"

#include "items/CellScript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

class ExchangeTest : public GameWindowFixture {
  protected:
    void SetUp() override { openOn(QStringLiteral("Лес"), {"=="}); }

    QString shown(const char* name) { return window->findChild<QLabel*>(name)->text(); }

    // With VELMOR_SNAPSHOT_DIR set, keeps a picture of the window for a person to look at.
    void snapshot(const QString& name) {
        if (!qEnvironmentVariableIsSet("VELMOR_SNAPSHOT_DIR")) return;
        window->grab().save(QDir(qEnvironmentVariable("VELMOR_SNAPSHOT_DIR")).filePath(name + ".png"));
    }
};

} // namespace

TEST_F(ExchangeTest, TakeInspectAndSellTheRing) {
    root.writeLines("Maps/Лес/[x0y0-A1].mtx", {"[subject]", "4", "[text]", "Кольцо!"});
    state.nextCode5 = "A1";
    RunCellScript(state, *window, "A1");
    ASSERT_TRUE(window->picWin(2).isVisible());
    EXPECT_EQ(shown("Label1_2"), "Желаете получить магическое кольцо Лорда Мао?");
    snapshot("offer");

    click("Command1_0");
    EXPECT_FALSE(window->picWin(2).isVisible());
    EXPECT_EQ(state.pred[0], 4);
    EXPECT_EQ(window->slotPicture(0), 0);
    EXPECT_EQ(state.lifeForceDrain, 40);
    EXPECT_EQ(shown("Label2"), "0"); // taking does not touch the money display

    click("imgRes_2");
    EXPECT_TRUE(window->picWin(1).isVisible());
    EXPECT_FALSE(window->tmrHeroMove().isEnabled());

    click("imgPred_0");
    snapshot("inventory");
    EXPECT_EQ(state.form2.selectedSlot, 0);
    click("Command2_3");
    EXPECT_TRUE(window->picWin(0).isVisible());
    EXPECT_TRUE(window->Command3().isVisible());
    EXPECT_TRUE(
        shown("Label1_0").startsWith("МАГИЧЕСКОЕ КОЛЬЦО ЛОРДА МАО\n\nЭто кольцо было создано Лордом Мао."));
    EXPECT_EQ(window->Label1(0).foreColor(), rgbColour(255, 255, 0));
    snapshot("info");
    click("Command3");
    EXPECT_FALSE(window->picWin(0).isVisible());

    click("Command2_1");
    EXPECT_EQ(state.money, 100);
    EXPECT_EQ(shown("Label2"), "100");
    EXPECT_EQ(state.pred[0], 0);
    EXPECT_EQ(window->slotPicture(0), -1);
    EXPECT_EQ(state.lifeForceDrain, 50);

    click("Command2_2");
    EXPECT_FALSE(window->picWin(1).isVisible());

    RunCellScript(state, *window, "A1"); // the cell's ring was taken: no offer any more
    EXPECT_FALSE(window->picWin(2).isVisible());
}

TEST_F(ExchangeTest, ANoticeGoesAwayWhenClickedAndDecliningKeepsTheOfferForNextTime) {
    root.writeLines("Maps/Лес/[x0y0-N1].mtx",
                    {"[win]", "0", "[fontsize]", "12", "[fontcolor]", "65535", "[text]", "Привет<br>путник"});
    RunCellScript(state, *window, "N1");
    ASSERT_TRUE(window->Label1(1).isVisible());
    EXPECT_EQ(shown("Label1_1"), "Привет\nпутник");
    EXPECT_EQ(window->Label1(1).fontSize(), 12);
    snapshot("notice");
    click("Label1_1");
    EXPECT_FALSE(window->Label1(1).isVisible());

    root.writeLines("Maps/Лес/[x0y0-B1].mtx", {"[subject]", "501"});
    state.nextCode5 = "B1";
    RunCellScript(state, *window, "B1");
    click("Command1_1");
    EXPECT_FALSE(window->picWin(2).isVisible());
    EXPECT_EQ(state.sv[1], 0);
    RunCellScript(state, *window, "B1");
    EXPECT_TRUE(window->picWin(2).isVisible());
    EXPECT_EQ(shown("Label1_2"), "Желаете получить синий свиток?");
    click("Command1_0");
    EXPECT_EQ(state.sv[1], -1);
    EXPECT_TRUE(window->imgRemen(1).isVisible());
    EXPECT_EQ(state.pred[0], 0); // a scroll takes no slot
}

TEST_F(ExchangeTest, AScriptFontSizeTheLabelCannotTakeKeepsThePlainSize) {
    root.writeLines("Maps/Лес/[x0y0-F1].mtx", {"[fontsize]", "0", "[text]", "мелко"});
    RunCellScript(state, *window, "F1");
    EXPECT_EQ(window->Label1(1).fontSize(), 8);
    EXPECT_TRUE(window->Label1(1).isVisible());
}
