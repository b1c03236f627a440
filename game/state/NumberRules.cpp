#include "NumberRules.h"

#include <cmath>

namespace velmor {

double roundHalfEven(double value) {
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5) return whole + 1;
    if (fraction < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

bool store16(int16_t& field, double value) {
    if (std::isnan(value)) return false;
    double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) return false;
    field = static_cast<int16_t>(rounded);
    return true;
}

bool store8(uint8_t& field, double value) {
    if (std::isnan(value)) return false;
    double rounded = roundHalfEven(value);
    if (rounded < 0.0 || rounded > 255.0) return false;
    field = static_cast<uint8_t>(rounded);
    return true;
}

} // namespace velmor
