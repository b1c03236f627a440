#include "Fixtures.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace velmor;
using namespace velmor::test;

TEST(Paths, BothSpellingsOfTheMapsFolderNameOneFolder) {
    ProgramFolderFixture root;
    root.writeLines("MAps/Reestr.txt", {"Forest"});
    root.writeLines("MAps/Forest/x0y0.map", {"=="});
    EXPECT_EQ(gamePath("\\MAps\\Reestr.txt"), root.file("MAps/Reestr.txt"));
    EXPECT_EQ(gamePath("\\Maps\\Forest\\x0y0.map"), root.file("MAps/Forest/x0y0.map"));
    EXPECT_EQ(gamePath("\\maps\\FOREST\\X0Y0.MAP"), root.file("MAps/Forest/x0y0.map"));
}

TEST(Paths, MixedCaseOnDiskAndNegativeSectionNumbers) {
    ProgramFolderFixture root;
    root.writeLines("maps/Dark Wood/X-1Y2.Map", {"=="});
    root.writeLines("maps/Dark Wood/[Ab].MFX", {"\\Music\\a.mid"});
    EXPECT_EQ(gamePath("\\Maps\\Dark Wood\\x-1y2.map"), root.file("maps/Dark Wood/X-1Y2.Map"));
    EXPECT_EQ(gamePath("\\Maps\\dark wood\\[AB].mfx"), root.file("maps/Dark Wood/[Ab].MFX"));
}

TEST(Paths, CyrillicNamesMatchWithoutRegardToCase) {
    ProgramFolderFixture root;
    root.writeLines(QStringLiteral("Maps/Лес/[x0y0-&К].mtx"), {"[win]"});
    EXPECT_EQ(gamePath(QStringLiteral("\\Maps\\ЛЕС\\[x0y0-&к].mtx")),
              root.file(QStringLiteral("Maps/Лес/[x0y0-&К].mtx")));
}

TEST(Paths, TheExactNameWinsOverOtherCases) {
    ProgramFolderFixture root;
    root.writeLines("Save/game.sv", {"a"});
    root.writeLines("Save/GAME.sv", {"b"});
    EXPECT_EQ(gamePath("\\Save\\GAME.sv"), root.file("Save/GAME.sv"));
    EXPECT_EQ(gamePath("\\Save\\game.sv"), root.file("Save/game.sv"));
}

TEST(Paths, MissingPartsKeepTheirSpelling) {
    ProgramFolderFixture root;
    QDir().mkpath(root.file("Save"));
    EXPECT_EQ(gamePath("\\SAVE\\New Game.sv"), root.file("Save/New Game.sv"));
    EXPECT_EQ(gamePath("\\Maps\\Nowhere\\x0y0.map"), root.file("Maps/Nowhere/x0y0.map"));
}

TEST(Paths, NeverLeaveTheProgramFolder) {
    ProgramFolderFixture root;
    const struct {
        const char* literal;
        const char* expected;
    } cases[] = {
        {"\\..\\..\\etc\\passwd", "etc/passwd"},
        {"\\Maps\\..\\..\\log.muz", "log.muz"},
        {"\\Maps\\.\\x.map", "Maps/x.map"},
        {"/Maps//x.map", "Maps/x.map"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.literal);
        EXPECT_EQ(gamePath(QString::fromUtf8(c.literal)), root.file(QString::fromUtf8(c.expected)));
    }
    EXPECT_EQ(gamePath(QString()), root.path());
}
