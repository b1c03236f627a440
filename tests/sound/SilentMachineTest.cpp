// On a machine without any audio device the component still answers at once and the game goes on.

#include "RecordedSounds.h"
#include "SoundFiles.h"
#include "platform/Components.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <chrono>

using namespace velmor;
using namespace velmor::test;

TEST(SilentMachine, CallsReturnAtOnceWithoutAnAudioDevice) {
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    QTemporaryDir dir;
    QString music = dir.filePath(QStringLiteral("a.wav"));
    QFile file(music);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sineWav(440, 0.5));
    file.close();

    setComponentsFolder(realComponentsFolder());
    auto started = std::chrono::steady_clock::now();
    auto player = createComponent(QStringLiteral("Sounds.MuzON"));
    ASSERT_TRUE(player);
    EXPECT_TRUE(callComponent(player.get(), "PlaySound", music));
    EXPECT_TRUE(callComponent(player.get(), "PlayFX", music));
    EXPECT_TRUE(callComponent(player.get(), "PlaySound", dir.path()));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}
