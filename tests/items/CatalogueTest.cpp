#include "ItemsTestSupport.h"

#include "items/Healing.h"
#include "items/ItemCatalogue.h"
#include "items/ItemEffects.h"
#include "items/OfferCodes.h"
#include "items/Scrolls.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace velmor {
namespace {

const QString ellipsis = QString(QChar(0x2026));

QString description(int id) {
    return QString::fromUtf8(findItem(id)->description);
}
QString secondParagraph(int id) {
    const char* text = findItem(id)->secondParagraph;
    return text ? QString::fromUtf8(text) : QString();
}

TEST(ItemCatalogue, EveryIdFrom1To37IsAnItemAndNothingElseIs) {
    for (int id = firstItemId; id <= lastItemId; ++id) {
        ASSERT_NE(findItem(id), nullptr) << id;
        EXPECT_EQ(findItem(id)->id, id);
    }
    for (int id : {-1, 0, 38, 500, 1000}) {
        EXPECT_EQ(findItem(id), nullptr) << id;
        EXPECT_FALSE(itemPicture(id)) << id;
        EXPECT_FALSE(salePrice(id)) << id;
        EXPECT_FALSE(itemInfoCode(id)) << id;
    }
}

// The pictures as the artwork lists them, picture by picture: the sharing between ids must come out right.
TEST(ItemCatalogue, ItemsShareTheirPicturesAsTheArtworkIsDrawn) {
    const std::vector<std::pair<int, std::vector<int>>> usedBy = {
        {0, {4, 29, 30}},   {1, {5}},       {2, {6}},       {3, {7}},       {4, {8, 27, 28}},
        {5, {9}},           {6, {10}},      {7, {1}},       {8, {2}},       {9, {3}},
        {10, {11}},         {11, {12}},     {12, {13}},     {13, {14, 31}}, {14, {16, 32}},
        {15, {15, 33}},     {16, {17, 34}}, {17, {18, 35}}, {18, {19}},     {19, {20}},
        {20, {21}},         {21, {22}},     {22, {23}},     {23, {24}},     {24, {25}},
        {25, {26, 36, 37}},
    };
    std::set<int> seen;
    for (const auto& [picture, ids] : usedBy)
        for (int id : ids) {
            EXPECT_EQ(itemPicture(id), picture) << "item " << id;
            seen.insert(id);
        }
    EXPECT_EQ(seen.size(), 37u);
}

TEST(ItemCatalogue, SalePrices) {
    const std::vector<std::pair<int, int>> byId = {
        {1, 10},  {2, 10},   {3, 11},    {4, 100},  {5, 100},  {6, 5},    {7, 3},  {8, 1},
        {9, 6},   {10, 115}, {11, 1},    {12, 300}, {13, 300}, {14, 200}, {15, 5}, {16, 20},
        {17, 50}, {18, 1},   {19, 1000}, {20, 25},  {21, 7},   {22, 7},   {23, 7}, {24, 7},
        {25, 7},  {26, 1},   {27, 4},    {28, 1},   {29, 3},   {30, 1},   {31, 1}, {32, 1},
        {33, 1},  {34, 1},   {35, 1},    {36, 135}, {37, 75},
    };
    ASSERT_EQ(byId.size(), 37u);
    for (const auto& [id, price] : byId)
        EXPECT_EQ(salePrice(id), price) << "item " << id;
}

TEST(ItemCatalogue, InfoCodesAre999PlusIdButTheBlueAndGreenKeysAreSwapped) {
    for (int id = firstItemId; id <= lastItemId; ++id) {
        int expected = id == 2 ? 1002 : id == 3 ? 1001 : 999 + id;
        EXPECT_EQ(itemInfoCode(id), expected) << "item " << id;
    }
}

TEST(ItemCatalogue, InfoTextsFollowTheInfoCodeNotTheId) {
    EXPECT_EQ(itemInfo(1002)->title, QStringLiteral("СИНИЙ КЛЮЧ"));
    EXPECT_EQ(itemInfo(1001)->title, QStringLiteral("ЗЕЛЕНЫЙ КЛЮЧ"));
    EXPECT_EQ(itemInfo(1000)->title, QStringLiteral("ЗОЛОТОЙ КЛЮЧ"));
    EXPECT_EQ(itemInfo(1036)->title, QStringLiteral("ЧЕРЕП МАГА"));
    for (int code : {-1, 0, 3, 999, 1037, 2000})
        EXPECT_FALSE(itemInfo(code)) << code;
}

TEST(ItemCatalogue, TheFiveAmuletsOfEternalLifeShareOneText) {
    const ItemInfoText first = *itemInfo(1020);
    for (int code = 1021; code <= 1024; ++code) {
        const ItemInfoText other = *itemInfo(code);
        EXPECT_EQ(other.title, first.title);
        EXPECT_EQ(other.description, first.description);
        EXPECT_EQ(other.secondParagraph, first.secondParagraph);
        EXPECT_EQ(other.colour, first.colour);
    }
    EXPECT_EQ(first.title, QStringLiteral("АМУЛЕТ ВЕЧНОЙ ЖИЗНИ"));
    EXPECT_EQ(first.description,
              QStringLiteral("Обычная безделушка, за нее могут дать 7 золотых") + ellipsis);
}

TEST(ItemCatalogue, InfoColoursByGroup) {
    const std::vector<std::pair<Colour, std::vector<int>>> groups = {
        {rgbColour(255, 185, 151), {1, 2, 3}},
        {rgbColour(255, 255, 0), {4, 5, 10, 12, 13, 37}},
        {rgbColour(213, 213, 0), {19, 21, 22, 23, 24, 25, 36}},
        {rgbColour(155, 155, 155), {26, 28}},
        {rgbColour(224, 224, 224), {6, 7, 8, 9, 11, 14, 15, 16, 17, 18, 20, 27, 29, 30, 31, 32, 33, 34, 35}},
    };
    int count = 0;
    for (const auto& [colour, ids] : groups)
        for (int id : ids) {
            EXPECT_EQ(findItem(id)->colour, colour) << "item " << id;
            ++count;
        }
    EXPECT_EQ(count, 37);
}

TEST(ItemCatalogue, OnlySomeItemsHaveASecondParagraph) {
    const std::set<int> withSecond = {1, 2, 3, 5, 13, 15, 19, 21, 22, 23, 24, 25};
    for (int id = firstItemId; id <= lastItemId; ++id)
        EXPECT_EQ(!secondParagraph(id).isEmpty(), withSecond.count(id) == 1) << "item " << id;
}

// The places where a copied text most easily goes wrong: one-character ellipses against three full stops,
// doubled and trailing spaces, the dash and the old spellings.
TEST(ItemCatalogue, TextsKeepTheirExactPunctuationAndSpacing) {
    EXPECT_EQ(description(6), QStringLiteral("Обычные доспехи из кожи зеленого дракона") + ellipsis);
    EXPECT_EQ(description(8), QStringLiteral("Обычные доспехи из железа") + ellipsis +
                                  QStringLiteral(" В таких доспехах обычно ходят рыцари короля Нейро."));
    EXPECT_EQ(description(26),
              QStringLiteral("Обычный череп, вероятно, раньше это была голова какого-нибудь бродяги..."));
    for (int id = 31; id <= 35; ++id)
        EXPECT_EQ(description(id),
                  QStringLiteral("Изготовлен из обычного стекла и используется как украшение..."));
    EXPECT_TRUE(description(14).endsWith(QStringLiteral("может лишить жизни. ")));
    EXPECT_TRUE(secondParagraph(15).contains(QStringLiteral("подарил  войнам врага")));
    EXPECT_TRUE(description(18).contains(QStringLiteral("свойствами,  их чаще")));
    EXPECT_EQ(description(27), QStringLiteral("Серебряные доспехи рыцарей короля Ра ") + QChar(0x2013) +
                                   QStringLiteral(" правителя Райской долины."));
    EXPECT_TRUE(secondParagraph(3).contains(QStringLiteral("сильным ядом , который")));
    EXPECT_EQ(QString::fromUtf8(findItem(14)->pickupPrompt),
              QStringLiteral("Желаете получить осоколок красного кристалла?"));
    EXPECT_EQ(secondParagraph(21),
              QStringLiteral("В далекие времена говорили, что таких амулетов пять и если все "
                             "пять амулетов окажутся у одного человека, то тот получит вечную "
                             "жизнь") +
                  ellipsis);

    for (int id = firstItemId; id <= lastItemId; ++id) {
        EXPECT_FALSE(description(id).contains(QStringLiteral("\r"))) << id;
        EXPECT_FALSE(QString::fromUtf8(findItem(id)->title).isEmpty()) << id;
    }
}

TEST(OfferCodes, OnlyItemsAndScrollPickupsHaveAPrompt) {
    EXPECT_EQ(pickupPrompt(1), QStringLiteral("Желаете получить ключ от золотой двери?"));
    EXPECT_EQ(pickupPrompt(22), QStringLiteral("Желаете получить один из пяти амулетов Вечной жизни?"));
    EXPECT_EQ(pickupPrompt(37), QStringLiteral("Желаете получить череп мага?"));
    EXPECT_EQ(pickupPrompt(500), QStringLiteral("Желаете получить золотой свиток?"));
    EXPECT_EQ(pickupPrompt(504), QStringLiteral("Желаете получить черный свиток?"));
    for (int code : {-32768, -5, 0, 38, 499, 505, 979, 980, 984, 985, 996, 997, 998, 999, 1000, 1003, 32767})
        EXPECT_FALSE(pickupPrompt(code)) << code;
}

TEST(Scrolls, RedAndBlackAreSwappedAgainstTheirCodes) {
    const std::vector<std::pair<int, int>> indexes = {{500, 0}, {501, 1}, {502, 2}, {503, 4}, {504, 3},
                                                      {980, 0}, {981, 1}, {982, 2}, {983, 4}, {984, 3}};
    for (const auto& [code, index] : indexes)
        EXPECT_EQ(scrollIndex(code), index) << code;
    for (int code : {499, 505, 979, 985, 0, 1})
        EXPECT_FALSE(scrollIndex(code)) << code;

    EXPECT_EQ(scrollPickupPrompt(503), QStringLiteral("Желаете получить красный свиток?"));
    EXPECT_EQ(scrollSalePrompt(983),
              QStringLiteral("Хотите приобрести красный свиток за 100 000 золотых монет?"));
    EXPECT_EQ(scrollSalePrompt(984),
              QStringLiteral("Хотите приобрести черный свиток за 100 000 золотых монет?"));
    EXPECT_FALSE(scrollSalePrompt(500));
    EXPECT_FALSE(scrollPickupPrompt(980));
    EXPECT_EQ(scrollPrice, 100000);
}

TEST(Healing, ThreePricesForOneFullHealing) {
    const std::vector<std::pair<int, int>> prices = {{997, 1000}, {998, 500}, {999, 100}};
    for (const auto& [code, price] : prices) {
        EXPECT_EQ(healingPrice(code), price) << code;
        EXPECT_EQ(healingPrompt(code),
                  QStringLiteral("Я могу восстановить потерянное тобой здоровье всего за %1 "
                                 "золотых монет")
                          .arg(price) +
                      ellipsis);
    }
    for (int code : {996, 1000, 980, 0})
        EXPECT_FALSE(healingPrice(code)) << code;
}

struct EffectCase {
    int id;
    int16_t lifeForceDrain, healthDrain;     // before
    int16_t takenLifeForce, takenHealth;     // after taking
    int16_t givenUpLifeForce, givenUpHealth; // after giving up, from the same "before"
};

TEST(ItemEffects, TakingAndGivingUpChangeTheRatesOnceWithTheirGuards) {
    const EffectCase cases[] = {
        {4, 50, 10, 40, 10, 60, 10},
        {4, 10, 10, 10, 10, 20, 10}, // 10 - 10 is below 1: taking changes nothing, giving up still adds
        {4, 11, 10, 1, 10, 21, 10},
        {37, 50, 10, 40, 10, 60, 10},
        {37, 5, 10, 5, 10, 15, 10},
        {5, 50, 10, 50, 9, 50, 11},
        {5, 50, 1, 50, 1, 50, 2},
        {10, 50, 10, 60, 10, 40, 10},
        {10, 10, 10, 20, 10, 10, 10},          // giving up the armour never brings the rate below 1
        {10, 32767, 10, 32767, 10, 32757, 10}, // an overflowing store is skipped
        {4, 32760, 10, 32750, 10, 32760, 10},
        {5, 50, 32767, 50, 32766, 50, 32767},
        {6, 50, 10, 50, 10, 50, 10},
        {36, 50, 10, 50, 10, 50, 10},
        {0, 50, 10, 50, 10, 50, 10},
    };
    for (const EffectCase& c : cases) {
        GameState taking;
        taking.lifeForceDrain = c.lifeForceDrain;
        taking.healthDrain = c.healthDrain;
        GameState givingUp = taking;
        applyTakingEffect(taking, c.id);
        applyGivingUpEffect(givingUp, c.id);
        EXPECT_EQ(taking.lifeForceDrain, c.takenLifeForce) << "taking " << c.id << " at " << c.lifeForceDrain;
        EXPECT_EQ(taking.healthDrain, c.takenHealth) << "taking " << c.id << " at " << c.healthDrain;
        EXPECT_EQ(givingUp.lifeForceDrain, c.givenUpLifeForce)
            << "giving up " << c.id << " at " << c.lifeForceDrain;
        EXPECT_EQ(givingUp.healthDrain, c.givenUpHealth) << "giving up " << c.id << " at " << c.healthDrain;
    }
}

TEST(ItemEffects, TwoArmoursGivenUpStepByStepStopAboveZero) {
    GameState state;
    state.lifeForceDrain = 5;
    applyTakingEffect(state, 10);
    applyTakingEffect(state, 10);
    EXPECT_EQ(state.lifeForceDrain, 25);
    state.lifeForceDrain = 15;
    applyGivingUpEffect(state, 10);
    applyGivingUpEffect(state, 10);
    EXPECT_EQ(state.lifeForceDrain, 5);
}

} // namespace
} // namespace velmor
