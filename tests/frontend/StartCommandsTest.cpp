// The start window's commands against a window of plain values: the map list and descriptions, the start
// music, the saved games' list and the ways into a game.

#include "FakeGameWindow.h"
#include "Fixtures.h"
#include "RecordedSounds.h"

#include "frontend/MapRegistry.h"
#include "frontend/StartCommands.h"
#include "frontend/StartWindow.h"
#include "platform/TextFile.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

using namespace velmor;
using namespace velmor::test;

namespace {

const QString unknownMap = QStringLiteral("Неизвесная карта...");

// The start window as plain values, each control at its design place.
class FakeStartWindow : public StartWindow {
  public:
    FakeControl title, newGamePanel, loadPanel, newGame, exit, load, description;
    FakeListBox maps;
    FakeFileList savedGames;
    std::vector<int> panelPictures;
    double outer[2] = {12000, 9000};

    FakeStartWindow() {
        title.move(840, 120);
        title.resize(12000, 9000);
        newGamePanel.move(-1560, 600);
        loadPanel.move(3240, 2280);
        for (FakeControl* panel : {&newGamePanel, &loadPanel}) {
            panel->resize(6615, 4935);
            panel->hide();
        }
        newGame.move(4440, 3720);
        load.move(4440, 4320);
        exit.move(4440, 4920);
        for (FakeControl* button : {&newGame, &load, &exit})
            button->resize(3135, 495);
        description.setText(unknownMap);
    }

    Control& Picture1() override { return title; }
    Control& picWin(int index) override { return index == 0 ? newGamePanel : loadPanel; }
    Control& Command1() override { return newGame; }
    Control& Command2() override { return exit; }
    Control& Command3() override { return load; }
    ListBox& List1() override { return maps; }
    Label& Label1() override { return description; }
    FileList& File1() override { return savedGames; }
    void setPanelPicture(int index) override { panelPictures.push_back(index); }
    double outerWidth() const override { return outer[0]; }
    double outerHeight() const override { return outer[1]; }
};

class StartCommandsTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    RecordedSounds sounds;
    GameState state;
    FakeStartWindow window;
    FakeProgramWindows windows;

    void SetUp() override {
        window.maps.onClick = [this] { List1_Click(window); };
    }
    void selectMap(int index) { window.maps.setListIndex(index); }
};

TEST_F(StartCommandsTest, LoadingCentresTheButtonsAndPanelsListsTheMapsAndStartsTheMusic) {
    root.writeBytes("Maps/Reestr.txt", encode1251("Долина\r\nГоры  \r\n\r\nМоре"));
    Form1_Load(state, window);

    for (FakeControl* button : {&window.newGame, &window.load, &window.exit})
        EXPECT_EQ(button->left(), 4432.5);
    EXPECT_EQ(window.newGame.top(), 3720);
    EXPECT_EQ(window.exit.top(), 4920);
    for (FakeControl* panel : {&window.newGamePanel, &window.loadPanel}) {
        EXPECT_EQ(panel->left(), 2692.5);
        EXPECT_EQ(panel->top(), 2032.5);
        EXPECT_FALSE(panel->isVisible());
    }
    EXPECT_EQ(window.panelPictures, (std::vector<int>{0, 1}));
    // File order, spaces kept, an empty line an empty entry, the last line without its line end too.
    EXPECT_EQ(window.maps.entries, (QStringList{"Долина", "Горы  ", "", "Море"}));
    EXPECT_EQ(sounds.calls(), (QStringList{"create", "PlaySound " + root.file("log.muz")}));
    EXPECT_NE(state.soundPlayer, nullptr);
}

TEST_F(StartCommandsTest, WithoutARegistryTheListIsEmpty) {
    Form1_Load(state, window);
    EXPECT_TRUE(window.maps.entries.isEmpty());
    Command1_Click(window);
    EXPECT_TRUE(window.newGamePanel.isVisible());
    EXPECT_EQ(window.maps.listIndex(), -1);
    EXPECT_EQ(window.description.text(), unknownMap);
}

TEST_F(StartCommandsTest, TheRegistryListsAtMost32001Maps) {
    QByteArray registry;
    for (int i = 0; i < 32005; ++i)
        registry += "m" + QByteArray::number(i) + "\r\n";
    root.writeBytes("MAPS/reestr.TXT", registry);
    const QStringList maps = registeredMaps();
    ASSERT_EQ(maps.size(), 32001);
    EXPECT_EQ(maps.last(), "m32000");
}

TEST_F(StartCommandsTest, TheSelectedMapShowsItsDescription) {
    root.writeText("Maps/Долина/logo.txt", "Тихая долина.\r\nДве строки.");
    root.writeText("Maps/Пусто/logo.txt", "");
    root.writeLines("Maps/Без описания/x0y0.map", {"=="});
    root.writeLines("Maps/Reestr.txt", {"Долина", "Пусто", "Без описания", "Нет такой"});
    Form1_Load(state, window);

    const struct {
        int entry;
        QString shown;
    } cases[] = {
        {0, "Тихая долина.\r\nДве строки."},
        {2, unknownMap}, // the folder, but no logo.txt
        {1, ""},         // an empty description empties the label
        {3, unknownMap}, // no such folder
    };
    for (const auto& c : cases) {
        selectMap(c.entry);
        EXPECT_EQ(window.description.text(), c.shown) << c.entry;
    }
}

TEST_F(StartCommandsTest, NewGameAlwaysSelectsTheFirstMap) {
    root.writeText("Maps/Долина/logo.txt", "Первая");
    root.writeText("Maps/Горы/logo.txt", "Вторая");
    root.writeLines("Maps/Reestr.txt", {"Долина", "Горы"});
    Form1_Load(state, window);
    selectMap(1);
    EXPECT_EQ(window.description.text(), "Вторая");

    Command1_Click(window);
    EXPECT_EQ(window.maps.listIndex(), 0);
    EXPECT_EQ(window.description.text(), "Первая");
    EXPECT_TRUE(window.newGamePanel.isVisible());

    Command4_Click(state, window, windows, 1); // Нет
    EXPECT_FALSE(window.newGamePanel.isVisible());
    EXPECT_EQ(window.maps.listIndex(), 0);
}

TEST_F(StartCommandsTest, OkStartsANewGameOnTheSelectedMap) {
    root.writeLines("Maps/Reestr.txt", {"Долина", "Горы"});
    Form1_Load(state, window);
    state.pred[3] = 7;
    state.money = 40;
    state.heroX = 1050;
    Command1_Click(window);
    selectMap(1);

    Command4_Click(state, window, windows, 0);

    EXPECT_EQ(state.mapName, "Горы");
    EXPECT_EQ(state.soundPlayer, nullptr); // released: the start music plays on in the library
    EXPECT_EQ(state.pred[3], 0);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(state.heroX, 0);
    EXPECT_EQ(state.heroCol, 1);
    EXPECT_EQ(state.lifeForceDrain, 50);
    EXPECT_EQ(state.healthDrain, 10);
    EXPECT_EQ(windows.calls, (QStringList{"open game", "show game", "close start"}));
}

TEST_F(StartCommandsTest, OkWithNoMapSelectedStartsOnAnEmptyMapName) {
    state.mapName = "старое";
    Command4_Click(state, window, windows, 0);
    EXPECT_EQ(state.mapName, "");
    EXPECT_EQ(windows.calls.first(), "open game");
}

TEST_F(StartCommandsTest, LoadGameListsTheSavedGamesByName) {
    for (const char* name : {"b.sv", "A.sv", "Моя игра.sv", "c.SV", ".sv", "Temp.tim", "notes.txt"})
        root.writeBytes(QStringLiteral("Save/") + QString::fromUtf8(name), "x");
    root.writeBytes("Save/folder.sv/inside", "x");

    Command3_Click(window);

    EXPECT_EQ(window.savedGames.files, (QStringList{".sv", "A.sv", "b.sv", "c.SV", "Моя игра.sv"}));
    EXPECT_EQ(window.savedGames.fileName(), ".sv");
    EXPECT_TRUE(window.loadPanel.isVisible());

    Command4_Click(state, window, windows, 2); // Нет
    EXPECT_FALSE(window.loadPanel.isVisible());
    EXPECT_EQ(window.savedGames.fileName(), ".sv");
}

TEST_F(StartCommandsTest, WithoutASaveFolderTheLoadPanelListsNothing) {
    root.writeBytes("stray.sv", "x"); // in the program folder, not in Save
    Command3_Click(window);
    EXPECT_TRUE(window.savedGames.files.isEmpty());
    EXPECT_EQ(window.savedGames.fileName(), "");
    EXPECT_TRUE(window.loadPanel.isVisible());
}

TEST_F(StartCommandsTest, OkInTheLoadPanelResumesTheSelectedGame) {
    root.writeBytes("Save/a.sv", "");
    Form1_Load(state, window);
    Command3_Click(window);
    Command4_Click(state, window, windows, 3);
    EXPECT_EQ(state.soundPlayer, nullptr);
    EXPECT_EQ(windows.calls, (QStringList{"open game", "show game", "close start"}));
    EXPECT_EQ(state.lifeForceDrain, 50); // an unreadable game opens on the starting values
    EXPECT_FALSE(QFile::exists(root.file("Save/Temp.tim")));
}

TEST_F(StartCommandsTest, ExitEndsTheProgram) {
    Command2_Click(windows);
    EXPECT_EQ(windows.calls, QStringList{"end"});
}

TEST_F(StartCommandsTest, TheTitlePictureIsCentredByTheOuterSize) {
    const struct {
        double width, height, left, top;
    } sizes[] = {{12000, 9000, 0, 0}, {12120, 9450, 60, 225}, {9000, 6000, -1500, -1500}};
    for (const auto& size : sizes) {
        window.outer[0] = size.width;
        window.outer[1] = size.height;
        Form1_Resize(window);
        EXPECT_EQ(window.title.left(), size.left);
        EXPECT_EQ(window.title.top(), size.top);
    }
}

} // namespace
