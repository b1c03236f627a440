#include "state/SectionLoader.h"
#include "FakeGameWindow.h"
#include "Fixtures.h"
#include "RecordedSounds.h"
#include "state/GameState.h"

#include "platform/Components.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace velmor;
using namespace velmor::test;

namespace {

// 80 lines: for row r the five layers read "g<r>", "o<r>", "t<r>" (unused), "p<r>", "s<r>".
QStringList sectionLines(const QString& tag = QString()) {
    QStringList lines;
    for (int r = 0; r < 16; ++r)
        for (const char* layer : {"g", "o", "t", "p", "s"})
            lines.append(tag + QString::fromLatin1(layer) + QString::number(r));
    return lines;
}

class LoadSectionTest : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    RecordedSounds sounds;
    FakeGameWindow window;
    GameState state;

    void SetUp() override { state.mapName = QStringLiteral("Лес"); }
    void writeMap(const QString& file, const QStringList& lines) {
        root.writeLines("Maps/Лес/" + file, lines);
    }
    void writeMusic(const QString& file, const QString& text) { root.writeText("Maps/Лес/" + file, text); }
};

} // namespace

TEST_F(LoadSectionTest, GridSectionByItsNumbers) {
    writeMap("x-1y2.map", sectionLines());
    state.sectionX = -1;
    state.sectionY = 2;
    state.postName = QStringLiteral("AB");
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.postName, "0");
    EXPECT_EQ(state.sectionName, "x-1y2");
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(state.layer1[r], "g" + QString::number(r));
        EXPECT_EQ(state.layer2[r], "o" + QString::number(r));
        EXPECT_EQ(state.layer4[r], "p" + QString::number(r));
        EXPECT_EQ(state.layer5[r], "s" + QString::number(r));
    }
    EXPECT_TRUE(state.layer1[16].isEmpty());
}

TEST_F(LoadSectionTest, PostByItsName) {
    writeMap("[AB].map", sectionLines("post "));
    writeMap("x0y0.map", sectionLines("grid "));
    state.postName = QStringLiteral("AB");
    LoadSection(state, window, SectionKind::Post);
    EXPECT_EQ(state.postName, "AB");
    EXPECT_EQ(state.sectionName, "AB");
    EXPECT_EQ(state.layer2[3], "post o3");
}

TEST_F(LoadSectionTest, CyrillicCodesArriveAsWritten) {
    writeMap("x0y0.map",
             {QStringLiteral("===="), QStringLiteral("&КK3"), QString(), QStringLiteral("Дв"), QString()});
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(cellCode(state.layer2[0], 1), QStringLiteral("&К"));
    EXPECT_EQ(cellCode(state.layer2[0], 3), QStringLiteral("K3"));
    EXPECT_EQ(state.layer4[0], QStringLiteral("Дв"));
}

TEST_F(LoadSectionTest, ShortLinesLeaveEmptyCodes) {
    QStringList lines = sectionLines();
    lines[1] = QStringLiteral("YYW"); // objects of row 0: two cells and a half
    writeMap("x0y0.map", lines);
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(cellCode(state.layer2[0], 1), "YY");
    EXPECT_EQ(cellCode(state.layer2[0], 3), "W");
    EXPECT_EQ(cellCode(state.layer2[0], 5), "");
    EXPECT_EQ(cellCode(state.layer2[0], 45), "");
}

TEST_F(LoadSectionTest, AShortFileRepeatsItsLastLine) {
    writeMap("x0y0.map", {"ground", "objects", "unused", "doors", "keys", "ground1", "last"});
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.layer1[1], "ground1");
    EXPECT_EQ(state.layer2[1], "last");
    EXPECT_EQ(state.layer4[1], "last");
    EXPECT_EQ(state.layer5[15], "last");
    EXPECT_EQ(state.layer1[15], "last");
}

TEST_F(LoadSectionTest, LinesAfterTheEightiethAreNotRead) {
    QStringList lines = sectionLines();
    lines.append("row sixteen");
    writeMap("x0y0.map", lines);
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.layer5[15], "s15");
    EXPECT_TRUE(state.layer1[16].isEmpty());
}

TEST_F(LoadSectionTest, AMissingFileEmptiesTheLayersAndStillNamesTheSection) {
    writeMap("x0y0.map", sectionLines());
    LoadSection(state, window, SectionKind::Grid);
    window.heroMove.setEnabled(false);
    state.sectionX = 5;
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.sectionName, "x5y0");
    for (int r = 0; r < 17; ++r) {
        EXPECT_TRUE(state.layer1[r].isEmpty());
        EXPECT_TRUE(state.layer2[r].isEmpty());
        EXPECT_TRUE(state.layer4[r].isEmpty());
        EXPECT_TRUE(state.layer5[r].isEmpty());
    }
    EXPECT_TRUE(window.heroMove.isEnabled());
}

TEST_F(LoadSectionTest, EnteredCodesOfObjectsAndTransitionsEmptiedScriptKeyKept) {
    writeMap("x0y0.map", sectionLines());
    state.nextCode2 = "D2";
    state.nextCode4b = "+X";
    state.nextCode5 = "A1";
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_TRUE(state.nextCode2.isEmpty());
    EXPECT_TRUE(state.nextCode4b.isEmpty());
    EXPECT_EQ(state.nextCode5, "A1");
}

TEST_F(LoadSectionTest, TheMovementTimerIsEnabledWhateverHappened) {
    for (const char* map : {"Лес", "", "Nowhere"}) {
        window.heroMove.setEnabled(false);
        state.mapName = QString::fromUtf8(map);
        LoadSection(state, window, SectionKind::Post);
        EXPECT_TRUE(window.heroMove.isEnabled()) << map;
    }
}

TEST_F(LoadSectionTest, MusicPathIsTheProgramFolderFollowedByTheAssignment) {
    root.writeBytes("music/A.MID", "MThd");
    writeMusic("x0y0.mfx", "\\Music\\a.mid\r\n");
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.currentMusic, "\\Music\\a.mid");
    EXPECT_EQ(sounds.calls(), QStringList({"create", "PlaySound " + root.file("music/A.MID")}));
}

TEST_F(LoadSectionTest, TheSameMusicInNeighbouringSectionsCreatesNoNewComponent) {
    writeMusic("x0y0.mfx", "\\m\\theme.mid\r\n");
    writeMusic("x1y0.mfx", "\\m\\theme.mid");
    writeMusic("x2y0.mfx", "\\m\\other.mid");
    LoadSection(state, window, SectionKind::Grid);
    auto firstPlayer = state.soundPlayer;
    state.sectionX = 1;
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.soundPlayer, firstPlayer);
    EXPECT_EQ(sounds.calls().count("create"), 1);
    state.sectionX = 2;
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_NE(state.soundPlayer, firstPlayer);
    EXPECT_EQ(sounds.calls().count("create"), 2);
    EXPECT_EQ(state.currentMusic, "\\m\\other.mid");
}

TEST_F(LoadSectionTest, MusicCases) {
    const struct {
        const char* name;
        bool writeFile;     // false: no music file at all
        QByteArray content; // of the music file
        QString before;     // currentMusic before the load
        QString after;
        QStringList calls;
    } cases[] = {
        {"missing file changes nothing", false, "", "\\old.mid", "\\old.mid", {}},
        {"empty file with music playing", true, "", "\\old.mid", "", {"create", "PlaySound <root>"}},
        {"empty file while silent", true, "", "", "", {}},
        {"lone CR and LF stay",
         true,
         "\\a\r.mid\n\r\n",
         "",
         "\\a\r.mid\n",
         {"create", "PlaySound <root>/a<CR>.mid<LF>"}},
        {"only CR LF pairs go", true, "\\b\r\n.mid\r\n", "", "\\b.mid", {"create", "PlaySound <root>/b.mid"}},
    };
    writeMap("x0y0.map", sectionLines());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sounds.clear();
        QFile::remove(root.file("Maps/Лес/x0y0.mfx"));
        if (c.writeFile) root.writeBytes("Maps/Лес/x0y0.mfx", c.content);
        state.currentMusic = c.before;
        LoadSection(state, window, SectionKind::Grid);
        EXPECT_EQ(state.currentMusic, c.after);
        QStringList expected;
        for (QString call : c.calls)
            expected.append(call.replace("<root>", root.path()));
        EXPECT_EQ(sounds.calls(), expected);
    }
}

TEST_F(LoadSectionTest, AMusicFileThatCannotBeOpenedGivesAnEmptyAssignment) {
    state.mapName = QStringLiteral("No such map");
    state.currentMusic = QStringLiteral("\\old.mid");
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.currentMusic, "");
    EXPECT_EQ(sounds.calls(), QStringList({"create", "PlaySound " + root.path()}));
}

TEST_F(LoadSectionTest, WithoutTheComponentTheAssignmentIsStillRemembered) {
    QTemporaryDir empty;
    setComponentsFolder(empty.path());
    writeMusic("x0y0.mfx", "\\m\\theme.mid");
    LoadSection(state, window, SectionKind::Grid);
    EXPECT_EQ(state.currentMusic, "\\m\\theme.mid");
    EXPECT_EQ(state.soundPlayer, nullptr);
    EXPECT_TRUE(window.heroMove.isEnabled());
}
