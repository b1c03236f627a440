// A recorded route through a small map of three grid sections and a post, played through the real game
// window: clicks on the map view, a key press, the offer panel's and pause panel's buttons, and the two
// timers' ticks called directly. The route must end in exactly one state.

#include "GameWindowFixture.h"
#include "MapSection.h"

#include "items/TakenLog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

class RouteTest : public GameWindowFixture {
  protected:
    void SetUp() override {
        const QString map = QStringLiteral("Maps/Тропа/");
        root.writeLines(map + "[x0y0-A1].mtx", {"[many]", "150", "[text]", "Кошель с золотом"});
        root.writeLines(map + "[x0y0-B1].mtx", {"[subject]", "1"});
        root.writeLines(
            map + "x1y0.map",
            MapSection().object(5, 4, "D2").transition(5, 4, "Дм").transition(5, 14, "+Y").lines());
        root.writeLines(map + "[Дм].map", MapSection("__").object(6, 4, "Mr").transition(5, 6, "<>").lines());
        root.writeLines(map + "x1y1.map", MapSection().object(8, 1, "$1").lines());
        openOn(QStringLiteral("Тропа"),
               MapSection().script(3, 0, "A1").script(3, 2, "B1").transition(22, 4, "+X").lines());
    }

    void clickCell(int column, int row) {
        QTest::mouseClick(widget("picMap"), Qt::LeftButton, {}, QPoint(35 * column + 17, 36 * row + 18));
    }
    // Both timers' ticks, as 250 ms of play bring them.
    void play(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            if (window->tmrHeroMove().isEnabled()) window->tmrHeroMove_Timer();
            if (window->Timer1().isEnabled()) window->Timer1_Timer();
        }
    }
    std::pair<int, int> cell() const { return {state.heroX / 525, state.heroY / 540}; }
};

TEST_F(RouteTest, FromTheStartToTheHealerBeyondThePost) {
    clickCell(3, 0); // onto the purse
    play(3);
    EXPECT_EQ(state.money, 150);
    EXPECT_EQ(window->Label1(1).text(), "Кошель с золотом");

    clickCell(3, 2); // onto the golden key, and take it
    play(2);
    ASSERT_TRUE(window->picWin(2).isVisible());
    click("Command1_0");
    EXPECT_EQ(state.pred[0], 1);

    clickCell(22, 4); // to the eastern edge, with a pause on the way
    play(5);
    EXPECT_EQ(cell(), std::make_pair(8, 4));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->picWin(3).isVisible());
    clickCell(0, 0); // the paused map takes no clicks
    play(10);
    EXPECT_EQ(cell(), std::make_pair(8, 4));
    EXPECT_EQ(state.targetX, 22 * 525);
    click("Command4_1");
    EXPECT_FALSE(window->picWin(3).isVisible());
    play(14);
    EXPECT_EQ(state.sectionName, "x1y0");
    EXPECT_EQ(cell(), std::make_pair(1, 4));

    clickCell(5, 4); // through the golden door into the post
    play(4);
    EXPECT_EQ(state.postName, "Дм");
    EXPECT_FALSE(window->tmrHeroMove().isEnabled());

    clickCell(6, 4); // into the red crystal
    play(2);
    EXPECT_EQ(state.health, 2648);

    clickCell(5, 6); // out again
    play(2);
    EXPECT_EQ(state.sectionName, "x1y0");
    EXPECT_EQ(cell(), std::make_pair(5, 6));

    clickCell(5, 14); // over the southern edge
    play(8);
    EXPECT_EQ(state.sectionName, "x1y1");

    clickCell(8, 1); // to the healer, and pay him
    play(3);
    ASSERT_TRUE(window->picWin(2).isVisible());
    click("Command1_0");

    clickCell(5, 3);
    play(2);

    EXPECT_EQ(state.sectionX, 1);
    EXPECT_EQ(state.sectionY, 1);
    EXPECT_EQ(state.postName, "0");
    EXPECT_EQ(cell(), std::make_pair(5, 3));
    EXPECT_EQ(state.heroCol, 11);
    EXPECT_EQ(state.heroRow, 3);
    EXPECT_EQ(state.health, 5295);
    EXPECT_EQ(state.lifeForce, 5295 - 4 * 50); // two diagonal ticks since the healing
    EXPECT_EQ(state.money, 50);
    EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(), "50");
    std::array<int16_t, 40> items{};
    items[0] = 1;
    EXPECT_EQ(state.pred, items);
    EXPECT_TRUE(isTaken(state.form2, "x0y0B1"));
    EXPECT_EQ(window->barValue(0), 5295);
    EXPECT_EQ(window->barValue(1), 5095);
}

} // namespace
