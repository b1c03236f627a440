#include "saves/SaveCodec.h"

#include "BytePrinter.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// abc, bytes 97 98 99: the groups of the digits 0 9 7 0 9 8 0 9 9.
const QByteArray abcEncoded = " 0000  1001  0111 "
                              " 0000  1001  1000 "
                              " 0000  1001  1001 ";

} // namespace

TEST(SaveCodec, EncodesTheWorkedExample) {
    EXPECT_EQ(EncodeSaveText("abc"), abcEncoded);
    EXPECT_EQ(abcEncoded.size(), 54);
}

TEST(SaveCodec, DecodesTheWorkedExampleWithOrWithoutTheLineEnd) {
    EXPECT_EQ(DecodeSaveText(abcEncoded), QByteArray("abc"));
    EXPECT_EQ(DecodeSaveText(abcEncoded + "\r\n"), QByteArray("abc"));
}

TEST(SaveCodec, EveryByteIsThreeZeroPaddedDigits) {
    const struct {
        unsigned char byte;
        QByteArray groups;
    } cases[] = {
        {0, " 0000  0000  0000 "},   {10, " 0000  0001  0000 "},  {13, " 0000  0001  0011 "},
        {91, " 0000  1001  0001 "},  {192, " 0001  1001  0010 "}, {255, " 0010  0101  0101 "},
        {100, " 0001  0000  0000 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeSaveText(QByteArray(1, static_cast<char>(c.byte))), c.groups) << int(c.byte);
}

TEST(SaveCodec, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    all += "\r\n\r\n\n\r"; // line ends inside the text are bytes like any other

    const QByteArray encoded = EncodeSaveText(all);
    EXPECT_EQ(encoded.size(), all.size() * 18);
    for (char c : encoded)
        ASSERT_TRUE(c == '0' || c == '1' || c == ' ') << int(c);
    EXPECT_EQ(DecodeSaveText(encoded), all);
    EXPECT_EQ(DecodeSaveText(encoded + "\r\n"), all);
}

TEST(SaveCodec, DecoderPassesOverWhatIsNoGroup) {
    const QByteArray a = EncodeSaveText("a");
    const QByteArray b = EncodeSaveText("b");
    const struct {
        const char* what;
        QByteArray encoded;
        QByteArray plain;
    } cases[] = {
        {"nothing", "", ""},
        {"a trailing partial group", a + " 0000", "a"},
        {"a trailing one-digit remainder", a + " 0110 ", QByteArray("a\x06")},
        {"a trailing two-digit remainder", a + " 0110  0101 ", "aA"},
        {"a number above 255", " 0010  0101  0110 " + a, "a"},
        {"the largest three digits", " 1001  1001  1001 " + a, "a"},
        {"a whole stray piece", a + "stray!" + b, "ab"},
        {"four bits above 9", a + " 1010 " + b, "ab"},
        {"a group without its spaces", a + "x0001x" + b, "ab"},
        {"one stray character in front", "x" + a + b, ""},
        {"a line end between groups", a + "\r\n" + b, "a"},
        {"a line end after two stray characters", "\r\n" + a, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeSaveText(c.encoded), c.plain) << c.what;
}
