// Resuming saved games: files made by hand from the format, in the order and shape the game writes them and
// in others.

#include "SavedGameFiles.h"

#include "FakeGameWindow.h"
#include "Fixtures.h"

#include "items/ItemCatalogue.h"
#include "saves/LoadGame.h"
#include "saves/SaveGame.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

using namespace velmor;
using namespace velmor::test;

namespace {

class LoadGameTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    GameState state;
    FakeProgramWindows windows;

    void SetUp() override {
        for (FakeControl& scroll : windows.game.scrolls)
            scroll.hide();
    }
    void load(const QStringList& lines, const QString& name = QStringLiteral("game.sv")) {
        root.writeBytes(QStringLiteral("Save/") + name, savedGameFile(lines));
        LoadGame(state, name, windows);
    }
};

TEST_F(LoadGameTest, AGameAsTheGameSavesItComesBackWhole) {
    SavedValues saved;
    saved.map = QStringLiteral("Северные горы");
    saved.post = QStringLiteral("Дм");
    saved.sectionX = QStringLiteral("-3 ");
    saved.sectionY = QStringLiteral(" 12 ");
    saved.heroX = QStringLiteral(" 2100 ");
    saved.heroY = QStringLiteral(" 7020 ");
    saved.heroCol = QStringLiteral(" 9 ");
    saved.heroRow = QStringLiteral(" 13 ");
    saved.money = QStringLiteral(" 123456 ");
    saved.scrolls = QStringList{"True", "False", "False", "True", "False"};
    saved.pred[0] = QStringLiteral(" 1 ");
    saved.pred[7] = QStringLiteral(" 12 ");
    saved.pred[39] = QStringLiteral(" 37 ");
    state.health = 17;
    state.form2.takenLog[5] = QStringLiteral("x0y0A1");

    load(saved.lines());

    EXPECT_EQ(state.mapName, "Северные горы");
    EXPECT_EQ(state.postName, "Дм");
    EXPECT_EQ(state.sectionX, -3);
    EXPECT_EQ(state.sectionY, 12);
    EXPECT_EQ(state.heroX, 2100);
    EXPECT_EQ(state.heroY, 7020);
    EXPECT_EQ(state.targetX, 2100);
    EXPECT_EQ(state.targetY, 7020);
    EXPECT_EQ(state.heroCol, 9);
    EXPECT_EQ(state.heroRow, 13);
    EXPECT_EQ(state.money, 123456);
    EXPECT_EQ(state.sv, (std::array<int16_t, 5>{-1, 0, 0, -1, 0}));
    std::array<int16_t, 40> pred{};
    pred[0] = 1;
    pred[7] = 12;
    pred[39] = 37;
    EXPECT_EQ(state.pred, pred);
    EXPECT_EQ(state.lifeForceDrain, 40); // the skull
    EXPECT_EQ(state.healthDrain, 10);

    FakeGameWindow& window = windows.game;
    EXPECT_EQ(window.slotPictures[0], *itemPicture(1));
    EXPECT_EQ(window.slotPictures[7], *itemPicture(12));
    EXPECT_EQ(window.slotPictures[39], *itemPicture(37));
    EXPECT_EQ(window.slotPictures[1], -1);
    const bool shown[] = {true, false, false, true, false};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(window.scrolls[k].isVisible(), shown[k]) << k;
    EXPECT_EQ(window.shape1.left(), 2100);
    EXPECT_EQ(window.shape1.top(), 7020);
    EXPECT_EQ(windows.calls, (QStringList{"open game", "show game", "close start"}));
    EXPECT_FALSE(QFile::exists(root.file("Save/Temp.tim")));
}

TEST_F(LoadGameTest, SavingTheResumedGameGivesTheSameFile) {
    SavedValues saved;
    saved.map = QStringLiteral("Северные горы");
    saved.post = QStringLiteral("Дм");
    saved.sectionX = QStringLiteral("-1 ");
    saved.heroX = QStringLiteral(" 525 ");
    saved.money = QStringLiteral(" 1500 ");
    saved.scrolls[4] = QStringLiteral("True");
    saved.pred[2] = QStringLiteral(" 4 ");
    const QByteArray file = savedGameFile(saved.lines());
    root.writeBytes("Save/again.sv", file);
    LoadGame(state, "again.sv", windows);
    SaveGame(state, "again");
    QFile written(root.file("Save/again.sv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), file);
}

struct LoadCase {
    const char* name;
    std::function<QStringList()> lines;
    std::function<void(const GameState&, const FakeGameWindow&)> check;
};

const LoadCase loadCases[] = {
    {"KeysInAnotherOrderAndRepeatedTheLastWins",
     [] {
         return QStringList{"[many]", " 5 ", "[pred]"} + QStringList(40, " 3 ") +
                QStringList{"[hero]",    " 525 ",  " 540 ", "[mapname]", "Первая",     "[many]", " 9 ",
                            "[mapname]", "Вторая", "[sv2]", "True",      "[position]", " 4 ",    "-5 "};
     },
     [](const GameState& s, const FakeGameWindow&) {
         EXPECT_EQ(s.money, 9);
         EXPECT_EQ(s.mapName, "Вторая");
         EXPECT_EQ(s.heroX, 525);
         EXPECT_EQ(s.targetY, 540);
         EXPECT_EQ(s.sv[2], -1);
         EXPECT_EQ(s.sectionX, 4);
         EXPECT_EQ(s.sectionY, -5);
         EXPECT_EQ(s.pred[39], 3);
     }},
    {"AMapNamedLikeTheNextKeyTakesItsKeyLineAsThePost",
     [] {
         SavedValues v;
         v.map = "[postname]";
         v.post = "Дм";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow&) {
         EXPECT_EQ(s.mapName, "[postname]");
         EXPECT_EQ(s.postName, "[postname]");
     }},
    {"AValueThatDoesNotConvertLeavesTheStartingValue",
     [] {
         SavedValues v;
         v.heroX = "abc";
         v.heroY = " 540 ";
         v.sectionX = " 99999 ";
         v.money = "много";
         v.scrolls[0] = "Да";
         v.scrolls[1] = "true";
         v.pred[0] = " 1.5 ";
         v.pred[1] = "- 2";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow&) {
         EXPECT_EQ(s.heroX, 0);
         EXPECT_EQ(s.heroY, 540);
         EXPECT_EQ(s.sectionX, 0);
         EXPECT_EQ(s.money, 0);
         EXPECT_EQ(s.sv[0], 0);
         EXPECT_EQ(s.sv[1], -1);
         EXPECT_EQ(s.pred[0], 0);
         EXPECT_EQ(s.pred[1], 0);
     }},
    {"ATruncatedFileKeepsWhatItHad",
     [] {
         SavedValues v;
         for (int i = 0; i < 40; ++i)
             v.pred[i] = QStringLiteral(" %1 ").arg(i + 1 > 37 ? 0 : i + 1);
         QStringList lines = v.lines();
         return lines.mid(0, lines.size() - 30); // the file ends after slot 9
     },
     [](const GameState& s, const FakeGameWindow& w) {
         EXPECT_EQ(s.pred[9], 10);
         EXPECT_EQ(s.pred[10], 0);
         EXPECT_EQ(w.slotPictures[9], *itemPicture(10));
         EXPECT_EQ(s.lifeForceDrain, 50 - 10 + 10); // the ring (4) and the armour (10)
         EXPECT_EQ(s.healthDrain, 9);               // the cross (5)
     }},
    {"TheRingAndTheSkullSaveLifeForce",
     [] {
         SavedValues v;
         v.pred[3] = " 4 ";
         v.pred[20] = " 37 ";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow&) { EXPECT_EQ(s.lifeForceDrain, 30); }},
    {"TheArmourAsWellCostsTenMore",
     [] {
         SavedValues v;
         v.pred[3] = " 4 ";
         v.pred[20] = " 37 ";
         v.pred[21] = " 10 ";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow&) { EXPECT_EQ(s.lifeForceDrain, 40); }},
    {"TwoCrossesSaveHealth",
     [] {
         SavedValues v;
         v.pred[0] = " 5 ";
         v.pred[1] = " 5 ";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow&) { EXPECT_EQ(s.healthDrain, 8); }},
    {"AnUnknownItemStaysWithoutPictureOrEffect",
     [] {
         SavedValues v;
         v.pred[6] = " 38 ";
         v.pred[7] = "-4 ";
         return v.lines();
     },
     [](const GameState& s, const FakeGameWindow& w) {
         EXPECT_EQ(s.pred[6], 38);
         EXPECT_EQ(s.pred[7], -4);
         EXPECT_EQ(w.slotPictures[6], -1);
         EXPECT_EQ(w.slotPictures[7], -1);
         EXPECT_EQ(s.lifeForceDrain, 50);
     }},
};

class LoadCaseTest : public LoadGameTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadCaseTest, RestoresWhatTheFileSays) {
    load(GetParam().lines());
    GetParam().check(state, windows.game);
    EXPECT_FALSE(QFile::exists(root.file("Save/Temp.tim")));
}

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Files, LoadCaseTest, ::testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadGameTest, AGarbledFileOpensTheGameOnTheStartingValues) {
    state.heroX = 1050;
    state.money = 3;
    state.postName = "Дм";
    root.writeBytes("Save/bad.sv", "This is not a saved game at all \x01\x02\xff 0101 01");
    LoadGame(state, "bad.sv", windows);
    EXPECT_EQ(state.heroX, 0);
    EXPECT_EQ(state.heroCol, 1);
    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(state.postName, "");
    EXPECT_EQ(state.mapName, "");
    EXPECT_EQ(windows.calls, (QStringList{"open game", "show game", "close start"}));
    EXPECT_FALSE(QFile::exists(root.file("Save/Temp.tim")));

    LoadGame(state, "missing.sv", windows); // no such file: the same
    EXPECT_EQ(state.lifeForceDrain, 50);
}

} // namespace
