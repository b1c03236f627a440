#pragma once

#include "platform/FileListing.h"
#include "state/GameWindow.h"
#include "state/ProgramWindows.h"

#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace velmor::test {

// Plain in-memory controls for rule tests that need no real window: what every control has.
template <class Kind> class FakeControlOf : public Kind {
  public:
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }
    void move(double left, double top) override { left_ = left, top_ = top; }
    void resize(double width, double height) override { width_ = width, height_ = height; }
    double left() const override { return left_; }
    double top() const override { return top_; }
    double width() const override { return width_; }
    double height() const override { return height_; }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    Colour backColor() const override { return backColor_; }

  private:
    bool visible_ = true, enabled_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Colour backColor_ = 0;
};

// A control that is also a label.
class FakeControl : public FakeControlOf<Label> {
  public:
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    void setForeColor(Colour colour) override { foreColor_ = colour; }
    Colour foreColor() const override { return foreColor_; }
    void setBackStyle(int16_t style) override {
        if (style == 0 || style == 1) backStyle_ = style;
    }
    int16_t backStyle() const override { return backStyle_; }
    void setBorderStyle(int16_t style) override {
        if (style == 0 || style == 1) borderStyle_ = style;
    }
    int16_t borderStyle() const override { return borderStyle_; }
    void setFontSize(double points) override { fontSize_ = points; }
    double fontSize() const override { return fontSize_; }

  private:
    Colour foreColor_ = 0;
    QString text_;
    int16_t backStyle_ = 0, borderStyle_ = 0;
    double fontSize_ = 8;
};

// A list box; with a text field of its own when it stands for a name box.
class FakeListBox : public FakeControlOf<ListBox> {
  public:
    QStringList entries;
    int selected = -1;
    QString field; // the name box's text field
    bool hasField = false;
    std::function<void()> onClick; // the list's click, raised by every selection

    void clear() override {
        entries.clear();
        selected = -1;
        field.clear();
    }
    void addItem(const QString& entry) override { entries.append(entry); }
    int listCount() const override { return int(entries.size()); }
    void setListIndex(int index) override {
        if (index < 0 || index >= entries.size()) return;
        selected = index;
        if (hasField) field = entries[index];
        if (onClick) onClick();
    }
    int listIndex() const override { return selected; }
    QString text() const override {
        return hasField ? field : (selected >= 0 ? entries[selected] : QString());
    }
};

// A file list that really lists the folder, like the window's own.
class FakeFileList : public FakeControlOf<FileList> {
  public:
    QString folder, pattern = QStringLiteral("*.*");
    QStringList files;
    int selected = -1;

    void setPattern(const QString& value) override { pattern = value; }
    void setPath(const QString& value) override { folder = value; }
    void refresh() override {
        files = matchingFiles(folder, pattern);
        selected = -1;
    }
    int listCount() const override { return int(files.size()); }
    void setListIndex(int index) override {
        if (index >= 0 && index < files.size()) selected = index;
    }
    QString fileName() const override { return selected >= 0 ? files[selected] : QString(); }
};

class FakeTimer : public Timer {
  public:
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

  private:
    bool enabled_ = false;
};

class FakeGameWindow : public GameWindow {
  public:
    FakeTimer heroMove, vitality;
    FakeControl frame2, map, strip, shape1, shape2, command3, command5, endText, money;
    std::array<FakeControl, 5> panels, scrolls;
    std::array<FakeControl, 3> labels;
    std::array<int, 40> slotPictures;
    std::array<int16_t, 2> bars{};
    int redraws = 0;
    std::vector<int> heroFacings;
    FakeListBox names;
    FakeFileList savedGames;

    FakeGameWindow() {
        slotPictures.fill(-1);
        names.hasField = true;
    }

    Timer& tmrHeroMove() override { return heroMove; }
    Timer& Timer1() override { return vitality; }
    Control& Frame2() override { return frame2; }
    Control& picMap() override { return map; }
    Control& Picture2() override { return strip; }
    Control& Shape1() override { return shape1; }
    Control& Shape2() override { return shape2; }
    Control& picWin(int index) override { return panels.at(index); }
    Label& Label1(int index) override { return labels.at(index); }
    Label& Label2() override { return money; }
    Label& lblEndText() override { return endText; }
    Control& Command3() override { return command3; }
    Control& Command5() override { return command5; }
    Control& imgRemen(int index) override { return scrolls.at(index); }
    ListBox& Combo1() override { return names; }
    FileList& File1() override { return savedGames; }
    void setSlotPicture(int slot, int veshIndex) override { slotPictures.at(slot) = veshIndex; }
    int slotPicture(int slot) const override { return slotPictures.at(slot); }
    void drawBar(int index, int16_t value) override { bars.at(index) = value; }
    void RedrawView() override { ++redraws; }
    void DrawHero(int facing) override { heroFacings.push_back(facing); }
};

// The program's windows as plain records of what was asked of them.
class FakeProgramWindows : public ProgramWindows {
  public:
    FakeGameWindow game;
    QStringList calls; // "open game", "show game", "close game", "show start", "close start", "end"

    GameWindow& openGameWindow() override {
        calls << QStringLiteral("open game");
        return game;
    }
    void showGameWindow() override { calls << QStringLiteral("show game"); }
    void closeGameWindow() override { calls << QStringLiteral("close game"); }
    void showStartWindow() override { calls << QStringLiteral("show start"); }
    void closeStartWindow() override { calls << QStringLiteral("close start"); }
    void endProgram() override { calls << QStringLiteral("end"); }
};

} // namespace velmor::test
