#pragma once

#include <QString>

namespace velmor {

// The money display: the amount as a plain decimal number, as the player reads it on the status strip
// ("2500", "100000", "-50"); never an exponent, and no decimals for whole coins.
QString moneyText(double money);

} // namespace velmor
