// The game window after opening, on the offscreen platform.

#include "view/Form2.h"
#include "FakeGameWindow.h"
#include "Fixtures.h"
#include "RecordedSounds.h"
#include "state/GameState.h"
#include "view/PictureStore.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace velmor;
using namespace velmor::test;

namespace {

QString row(const QString& filler, int column = -1, const QString& code = QString()) {
    QString text;
    for (int c = 0; c < 23; ++c)
        text += (c == column ? code : filler);
    return text;
}

// A section whose ground is all one code and whose objects hold one code at one cell.
QStringList section(const QString& ground, int column = -1, int rowIndex = -1,
                    const QString& object = QString()) {
    QStringList lines;
    for (int r = 0; r < 16; ++r) {
        lines << row(ground) << (r == rowIndex ? row("  ", column, object) : row("  ")) << QString()
              << QString() << QString();
    }
    return lines;
}

class Form2Test : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    RecordedSounds sounds;
    GameState state;

    void SetUp() override {
        root.writeLines("Maps/Лес/x0y0.map", section("==", 4, 2, "YY"));
        resetForNewGame(state, QStringLiteral("Лес"));
    }
};

bool near(double twips, int pixels) {
    return std::abs(twips / 15.0 - pixels) <= 0.5;
}

} // namespace

TEST_F(Form2Test, PanelsAreCentredInTheMapViewAndHidden) {
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    EXPECT_EQ(window.picWin(2).left(), 3247.5);
    EXPECT_EQ(window.picWin(2).top(), 3015);
    EXPECT_EQ(window.picWin(0).left(), 2730);
    EXPECT_EQ(window.picWin(0).top(), 1582.5);
    EXPECT_EQ(window.picWin(1).left(), 2730);
    QWidget* offer = window.findChild<QWidget*>("picWin_2");
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(near(3247.5, offer->x()));
    EXPECT_TRUE(near(3015, offer->y()));
    EXPECT_EQ(offer->size(), QSize(372, 138));
    for (int i : {0, 1, 2, 3, 4})
        EXPECT_FALSE(window.picWin(i).isVisible()) << i;
    EXPECT_EQ(window.Label1(1).left(), 360);
    EXPECT_EQ(window.Label1(1).width(), 12075 - 720);
    EXPECT_FALSE(window.Label1(1).isVisible());
}

TEST_F(Form2Test, ControlsSitWhereTheDesignPutsThem) {
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    const struct {
        const char* name;
        QRect pixels; // relative to the parent widget
    } cases[] = {
        {"Frame2", {0, 0, 801, 601}},      {"picMap", {0, 0, 805, 540}},
        {"Picture2", {0, 536, 801, 65}},   {"imgRes_2", {16, 24, 41, 33}},
        {"imgRes_1", {72, 24, 35, 36}},    {"Label2", {112, 24, 81, 25}},
        {"imgRes_3", {205, 13, 23, 22}},   {"imgRes_0", {208, 32, 27, 25}},
        {"picBar_0", {240, 16, 353, 11}},  {"picBar_1", {240, 40, 353, 11}},
        {"imgRemen_0", {632, 16, 32, 32}}, {"imgRemen_4", {664, 16, 32, 32}},
        {"Shape1", {0, 0, 35, 36}},        {"Command5", {24, 504, 89, 25}},
        {"Command1_0", {96, 96, 89, 25}},  {"imgPred_9", {80, 80, 41, 41}},
        {"Command3", {176, 280, 89, 25}},
    };
    for (const auto& c : cases) {
        QWidget* widget = window.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
    }
}

TEST_F(Form2Test, StackingPutsThePanelsOverTheMapAndTheEndingBeneath) {
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    QWidget* map = window.findChild<QWidget*>("picMap");
    auto order = map->children(); // later children are drawn above earlier ones
    auto at = [&](const char* name) { return order.indexOf(window.findChild<QWidget*>(name)); };
    EXPECT_LT(at("Shape1"), at("picWin_1"));
    EXPECT_LT(at("Label1_1"), at("picWin_1"));
    EXPECT_LT(at("picWin_1"), at("picWin_2"));
    EXPECT_LT(at("picWin_2"), at("picWin_0"));
    QWidget* frame = window.findChild<QWidget*>("Frame2");
    auto frameOrder = frame->children();
    auto inFrame = [&](const char* name) { return frameOrder.indexOf(window.findChild<QWidget*>(name)); };
    EXPECT_LT(inFrame("lblEndText"), inFrame("Picture2"));
    EXPECT_LT(inFrame("Command5"), inFrame("Picture2"));
    EXPECT_LT(inFrame("Picture2"), inFrame("picMap"));
}

TEST_F(Form2Test, OpeningDrawsTheSectionAndTheHeroFacingDown) {
    state.heroX = 525 * 2;
    state.heroY = 540 * 3;
    state.heroCol = 5;
    state.heroRow = 3;
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    const QImage& view = window.view().image();
    const QImage& hero = pictures().picture("imgHeroPic", 0);
    const QImage& mask = pictures().picture("imgHeroMask", 0);
    const QImage& grass = pictures().picture("imgZem", 0);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 35; ++x)
            ASSERT_EQ(view.pixel(70 + x, 108 + y),
                      qGray(mask.pixel(x, y)) == 0 ? hero.pixel(x, y) : grass.pixel(x, y));
    EXPECT_NE(view.copy(140, 72, 35, 36), grass); // the tree in cell (4, 2)
    EXPECT_EQ(window.view().background().copy(70, 108, 35, 36), grass);
    EXPECT_EQ(state.sectionName, "x0y0");
    EXPECT_TRUE(window.tmrHeroMove().isEnabled());
    EXPECT_TRUE(window.Timer1().isEnabled());
}

TEST_F(Form2Test, HealthLifeForceAndMoneyAtOpening) {
    state.money = 2500;
    state.health = 17;
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    EXPECT_EQ(state.health, 5295);
    EXPECT_EQ(state.lifeForce, 5295);
    EXPECT_EQ(window.Label2().text(), "2500");
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), "2500");
    EXPECT_EQ(window.barValue(0), 5295);
    EXPECT_EQ(window.barValue(1), 5295);
}

TEST_F(Form2Test, ASavedPostNameOpensThatPost) {
    root.writeLines("Maps/Лес/[AB].map", section("--", 0, 0, "D1"));
    state.postName = "AB";
    state.heroX = 525 * 7;
    state.heroY = 540;
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    EXPECT_EQ(state.sectionName, "AB");
    EXPECT_EQ(state.postName, "AB");
    EXPECT_EQ(window.view().background().pixel(0, 0), qRgb(0, 0, 0)); // the black cell "D1"
    EXPECT_EQ(window.view().background().copy(35, 0, 35, 36), pictures().picture("imgZem", 1));
}

TEST_F(Form2Test, PostNameZeroOpensTheGridSection) {
    state.postName = "0";
    state.sectionX = 0;
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    EXPECT_EQ(state.sectionName, "x0y0");
}

TEST_F(Form2Test, ResizingKeepsThePlayAreaAndTheWindowPanelsCentred) {
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    window.show();
    window.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(window.Frame2().left(), (1000 * 15 - 12015) / 2.0);
    EXPECT_EQ(window.Frame2().top(), (700 * 15 - 9015) / 2.0);
    EXPECT_EQ(window.picWin(3).left(), (1000 * 15 - 1815) / 2.0);
    EXPECT_EQ(window.picWin(4).top(), (700 * 15 - 4935) / 2.0);
    EXPECT_EQ(window.picWin(2).left(), 3247.5); // panels in the map view stay where they are
}

TEST_F(Form2Test, LooksAsAPlayerSeesIt) {
    root.writeLines("Maps/Лес/x0y0.map", section("==", 10, 6, "S1"));
    state.money = 1234;
    Form2 window(state, pictures(), Form2::Clock::Manual);
    window.open();
    window.show();
    QApplication::processEvents();
    QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    // The yellow cursor at the top-left cell, the strip's money, no teal left in the view.
    EXPECT_EQ(shot.pixelColor(0, 10), QColor(255, 255, 0));
    for (int y = 0; y < 536; y += 13)
        for (int x = 0; x < 800; x += 17)
            ASSERT_NE(shot.pixel(x, y), qRgb(0, 128, 128)) << x << "," << y;
    if (qEnvironmentVariableIsSet("VELMOR_SNAPSHOT_DIR"))
        shot.save(QDir(qEnvironmentVariable("VELMOR_SNAPSHOT_DIR")).filePath("form2.png"));
}
