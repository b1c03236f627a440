#pragma once

#include "Widgets.h"
#include "state/GameWindow.h"

#include <QColor>
#include <QTimer>

#include <cmath>
#include <memory>
#include <vector>

// The game's control operations carried out on Qt widgets. Geometry is kept in twips, as the rules set it,
// and turned into pixels only where a widget is placed.
namespace velmor {

constexpr int twipsPerPixel = 15;

// Half a pixel rounds up, so the play area's half-pixel overhang of -7.5 twips starts at the window's edge.
inline int pixels(double twips) {
    return static_cast<int>(std::floor(twips / twipsPerPixel + 0.5));
}

inline QColor qtColour(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

template <class Kind> class WidgetControl : public Kind {
  public:
    explicit WidgetControl(QWidget* widget) : widget_(widget) {}

    QWidget* widget() const { return widget_; }

    void place(double left, double top, double width, double height) {
        move(left, top);
        resize(width, height);
    }

    void setVisible(bool visible) override { widget_->setVisible(visible); }
    bool isVisible() const override { return !widget_->isHidden(); }
    void setEnabled(bool enabled) override { widget_->setEnabled(enabled); }
    bool isEnabled() const override {
        return widget_->parentWidget() ? widget_->isEnabledTo(widget_->parentWidget()) : widget_->isEnabled();
    }
    void move(double left, double top) override {
        left_ = left;
        top_ = top;
        widget_->move(pixels(left), pixels(top));
    }
    void resize(double width, double height) override {
        width_ = width;
        height_ = height;
        widget_->resize(pixels(width), pixels(height));
    }
    double left() const override { return left_; }
    double top() const override { return top_; }
    double width() const override { return width_; }
    double height() const override { return height_; }
    void setBackColor(Colour colour) override {
        backColor_ = colour;
        applyBackColor(qtColour(colour));
    }
    Colour backColor() const override { return backColor_; }

  protected:
    virtual void applyBackColor(const QColor&) {}

  private:
    QWidget* widget_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Colour backColor_ = 0;
};

// Buttons, images, outlines: controls whose background the rules never see.
using PlainControl = WidgetControl<Control>;

class PanelControl : public WidgetControl<Control> {
  public:
    explicit PanelControl(Panel* panel) : WidgetControl(panel), panel_(panel) {}
    Panel* panel() const { return panel_; }

  protected:
    void applyBackColor(const QColor& colour) override { panel_->setBackground(colour); }

  private:
    Panel* panel_;
};

class LabelControl : public WidgetControl<Label> {
  public:
    explicit LabelControl(TextLabel* label);
    TextLabel* label() const { return label_; }

    void setText(const QString& text) override;
    QString text() const override { return text_; }
    void setForeColor(Colour colour) override;
    Colour foreColor() const override { return foreColor_; }
    void setBackStyle(int16_t style) override;
    int16_t backStyle() const override { return backStyle_; }
    void setBorderStyle(int16_t style) override;
    int16_t borderStyle() const override { return borderStyle_; }
    void setFontSize(double points) override;
    double fontSize() const override { return fontSize_; }

    void setBold(bool bold);

  protected:
    void applyBackColor(const QColor&) override { restyle(); }

  private:
    void restyle();

    TextLabel* label_;
    QString text_;
    Colour foreColor_ = 0;
    int16_t backStyle_ = 0;
    int16_t borderStyle_ = 0;
    double fontSize_ = 8;
};

// A 250 ms timer. On a manual clock it only keeps whether it is enabled and never ticks by itself: tests
// then call the tick handlers directly instead of waiting.
class TimerControl : public Timer {
  public:
    explicit TimerControl(bool manual = false) : manual_(manual) { timer_.setInterval(250); }
    QTimer& timer() { return timer_; }
    void setEnabled(bool enabled) override {
        enabled_ = enabled;
        if (manual_) return;
        // Enabling a running timer keeps its rhythm: clicks in quick succession do not hold the hero back.
        if (!enabled)
            timer_.stop();
        else if (!timer_.isActive())
            timer_.start();
    }
    bool isEnabled() const override { return enabled_; }

  private:
    QTimer timer_;
    bool manual_;
    bool enabled_ = false;
};

// Makes the control adapter of a widget, places it (twips) and keeps it with the window's other controls.
template <class C, class W>
C* adoptControl(std::vector<std::unique_ptr<Control>>& owner, W* widget, double left, double top,
                double width, double height) {
    auto control = std::make_unique<C>(widget);
    C* raw = control.get();
    raw->place(left, top, width, height);
    owner.push_back(std::move(control));
    return raw;
}

} // namespace velmor
