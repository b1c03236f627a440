#include "Healing.h"

#include <array>

namespace velmor {

namespace {

struct Healing {
    int offerCode;
    int price;
    const char* prompt;
};

// clang-format off
constexpr std::array<Healing, 3> healings{{
    {999, 100, "Я могу восстановить потерянное тобой здоровье всего за 100 золотых монет…"},
    {998, 500, "Я могу восстановить потерянное тобой здоровье всего за 500 золотых монет…"},
    {997, 1000, "Я могу восстановить потерянное тобой здоровье всего за 1000 золотых монет…"},
}};
// clang-format on

const Healing* findHealing(int offerCode) {
    for (const Healing& healing : healings)
        if (healing.offerCode == offerCode) return &healing;
    return nullptr;
}

} // namespace

std::optional<int> healingPrice(int offerCode) {
    if (const Healing* healing = findHealing(offerCode)) return healing->price;
    return std::nullopt;
}

std::optional<QString> healingPrompt(int offerCode) {
    if (const Healing* healing = findHealing(offerCode)) return QString::fromUtf8(healing->prompt);
    return std::nullopt;
}

} // namespace velmor
