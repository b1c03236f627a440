#include "ItemsTestSupport.h"

#include "items/TakenLog.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

QString keyNumber(int n) {
    return QStringLiteral("x0y0") + QString::number(n);
}

TEST(TakenLog, TheFirstKeyGoesToEntryOne) {
    Form2Fields fields;
    writeTakenKey(fields, QStringLiteral("x3y5A1"));
    EXPECT_EQ(fields.takenLogIndex, 1);
    EXPECT_EQ(fields.takenLog[1], QStringLiteral("x3y5A1"));
    EXPECT_TRUE(fields.takenLog[0].isEmpty());
    EXPECT_EQ(takenKey(QStringLiteral("x3y5"), QStringLiteral("A1")), QStringLiteral("x3y5A1"));
}

TEST(TakenLog, TheRingWrapsFrom160To0AndThe162ndKeyOverwritesTheFirst) {
    Form2Fields fields;
    for (int n = 1; n <= 160; ++n)
        writeTakenKey(fields, keyNumber(n));
    EXPECT_EQ(fields.takenLogIndex, 160);
    EXPECT_EQ(fields.takenLog[160], keyNumber(160));

    writeTakenKey(fields, keyNumber(161));
    EXPECT_EQ(fields.takenLogIndex, 0);
    EXPECT_EQ(fields.takenLog[0], keyNumber(161));
    EXPECT_TRUE(isTaken(fields, keyNumber(1)));

    writeTakenKey(fields, keyNumber(162));
    EXPECT_EQ(fields.takenLogIndex, 1);
    EXPECT_FALSE(isTaken(fields, keyNumber(1)));
    for (int n = 2; n <= 162; ++n)
        EXPECT_TRUE(isTaken(fields, keyNumber(n))) << n;
}

TEST(TakenLog, EveryEntryCountsTheFirstAndTheLastToo) {
    for (int entry : {0, 1, 80, 160}) {
        Form2Fields fields;
        fields.takenLog[entry] = QStringLiteral("abA1");
        EXPECT_TRUE(isTaken(fields, QStringLiteral("abA1"))) << entry;
        EXPECT_FALSE(isTaken(fields, QStringLiteral("abA2"))) << entry;
        EXPECT_FALSE(isTaken(fields, QStringLiteral("aba1"))) << entry;
    }
}

} // namespace
} // namespace velmor
