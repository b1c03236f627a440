// Ending the running game from outside: SIGTERM from kill and SIGINT from Ctrl+C end it as its own exit does,
// also once the sound component has set up audio.

#include "SoundFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

class TerminationTest : public ::testing::TestWithParam<int> {};

TEST_P(TerminationTest, EndsTheRunningGame) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("Maps/Лес");
    QFile registry(root.filePath("Maps/Reestr.txt"));
    ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
    registry.write("\xcb\xe5\xf1\r\n"); // "Лес" in Windows-1251
    registry.close();
    QFile music(root.filePath("log.muz"));
    ASSERT_TRUE(music.open(QIODevice::WriteOnly));
    music.write(velmor::test::sineWav(440, 3));
    music.close();

    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy"); // audio that opens everywhere, so SDL is set up
    environment.remove("VELMOR_ROOT");
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(VELMOR_BINARY), {"--root", root.path()});
    ASSERT_TRUE(game.waitForStarted(10000));
    // The start window plays its music as it opens; give it time to set up audio.
    EXPECT_FALSE(game.waitForFinished(2000)) << "the game ended by itself";

    ::kill(static_cast<pid_t>(game.processId()), GetParam());
    ASSERT_TRUE(game.waitForFinished(10000)) << "the game went on running";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationTest, ::testing::Values(SIGTERM, SIGINT), [](const auto& info) {
    return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
});

} // namespace
