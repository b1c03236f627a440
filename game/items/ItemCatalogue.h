#pragma once

#include "state/GameWindow.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmor {

constexpr int firstItemId = 1;
constexpr int lastItemId = 37;

// One of the 37 things the hero can carry in a slot of pred. The texts are the game's own, UTF-8.
struct Item {
    int16_t id;
    const char* title;
    const char* pickupPrompt;
    int veshIndex; // picture in imgVesh; several items share one
    int price;     // gold coins paid when it is sold
    int16_t infoCode;
    Colour colour; // of its whole info text
    const char* description;
    const char* secondParagraph; // nullptr when the info text has only the description
};

// The item with this id, or nullptr outside 1..37.
const Item* findItem(int id);

std::optional<int> itemPicture(int id);
std::optional<int> salePrice(int id);
// 999 + id, except the blue and green keys (2 and 3), whose info codes are 1002 and 1001.
std::optional<int16_t> itemInfoCode(int id);

// What the info panel shows for an info code 1000..1036.
struct ItemInfoText {
    QString title;
    QString description;
    QString secondParagraph; // empty when there is none
    Colour colour = 0;
};
std::optional<ItemInfoText> itemInfo(int infoCode);

} // namespace velmor
