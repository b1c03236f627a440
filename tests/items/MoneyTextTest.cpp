#include "ItemsTestSupport.h"

#include "items/MoneyText.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

TEST(MoneyText, PlainDecimalWithoutExponentOrDecimalsForWholeCoins) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {2500, "2500"},
        {100000, "100000"},
        {-50, "-50"},
        {1e15, "1000000000000000"},
        {123456789012.0, "123456789012"},
        {2.5, "2.5"},
        {-0.25, "-0.25"},
    };
    for (const auto& [money, text] : cases)
        EXPECT_EQ(moneyText(money), QString::fromLatin1(text)) << money;
}

} // namespace
} // namespace velmor
