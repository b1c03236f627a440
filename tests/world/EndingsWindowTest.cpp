// The two end screens in the real game window.

#include "GameWindowFixture.h"

#include "world/Endings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

const QString winText =
    QStringLiteral("Поздравляю! Вы все-таки нашли выход из такого не сложного лабиринта…");

class EndingsWindowTest : public GameWindowFixture {
  protected:
    void SetUp() override { openOn(QStringLiteral("Лес"), {"=="}); }

    QLabel* endText() { return window->findChild<QLabel*>("lblEndText"); }

    // How many pixels of the window, or of its top rows, show this colour.
    int pixelsOf(const QColor& colour, int rows = 600) {
        const QImage shot = window->grab().toImage();
        int count = 0;
        for (int y = 0; y < std::min(rows, shot.height()); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += shot.pixelColor(x, y) == colour;
        return count;
    }
};

TEST_F(EndingsWindowTest, WinningWithoutTheMapsTextShowsTheBuiltInOne) {
    ShowVictory(state, *window);
    QApplication::processEvents();

    EXPECT_FALSE(window->tmrHeroMove().isEnabled());
    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_FALSE(window->picMap().isVisible());
    EXPECT_FALSE(window->Picture2().isVisible());
    EXPECT_EQ(window->Frame2().backColor(), rgbColour(0, 0, 0));
    EXPECT_EQ(endText()->text(), winText);
    EXPECT_EQ(window->lblEndText().foreColor(), rgbColour(192, 192, 0));
    EXPECT_EQ(window->lblEndText().left(), 360);
    EXPECT_EQ(window->lblEndText().top(), 360);
    EXPECT_EQ(window->lblEndText().width(), 11655);
    EXPECT_EQ(window->lblEndText().height(), 6615);
    EXPECT_EQ(window->Command5().left(), 5340);
    EXPECT_EQ(window->Command5().top(), 7095);
    EXPECT_EQ(endText()->size(), QSize(777, 441));
    EXPECT_TRUE(window->findChild<QWidget*>("Command5")->isVisible());
    EXPECT_TRUE(window->findChild<QWidget*>("Command5")->isEnabled());

    // The text is seen from the top of its area: olive letters on the black play area, no map, no strip.
    EXPECT_GT(pixelsOf(QColor(192, 192, 0), 45), 200);
    EXPECT_EQ(pixelsOf(QColor(0, 128, 128)), 0);
}

TEST_F(EndingsWindowTest, LosingShowsTheMapsLinesInYellowOnRed) {
    root.writeLines("Maps/Лес/lgOver.txt", {"Лес забрал тебя.", "", "Начни сначала."});
    ShowDefeat(state, *window);
    QApplication::processEvents();
    EXPECT_EQ(endText()->text(), "Лес забрал тебя.\n\nНачни сначала.\n");
    EXPECT_EQ(window->Frame2().backColor(), rgbColour(255, 0, 0));
    EXPECT_GT(pixelsOf(QColor(255, 255, 0)), 200);
    EXPECT_GT(pixelsOf(QColor(255, 0, 0)), 300000);
}

TEST_F(EndingsWindowTest, TheCaptionFollowsWhatTheFileGives) {
    root.writeBytes("Maps/Лес/lgEnd.txt", {});
    ShowVictory(state, *window);
    EXPECT_EQ(endText()->text(), "");

    ShowDefeat(state, *window); // no lgOver.txt: the built-in text
    EXPECT_EQ(endText()->text(), "ВЫ ПРОИГРАЛИ...");

    state.mapName = QStringLiteral("Нет такой"); // no map folder: the caption stays as it was
    ShowVictory(state, *window);
    EXPECT_EQ(endText()->text(), "ВЫ ПРОИГРАЛИ...");
    EXPECT_EQ(window->lblEndText().foreColor(), rgbColour(192, 192, 0));
}

TEST_F(EndingsWindowTest, EscapeOnTheEndScreenPausesAndContinueRunsTheTimersAgain) {
    ShowDefeat(state, *window);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->findChild<QWidget*>("Command5")->isEnabled());
    EXPECT_TRUE(window->picWin(3).isVisible());
    QWidget* resume = window->findChild<QWidget*>("Command4_1");
    QTest::mouseClick(resume, Qt::LeftButton, {}, resume->rect().center());
    EXPECT_TRUE(window->Timer1().isEnabled());
    EXPECT_TRUE(window->findChild<QWidget*>("Command5")->isEnabled());
}

} // namespace
