#pragma once

#include <QString>

#include <optional>

namespace velmor {

// The healers' offers 997, 998 and 999: full health and life force for 1000, 500 or 100 coins.
std::optional<int> healingPrice(int offerCode);
std::optional<QString> healingPrompt(int offerCode);

} // namespace velmor
