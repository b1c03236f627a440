#include "Widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmor {

namespace {

constexpr int twipsPerPixel = 15;

// A click is a press and a release inside the same control.
bool releasedInside(QWidget* widget, QMouseEvent* event, bool& pressed) {
    bool wasPressed = pressed;
    pressed = false;
    return wasPressed && widget->rect().contains(event->position().toPoint());
}

} // namespace

Panel::Panel(QWidget* parent) : QWidget(parent) {}

void Panel::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void Panel::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void Panel::setBorder(bool single) {
    border_ = single;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isValid()) painter.fillRect(rect(), background_);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
    if (border_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Panel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    if (releasedInside(this, event, pressed_)) emit clicked();
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), picture_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (releasedInside(this, event, pressed_)) emit clicked();
}

PictureButton::PictureButton(const QImage& face, QWidget* parent) : QAbstractButton(parent), face_(face) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (isDown()) area.translate(1, 1);
    painter.drawImage(area, face_);
    if (isDown()) {
        painter.setPen(QColor(0, 0, 0, 140));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

Outline::Outline(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Bar::Bar(QWidget* parent) : QWidget(parent) {}

void Bar::draw(int16_t value) {
    value_ = value;
    drawn_ = true;
    update();
}

void Bar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
    if (!drawn_ || value_ <= 0) return;
    painter.fillRect(QRectF(0, 0, value_ / double(twipsPerPixel), height()), QColor(224, 224, 224));
}

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (releasedInside(this, event, pressed_)) emit clicked();
}

} // namespace velmor
