#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace velmor {

// Every scroll costs the same at a merchant.
constexpr double scrollPrice = 100000;

// The five scrolls. A scroll never takes a slot: owning it sets sv(index) and shows imgRemen(index).
struct Scroll {
    int16_t offerCode; // a script's "[subject]", 500..504
    const char* pickupPrompt;
    int index;        // flag in sv and picture in imgRemen
    int16_t saleCode; // a merchant cell's offer, 980..984
    const char* salePrompt;
};

// The scroll a pickup code (500..504) or a sale code (980..984) stands for, or nullptr.
const Scroll* findScroll(int offerCode);

// Flag and picture index for a pickup or sale code. Red and black are swapped against their codes:
// red 503 is index 4, black 504 is index 3.
std::optional<int> scrollIndex(int offerCode);

std::optional<QString> scrollPickupPrompt(int offerCode); // 500..504
std::optional<QString> scrollSalePrompt(int saleCode);    // 980..984

} // namespace velmor
