#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QWidget>

// The kinds of controls the game's windows are made of, as Qt widgets.
namespace velmor {

// A panel or picture surface: a background colour, optionally a picture drawn at its top-left corner,
// an optional single-line border, and a click.
class Panel : public QWidget {
    Q_OBJECT

  public:
    explicit Panel(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    void setBackground(const QColor& colour);
    void setBorder(bool single);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    QColor background_;
    bool border_ = false;
    bool pressed_ = false;
};

// An image control: its picture stretched over the whole control; empty shows nothing.
class ImageBox : public QWidget {
    Q_OBJECT

  public:
    explicit ImageBox(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    bool pressed_ = false;
};

// A picture button: its face stretched over the button, pressed in while held.
class PictureButton : public QAbstractButton {
    Q_OBJECT

  public:
    PictureButton(const QImage& face, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage face_;
};

// A rectangle outline (the destination cursor, the selection frame); clicks go through it.
class Outline : public QWidget {
  public:
    Outline(const QColor& colour, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

// A vitality bar: a red field with a light grey box from its left edge to the value, in twips.
class Bar : public QWidget {
  public:
    explicit Bar(QWidget* parent = nullptr);
    void draw(int16_t value);
    int16_t value() const { return value_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int16_t value_ = 0;
    bool drawn_ = false;
};

// A label with the looks the game's texts take: text and background colours, transparent or opaque,
// with or without a border, a font size in points; wrapped text; a click.
class TextLabel : public QLabel {
    Q_OBJECT

  public:
    explicit TextLabel(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

} // namespace velmor
