#include "Controls.h"

namespace velmor {

namespace {

QString cssColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// The largest font size a label takes; a script asking for more, or for none, keeps the size it had.
constexpr double largestFontSize = 2048;

} // namespace

LabelControl::LabelControl(TextLabel* label) : WidgetControl(label), label_(label) {
    restyle();
}

void LabelControl::setText(const QString& text) {
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label_->setText(shown);
}

void LabelControl::setForeColor(Colour colour) {
    foreColor_ = colour;
    restyle();
}

void LabelControl::setBackStyle(int16_t style) {
    if (style != 0 && style != 1) return;
    backStyle_ = style;
    restyle();
}

void LabelControl::setBorderStyle(int16_t style) {
    if (style != 0 && style != 1) return;
    borderStyle_ = style;
    restyle();
}

void LabelControl::setFontSize(double points) {
    if (!(points > 0 && points <= largestFontSize)) return;
    fontSize_ = points;
    QFont font = label_->font();
    font.setPointSizeF(points);
    label_->setFont(font);
}

void LabelControl::setBold(bool bold) {
    QFont font = label_->font();
    font.setBold(bold);
    label_->setFont(font);
}

void LabelControl::restyle() {
    QString style =
        QStringLiteral("color: %1; background: %2; border: %3; padding: 0px;")
            .arg(cssColour(qtColour(foreColor_)),
                 backStyle_ == 1 ? cssColour(qtColour(backColor())) : QStringLiteral("transparent"),
                 borderStyle_ == 1 ? QStringLiteral("1px solid black") : QStringLiteral("none"));
    label_->setStyleSheet(style);
}

} // namespace velmor
