#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace velmor {

// The values of a saved game's lines as the loader reads them back. Spaces around a value are ignored, so
// the framed form " 525 " reads as 525; anything else that is not the value gives nothing, and the variable
// it was meant for keeps what it had.
std::optional<int16_t> readSaveInteger(const QString& line); // optional sign, decimal digits, 16 bits
std::optional<double> readSaveMoney(const QString& line);    // a decimal number
std::optional<int16_t> readSaveFlag(const QString& line);    // "True" -1, "False" 0, in any letter case

} // namespace velmor
