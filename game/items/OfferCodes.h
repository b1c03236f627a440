#pragma once

#include <QString>

#include <optional>

namespace velmor {

// The prompt a script's offer puts up: items 1..37 and scrolls 500..504. Every other code, the merchants' and
// healers' codes included, has none here (the trade cells bring their own texts).
std::optional<QString> pickupPrompt(int offerCode);

} // namespace velmor
