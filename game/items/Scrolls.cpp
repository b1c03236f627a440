#include "Scrolls.h"

#include <array>

namespace velmor {

namespace {

// clang-format off
constexpr std::array<Scroll, 5> scrolls{{
    {500, "Желаете получить золотой свиток?", 0, 980, "Хотите приобрести золотой свиток за 100 000 золотых монет?"},
    {501, "Желаете получить синий свиток?", 1, 981, "Хотите приобрести синий свиток за 100 000 золотых монет?"},
    {502, "Желаете получить зеленый свиток?", 2, 982, "Хотите приобрести зеленый свиток за 100 000 золотых монет?"},
    {503, "Желаете получить красный свиток?", 4, 983, "Хотите приобрести красный свиток за 100 000 золотых монет?"},
    {504, "Желаете получить черный свиток?", 3, 984, "Хотите приобрести черный свиток за 100 000 золотых монет?"},
}};
// clang-format on

} // namespace

const Scroll* findScroll(int offerCode) {
    for (const Scroll& scroll : scrolls)
        if (scroll.offerCode == offerCode || scroll.saleCode == offerCode) return &scroll;
    return nullptr;
}

std::optional<int> scrollIndex(int offerCode) {
    if (const Scroll* scroll = findScroll(offerCode)) return scroll->index;
    return std::nullopt;
}

std::optional<QString> scrollPickupPrompt(int offerCode) {
    const Scroll* scroll = findScroll(offerCode);
    if (!scroll || scroll->offerCode != offerCode) return std::nullopt;
    return QString::fromUtf8(scroll->pickupPrompt);
}

std::optional<QString> scrollSalePrompt(int saleCode) {
    const Scroll* scroll = findScroll(saleCode);
    if (!scroll || scroll->saleCode != saleCode) return std::nullopt;
    return QString::fromUtf8(scroll->salePrompt);
}

} // namespace velmor
