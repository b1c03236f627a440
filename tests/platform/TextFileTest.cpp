#include "platform/TextFile.h"
#include "Fixtures.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace velmor;
using namespace velmor::test;

namespace {

QStringList readAll(const QString& path) {
    TextReader reader(path);
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines.append(line);
    return lines;
}

} // namespace

TEST(Cp1251, CyrillicCodesSurviveTheRoundTrip) {
    const QString text = QStringLiteral("&К ЁёЖж №«»–—…€ abc");
    QByteArray bytes = encode1251(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(encode1251(QStringLiteral("К"))[0]), 0xCA);
    EXPECT_EQ(decode1251(bytes), text);
}

TEST(Cp1251, TheUndefinedByteBecomesAReplacementCharacter) {
    EXPECT_EQ(decode1251(QByteArray("a\x98z", 3)), QStringLiteral("a\uFFFDz"));
}

TEST(Cp1251, EveryByteDecodesToOneCharacter) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(decode1251(all).size(), 256);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encode1251(QStringLiteral("a\u4E2Dz")), QByteArray("a?z"));
}

TEST(TextReader, LineEndings) {
    ProgramFolderFixture root;
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo", {"one", "two"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"a\rb\r\n", {"a\rb"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        root.writeBytes("f.txt", c.bytes);
        EXPECT_EQ(readAll(root.file("f.txt")), c.lines) << c.bytes.toStdString();
    }
}

TEST(TextReader, ReadingPastTheEndLeavesTheLineAlone) {
    ProgramFolderFixture root;
    root.writeLines("f.txt", {"last"});
    TextReader reader(root.file("f.txt"));
    QString line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_EQ(line, "last");
}

TEST(TextReader, ErrorKinds) {
    ProgramFolderFixture root;
    root.writeLines("Maps/a.txt", {"x"});
    EXPECT_EQ(TextReader(root.file("Maps/a.txt")).openError(), FileError::None);
    EXPECT_EQ(TextReader(root.file("Maps/b.txt")).openError(), FileError::FileNotFound);
    EXPECT_EQ(TextReader(root.file("Nowhere/b.txt")).openError(), FileError::PathNotFound);
    EXPECT_EQ(TextReader(root.file("Maps/a.txt/b.txt")).openError(), FileError::PathNotFound);
    EXPECT_EQ(TextReader(root.file("Maps")).openError(), FileError::Other);
}

TEST(TextReader, AHugeLineKeepsItsCapAndTheNextLineFollows) {
    ProgramFolderFixture root;
    QByteArray bytes(3 * 1024 * 1024, 'x');
    bytes += "\r\nnext\r\n";
    root.writeBytes("big.map", bytes);
    QStringList lines = readAll(root.file("big.map"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), maxLineBytes);
    EXPECT_EQ(lines[1], "next");
}

TEST(TextReader, AFileOfGigabytesStopsAtTheScanCap) {
    ProgramFolderFixture root;
    QFile file(root.file("huge.map"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(Q_INT64_C(3) * 1024 * 1024 * 1024)); // sparse: zeros, no line end anywhere
    file.close();
    QStringList lines = readAll(root.file("huge.map"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].size(), maxLineBytes);
}

TEST(WholeFile, ReadsEverythingUpToTheCap) {
    ProgramFolderFixture root;
    root.writeText("a.txt", QStringLiteral("Строка 1\r\nСтрока 2\r\n"));
    FileError error = FileError::Other;
    EXPECT_EQ(readWholeFile(root.file("a.txt"), &error), QStringLiteral("Строка 1\r\nСтрока 2\r\n"));
    EXPECT_EQ(error, FileError::None);

    root.writeBytes("big.txt", QByteArray(maxWholeFileBytes + 100, 'z'));
    EXPECT_EQ(readWholeFile(root.file("big.txt")).size(), maxWholeFileBytes);

    EXPECT_TRUE(readWholeFile(root.file("none.txt"), &error).isEmpty());
    EXPECT_EQ(error, FileError::FileNotFound);
}

TEST(WriteLines, WritesWindows1251WithCrLf) {
    ProgramFolderFixture root;
    ASSERT_EQ(writeLines(root.file("out.txt"), {QStringLiteral("[mapname]"), QStringLiteral("Лес")}),
              FileError::None);
    QFile file(root.file("out.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[mapname]\r\n\xCB\xE5\xF1\r\n"));
    EXPECT_EQ(writeLines(root.file("Nowhere/out.txt"), {"x"}), FileError::PathNotFound);
}
