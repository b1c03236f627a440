#pragma once

#include "StartWindow.h"
#include "view/Controls.h"
#include "view/Lists.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace velmor {

struct GameState;
class ProgramWindows;

// The start window: the title picture with Новая игра, Загрузить игру and Выход, the new-game panel with the
// map list and the description, the load panel with the saved games.
class Form1 : public QWidget, public StartWindow {
    Q_OBJECT

  public:
    Form1(GameState& state, ProgramWindows& windows, QWidget* parent = nullptr);
    ~Form1() override;

    // The window's load: layout, map list, start music.
    void load();

    // StartWindow
    Control& Picture1() override { return *Picture1_; }
    Control& picWin(int index) override { return *picWin_.at(static_cast<size_t>(index)); }
    Control& Command1() override { return *Command1_; }
    Control& Command2() override { return *Command2_; }
    Control& Command3() override { return *Command3_; }
    ListBox& List1() override { return *List1_; }
    Label& Label1() override { return *Label1_; }
    FileList& File1() override { return *File1_; }
    void setPanelPicture(int index) override;
    double outerWidth() const override;
    double outerHeight() const override;

    Control& Command4(int index) { return *Command4_.at(static_cast<size_t>(index)); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build();
    Panel* buildPanel(const char* name);
    PlainControl* addButton(QWidget* parent, const QImage& face, const QString& name, double left, double top,
                            double width, double height);

    GameState& state_;
    ProgramWindows& windows_;
    std::vector<std::unique_ptr<Control>> controls_;

    PanelControl* Picture1_ = nullptr;
    std::array<PanelControl*, 2> picWin_{};
    PlainControl* Command1_ = nullptr;
    PlainControl* Command2_ = nullptr;
    PlainControl* Command3_ = nullptr;
    std::array<PlainControl*, 4> Command4_{};
    ListBoxControl* List1_ = nullptr;
    LabelControl* Label1_ = nullptr;
    FileListControl* File1_ = nullptr;
};

} // namespace velmor
