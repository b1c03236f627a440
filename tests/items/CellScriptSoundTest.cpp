#include "ItemsTestSupport.h"

#include "Fixtures.h"
#include "RecordedSounds.h"

#include "items/CellScript.h"
#include "platform/Components.h"
#include "platform/ProgramFolder.h"

#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmor {
namespace {

class CellScriptSound : public ::testing::Test {
  protected:
    void SetUp() override { test::hideAsAtOpening(window); }

    void runWithEffect(const QString& effect) {
        folder.writeLines(QStringLiteral("Maps/Test/[x3y5-A1].mtx"), {QStringLiteral("[wav]"), effect});
        RunCellScript(state, window, QStringLiteral("A1"));
    }

    test::ProgramFolderFixture folder;
    GameState state = test::gameInSection();
    test::FakeGameWindow window;
};

TEST_F(CellScriptSound, TheEffectIsPlayedByANewComponentFromTheMapsFolder) {
    test::RecordedSounds sounds;
    folder.writeBytes(QStringLiteral("Maps/SOUNDS/Boom.WAV"), QByteArray("RIFF"));
    auto held = std::make_shared<QObject>();
    state.soundPlayer = held;

    runWithEffect(QStringLiteral("sounds\\boom.wav"));

    EXPECT_EQ(sounds.calls(),
              QStringList({QStringLiteral("create"),
                           QStringLiteral("PlayFX ") + folder.file(QStringLiteral("Maps/SOUNDS/Boom.WAV"))}));
    ASSERT_NE(state.soundPlayer, nullptr);
    EXPECT_NE(state.soundPlayer, held);
}

TEST_F(CellScriptSound, ZeroEmptyASpaceAndFalseMeanNoEffect) {
    test::RecordedSounds sounds;
    auto held = std::make_shared<QObject>();
    for (const char* none : {"0", "", " ", "false"}) {
        state.soundPlayer = held;
        runWithEffect(QString::fromLatin1(none));
        EXPECT_EQ(state.soundPlayer, held) << '"' << none << '"';
    }
    EXPECT_EQ(sounds.calls(), QStringList());

    // Only those exact values: these name files, however unlikely.
    for (const char* effect : {"False", "  ", "00"}) {
        sounds.clear();
        runWithEffect(QString::fromLatin1(effect));
        EXPECT_EQ(sounds.calls().value(0), QStringLiteral("create")) << '"' << effect << '"';
    }
}

// Without a sound component the game goes on as before: the held player stays, the rest of the script acts.
TEST_F(CellScriptSound, WithoutASoundComponentTheScriptStillActs) {
    QTemporaryDir empty;
    const QString previous = componentsFolder();
    setComponentsFolder(empty.path());
    auto held = std::make_shared<QObject>();
    state.soundPlayer = held;

    folder.writeLines(QStringLiteral("Maps/Test/[x3y5-A1].mtx"),
                      {QStringLiteral("[wav]"), QStringLiteral("boom.wav"), QStringLiteral("[many]"),
                       QStringLiteral("10"), QStringLiteral("[text]"), QStringLiteral("Тишина")});
    RunCellScript(state, window, QStringLiteral("A1"));

    EXPECT_EQ(state.soundPlayer, held);
    EXPECT_EQ(state.money, 10);
    EXPECT_EQ(window.labels[1].text(), QStringLiteral("Тишина"));

    state.soundPlayer.reset();
    RunCellScript(state, window, QStringLiteral("A1"));
    EXPECT_EQ(state.soundPlayer, nullptr);
    EXPECT_EQ(state.money, 20);
    setComponentsFolder(previous);
}

} // namespace
} // namespace velmor
