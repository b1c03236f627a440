#include "Form2.h"

#include "WindowLook.h"

#include "assets/Assets.h"
#include "items/CellScript.h"
#include "items/Inventory.h"
#include "items/MoneyText.h"
#include "items/Offers.h"
#include "items/ShowInfo.h"
#include "saves/PauseCommands.h"
#include "state/GameState.h"
#include "state/ProgramWindows.h"
#include "state/SectionLoader.h"
#include "world/HeroStep.h"
#include "world/Input.h"
#include "world/Vitality.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmor {

namespace {

// Design sizes in twips.
constexpr double frameWidth = 12015, frameHeight = 9015;
constexpr double mapWidth = 12075, mapHeight = 8100;
constexpr double bigPanelWidth = 6615, bigPanelHeight = 4935;
constexpr double offerWidth = 5580, offerHeight = 2070;
constexpr double pauseWidth = 1815, pauseHeight = 1575;
constexpr double buttonWidth = 1335, buttonHeight = 375;

const QString winText =
    QStringLiteral("Поздравляю! Вы все-таки нашли выход из такого не сложного лабиринта…");

// A game window on its own, with no program around it: leaving clears the game and the window stays.
class AloneWindows : public ProgramWindows {
  public:
    explicit AloneWindows(GameWindow& window) : window_(window) {}
    GameWindow& openGameWindow() override { return window_; }
    void showGameWindow() override {}
    void closeGameWindow() override {}
    void showStartWindow() override {}
    void closeStartWindow() override {}
    void endProgram() override {}

  private:
    GameWindow& window_;
};

} // namespace

MapSurface::MapSurface(const MapView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), view_.image(), event->rect());
}

void MapSurface::mousePressEvent(QMouseEvent* event) {
    QPointF at = event->position();
    emit mouseDown(event->button(), event->modifiers(), static_cast<float>(at.x() * twipsPerPixel),
                   static_cast<float>(at.y() * twipsPerPixel));
}

Form2::Form2(GameState& state, const PictureStore& pictures, Clock clock, QWidget* parent)
    : QWidget(parent), state_(state), pictures_(pictures), Timer1_(clock == Clock::Manual),
      tmrHeroMove_(clock == Clock::Manual) {
    setObjectName(QStringLiteral("Form2"));
    giveGameWindowLook(*this);
    setMinimumSize(800, 600);
    setFocusPolicy(Qt::StrongFocus);
    alone_ = std::make_unique<AloneWindows>(*this);
    windows_ = alone_.get();
    slotPictures_.fill(-1);
    build();
    connectTimers();
    Timer1_.setEnabled(true);
    tmrHeroMove_.setEnabled(false);
}

Form2::~Form2() = default;

void Form2::build() {
    // The play area, its map view and status strip; the ending text and its button lie beneath both.
    auto* frame = new Panel(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    Frame2_ = adoptControl<PanelControl>(controls_, frame, 0, 0, frameWidth, frameHeight);
    Frame2_->setBackColor(rgbColour(255, 255, 255));

    auto* endText = new TextLabel(frame);
    endText->setObjectName(QStringLiteral("lblEndText"));
    endText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEndText_ = adoptControl<LabelControl>(controls_, endText, 360, 360, 3375, 1335);
    lblEndText_->setFontSize(9.75);
    lblEndText_->setBold(true);
    lblEndText_->setText(winText);

    auto* leave = new PictureButton(assets::buttonFace(QStringLiteral("ok")), frame);
    leave->setObjectName(QStringLiteral("Command5"));
    Command5_ = adoptControl<PlainControl>(controls_, leave, 360, 7560, buttonWidth, buttonHeight);

    buildStatusStrip();

    auto* map = new MapSurface(view_, frame);
    map->setObjectName(QStringLiteral("picMap"));
    map_ = map;
    picMap_ = adoptControl<PlainControl>(controls_, map, 0, 0, mapWidth, mapHeight);

    auto* cursor = new Outline(QColor(255, 255, 0), map);
    cursor->setObjectName(QStringLiteral("Shape1"));
    Shape1_ = adoptControl<PlainControl>(controls_, cursor, 0, 0, 525, 540);

    auto* notice = new TextLabel(map);
    notice->setObjectName(QStringLiteral("Label1_1"));
    notice->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1_[1] = adoptControl<LabelControl>(controls_, notice, 360, 7200, mapWidth - 720, 735);
    Label1_[1]->setForeColor(rgbColour(255, 255, 255));
    Label1_[1]->hide();

    buildMapPanels();
    buildWindowPanels();
    connectClicks();
}

void Form2::buildStatusStrip() {
    auto* strip = new Panel(Frame2_->widget());
    strip->setObjectName(QStringLiteral("Picture2"));
    strip->setPicture(assets::named(QStringLiteral("statusStrip")));
    Picture2_ = adoptControl<PanelControl>(controls_, strip, 0, 8040, frameWidth, 975);

    const struct {
        int index;
        const char* picture;
        double left, top, width, height;
    } icons[] = {
        {2, "chest", 240, 360, 615, 495},
        {1, "moneyBag", 1080, 360, 525, 540},
        {3, "heart", 3075, 195, 345, 330},
        {0, "lightning", 3120, 480, 405, 375},
    };
    for (const auto& icon : icons) {
        auto* image = new ImageBox(strip);
        image->setObjectName(QStringLiteral("imgRes_%1").arg(icon.index));
        image->setPicture(assets::named(QString::fromLatin1(icon.picture)));
        imgRes_[icon.index] =
            adoptControl<PlainControl>(controls_, image, icon.left, icon.top, icon.width, icon.height);
    }
    imgRes_[2]->widget()->setCursor(Qt::PointingHandCursor);

    auto* money = new TextLabel(strip);
    money->setObjectName(QStringLiteral("Label2"));
    money->setWordWrap(false);
    Label2_ = adoptControl<LabelControl>(controls_, money, 1680, 360, 1215, 375);
    Label2_->setFontSize(13.5);
    Label2_->setBold(true);
    Label2_->setForeColor(rgbColour(192, 192, 0));
    Label2_->setText(QStringLiteral("0"));

    for (int i = 0; i < 2; ++i) {
        bars_[i] = new Bar(strip);
        bars_[i]->setObjectName(QStringLiteral("picBar_%1").arg(i));
        picBar_[i] = adoptControl<PlainControl>(controls_, bars_[i], 3600, i == 0 ? 240 : 600,
                                                GameState::fullVitality, 170);
    }

    const double scrollLefts[] = {9480, 10440, 10920, 11400, 9960};
    for (int k = 0; k < 5; ++k) {
        auto* scroll = new ImageBox(strip);
        scroll->setObjectName(QStringLiteral("imgRemen_%1").arg(k));
        scroll->setPicture(pictures_.picture(QStringLiteral("imgRemen"), k));
        imgRemen_[k] = adoptControl<PlainControl>(controls_, scroll, scrollLefts[k], 240, 480, 480);
        imgRemen_[k]->hide();
    }
}

void Form2::buildMapPanels() {
    QWidget* map = picMap_->widget();

    // Created bottom first: the inventory, then the offer panel, then the info panel on top.
    auto* inventory = new Panel(map);
    inventory->setObjectName(QStringLiteral("picWin_1"));
    picWin_[1] = adoptControl<PanelControl>(controls_, inventory, 0, 0, bigPanelWidth, bigPanelHeight);
    picWin_[1]->setBackColor(rgbColour(128, 64, 64));
    auto* frame = new Outline(QColor(128, 64, 64), inventory);
    Shape3_ = adoptControl<PlainControl>(controls_, frame, 480, 480, 5655, 3495);
    for (int i = 0; i < 40; ++i) {
        slots_[i] = new ImageBox(inventory);
        slots_[i]->setObjectName(QStringLiteral("imgPred_%1").arg(i));
        imgPred_[i] =
            adoptControl<PlainControl>(controls_, slots_[i], slotLeft(i), slotTop(i), slotSize, slotSize);
    }
    auto* selection = new Outline(QColor(224, 224, 224), inventory);
    selection->setObjectName(QStringLiteral("Shape2"));
    Shape2_ = adoptControl<PlainControl>(controls_, selection, slotLeft(0), slotTop(0), slotSize, slotSize);
    const struct {
        int index;
        const char* word;
        double left;
    } buttons[] = {{3, "Информация", 480}, {0, "Выбросить", 1920}, {1, "Продать", 3360}, {2, "ok", 4800}};
    for (const auto& b : buttons) {
        auto* button = new PictureButton(assets::buttonFace(QString::fromUtf8(b.word)), inventory);
        button->setObjectName(QStringLiteral("Command2_%1").arg(b.index));
        Command2_[b.index] =
            adoptControl<PlainControl>(controls_, button, b.left, 4200, buttonWidth, buttonHeight);
    }

    auto* offer = new Panel(map);
    offer->setObjectName(QStringLiteral("picWin_2"));
    offer->setPicture(assets::named(QStringLiteral("offerPanel")));
    picWin_[2] = adoptControl<PanelControl>(controls_, offer, 0, 0, offerWidth, offerHeight);
    auto* prompt = new TextLabel(offer);
    prompt->setObjectName(QStringLiteral("Label1_2"));
    prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1_[2] = adoptControl<LabelControl>(controls_, prompt, 360, 360, 4815, 975);
    Label1_[2]->setForeColor(rgbColour(224, 224, 224));
    const char* answers[] = {"ok", "Нет"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new PictureButton(assets::buttonFace(QString::fromUtf8(answers[i])), offer);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1_[i] = adoptControl<PlainControl>(controls_, button, i == 0 ? 1440 : 2880, 1440, buttonWidth,
                                                  buttonHeight);
    }

    auto* info = new Panel(map);
    info->setObjectName(QStringLiteral("picWin_0"));
    picWin_[0] = adoptControl<PanelControl>(controls_, info, 0, 0, bigPanelWidth, bigPanelHeight);
    picWin_[0]->setBackColor(rgbColour(128, 64, 0));
    auto* infoText = new TextLabel(info);
    infoText->setObjectName(QStringLiteral("Label1_0"));
    infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1_[0] = adoptControl<LabelControl>(controls_, infoText, 360, 360, 5895, 3375);
    Label1_[0]->setForeColor(rgbColour(255, 255, 255));
    auto* ok = new PictureButton(assets::buttonFace(QStringLiteral("ok")), info);
    ok->setObjectName(QStringLiteral("Command3"));
    Command3_ = adoptControl<PlainControl>(controls_, ok, 2640, 4200, buttonWidth, buttonHeight);
    Command3_->hide();
}

void Form2::buildWindowPanels() {
    auto* pause = new Panel(this);
    pause->setObjectName(QStringLiteral("picWin_3"));
    pause->setPicture(assets::named(QStringLiteral("pausePanel")));
    picWin_[3] = adoptControl<PanelControl>(controls_, pause, 0, 0, pauseWidth, pauseHeight);
    picWin_[3]->hide();
    const char* commands[] = {"Сохранить", "Продолжить", "Выход"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new PictureButton(assets::buttonFace(QString::fromUtf8(commands[i])), pause);
        button->setObjectName(QStringLiteral("Command4_%1").arg(i));
        Command4_[i] =
            adoptControl<PlainControl>(controls_, button, 240, 240 + 360 * i, buttonWidth, buttonHeight);
    }

    auto* save = new Panel(this);
    save->setObjectName(QStringLiteral("picWin_4"));
    picWin_[4] = adoptControl<PanelControl>(controls_, save, 4320, 2160, bigPanelWidth, bigPanelHeight);
    picWin_[4]->setBackColor(rgbColour(224, 224, 224));
    picWin_[4]->hide();
    auto* names = new NameBox(save);
    names->setObjectName(QStringLiteral("Combo1"));
    names->field()->setObjectName(QStringLiteral("Combo1_text"));
    names->list()->setObjectName(QStringLiteral("Combo1_list"));
    names->field()->setText(QStringLiteral("MyGame"));
    Combo1_ = adoptControl<NameBoxControl>(controls_, names, 360, 360, 5895, 3690);
    auto* files = new QListWidget(save);
    files->setObjectName(QStringLiteral("File1"));
    File1_ = adoptControl<FileListControl>(controls_, files, 360, 14080, 1815, 480);
    File1_->hide();
    const struct {
        int index;
        const char* word;
        double left;
    } answers[] = {{3, "ok", 3480}, {4, "Нет", 4920}};
    for (const auto& answer : answers) {
        auto* button = new PictureButton(assets::buttonFace(QString::fromUtf8(answer.word)), save);
        button->setObjectName(QStringLiteral("Command4_%1").arg(answer.index));
        Command4_[answer.index] =
            adoptControl<PlainControl>(controls_, button, answer.left, 4200, buttonWidth, buttonHeight);
    }
    save->raise();
    pause->raise();
}

void Form2::connectClicks() {
    for (int i = 0; i < 3; ++i)
        connect(Label1_[i]->label(), &TextLabel::clicked, this, [this, i] { Label1_Click(*this, i); });
    for (int i = 0; i < 5; ++i)
        connect(picWin_[i]->panel(), &Panel::clicked, this, [this, i] { picWin_Click(*this, i); });
    for (int i = 0; i < 2; ++i)
        connect(static_cast<PictureButton*>(Command1_[i]->widget()), &QAbstractButton::clicked, this,
                [this, i] { Command1_Click(state_, *this, i); });
    for (int i = 0; i < 4; ++i)
        connect(static_cast<PictureButton*>(Command2_[i]->widget()), &QAbstractButton::clicked, this,
                [this, i] { Command2_Click(state_, *this, i); });
    connect(static_cast<PictureButton*>(Command3_->widget()), &QAbstractButton::clicked, this,
            [this] { Command3_Click(*this); });
    for (int i = 0; i < 4; ++i)
        connect(static_cast<ImageBox*>(imgRes_[i]->widget()), &ImageBox::clicked, this,
                [this, i] { imgRes_Click(*this, i); });
    for (int i = 0; i < 40; ++i)
        connect(slots_[i], &ImageBox::clicked, this, [this, i] { imgPred_Click(state_, *this, i); });
    for (int i = 0; i < 5; ++i)
        connect(static_cast<PictureButton*>(Command4_[i]->widget()), &QAbstractButton::clicked, this,
                [this, i] { Command4_Click(state_, *this, *windows_, i); });
    connect(static_cast<PictureButton*>(Command5_->widget()), &QAbstractButton::clicked, this,
            [this] { Command5_Click(state_, *windows_); });
    // Every mouse button sets the destination alike.
    connect(map_, &MapSurface::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
                picMap_MouseDown(state_, *this, x, y);
            });
}

void Form2::connectTimers() {
    connect(&tmrHeroMove_.timer(), &QTimer::timeout, this, &Form2::tmrHeroMove_Timer);
    connect(&Timer1_.timer(), &QTimer::timeout, this, &Form2::Timer1_Timer);
}

void Form2::tmrHeroMove_Timer() {
    HeroStep(state_, *this);
}

void Form2::Timer1_Timer() {
    VitalityTick(state_, *this);
}

void Form2::open() {
    picMap_->move(0, 0);
    for (int i : {0, 1, 2})
        picWin(i).move((picMap_->width() - picWin(i).width()) / 2,
                       (picMap_->height() - picWin(i).height()) / 2);
    const QImage panel = assets::named(QStringLiteral("panel"));
    for (int i : {0, 1, 4})
        picWin_[i]->panel()->setPicture(panel);
    Label1_[1]->move(360, Label1_[1]->top());
    Label1_[1]->resize(picMap_->width() - 720, Label1_[1]->height());

    const bool inPost = !state_.postName.isEmpty() && state_.postName != QLatin1String("0");
    LoadSection(state_, *this, inPost ? SectionKind::Post : SectionKind::Grid);
    RedrawView();
    DrawHero(0);

    for (int i : {0, 1, 2})
        picWin(i).hide();
    state_.health = GameState::fullVitality;
    state_.lifeForce = GameState::fullVitality;
    // The bars show the full values at once rather than after the first vitality tick.
    drawBar(0, state_.health);
    drawBar(1, state_.lifeForce);
    Label2_->setText(moneyText(state_.money));
}

void Form2::setSlotPicture(int slot, int veshIndex) {
    slotPictures_.at(static_cast<size_t>(slot)) = veshIndex;
    slots_.at(static_cast<size_t>(slot))
        ->setPicture(veshIndex < 0 ? QImage() : pictures_.picture(QStringLiteral("imgVesh"), veshIndex));
}

void Form2::drawBar(int index, int16_t value) {
    bars_.at(static_cast<size_t>(index))->draw(value);
}

void Form2::RedrawView() {
    velmor::RedrawView(view_, state_, pictures_);
    picMap_->widget()->update();
}

void Form2::DrawHero(int facing) {
    velmor::DrawHero(view_, state_, pictures_, facing);
    picMap_->widget()->update();
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centreInWindow();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // The character code of the key, as the game's key handler takes it; keys without one give 0.
    int16_t keyAscii = 0;
    if (event->key() == Qt::Key_Escape)
        keyAscii = escapeKey;
    else if (!event->text().isEmpty())
        keyAscii = static_cast<int16_t>(event->text().at(0).unicode());
    Form_KeyPress(*this, keyAscii);
}

void Form2::centreInWindow() {
    // Centred in the client area: the play area is a pixel larger than the window's 800 x 600, so it sits
    // half a pixel over each edge, and no title bar pushes the status strip out of sight.
    const double windowWidth = width() * twipsPerPixel, windowHeight = height() * twipsPerPixel;
    for (Control* control : {static_cast<Control*>(Frame2_), static_cast<Control*>(picWin_[3]),
                             static_cast<Control*>(picWin_[4])})
        control->move((windowWidth - control->width()) / 2, (windowHeight - control->height()) / 2);
}

} // namespace velmor
