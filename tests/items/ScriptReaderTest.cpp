#include "ItemsTestSupport.h"

#include "Fixtures.h"

#include "items/ScriptReader.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

class ScriptReader : public ::testing::Test {
  protected:
    CellScript read(const QStringList& lines) {
        folder.writeLines(QStringLiteral("script.mtx"), lines);
        return readCellScript(folder.file(QStringLiteral("script.mtx")));
    }

    test::ProgramFolderFixture folder;
};

void expectDefaults(const CellScript& script) {
    EXPECT_EQ(script.windowMode, 0);
    EXPECT_EQ(script.effect, QString());
    EXPECT_EQ(script.gold, 0);
    EXPECT_FALSE(script.offerCode);
    EXPECT_EQ(script.text, QString());
    EXPECT_EQ(script.borderStyle, 0);
    EXPECT_EQ(script.backStyle, 0);
    EXPECT_EQ(script.backColor, 0);
    EXPECT_EQ(script.fontColor, 16777215);
    EXPECT_EQ(script.fontSize, 8);
}

TEST_F(ScriptReader, AMissingOrEmptyFileGivesThePlainDefaults) {
    expectDefaults(readCellScript(folder.file(QStringLiteral("none.mtx"))));
    expectDefaults(read({}));
    expectDefaults(read({QStringLiteral("просто текст"), QStringLiteral("[end]"), QStringLiteral("[win]"),
                         QStringLiteral("1")}));
}

TEST_F(ScriptReader, KeysInAnyOrderAndRepeatedTheLaterOneWins) {
    CellScript script = read({
        QStringLiteral("[fontsize]"),
        QStringLiteral("14"),
        QStringLiteral("[text]"),
        QStringLiteral("Первый"),
        QStringLiteral("comment"),
        QStringLiteral("[many]"),
        QStringLiteral("-50"),
        QStringLiteral("[win]"),
        QStringLiteral("1"),
        QStringLiteral("[backcolor]"),
        QStringLiteral("255"),
        QStringLiteral("[bcks]"),
        QStringLiteral("1"),
        QStringLiteral("[brds]"),
        QStringLiteral("1"),
        QStringLiteral("[fontcolor]"),
        QStringLiteral("65280"),
        QStringLiteral("[wav]"),
        QStringLiteral("Test\\boom.wav"),
        QStringLiteral("[subject]"),
        QStringLiteral("504"),
        QStringLiteral("[text]"),
        QStringLiteral("Второй<br>строка"),
        QStringLiteral("[win]"),
        QStringLiteral("0"),
        QStringLiteral("[end]"),
    });
    EXPECT_EQ(script.windowMode, 0);
    EXPECT_EQ(script.effect, QStringLiteral("Test\\boom.wav"));
    EXPECT_EQ(script.gold, -50);
    EXPECT_EQ(script.offerCode, 504);
    EXPECT_EQ(script.text, QStringLiteral("Второй<br>строка")); // line breaks are the message's business
    EXPECT_EQ(script.borderStyle, 1);
    EXPECT_EQ(script.backStyle, 1);
    EXPECT_EQ(script.backColor, 255);
    EXPECT_EQ(script.fontColor, 65280);
    EXPECT_EQ(script.fontSize, 14);
}

TEST_F(ScriptReader, KeysMatchOnlyTheWholeLineInItsExactCase) {
    CellScript script = read({QStringLiteral("[WIN]"), QStringLiteral("1"), QStringLiteral(" [many]"),
                              QStringLiteral("5"), QStringLiteral("[subject] "), QStringLiteral("3"),
                              QStringLiteral("[text]x"), QStringLiteral("y")});
    expectDefaults(script);
}

// "[brds]" comes after "[text]" in the order of the keys, so the text's value line is taken as that key too.
TEST_F(ScriptReader, AValueLineEqualToALaterKeyIsAlsoThatKey) {
    CellScript script = read(
        {QStringLiteral("[text]"), QStringLiteral("[brds]"), QStringLiteral("1"), QStringLiteral("[end]")});
    EXPECT_EQ(script.text, QStringLiteral("[brds]"));
    EXPECT_EQ(script.borderStyle, 1);
}

// "[win]" comes before "[many]": by the time its line is current, "[win]" has been tested already, and the
// next pass reads a new line, so the "1" after it is never a window mode.
TEST_F(ScriptReader, AValueLineEqualToAnEarlierKeyIsLost) {
    CellScript script = read({QStringLiteral("[many]"), QStringLiteral("[win]"), QStringLiteral("1"),
                              QStringLiteral("[fontsize]"), QStringLiteral("12")});
    EXPECT_EQ(script.gold, 0);
    EXPECT_EQ(script.windowMode, 0);
    EXPECT_EQ(script.fontSize, 12);
}

TEST_F(ScriptReader, EndAsAValueStopsTheReading) {
    CellScript script = read(
        {QStringLiteral("[text]"), QStringLiteral("[end]"), QStringLiteral("[many]"), QStringLiteral("100")});
    EXPECT_EQ(script.text, QStringLiteral("[end]"));
    EXPECT_EQ(script.gold, 0);
}

QStringList fillerLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    return lines;
}

TEST_F(ScriptReader, OnlyFiftyOnePassesAreMade) {
    EXPECT_EQ(read(fillerLines(50) << QStringLiteral("[many]") << QStringLiteral("5")).gold, 5);
    EXPECT_EQ(read(fillerLines(51) << QStringLiteral("[many]") << QStringLiteral("5")).gold, 0);
}

// A key and its value take one pass, not two.
TEST_F(ScriptReader, AKeyWithItsValueIsOnePass) {
    QStringList lines;
    for (int pass = 1; pass <= 60; ++pass)
        lines << QStringLiteral("[many]") << QString::number(pass);
    EXPECT_EQ(read(lines).gold, 51);
}

// Past the end the current line stays: a key on the last line finds itself as its value.
TEST_F(ScriptReader, AKeyOnTheLastLineTakesItselfAsItsValue) {
    EXPECT_EQ(read({QStringLiteral("[text]")}).text, QStringLiteral("[text]"));
    EXPECT_EQ(read({QStringLiteral("[wav]")}).effect, QStringLiteral("[wav]"));
    CellScript script = read({QStringLiteral("[many]"), QStringLiteral("7"), QStringLiteral("[win]")});
    EXPECT_EQ(script.gold, 7);
    EXPECT_EQ(script.windowMode, 0);
}

struct NumberCase {
    const char* key;
    const char* value;
    int expected; // after "<key> 3" was read first, or the default for the key's field
};

int fieldOf(const CellScript& script, const QString& key) {
    if (key == QLatin1String("[win]")) return script.windowMode;
    if (key == QLatin1String("[many]")) return script.gold;
    if (key == QLatin1String("[subject]")) return script.offerCode.value_or(-12345);
    if (key == QLatin1String("[brds]")) return script.borderStyle;
    if (key == QLatin1String("[bcks]")) return script.backStyle;
    if (key == QLatin1String("[backcolor]")) return script.backColor;
    if (key == QLatin1String("[fontcolor]")) return script.fontColor;
    return script.fontSize;
}

// Each case reads "<key>", "3", "<key>", value: a value that does not convert or does not fit leaves the 3.
TEST_F(ScriptReader, NumbersThatDoNotConvertOrDoNotFitAreIgnored) {
    const NumberCase cases[] = {
        {"[win]", "255", 255},
        {"[win]", "256", 3},
        {"[win]", "-1", 3},
        {"[win]", "два", 3},
        {"[win]", "", 3},
        {"[win]", "1x", 3},
        {"[many]", "32767", 32767},
        {"[many]", "-32768", -32768},
        {"[many]", "32768", 3},
        {"[many]", "-32769", 3},
        {"[many]", "+20", 20},
        {"[many]", " 20 ", 20},
        {"[subject]", "0", 0},
        {"[subject]", "40000", 3},
        {"[subject]", "abc", 3},
        {"[brds]", "70000", 3},
        {"[bcks]", "-2", -2},
        {"[fontsize]", "12.5", 12},
        {"[fontsize]", "13.5", 14},
        {"[fontsize]", "1e2", 3},
        {"[fontsize]", "12,5", 3},
        {"[backcolor]", "16777215", 16777215},
        {"[backcolor]", "2147483647", 2147483647},
        {"[backcolor]", "2147483648", 3},
        {"[fontcolor]", "-2147483648", -2147483647 - 1},
        {"[fontcolor]", "99999999999", 3},
    };
    for (const NumberCase& c : cases) {
        const QString key = QString::fromLatin1(c.key);
        CellScript script = read({key, QStringLiteral("3"), key, QString::fromUtf8(c.value)});
        EXPECT_EQ(fieldOf(script, key), c.expected) << c.key << " " << c.value;
    }
}

TEST_F(ScriptReader, SubjectIsAbsentUnlessAValueConverted) {
    EXPECT_FALSE(read({QStringLiteral("[subject]"), QStringLiteral("много")}).offerCode);
    EXPECT_FALSE(read({QStringLiteral("[subject]"), QStringLiteral("32768")}).offerCode);
    EXPECT_EQ(read({QStringLiteral("[subject]"), QStringLiteral("0")}).offerCode, 0);
}

TEST_F(ScriptReader, RussianTextIsReadFromWindows1251) {
    CellScript script =
        read({QStringLiteral("[text]"), QStringLiteral("Добро пожаловать в Варгагию!<br>Ёлки…")});
    EXPECT_EQ(script.text, QStringLiteral("Добро пожаловать в Варгагию!<br>Ёлки…"));
}

} // namespace
} // namespace velmor
