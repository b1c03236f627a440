// The pause and save panels' buttons and the leave procedure, against a window of plain values.

#include "FakeGameWindow.h"
#include "Fixtures.h"

#include "saves/PauseCommands.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace velmor;
using namespace velmor::test;

namespace {

class PausePanelTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    GameState state;
    FakeGameWindow window;
    FakeProgramWindows windows;

    void SetUp() override {
        resetForNewGame(state, QStringLiteral("Долина"));
        state.postName = QStringLiteral("0");
        window.panels[3].show();
        window.panels[4].hide();
        window.names.field = QStringLiteral("MyGame");
    }
    void click(int index) { Command4_Click(state, window, windows, index); }
};

TEST_F(PausePanelTest, SaveOpensTheSavePanelWithTheSavedGamesAndAnEmptyName) {
    click(0);
    EXPECT_TRUE(QDir(root.file("Save")).exists());
    EXPECT_TRUE(window.panels[4].isVisible());
    EXPECT_FALSE(window.panels[3].isVisible());
    EXPECT_EQ(window.names.text(), "");
    EXPECT_TRUE(window.names.entries.isEmpty());

    for (const char* name : {"Моя.sv", "b.sv", "a.sv", "Temp.tim"})
        root.writeBytes(QStringLiteral("Save/") + QString::fromUtf8(name), "x");
    click(4);
    EXPECT_TRUE(window.panels[3].isVisible());
    EXPECT_FALSE(window.panels[4].isVisible());
    window.names.field = QStringLiteral("typed");
    click(0);
    EXPECT_EQ(window.names.entries, (QStringList{"a.sv", "b.sv", "Моя.sv"}));
    EXPECT_EQ(window.names.text(), "");
}

TEST_F(PausePanelTest, OkSavesUnderTheNameAndGoesBackWithoutAWord) {
    click(0);
    window.names.field = QStringLiteral("Поход");
    click(3);
    EXPECT_TRUE(QFile::exists(root.file("Save/Поход.sv")));
    EXPECT_TRUE(window.panels[3].isVisible());
    EXPECT_FALSE(window.panels[4].isVisible());
    EXPECT_TRUE(window.labels[1].text().isEmpty());
    EXPECT_TRUE(window.names.entries.isEmpty()); // not refreshed until the panel opens again

    click(0);
    EXPECT_EQ(window.names.entries, QStringList{"Поход.sv"});
    window.names.setListIndex(0); // picked from the list: the same saved game again
    state.money = 77;
    click(3);
    EXPECT_EQ(QDir(root.file("Save")).entryList(QDir::Files), QStringList{"Поход.sv"});

    click(0);
    click(3); // the empty name
    EXPECT_TRUE(QFile::exists(root.file("Save/.sv")));
}

TEST_F(PausePanelTest, LeavingClearsTheGameButKeepsTheMusicTheLayersAndTheOfferPositions) {
    auto player = std::make_shared<QObject>();
    state.soundPlayer = player;
    state.currentMusic = QStringLiteral("\\Music\\a.mid");
    state.layer2[3] = QStringLiteral("YY");
    state.form2.offerCode = 999;
    state.form2.selectedSlot = 7;
    state.form2.takenLogIndex = 12;
    state.form2.takenLog[12] = QStringLiteral("x0y0A1");
    state.heroX = 525;
    state.heroY = 1080;
    state.targetX = 1575;
    state.heroCol = 3;
    state.heroRow = 2;
    state.health = 100;
    state.lifeForce = -5;
    state.money = 300;
    state.pred[39] = 12;
    state.sv[2] = -1;
    state.sectionX = -4;
    state.postName = QStringLiteral("Дм");
    state.sectionName = QStringLiteral("Дм");
    state.nextCode2 = QStringLiteral("D2");
    state.nextCode5 = QStringLiteral("A1");

    click(2);

    EXPECT_EQ(windows.calls, (QStringList{"show start", "close game"}));
    EXPECT_EQ(state.heroX, 0);
    EXPECT_EQ(state.heroY, 0);
    EXPECT_EQ(state.targetX, 0);
    EXPECT_EQ(state.heroCol, 0); // not the 1 of a new game
    EXPECT_EQ(state.heroRow, 0);
    EXPECT_EQ(state.health, 0);
    EXPECT_EQ(state.lifeForce, 0);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(state.healthDrain, 0);
    EXPECT_EQ(state.lifeForceDrain, 0);
    EXPECT_EQ(state.pred[39], 0);
    EXPECT_EQ(state.sv[2], 0);
    EXPECT_EQ(state.sectionX, 0);
    EXPECT_EQ(state.postName, "");
    EXPECT_EQ(state.sectionName, "");
    EXPECT_EQ(state.mapName, "");
    EXPECT_EQ(state.nextCode2, "");
    EXPECT_EQ(state.nextCode5, "");
    EXPECT_EQ(state.form2.takenLog[12], "");

    EXPECT_EQ(state.soundPlayer, player);
    EXPECT_EQ(state.currentMusic, "\\Music\\a.mid");
    EXPECT_EQ(state.layer2[3], "YY");
    EXPECT_EQ(state.form2.offerCode, 999);
    EXPECT_EQ(state.form2.selectedSlot, 7);
    EXPECT_EQ(state.form2.takenLogIndex, 12);
}

TEST_F(PausePanelTest, TheEndScreensOkLeavesToo) {
    state.money = 10;
    Command5_Click(state, windows);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(windows.calls, (QStringList{"show start", "close game"}));
}

} // namespace
