#include "MoneyText.h"

#include <cmath>

namespace velmor {

QString moneyText(double money) {
    if (!std::isfinite(money)) return QString::number(money);
    if (money == 0) return QStringLiteral("0"); // also for -0
    if (money == std::trunc(money) && std::fabs(money) < 9.0e18)
        return QString::number(static_cast<long long>(money));
    QString text = QString::number(money, 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

} // namespace velmor
