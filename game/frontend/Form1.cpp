#include "Form1.h"

#include "StartCommands.h"

#include "assets/Assets.h"
#include "view/WindowLook.h"

namespace velmor {

namespace {

constexpr double panelWidth = 6615, panelHeight = 4935;
constexpr double smallButtonWidth = 1335, smallButtonHeight = 375;
constexpr double bigButtonWidth = 3135, bigButtonHeight = 495;
constexpr Colour lightGrey = rgbColour(192, 192, 192);

} // namespace

Form1::Form1(GameState& state, ProgramWindows& windows, QWidget* parent)
    : QWidget(parent), state_(state), windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
    giveGameWindowLook(*this); // a client area of 12000 x 9000 twips
    build();
}

Form1::~Form1() = default;

PlainControl* Form1::addButton(QWidget* parent, const QImage& face, const QString& name, double left,
                               double top, double width, double height) {
    auto* button = new PictureButton(face, parent);
    button->setObjectName(name);
    return adoptControl<PlainControl>(controls_, static_cast<QWidget*>(button), left, top, width, height);
}

Panel* Form1::buildPanel(const char* name) {
    auto* panel = new Panel(Picture1_->widget());
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

void Form1::build() {
    auto* title = new Panel(this);
    title->setObjectName(QStringLiteral("Picture1"));
    title->setPicture(assets::named(QStringLiteral("title")));
    Picture1_ = adoptControl<PanelControl>(controls_, title, 840, 120, 12000, 9000);

    // Created bottom first: the three buttons, the new-game panel, the load panel on top.
    Command1_ = addButton(title, assets::bigButtonFace(QStringLiteral("Новая игра")),
                          QStringLiteral("Command1"), 4440, 3720, bigButtonWidth, bigButtonHeight);
    Command3_ = addButton(title, assets::bigButtonFace(QStringLiteral("Загрузить игру")),
                          QStringLiteral("Command3"), 4440, 4320, bigButtonWidth, bigButtonHeight);
    Command2_ = addButton(title, assets::bigButtonFace(QStringLiteral("Выход")), QStringLiteral("Command2"),
                          4440, 4920, bigButtonWidth, bigButtonHeight);

    Panel* newGame = buildPanel("picWin_0");
    picWin_[0] = adoptControl<PanelControl>(controls_, newGame, -1560, 600, panelWidth, panelHeight);
    auto* maps = new QListWidget(newGame);
    maps->setObjectName(QStringLiteral("List1"));
    styleAsGameList(maps);
    List1_ = adoptControl<ListBoxControl>(controls_, maps, 360, 360, 5895, 2760);
    List1_->onClick([this] { List1_Click(*this); });
    auto* description = new TextLabel(newGame);
    description->setObjectName(QStringLiteral("Label1"));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1_ = adoptControl<LabelControl>(controls_, description, 360, 3240, 5775, 855);
    Label1_->setForeColor(lightGrey);
    Label1_->setText(QStringLiteral("Неизвесная карта..."));
    Command4_[0] = addButton(newGame, assets::buttonFace(QStringLiteral("ok")), QStringLiteral("Command4_0"),
                             3480, 4200, smallButtonWidth, smallButtonHeight);
    Command4_[1] = addButton(newGame, assets::buttonFace(QStringLiteral("Нет")), QStringLiteral("Command4_1"),
                             4920, 4200, smallButtonWidth, smallButtonHeight);
    picWin_[0]->hide();

    Panel* load = buildPanel("picWin_1");
    picWin_[1] = adoptControl<PanelControl>(controls_, load, 3240, 2280, panelWidth, panelHeight);
    auto* saved = new QListWidget(load);
    saved->setObjectName(QStringLiteral("File1"));
    styleAsGameList(saved);
    File1_ = adoptControl<FileListControl>(controls_, saved, 360, 360, 5895, 3540);
    Command4_[3] = addButton(load, assets::buttonFace(QStringLiteral("ok")), QStringLiteral("Command4_3"),
                             3480, 4200, smallButtonWidth, smallButtonHeight);
    Command4_[2] = addButton(load, assets::buttonFace(QStringLiteral("Нет")), QStringLiteral("Command4_2"),
                             4920, 4200, smallButtonWidth, smallButtonHeight);
    picWin_[1]->hide();

    auto clicked = [](PlainControl* button) { return static_cast<PictureButton*>(button->widget()); };
    connect(clicked(Command1_), &QAbstractButton::clicked, this, [this] { Command1_Click(*this); });
    connect(clicked(Command2_), &QAbstractButton::clicked, this, [this] { Command2_Click(windows_); });
    connect(clicked(Command3_), &QAbstractButton::clicked, this, [this] { Command3_Click(*this); });
    for (int i = 0; i < 4; ++i)
        connect(clicked(Command4_[i]), &QAbstractButton::clicked, this,
                [this, i] { Command4_Click(state_, *this, windows_, i); });
}

void Form1::load() {
    Form1_Load(state_, *this);
}

void Form1::setPanelPicture(int index) {
    picWin_.at(static_cast<size_t>(index))->panel()->setPicture(assets::named(QStringLiteral("panel")));
}

double Form1::outerWidth() const {
    return frameGeometry().width() * double(twipsPerPixel);
}

double Form1::outerHeight() const {
    return frameGeometry().height() * double(twipsPerPixel);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form1_Resize(*this);
}

} // namespace velmor
