// The game window's own wiring of play: its mouse, keys, pause and real timers.

#include "GameWindowFixture.h"
#include "MapSection.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

class PlayWindowTest : public GameWindowFixture {
  protected:
    void open(Form2::Clock clock = Form2::Clock::Manual) {
        openOn(QStringLiteral("Лес"), MapSection().object(3, 0, "YY").lines(), clock);
    }
};

TEST_F(PlayWindowTest, EveryMouseButtonSetsTheDestination) {
    open();
    const struct {
        Qt::MouseButton button;
        QPoint at;
        int16_t targetX, targetY;
    } presses[] = {
        {Qt::LeftButton, {80, 50}, 1050, 540},
        {Qt::RightButton, {40, 120}, 525, 1620},
        {Qt::MiddleButton, {800, 530}, 11550, 7560},
    };
    for (const auto& press : presses) {
        window->tmrHeroMove().setEnabled(false);
        QTest::mousePress(widget("picMap"), press.button, Qt::ShiftModifier, press.at);
        EXPECT_EQ(state.targetX, press.targetX);
        EXPECT_EQ(state.targetY, press.targetY);
        EXPECT_EQ(widget("Shape1")->pos(), QPoint(press.targetX / 15, press.targetY / 15));
        EXPECT_TRUE(window->tmrHeroMove().isEnabled());
    }
}

TEST_F(PlayWindowTest, OnlyEscapePauses) {
    open();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return,
                        Qt::Key_W, Qt::Key_P, Qt::Key_F1})
        QTest::keyClick(window.get(), key);
    EXPECT_TRUE(window->Timer1().isEnabled());
    EXPECT_FALSE(window->picWin(3).isVisible());

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_FALSE(window->tmrHeroMove().isEnabled());
    EXPECT_TRUE(widget("picWin_3")->isVisible());
    EXPECT_FALSE(widget("Frame2")->isEnabled());

    // Neither the map nor the status strip takes clicks while paused; the pause panel does.
    QTest::mouseClick(widget("picMap"), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseClick(widget("imgRes_2"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(state.targetX, 0);
    EXPECT_FALSE(window->picWin(1).isVisible());
    EXPECT_FALSE(window->tmrHeroMove().isEnabled());

    QWidget* resume = widget("Command4_1");
    QTest::mouseClick(resume, Qt::LeftButton, {}, resume->rect().center());
    EXPECT_FALSE(widget("picWin_3")->isVisible());
    EXPECT_TRUE(widget("Frame2")->isEnabled());
    EXPECT_TRUE(window->tmrHeroMove().isEnabled());
    EXPECT_TRUE(window->Timer1().isEnabled());
}

TEST_F(PlayWindowTest, ThePauseButtonsReadSaveContinueExit) {
    open();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->Command4(i).left(), 240);
        EXPECT_EQ(window->Command4(i).top(), 240 + 360 * i);
        EXPECT_EQ(widget(QStringLiteral("Command4_%1").arg(i).toLatin1())->parentWidget(),
                  widget("picWin_3"));
    }
}

TEST_F(PlayWindowTest, TheRealTimersWalkTheHeroUntilAWallStopsHim) {
    open(Form2::Clock::Real);
    QTest::mouseClick(widget("picMap"), Qt::LeftButton, {}, QPoint(35 * 5 + 10, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->tmrHeroMove().isEnabled(); }, 10000));
    EXPECT_EQ(state.heroX, 2 * 525); // the wall at column 3
    EXPECT_EQ(state.lifeForce, 5295 - 2 * 50);
    EXPECT_EQ(state.nextCode2, "YY");
    EXPECT_TRUE(window->Timer1().isEnabled());
}

TEST_F(PlayWindowTest, ANegativeValueLeavesTheBarAllRed) {
    open();
    window->drawBar(1, -40);
    window->drawBar(0, 2000);
    const QImage lifeForce = widget("picBar_1")->grab().toImage();
    const QImage health = widget("picBar_0")->grab().toImage();
    EXPECT_EQ(lifeForce.pixelColor(0, 5), QColor(255, 0, 0));
    EXPECT_EQ(lifeForce.pixelColor(lifeForce.width() - 1, 5), QColor(255, 0, 0));
    EXPECT_EQ(health.pixelColor(0, 5), QColor(224, 224, 224));
    EXPECT_EQ(health.pixelColor(2000 / 15 - 1, 5), QColor(224, 224, 224));
    EXPECT_EQ(health.pixelColor(2000 / 15 + 2, 5), QColor(255, 0, 0));
}

} // namespace
