#include "ScriptReader.h"

#include "platform/TextFile.h"
#include "state/NumberRules.h"

#include <QRegularExpression>

#include <limits>

namespace velmor {

namespace {

constexpr int maxPasses = 51;

// A decimal number with an optional sign, blanks around it tolerated; a fraction is rounded to the nearest
// integer, ties to even.
std::optional<double> scriptNumber(const QString& line) {
    static const QRegularExpression decimal(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)[ \\t]*$"));
    if (!decimal.match(line).hasMatch()) return std::nullopt;
    bool ok = false;
    double value = line.trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
    return roundHalfEven(value);
}

template <typename Field> bool convertInto(Field& field, const QString& line) {
    std::optional<double> value = scriptNumber(line);
    if (!value) return false;
    if (*value < double(std::numeric_limits<Field>::min()) ||
        *value > double(std::numeric_limits<Field>::max()))
        return false;
    field = static_cast<Field>(*value);
    return true;
}

// "[subject]" only counts once it has converted.
void convertSubject(std::optional<int16_t>& field, const QString& line) {
    int16_t value = 0;
    if (convertInto(value, line)) field = value;
}

} // namespace

CellScript readCellScript(const QString& path) {
    CellScript script;
    TextReader file(path);
    QString line;
    // At the end of the file readLine leaves the line as it was, so a key on the last line takes itself as
    // its value.
    auto valueLine = [&]() -> const QString& {
        file.readLine(line);
        return line;
    };

    for (int pass = 0; pass < maxPasses; ++pass) {
        file.readLine(line);
        if (line == QLatin1String("[win]")) convertInto(script.windowMode, valueLine());
        if (line == QLatin1String("[wav]")) script.effect = valueLine();
        if (line == QLatin1String("[many]")) convertInto(script.gold, valueLine());
        if (line == QLatin1String("[subject]")) convertSubject(script.offerCode, valueLine());
        if (line == QLatin1String("[text]")) script.text = valueLine();
        if (line == QLatin1String("[brds]")) convertInto(script.borderStyle, valueLine());
        if (line == QLatin1String("[bcks]")) convertInto(script.backStyle, valueLine());
        if (line == QLatin1String("[backcolor]")) convertInto(script.backColor, valueLine());
        if (line == QLatin1String("[fontcolor]")) convertInto(script.fontColor, valueLine());
        if (line == QLatin1String("[fontsize]")) convertInto(script.fontSize, valueLine());
        if (line == QLatin1String("[end]")) break;
    }
    return script;
}

} // namespace velmor
