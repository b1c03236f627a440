#include "ItemsTestSupport.h"

#include "Fixtures.h"

#include "items/CellScript.h"
#include "items/TakenLog.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

const QString crossPrompt = QStringLiteral("Желаете получить крест Святого Ануя?");

class RunCellScriptTest : public ::testing::Test {
  protected:
    void SetUp() override { test::hideAsAtOpening(window); }

    void writeScript(const QStringList& lines, const QString& code = QStringLiteral("A1")) {
        folder.writeLines(QStringLiteral("Maps/Test/[x3y5-%1].mtx").arg(code), lines);
    }
    void run(const QString& code = QStringLiteral("A1")) { RunCellScript(state, window, code); }

    test::ProgramFolderFixture folder;
    GameState state = test::gameInSection();
    test::FakeGameWindow window;
};

TEST_F(RunCellScriptTest, ScriptsLieInTheMapFolderByTheSectionAndCode) {
    state.sectionName = QStringLiteral("ab");
    EXPECT_EQ(cellScriptPath(state, QStringLiteral("A1")),
              folder.file(QStringLiteral("Maps/Test/[ab-A1].mtx")));
}

TEST_F(RunCellScriptTest, ATakenThingStopsEverythingButTheLookReset) {
    writeScript({QStringLiteral("[many]"), QStringLiteral("100"), QStringLiteral("[subject]"),
                 QStringLiteral("5"), QStringLiteral("[text]"), QStringLiteral("Привет")});
    state.form2.takenLog[160] = QStringLiteral("x3y5A1");
    state.form2.offerCode = 17;
    window.labels[1].setForeColor(255);

    run();

    EXPECT_EQ(state.money, 0);
    EXPECT_EQ(window.money.text(), QStringLiteral("0"));
    EXPECT_EQ(state.form2.offerCode, 17);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_EQ(window.labels[1].text(), QString());
    EXPECT_EQ(window.labels[1].foreColor(), 16777215);
}

TEST_F(RunCellScriptTest, TheTakenKeyIsSectionAndCodeExactly) {
    writeScript({QStringLiteral("[many]"), QStringLiteral("1")});
    state.form2.takenLog[3] = QStringLiteral("x3y5a1"); // another cell
    state.form2.takenLog[4] = QStringLiteral("x3y6A1"); // the same code in another section
    run();
    EXPECT_EQ(state.money, 1);
}

// Every call pays again and puts the offer up again until the thing is taken; the text never shows.
TEST_F(RunCellScriptTest, AnOfferShowsItsPromptNotTheText) {
    writeScript({QStringLiteral("[subject]"), QStringLiteral("5"), QStringLiteral("[many]"),
                 QStringLiteral("100"), QStringLiteral("[win]"), QStringLiteral("1"),
                 QStringLiteral("[text]"), QStringLiteral("Текст")});
    run();
    EXPECT_EQ(state.form2.offerCode, 5);
    EXPECT_EQ(window.labels[2].text(), crossPrompt);
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_EQ(state.money, 100);
    EXPECT_EQ(window.money.text(), QStringLiteral("100"));

    window.panels[2].hide();
    run();
    EXPECT_EQ(state.money, 200);
    EXPECT_EQ(window.money.text(), QStringLiteral("200"));
    EXPECT_TRUE(window.panels[2].isVisible());

    writeTakenKey(state.form2, QStringLiteral("x3y5A1"));
    window.panels[2].hide();
    run();
    EXPECT_EQ(state.money, 200);
    EXPECT_FALSE(window.panels[2].isVisible());
}

TEST_F(RunCellScriptTest, AScrollOfferShowsTheScrollsPrompt) {
    writeScript({QStringLiteral("[subject]"), QStringLiteral("503")});
    run();
    EXPECT_EQ(window.labels[2].text(), QStringLiteral("Желаете получить красный свиток?"));
    EXPECT_TRUE(window.panels[2].isVisible());
}

// offerCode is only changed by "[subject]": an earlier item offer comes back, a trade code silences the
// script.
TEST_F(RunCellScriptTest, AScriptWithoutSubjectKeepsTheEarlierOffer) {
    writeScript({QStringLiteral("[text]"), QStringLiteral("Текст")});

    state.form2.offerCode = 5;
    run();
    EXPECT_EQ(window.labels[2].text(), crossPrompt);
    EXPECT_TRUE(window.panels[2].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());

    for (int16_t code : {int16_t(999), int16_t(980), int16_t(45), int16_t(-3)}) {
        SetUp();
        state.form2.offerCode = code;
        run();
        EXPECT_FALSE(window.panels[2].isVisible()) << code;
        EXPECT_FALSE(window.labels[1].isVisible()) << code;
        EXPECT_EQ(state.form2.offerCode, code);
    }
}

TEST_F(RunCellScriptTest, SubjectZeroEndsTheOfferAndTheTextShows) {
    writeScript({QStringLiteral("[subject]"), QStringLiteral("0"), QStringLiteral("[text]"),
                 QStringLiteral("Текст")});
    state.form2.offerCode = 5;
    run();
    EXPECT_EQ(state.form2.offerCode, 0);
    EXPECT_FALSE(window.panels[2].isVisible());
    EXPECT_EQ(window.labels[1].text(), QStringLiteral("Текст"));
    EXPECT_TRUE(window.labels[1].isVisible());
}

TEST_F(RunCellScriptTest, ModeZeroShowsTheTextOnTheNoticeLineInTheScriptsLook) {
    writeScript({QStringLiteral("[text]"), QStringLiteral("Один<br>два<BR>три<br>"), QStringLiteral("[brds]"),
                 QStringLiteral("1"), QStringLiteral("[bcks]"), QStringLiteral("1"),
                 QStringLiteral("[backcolor]"), QStringLiteral("128"), QStringLiteral("[fontcolor]"),
                 QStringLiteral("65535"), QStringLiteral("[fontsize]"), QStringLiteral("12")});
    run();
    const test::FakeControl& notice = window.labels[1];
    EXPECT_EQ(notice.text(), QStringLiteral("Один\r\nдва<BR>три\r\n"));
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.borderStyle(), 1);
    EXPECT_EQ(notice.backStyle(), 1);
    EXPECT_EQ(notice.backColor(), 128);
    EXPECT_EQ(notice.foreColor(), 65535);
    EXPECT_EQ(notice.fontSize(), 12);
    EXPECT_FALSE(window.panels[0].isVisible());
}

// A style the label refuses stays at the plain look the script started from.
TEST_F(RunCellScriptTest, AStyleTheLabelRefusesStaysPlain) {
    writeScript({QStringLiteral("[brds]"), QStringLiteral("5"), QStringLiteral("[bcks]"), QStringLiteral("2"),
                 QStringLiteral("[text]"), QStringLiteral("x")});
    window.labels[1].setBorderStyle(1);
    window.labels[1].setBackStyle(1);
    run();
    EXPECT_EQ(window.labels[1].borderStyle(), 0);
    EXPECT_EQ(window.labels[1].backStyle(), 0);
}

TEST_F(RunCellScriptTest, ModeOneOpensTheInfoPanelInOliveWithTheScriptsSizeOnly) {
    writeScript({QStringLiteral("[win]"), QStringLiteral("1"), QStringLiteral("[text]"),
                 QStringLiteral("Первая<br>вторая<br>третья"), QStringLiteral("[fontsize]"),
                 QStringLiteral("10"), QStringLiteral("[bcks]"), QStringLiteral("1"),
                 QStringLiteral("[brds]"), QStringLiteral("1"), QStringLiteral("[backcolor]"),
                 QStringLiteral("255"), QStringLiteral("[fontcolor]"), QStringLiteral("255")});
    run();
    const test::FakeControl& info = window.labels[0];
    EXPECT_EQ(info.text(), QStringLiteral("Первая\r\nвторая\r\nтретья"));
    EXPECT_EQ(info.foreColor(), 49344);
    EXPECT_EQ(info.fontSize(), 10);
    EXPECT_EQ(info.backStyle(), 0);
    EXPECT_EQ(info.borderStyle(), 0);
    EXPECT_EQ(info.backColor(), 0);
    EXPECT_TRUE(window.panels[0].isVisible());
    EXPECT_FALSE(window.command3.isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());

    window.command3.show();
    run();
    EXPECT_TRUE(window.command3.isVisible());
}

TEST_F(RunCellScriptTest, ModeTwoClosesBothMessagesAndShowsNoText) {
    writeScript(
        {QStringLiteral("[win]"), QStringLiteral("2"), QStringLiteral("[text]"), QStringLiteral("Текст")});
    window.panels[0].show();
    window.labels[1].show();
    window.labels[1].setText(QStringLiteral("Старое"));
    run();
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_EQ(window.labels[0].text(), QString());
    EXPECT_EQ(window.labels[1].text(), QStringLiteral("Старое"));
}

TEST_F(RunCellScriptTest, OtherModesShowNothing) {
    writeScript(
        {QStringLiteral("[win]"), QStringLiteral("3"), QStringLiteral("[text]"), QStringLiteral("Текст")});
    run();
    EXPECT_FALSE(window.panels[0].isVisible());
    EXPECT_FALSE(window.labels[1].isVisible());
    EXPECT_EQ(window.labels[1].text(), QString());
}

// A cell without a script file reads as an empty script: an empty notice in the plain look.
TEST_F(RunCellScriptTest, AMissingScriptShowsAnEmptyNotice) {
    window.labels[1].setText(QStringLiteral("Старое"));
    run(QStringLiteral("Zz"));
    EXPECT_TRUE(window.labels[1].isVisible());
    EXPECT_EQ(window.labels[1].text(), QString());
    EXPECT_EQ(state.form2.offerCode, 0);
}

TEST_F(RunCellScriptTest, GoldIsAddedAndShownOnlyWhenThereIsSome) {
    writeScript({QStringLiteral("[many]"), QStringLiteral("-50")});
    run();
    EXPECT_EQ(state.money, -50);
    EXPECT_EQ(window.money.text(), QStringLiteral("-50"));

    writeScript({QStringLiteral("[many]"), QStringLiteral("0")});
    window.money.setText(QStringLiteral("не тронуто"));
    run();
    EXPECT_EQ(state.money, -50);
    EXPECT_EQ(window.money.text(), QStringLiteral("не тронуто"));
}

TEST_F(RunCellScriptTest, ThePlainLookIsRestoredBeforeTheScriptActs) {
    writeScript({QStringLiteral("[win]"), QStringLiteral("2")});
    for (test::FakeControl* label : {&window.labels[0], &window.labels[1]}) {
        label->setForeColor(49344);
        label->setFontSize(20);
        label->setBackStyle(1);
        label->setBorderStyle(1);
        label->setBackColor(99);
        label->setText(QStringLiteral("оставить"));
    }
    run();
    for (test::FakeControl* label : {&window.labels[0], &window.labels[1]}) {
        EXPECT_EQ(label->foreColor(), 16777215);
        EXPECT_EQ(label->fontSize(), 8);
        EXPECT_EQ(label->backStyle(), 0);
        EXPECT_EQ(label->borderStyle(), 0);
        EXPECT_EQ(label->backColor(), 0);
        EXPECT_EQ(label->text(), QStringLiteral("оставить"));
    }
}

} // namespace
} // namespace velmor
