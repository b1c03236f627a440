#include "ItemsTestSupport.h"

#include "items/CellScript.h"
#include "items/ShowInfo.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

const QString crlf = QStringLiteral("\r\n");

class ShowInfoTest : public ::testing::Test {
  protected:
    void SetUp() override { test::hideAsAtOpening(window); }

    // Both message labels in a script's look, as a script message could have left them.
    void giveLabelsAScriptLook() {
        for (test::FakeControl* label : {&window.labels[0], &window.labels[1]}) {
            label->setBackStyle(1);
            label->setBorderStyle(1);
            label->setBackColor(255);
            label->setForeColor(49344);
            label->setFontSize(20);
        }
    }

    void expectPlainLook(int index) {
        const test::FakeControl& label = window.labels[index];
        EXPECT_EQ(label.backStyle(), 0) << index;
        EXPECT_EQ(label.borderStyle(), 0) << index;
        EXPECT_EQ(label.backColor(), 0) << index;
        EXPECT_EQ(label.foreColor(), 16777215) << index;
        EXPECT_EQ(label.fontSize(), 8) << index;
    }

    test::FakeGameWindow window;
};

TEST_F(ShowInfoTest, NoticesGoToTheNoticeLineInThePlainLook) {
    const std::pair<int16_t, QString> notices[] = {
        {1, QStringLiteral("Выши силы полностью востановленны")},
        {2, QStringLiteral("Закрыто...")},
        {3, QStringLiteral("У Вас недостаточно денег...")},
    };
    for (const auto& [code, text] : notices) {
        SetUp();
        giveLabelsAScriptLook();
        ShowInfo(window, code);
        EXPECT_EQ(window.labels[1].text(), text) << code;
        EXPECT_TRUE(window.labels[1].isVisible()) << code;
        expectPlainLook(1);
        EXPECT_FALSE(window.panels[0].isVisible()) << code;
        EXPECT_FALSE(window.command3.isVisible()) << code;
    }
}

TEST_F(ShowInfoTest, InfoCode1002IsTheBlueKey) {
    ShowInfo(window, 1002);
    EXPECT_EQ(window.labels[0].text(),
              QStringLiteral("СИНИЙ КЛЮЧ") + crlf + crlf +
                  QStringLiteral("Синий ключ предназначен для открытия синих дверей.") + crlf +
                  QStringLiteral("Синие двери изготовлены из ледяного дерева и их чаще всего используют люди "
                                 "Северной Земли."));
    EXPECT_EQ(window.labels[0].foreColor(), rgbColour(255, 185, 151));
    EXPECT_TRUE(window.panels[0].isVisible());
    EXPECT_TRUE(window.command3.isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
}

TEST_F(ShowInfoTest, InfoCode1001IsTheGreenKey) {
    ShowInfo(window, 1001);
    EXPECT_EQ(window.labels[0].text(),
              QStringLiteral("ЗЕЛЕНЫЙ КЛЮЧ") + crlf + crlf +
                  QStringLiteral("Этот ключ предназначен для открытия зеленых дверей.") + crlf +
                  QStringLiteral("Во время Хазидоской войны, жители Варгагии пропитывали двери своих жилищь "
                                 "сильным ядом , который убивал каждого, кто прикасался к двери."));
    EXPECT_TRUE(window.panels[0].isVisible());
}

TEST_F(ShowInfoTest, AnItemWithoutSecondParagraphEndsWithItsDescription) {
    ShowInfo(window, 1003);
    EXPECT_EQ(
        window.labels[0].text(),
        QStringLiteral("МАГИЧЕСКОЕ КОЛЬЦО ЛОРДА МАО") + crlf + crlf +
            QStringLiteral("Это кольцо было создано Лордом Мао. Наличие данного кольца позволяет в 10 раз "
                           "сократить потребление жизненной силы."));
    EXPECT_EQ(window.labels[0].foreColor(), rgbColour(255, 255, 0));
}

TEST_F(ShowInfoTest, TheAmuletsShowOneTextInOneColour) {
    ShowInfo(window, 1020);
    const QString text = window.labels[0].text();
    const Colour colour = window.labels[0].foreColor();
    ShowInfo(window, 1022);
    EXPECT_EQ(window.labels[0].text(), text);
    EXPECT_EQ(window.labels[0].foreColor(), colour);
    EXPECT_EQ(colour, rgbColour(213, 213, 0));
}

// An item's info in a script's look: only the colour is the item's, the rest is the plain look.
TEST_F(ShowInfoTest, ItemInfoStartsFromThePlainLook) {
    giveLabelsAScriptLook();
    ShowInfo(window, 1010);
    EXPECT_EQ(window.labels[0].foreColor(), rgbColour(224, 224, 224));
    EXPECT_EQ(window.labels[0].fontSize(), 8);
    EXPECT_EQ(window.labels[0].backStyle(), 0);
    expectPlainLook(1);
}

TEST_F(ShowInfoTest, AnyOtherCodeOnlyResetsTheLook) {
    for (int16_t code : {int16_t(1037), int16_t(4), int16_t(0), int16_t(999), int16_t(-1)}) {
        SetUp();
        window.labels[0].setText(QStringLiteral("Сообщение"));
        window.panels[0].show();
        giveLabelsAScriptLook();
        ShowInfo(window, code);
        expectPlainLook(0);
        expectPlainLook(1);
        EXPECT_EQ(window.labels[0].text(), QStringLiteral("Сообщение")) << code;
        EXPECT_TRUE(window.panels[0].isVisible()) << code;
        EXPECT_FALSE(window.labels[1].isVisible()) << code;
        EXPECT_FALSE(window.command3.isVisible()) << code;
    }
}

TEST_F(ShowInfoTest, ClosingThePanelByItsTextOrItselfLeavesTheOkButton) {
    ShowInfo(window, 1003);
    picWin_Click(window, 0);
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_TRUE(window.command3.isVisible());

    ShowInfo(window, 1003);
    Label1_Click(window, 0);
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_TRUE(window.command3.isVisible());

    Command3_Click(window);
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.command3.isVisible());
}

TEST_F(ShowInfoTest, OtherClicksOnLabelsAndPanelsDoNothing) {
    ShowInfo(window, 2);
    window.panels[0].show();
    window.panels[2].show();
    window.panels[1].show();
    Label1_Click(window, 2);
    picWin_Click(window, 1);
    picWin_Click(window, 2);
    EXPECT_TRUE(window.panels[0].isVisible());
    EXPECT_TRUE(window.panels[1].isVisible());
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_TRUE(window.labels[1].isVisible());

    Label1_Click(window, 1);
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_TRUE(window.panels[0].isVisible());
}

} // namespace
} // namespace velmor
