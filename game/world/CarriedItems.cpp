#include "CarriedItems.h"

namespace velmor {

CarriedItems carriedItems(const GameState& state) {
    CarriedItems carried;
    for (int16_t item : state.pred) {
        switch (item) {
        case 1:
            carried.goldenKey = true;
            break;
        case 2:
            carried.blueKey = true;
            break;
        case 3:
            carried.greenKey = true;
            break;
        case 10:
            carried.deathArmour = true;
            break;
        case 12:
            carried.dragonAmulet = true;
            break;
        case 19:
            carried.shaoRing = true;
            break;
        default:
            break;
        }
    }
    return carried;
}

} // namespace velmor
