#include "SaveValues.h"

#include <QRegularExpression>

#include <cmath>

namespace velmor {

std::optional<int16_t> readSaveInteger(const QString& line) {
    static const QRegularExpression integer(QStringLiteral("^ *([+-]?[0-9]+) *$"));
    const QRegularExpressionMatch match = integer.match(line);
    if (!match.hasMatch()) return std::nullopt;
    bool ok = false;
    const qlonglong value = match.captured(1).toLongLong(&ok);
    if (!ok || value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(value);
}

std::optional<double> readSaveMoney(const QString& line) {
    static const QRegularExpression number(QStringLiteral("^ *([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)) *$"));
    const QRegularExpressionMatch match = number.match(line);
    if (!match.hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int16_t> readSaveFlag(const QString& line) {
    if (line.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return int16_t(-1);
    if (line.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return int16_t(0);
    return std::nullopt;
}

} // namespace velmor
