#pragma once

#include <QString>

#include <cstdint>

namespace velmor {

// Colours are numbers red + 256 x green + 65536 x blue.
using Colour = int32_t;

constexpr Colour rgbColour(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

// What the game's rules need of one control of a window. Positions and sizes are twips (15 to a pixel),
// relative to the containing control.
class Control {
  public:
    virtual ~Control() = default;

    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void move(double left, double top) = 0;
    virtual void resize(double width, double height) = 0;
    virtual double left() const = 0;
    virtual double top() const = 0;
    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;

    void show() { setVisible(true); }
    void hide() { setVisible(false); }
};

class Label : public Control {
  public:
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual Colour foreColor() const = 0;
    // 0 transparent, 1 opaque; any other value is refused and the style stays.
    virtual void setBackStyle(int16_t style) = 0;
    virtual int16_t backStyle() const = 0;
    // 0 none, 1 a single line; any other value is refused and the style stays.
    virtual void setBorderStyle(int16_t style) = 0;
    virtual int16_t borderStyle() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;
};

// A list of text entries: the map list of the start window, the name box of the save panel (a text field
// with its list always shown below it).
class ListBox : public Control {
  public:
    virtual void clear() = 0; // the entries, and a name box's text
    virtual void addItem(const QString& entry) = 0;
    virtual int listCount() const = 0;
    // Selects an entry and raises the list's click; an index that names no entry selects nothing.
    virtual void setListIndex(int index) = 0;
    virtual int listIndex() const = 0; // -1 when nothing is selected
    // The selected entry, or a name box's text field.
    virtual QString text() const = 0;
};

// A list of the files of one folder whose names match a pattern, sorted by name.
class FileList : public Control {
  public:
    virtual void setPattern(const QString& pattern) = 0;
    // A folder that does not exist lists nothing.
    virtual void setPath(const QString& folder) = 0;
    virtual void refresh() = 0;
    virtual int listCount() const = 0;
    virtual void setListIndex(int index) = 0; // an index that names no file selects nothing
    virtual QString fileName() const = 0;     // the selected file's name and extension, or empty
};

class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

// The game window Form2 as the rules see it: its controls by their design names (arrays indexed from 0) and
// the few drawing operations the rules start. The Qt window implements it; tests may supply their own.
class GameWindow {
  public:
    virtual ~GameWindow() = default;

    virtual Timer& tmrHeroMove() = 0; // movement tick, 250 ms
    virtual Timer& Timer1() = 0;      // vitality tick, 250 ms

    virtual Control& Frame2() = 0;          // the play area
    virtual Control& picMap() = 0;          // the map view
    virtual Control& Picture2() = 0;        // the status strip
    virtual Control& Shape1() = 0;          // destination cursor inside the map view
    virtual Control& Shape2() = 0;          // selection frame of the inventory
    virtual Control& picWin(int index) = 0; // 0 info, 1 inventory, 2 offer, 3 pause, 4 save
    virtual Label& Label1(int index) = 0;   // 0 info text, 1 notice line, 2 offer prompt
    virtual Label& Label2() = 0;            // the money
    virtual Label& lblEndText() = 0;
    virtual Control& Command3() = 0;          // ok button of the info panel
    virtual Control& Command5() = 0;          // leave button under the ending text
    virtual Control& imgRemen(int index) = 0; // scroll pictures on the status strip
    virtual ListBox& Combo1() = 0;            // name box of the save panel
    virtual FileList& File1() = 0;            // the saved games, never shown

    // imgPred(slot) takes the picture imgVesh(veshIndex); -1 gives it the empty picture of imgClear.
    virtual void setSlotPicture(int slot, int veshIndex) = 0;
    virtual int slotPicture(int slot) const = 0;

    // picBar(index) cleared to its red background, then a light grey box from (0, 0) to (value, 170) twips.
    virtual void drawBar(int index, int16_t value) = 0;

    virtual void RedrawView() = 0;
    virtual void DrawHero(int facing) = 0; // 0 down, 1 up, 2 right, 3 left
};

} // namespace velmor
