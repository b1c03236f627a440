#include "OfferCodes.h"

#include "ItemCatalogue.h"
#include "Scrolls.h"

namespace velmor {

std::optional<QString> pickupPrompt(int offerCode) {
    if (const Item* item = findItem(offerCode)) return QString::fromUtf8(item->pickupPrompt);
    return scrollPickupPrompt(offerCode);
}

} // namespace velmor
