// The whole program through its windows, clicked and typed as a player does on the offscreen platform: the
// start window, a new game, a save under a Russian name, leaving, loading it again, and a new game after it.

#include "Fixtures.h"
#include "MapSection.h"
#include "RecordedSounds.h"
#include "ViewTestSupport.h"

#include "frontend/Form1.h"
#include "frontend/Program.h"
#include "state/GameState.h"
#include "view/Form2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

class ProgramTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    RecordedSounds sounds;
    GameState state;
    Program program{state, pictures(), Form2::Clock::Manual};

    void SetUp() override {
        root.writeLines("Maps/Reestr.txt", {"Лес", "Горы", "Море"});
        root.writeText("Maps/Лес/logo.txt", "Тёмный лес полон тайн.");
        root.writeLines("Maps/Лес/x0y0.map",
                        MapSection().script(1, 0, "A1").script(2, 0, "B1").script(3, 0, "C1").lines());
        root.writeLines("Maps/Лес/[x0y0-A1].mtx", {"[subject]", "4"});
        root.writeLines("Maps/Лес/[x0y0-B1].mtx", {"[subject]", "501"});
        root.writeLines("Maps/Лес/[x0y0-C1].mtx", {"[many]", "250"});
    }

    // Lets closed windows go, as the event loop does after a click.
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Form1& start() {
        Form1* window = program.startWindow();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window && window->isVisible());
        return *window;
    }
    Form2& game() {
        Form2* window = program.gameWindow();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window && window->isVisible());
        return *window;
    }

    static void click(QWidget& window, const char* name) {
        QWidget* widget = window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        ASSERT_TRUE(widget->isVisible()) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        settle();
    }
    void walkTo(int column, int row, int ticks) {
        Form2& window = game();
        QTest::mouseClick(window.findChild<QWidget*>("picMap"), Qt::LeftButton, {},
                          QPoint(35 * column + 17, 36 * row + 18));
        for (int i = 0; i < ticks; ++i)
            window.tmrHeroMove_Timer();
    }
    // Typed letter by letter, as a keyboard with a Russian layout sends them.
    static void typeInto(QWidget* widget, const QString& text) {
        for (QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
    void escape() {
        QTest::keyClick(&game(), Qt::Key_Escape);
        settle();
    }
    static QStringList entries(QWidget& window, const char* list) {
        QStringList texts;
        auto* widget = window.findChild<QListWidget*>(list);
        for (int i = 0; widget && i < widget->count(); ++i)
            texts << widget->item(i)->text();
        return texts;
    }
};

TEST_F(ProgramTest, NewGameSaveLeaveLoadAndANewGameAgain) {
    program.showStartWindow();
    settle();
    EXPECT_EQ(entries(start(), "List1"), (QStringList{"Лес", "Горы", "Море"}));
    EXPECT_EQ(sounds.calls(), (QStringList{"create", "PlaySound " + root.file("log.muz")}));

    click(start(), "Command1");
    EXPECT_EQ(start().findChild<QLabel*>("Label1")->text(), "Тёмный лес полон тайн.");
    click(start(), "Command4_0");
    ASSERT_EQ(program.startWindow(), nullptr);
    EXPECT_EQ(state.mapName, "Лес");

    walkTo(1, 0, 1); // the ring
    click(game(), "Command1_0");
    walkTo(2, 0, 1); // the blue scroll
    click(game(), "Command1_0");
    walkTo(3, 0, 1); // a purse
    walkTo(3, 2, 2);
    ASSERT_EQ(state.money, 250);
    ASSERT_EQ(state.pred[0], 4);
    ASSERT_EQ(state.sv[1], -1);

    escape();
    click(game(), "Command4_0");
    QWidget* name = game().findChild<QWidget*>("Combo1_text");
    typeInto(name, QStringLiteral("Моя игра"));
    click(game(), "Command4_3");
    EXPECT_TRUE(QFile::exists(root.file("Save/Моя игра.sv")));
    EXPECT_TRUE(game().picWin(3).isVisible());
    click(game(), "Command4_1");
    EXPECT_FALSE(game().picWin(3).isVisible());
    EXPECT_TRUE(game().Timer1().isEnabled());

    escape();
    click(game(), "Command4_2");
    EXPECT_EQ(program.gameWindow(), nullptr);
    EXPECT_EQ(state.mapName, "");
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(entries(start(), "List1"), (QStringList{"Лес", "Горы", "Море"})); // read again
    EXPECT_EQ(sounds.calls().count("PlaySound " + root.file("log.muz")), 2);

    click(start(), "Command3");
    EXPECT_EQ(entries(start(), "File1"), QStringList{"Моя игра.sv"});
    click(start(), "Command4_3");
    ASSERT_EQ(program.startWindow(), nullptr);
    EXPECT_EQ(state.mapName, "Лес");
    EXPECT_EQ(state.heroX, 3 * 525);
    EXPECT_EQ(state.heroY, 2 * 540);
    EXPECT_EQ(state.heroCol, 7);
    EXPECT_EQ(state.heroRow, 2);
    EXPECT_EQ(state.money, 250);
    EXPECT_EQ(state.pred[0], 4);
    EXPECT_EQ(state.sv[1], -1);
    EXPECT_EQ(state.lifeForceDrain, 40);
    EXPECT_EQ(state.health, GameState::fullVitality);
    EXPECT_EQ(game().findChild<QLabel*>("Label2")->text(), "250");
    EXPECT_TRUE(game().findChild<QWidget*>("imgRemen_1")->isVisible());
    EXPECT_GE(game().slotPicture(0), 0);
    EXPECT_EQ(game().Shape1().left(), 3 * 525);

    escape();
    click(game(), "Command4_2");
    click(start(), "Command1");
    click(start(), "Command4_0");
    EXPECT_EQ(state.mapName, "Лес");
    EXPECT_EQ(state.pred, (std::array<int16_t, 40>{}));
    EXPECT_EQ(state.sv, (std::array<int16_t, 5>{}));
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.healthDrain, 10);
    EXPECT_EQ(game().findChild<QLabel*>("Label2")->text(), "0");
    EXPECT_FALSE(game().findChild<QWidget*>("imgRemen_1")->isVisible());
    EXPECT_EQ(game().slotPicture(0), -1);
}

TEST_F(ProgramTest, TheLoadPanelLiesOverTheNewGamePanel) {
    program.showStartWindow();
    settle();
    click(start(), "Command1");
    click(start(), "Command3");
    QWidget* newGame = start().findChild<QWidget*>("picWin_0");
    QWidget* load = start().findChild<QWidget*>("picWin_1");
    EXPECT_TRUE(newGame->isVisible());
    EXPECT_TRUE(load->isVisible());
    // Where the two panels overlap, what is seen belongs to the load panel.
    const QPoint middle = load->mapTo(&start(), QPoint(5, 5));
    QWidget* top = start().childAt(middle);
    while (top && top != load && top != newGame)
        top = top->parentWidget();
    EXPECT_EQ(top, load);
    click(start(), "Command4_2");
    EXPECT_TRUE(newGame->isVisible());
    EXPECT_FALSE(load->isVisible());
}

TEST_F(ProgramTest, TheStartWindowIsLaidOutAsDesigned) {
    program.showStartWindow();
    settle();
    Form1& window = start();
    EXPECT_EQ(window.windowTitle(), "Velmor");
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(window.Picture1().width(), 12000);
    EXPECT_EQ(window.Command1().left(), 4432.5);
    EXPECT_EQ(window.picWin(0).left(), 2692.5);
    EXPECT_EQ(window.picWin(1).top(), 2032.5);
    EXPECT_EQ(window.Label1().foreColor(), rgbColour(192, 192, 192));
    EXPECT_FALSE(window.picWin(0).isVisible());
    EXPECT_FALSE(window.picWin(1).isVisible());
    if (qEnvironmentVariableIsSet("VELMOR_SNAPSHOT_DIR")) {
        click(window, "Command1");
        window.grab().save(qEnvironmentVariable("VELMOR_SNAPSHOT_DIR") + "/start.png");
    }
}

} // namespace
