// Clicks on the map view, keys, and continuing from the pause.

#include "WorldTestSupport.h"

#include "saves/PauseCommands.h"
#include "world/Input.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::test;

namespace {

TEST(Input, AClickChoosesTheCellUnderIt) {
    const struct {
        float x, y;
        int16_t targetX, targetY;
    } clicks[] = {
        {0, 0, 0, 0},
        {524.9f, 539.9f, 0, 0},
        {525, 540, 0, 0},         // on the edge of an odd cell: the cell before it
        {1050, 1080, 1050, 1080}, // on the edge of an even cell: that cell
        {526, 541, 525, 540},
        {1574.9f, 1619.9f, 1050, 1080},
        {1575, 1620, 1050, 1080}, // the edges of column and row 3
        {2100, 2160, 2100, 2160}, // the edges of column and row 4
        {12074, 8099, 11550, 7560},
    };
    for (const auto& click : clicks) {
        GameState state = gameOnTheGrid();
        FakeGameWindow window;
        picMap_MouseDown(state, window, click.x, click.y);
        EXPECT_EQ(state.targetX, click.targetX) << click.x;
        EXPECT_EQ(state.targetY, click.targetY) << click.y;
        EXPECT_EQ(window.shape1.left(), click.targetX) << click.x;
        EXPECT_EQ(window.shape1.top(), click.targetY) << click.y;
        EXPECT_TRUE(window.heroMove.isEnabled());
    }
}

TEST(Input, AClickWhileWalkingReplacesTheDestination) {
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    picMap_MouseDown(state, window, 5000, 5000);
    picMap_MouseDown(state, window, 600, 100);
    EXPECT_EQ(state.targetX, 525);
    EXPECT_EQ(state.targetY, 0);
    EXPECT_TRUE(window.heroMove.isEnabled());
}

TEST(Input, EscapePausesAndContinueResumes) {
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    FakeProgramWindows windows;
    window.heroMove.setEnabled(true);
    window.vitality.setEnabled(true);
    window.panels[3].hide();

    for (int16_t key : {13, 32, 97, 0, 26, 28}) {
        Form_KeyPress(window, key);
        EXPECT_TRUE(window.heroMove.isEnabled()) << key;
        EXPECT_FALSE(window.panels[3].isVisible()) << key;
    }

    Form_KeyPress(window, 27);
    EXPECT_FALSE(window.heroMove.isEnabled());
    EXPECT_FALSE(window.vitality.isEnabled());
    EXPECT_FALSE(window.frame2.isEnabled());
    EXPECT_TRUE(window.panels[3].isVisible());

    Command4_Click(state, window, windows, 1);
    EXPECT_TRUE(window.heroMove.isEnabled());
    EXPECT_TRUE(window.vitality.isEnabled());
    EXPECT_TRUE(window.frame2.isEnabled());
    EXPECT_FALSE(window.panels[3].isVisible());
}

TEST(Input, ContinueStartsTheMovementTimerEvenWithNothingToWalkTo) {
    GameState state = gameOnTheGrid();
    FakeGameWindow window;
    FakeProgramWindows windows;
    Form_KeyPress(window, 27);
    Command4_Click(state, window, windows, 1);
    EXPECT_TRUE(window.heroMove.isEnabled());
}

} // namespace
