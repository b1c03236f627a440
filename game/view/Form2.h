#pragma once

#include "Controls.h"
#include "Lists.h"
#include "MapView.h"
#include "PictureStore.h"
#include "state/GameWindow.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace velmor {

struct GameState;
class ProgramWindows;

// The map view picMap: shows the composed view and reports where it was clicked, in twips.
class MapSurface : public QWidget {
    Q_OBJECT

  public:
    MapSurface(const MapView& view, QWidget* parent);

  signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const MapView& view_;
};

// The game window: the map view, the status strip, the panels over the map, the pause and save panels,
// the two timers and the picture stores. Opening it starts the game that the state describes.
class Form2 : public QWidget, public GameWindow {
    Q_OBJECT

  public:
    // Real: the two timers tick every 250 ms. Manual: they only keep whether they are enabled, and the tick
    // handlers are called directly.
    enum class Clock { Real, Manual };

    Form2(GameState& state, const PictureStore& pictures, Clock clock = Clock::Real,
          QWidget* parent = nullptr);
    ~Form2() override;

    // The opening steps: panels placed, the section of the state loaded and drawn, the hero facing down,
    // health and life force full, the money shown.
    void open();

    GameState& state() { return state_; }
    // Where leaving the game goes. A window on its own only clears the game when it is left.
    void setProgramWindows(ProgramWindows& windows) { windows_ = &windows; }

    // The timers' ticks: the movement step and the vitality tick.
    void tmrHeroMove_Timer();
    void Timer1_Timer();
    const MapView& view() const { return view_; }

    // GameWindow
    Timer& tmrHeroMove() override { return tmrHeroMove_; }
    Timer& Timer1() override { return Timer1_; }
    Control& Frame2() override { return *Frame2_; }
    Control& picMap() override { return *picMap_; }
    Control& Picture2() override { return *Picture2_; }
    Control& Shape1() override { return *Shape1_; }
    Control& Shape2() override { return *Shape2_; }
    Control& picWin(int index) override { return *picWin_.at(static_cast<size_t>(index)); }
    Label& Label1(int index) override { return *Label1_.at(static_cast<size_t>(index)); }
    Label& Label2() override { return *Label2_; }
    Label& lblEndText() override { return *lblEndText_; }
    Control& Command3() override { return *Command3_; }
    Control& Command5() override { return *Command5_; }
    Control& imgRemen(int index) override { return *imgRemen_.at(static_cast<size_t>(index)); }
    ListBox& Combo1() override { return *Combo1_; }
    FileList& File1() override { return *File1_; }
    void setSlotPicture(int slot, int veshIndex) override;
    int slotPicture(int slot) const override { return slotPictures_.at(static_cast<size_t>(slot)); }
    void drawBar(int index, int16_t value) override;
    void RedrawView() override;
    void DrawHero(int facing) override;

    // Controls that only the window itself and its tests reach.
    Control& imgRes(int index) { return *imgRes_.at(static_cast<size_t>(index)); }
    Control& imgPred(int slot) { return *imgPred_.at(static_cast<size_t>(slot)); }
    Control& Shape3() { return *Shape3_; }
    Control& Command1(int index) { return *Command1_.at(static_cast<size_t>(index)); }
    Control& Command2(int index) { return *Command2_.at(static_cast<size_t>(index)); }
    Control& picBar(int index) { return *picBar_.at(static_cast<size_t>(index)); }
    Control& Command4(int index) { return *Command4_.at(static_cast<size_t>(index)); }
    int16_t barValue(int index) const { return bars_.at(static_cast<size_t>(index))->value(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void buildStatusStrip();
    void buildMapPanels();
    void buildWindowPanels();
    void connectClicks();
    void connectTimers();
    void centreInWindow();

    GameState& state_;
    const PictureStore& pictures_;
    MapView view_;

    std::vector<std::unique_ptr<Control>> controls_; // every control adapter of the window
    TimerControl Timer1_, tmrHeroMove_;
    MapSurface* map_ = nullptr;

    PanelControl* Frame2_ = nullptr;
    PlainControl* picMap_ = nullptr;
    PlainControl* Shape1_ = nullptr;
    PlainControl* Shape2_ = nullptr;
    PlainControl* Shape3_ = nullptr;
    std::array<PanelControl*, 5> picWin_{};
    std::array<LabelControl*, 3> Label1_{};
    PanelControl* Picture2_ = nullptr;
    LabelControl* Label2_ = nullptr;
    LabelControl* lblEndText_ = nullptr;
    std::array<PlainControl*, 4> imgRes_{};
    std::array<PlainControl*, 2> picBar_{};
    std::array<Bar*, 2> bars_{};
    std::array<PlainControl*, 5> imgRemen_{};
    std::array<PlainControl*, 40> imgPred_{};
    std::array<ImageBox*, 40> slots_{};
    std::array<int, 40> slotPictures_{};
    std::array<PlainControl*, 2> Command1_{};
    std::array<PlainControl*, 4> Command2_{};
    std::array<PlainControl*, 5> Command4_{};
    NameBoxControl* Combo1_ = nullptr;
    FileListControl* File1_ = nullptr;
    std::unique_ptr<ProgramWindows> alone_;
    ProgramWindows* windows_ = nullptr;
    PlainControl* Command3_ = nullptr;
    PlainControl* Command5_ = nullptr;
};

} // namespace velmor
