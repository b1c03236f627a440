#include "saves/SaveGame.h"
#include "saves/SaveCodec.h"

#include "BytePrinter.h"
#include "Fixtures.h"
#include "platform/ProgramFolder.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <limits>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace velmor;
using namespace velmor::test;

namespace {

// The digit groups of saved games, written out here so that the expected files do not come from the game's
// own encoder.
const char* const groupOfDigit[10] = {
    " 0000 ", " 0001 ", " 0010 ", " 0011 ", " 0100 ", " 0101 ", " 0110 ", " 0111 ", " 1000 ", " 1001 ",
};

QByteArray spelledInGroups(const QByteArray& plain) {
    QByteArray groups;
    for (char c : plain) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(static_cast<unsigned char>(c)));
        for (int i = 0; i < 3; ++i)
            groups += groupOfDigit[digits[i] - '0'];
    }
    return groups;
}

// A game in the post "Хм" of the map "Долина", in the grid section (-3, -12), with 1500 coins, the gold and
// green scrolls and the ring, the skull and the armour in slots 0, 7 and 39.
GameState goldenState() {
    GameState state;
    state.mapName = QStringLiteral("Долина");
    state.postName = QStringLiteral("Хм");
    state.sectionX = -3;
    state.sectionY = -12;
    state.heroX = 2100;
    state.heroY = 7560;
    state.heroCol = 9;
    state.heroRow = 14;
    state.money = 1500;
    state.sv = {-1, 0, -1, 0, 0};
    state.pred[0] = 4;
    state.pred[7] = 37;
    state.pred[39] = 10;
    // Not saved: none of these may show in the file.
    state.health = 1234;
    state.lifeForce = -20;
    state.healthDrain = 9;
    state.lifeForceDrain = 30;
    state.targetX = 525;
    state.targetY = 540;
    state.sectionName = QStringLiteral("Хм");
    return state;
}

QByteArray goldenPlainText() {
    QByteArray text = "[mapname]\r\n"
                      "\xC4\xEE\xEB\xE8\xED\xE0\r\n" // Долина in Windows-1251
                      "[postname]\r\n"
                      "\xD5\xEC\r\n" // Хм
                      "[position]\r\n"
                      "-3 \r\n"
                      "-12 \r\n"
                      "[hero]\r\n"
                      " 2100 \r\n"
                      " 7560 \r\n"
                      "[hero2]\r\n"
                      " 9 \r\n"
                      " 14 \r\n"
                      "[many]\r\n"
                      " 1500 \r\n"
                      "[sv0]\r\nTrue\r\n"
                      "[sv1]\r\nFalse\r\n"
                      "[sv2]\r\nTrue\r\n"
                      "[sv3]\r\nFalse\r\n"
                      "[sv4]\r\nFalse\r\n"
                      "[pred]\r\n";
    for (int slot = 0; slot < 40; ++slot)
        text += slot == 0 ? " 4 \r\n" : slot == 7 ? " 37 \r\n" : slot == 39 ? " 10 \r\n" : " 0 \r\n";
    return text;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file and folder below a folder, hidden ones included, with the bytes of each file.
std::map<QString, QByteArray> tree(const QString& folder) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries[QDir(folder).relativeFilePath(path)] =
            info.isDir() ? QByteArray("<folder>") : readBytes(path);
    }
    return entries;
}

QStringList saveFolderEntries(const ProgramFolderFixture& root) {
    return QDir(root.file("Save"))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modeBits(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

void setModeBits(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// A program folder with its Save folder, as the save panel leaves it.
struct SaveFixture {
    SaveFixture() { QDir().mkpath(root.file("Save")); }
    QByteArray saved(const QString& fileName) const { return readBytes(root.file("Save/" + fileName)); }

    ProgramFolderFixture root;
};

QList<QByteArray> linesOf(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast(); // after the last LF
    for (QByteArray& line : lines)
        line.chop(1); // its CR
    return lines;
}

} // namespace

TEST(SaveText, TheGoldenGameGivesTheExpectedText) {
    EXPECT_EQ(saveText(goldenState()), goldenPlainText());
}

TEST(SaveGame, TheGoldenGameGivesTheExpectedFile) {
    SaveFixture save;
    SaveGame(goldenState(), QStringLiteral("golden"));

    const QByteArray expected = spelledInGroups(goldenPlainText()) + "\r\n";
    EXPECT_EQ(save.saved("golden.sv"), expected);
    EXPECT_EQ(expected.size(), goldenPlainText().size() * 18 + 2);
    EXPECT_EQ(saveFolderEntries(save.root), QStringList{"golden.sv"});
}

TEST(SaveText, HasSixtySixLinesEachEndedByCrLf) {
    GameState state; // empty names give empty lines
    const QByteArray text = saveText(state);
    ASSERT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count("\r\n"), 66);
    EXPECT_EQ(text.count('\n'), 66);
    EXPECT_EQ(text.count('\r'), 66);
    const QList<QByteArray> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 66);
    EXPECT_EQ(lines[0], "[mapname]");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[25], "[pred]");
    EXPECT_EQ(lines[65], " 0 ");
}

TEST(SaveText, IntegerForms) {
    const struct {
        int16_t value;
        QByteArray line;
    } cases[] = {
        {0, " 0 "}, {525, " 525 "}, {-1, "-1 "}, {32767, " 32767 "}, {-32768, "-32768 "},
    };
    for (const auto& c : cases) {
        GameState state;
        state.sectionY = c.value;
        state.pred[39] = c.value;
        const QList<QByteArray> lines = linesOf(saveText(state));
        EXPECT_EQ(lines[6], c.line) << c.value;
        EXPECT_EQ(lines[65], c.line) << c.value;
    }
}

TEST(SaveText, MoneyIsWrittenAsWholeCoins) {
    const struct {
        double money;
        QByteArray line;
    } cases[] = {
        {1500, " 1500 "},
        {0, " 0 "},
        {-0.0, " 0 "},
        {-7, "-7 "},
        {2.5, " 2 "}, // ties go to the even neighbour
        {3.5, " 4 "},
        {-2.5, "-2 "},
        {0.4, " 0 "},
        {-0.4, " 0 "},
        {2.6, " 3 "},
        {1e15 + 0.5, " 1000000000000000 "},
        {40000, " 40000 "}, // beyond 16 bits
        {1e20, " 100000000000000000000 "},
        {-1e20, "-100000000000000000000 "},
        {std::numeric_limits<double>::quiet_NaN(), " 0 "},
        {std::numeric_limits<double>::infinity(), " 0 "},
    };
    for (const auto& c : cases) {
        GameState state;
        state.money = c.money;
        EXPECT_EQ(linesOf(saveText(state))[14], c.line) << c.money;
    }
}

TEST(SaveText, EveryNonZeroFlagIsTrue) {
    const struct {
        int16_t flag;
        QByteArray line;
    } cases[] = {
        {-1, "True"}, {0, "False"}, {1, "True"}, {5, "True"}, {-32768, "True"},
    };
    for (const auto& c : cases) {
        GameState state;
        state.sv[4] = c.flag;
        EXPECT_EQ(linesOf(saveText(state))[24], c.line) << c.flag;
    }
}

TEST(SaveGame, NamesAndTheFilesTheyWrite) {
    const struct {
        QString name;
        QString fileName;
    } cases[] = {
        {"x", "x.sv"},
        {"x.sv", "x.sv"},
        {"x.sv.sv", "x.sv"},
        {"a.sv.b", "a.b.sv"},
        {"a.s.svv", "a.sv.sv"}, // the name is gone through once, what the removal joins stays
        {"X.SV", "X.SV.sv"},
        {"x.Sv", "x.Sv.sv"},
        {"", ".sv"},
        {".sv", ".sv"},
        {"..x", "..x.sv"},
        {QStringLiteral("Сохранение 1"), QStringLiteral("Сохранение 1.sv")},
    };
    const GameState state = goldenState();
    for (const auto& c : cases) {
        SaveFixture save;
        SaveGame(state, c.name);
        EXPECT_EQ(saveFolderEntries(save.root), QStringList{c.fileName}) << c.name.toStdString();
        EXPECT_EQ(DecodeSaveText(save.saved(c.fileName)), saveText(state)) << c.name.toStdString();
    }
}

TEST(SaveGame, ANameWithAndWithoutItsExtensionIsOneSavedGame) {
    SaveFixture save;
    GameState first = goldenState();
    SaveGame(first, QStringLiteral("x"));
    GameState second = goldenState();
    second.money = 7;
    second.pred[7] = 0;
    SaveGame(second, QStringLiteral("x.sv"));

    EXPECT_EQ(saveFolderEntries(save.root), QStringList{"x.sv"});
    EXPECT_EQ(save.saved("x.sv"), spelledInGroups(saveText(second)) + "\r\n");
}

TEST(SaveGame, AnExistingSavedGameIsOverwrittenAndKeepsItsPermissions) {
    SaveFixture save;
    save.root.writeBytes("Save/x.sv", "an older game");
    setModeBits(save.root.file("Save/x.sv"), 0640);

    SaveGame(goldenState(), QStringLiteral("x"));

    EXPECT_EQ(save.saved("x.sv"), spelledInGroups(goldenPlainText()) + "\r\n");
    EXPECT_EQ(modeBits(save.root.file("Save/x.sv")), mode_t(0640));
    EXPECT_EQ(saveFolderEntries(save.root), QStringList{"x.sv"});
}

TEST(SaveGame, NamesThatLeaveTheSaveFolderWriteNothing) {
    const QString names[] = {
        "a/b",
        "a\\b",
        "../x",
        "..\\x",
        "..\\..\\x",
        "/x",
        "\\x",
        "/",
        "\\",
        QString::fromUtf8("a\0b", 3),
        QString(QChar(0)),
        ".",
        "..",
        "..sv",
        "...sv",
        ".sv.",
        "..sv.sv",
    };
    for (const QString& name : names) {
        ProgramFolderFixture outer;
        // The program folder sits inside the scratch folder, so a file outside it would show too; the folder
        // Save/a makes "a/b" a name that could be written if it were let through.
        QDir().mkpath(outer.file("Game/Save/a"));
        outer.writeBytes("Game/Save/kept.sv", "an older game");
        setProgramFolder(outer.file("Game"));
        const auto before = tree(outer.path());

        SaveGame(goldenState(), name);

        EXPECT_EQ(tree(outer.path()), before)
            << QString(name).replace(QChar(0), QStringLiteral("<NUL>")).toStdString();
    }
}

TEST(SaveGame, AReadOnlySavedGameStaysAsItWas) {
    SaveFixture save;
    save.root.writeBytes("Save/x.sv", "an older game");
    setModeBits(save.root.file("Save/x.sv"), 0444);

    SaveGame(goldenState(), QStringLiteral("x"));
    EXPECT_EQ(save.saved("x.sv"), QByteArray("an older game"));
    EXPECT_EQ(saveFolderEntries(save.root), QStringList{"x.sv"});

    // Writable again, the same save goes through: it was the permission that stopped it.
    setModeBits(save.root.file("Save/x.sv"), 0644);
    SaveGame(goldenState(), QStringLiteral("x"));
    EXPECT_EQ(save.saved("x.sv"), spelledInGroups(goldenPlainText()) + "\r\n");
}

namespace {

// Lets this process write no file beyond a size, as a full disk would stop it, and turns the signal that
// would end the process into a plain write error.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    bool isSet() const { return set_; }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
    bool set_ = false;
};

} // namespace

TEST(SaveGame, AWriteThatFailsHalfwayLeavesTheOldSavedGame) {
    SaveFixture save;
    const QByteArray old = spelledInGroups("an older game") + "\r\n";
    save.root.writeBytes("Save/x.sv", old);

    // The scratch text fits under the limit, the encoded game does not: the write stops inside the new file.
    constexpr rlim_t limit = 2048;
    ASSERT_LT(goldenPlainText().size(), qsizetype(limit));
    ASSERT_GT(goldenPlainText().size() * 18, qsizetype(limit));
    {
        FileSizeLimit full(limit);
        ASSERT_TRUE(full.isSet());
        SaveGame(goldenState(), QStringLiteral("x"));
    }
    EXPECT_EQ(save.saved("x.sv"), old);
    EXPECT_EQ(saveFolderEntries(save.root), QStringList{"x.sv"}); // no half file left beside it

    SaveGame(goldenState(), QStringLiteral("x"));
    EXPECT_EQ(save.saved("x.sv"), spelledInGroups(goldenPlainText()) + "\r\n");
}

TEST(SaveGame, AScratchFileThatCannotBeWrittenLeavesTheOldSavedGame) {
    SaveFixture save;
    save.root.writeBytes("Save/x.sv", "an older game");
    QDir().mkpath(save.root.file("Save/Temp.tim")); // a folder where the scratch file goes

    SaveGame(goldenState(), QStringLiteral("x"));

    EXPECT_EQ(save.saved("x.sv"), QByteArray("an older game"));
    EXPECT_EQ(saveFolderEntries(save.root), (QStringList{"Temp.tim", "x.sv"}));
}

TEST(SaveGame, ASaveFolderThatIsAFileWritesNothing) {
    ProgramFolderFixture root;
    root.writeBytes("Save", "not a folder");
    const auto before = tree(root.path());

    SaveGame(goldenState(), QStringLiteral("x"));

    EXPECT_EQ(tree(root.path()), before);
}

TEST(SaveGame, TheScratchFileIsGoneAfterASave) {
    SaveFixture save;
    save.root.writeBytes("Save/Temp.tim", "left from before");
    SaveGame(goldenState(), QStringLiteral("x"));
    EXPECT_FALSE(QFile::exists(save.root.file("Save/Temp.tim")));

    save.root.writeBytes("Save/Temp.tim", "left from before");
    SaveGame(goldenState(), QStringLiteral("a/b"));
    EXPECT_FALSE(QFile::exists(save.root.file("Save/Temp.tim")));
}
