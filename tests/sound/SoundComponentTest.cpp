// The sound component played for real: SDL's disk audio driver writes what would reach the speakers into a
// file, and the tests listen to its last fraction of a second.

#include "FakeGameWindow.h"
#include "Fixtures.h"
#include "RecordedSounds.h"
#include "SoundFiles.h"
#include "platform/Components.h"
#include "state/GameState.h"
#include "state/SectionLoader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <thread>

using namespace velmor;
using namespace velmor::test;

namespace {

QTemporaryDir* scratch = nullptr;

QString audioFile() {
    return scratch->filePath(QStringLiteral("speakers.raw"));
}

QString soundFile(const QString& name, const QByteArray& content) {
    QString path = scratch->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
}

// Waits until the driver has written `seconds` more of sound, so what was asked for has reached the output.
void letPlay(double seconds) {
    const qint64 start = audioWritten(audioFile());
    const qint64 wanted = static_cast<qint64>(seconds * 44100) * 4;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (audioWritten(audioFile()) - start < wanted && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

AudioTail listen() {
    return readAudioTail(audioFile(), 0.25);
}

std::shared_ptr<QObject> newPlayer() {
    setComponentsFolder(realComponentsFolder());
    return createComponent(QStringLiteral("Sounds.MuzON"));
}

class SoundComponent : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(newPlayer()) << "the sound component was not found"; }
};

} // namespace

TEST_F(SoundComponent, WavMusicIsHeard) {
    auto player = newPlayer();
    callComponent(player.get(), "PlaySound", soundFile("a440.wav", sineWav(440, 1.0)));
    letPlay(0.6);
    AudioTail tail = listen();
    EXPECT_GT(tail.rms(), 0.05);
    EXPECT_GT(tail.power(440), 20 * tail.power(1000));
}

TEST_F(SoundComponent, MidiMusicIsHeardThroughTheSoundFont) {
    auto player = newPlayer();
    callComponent(player.get(), "PlaySound", soundFile("chord.mid", chordMidi(6)));
    letPlay(1.0);
    EXPECT_GT(listen().rms(), 0.01);
}

TEST_F(SoundComponent, SecondPlaySoundThroughAnotherInstanceReplacesTheFirst) {
    auto first = newPlayer();
    callComponent(first.get(), "PlaySound", soundFile("a440.wav", sineWav(440, 1.0)));
    letPlay(0.3);
    auto second = newPlayer();
    callComponent(second.get(), "PlaySound", soundFile("b1000.wav", sineWav(1000, 1.0)));
    letPlay(0.6);
    AudioTail tail = listen();
    EXPECT_GT(tail.power(1000), 20 * tail.power(440));
}

TEST_F(SoundComponent, EffectSoundsTogetherWithTheMusic) {
    auto music = newPlayer();
    callComponent(music.get(), "PlaySound", soundFile("a440.wav", sineWav(440, 1.0)));
    letPlay(0.3);
    auto effect = newPlayer();
    callComponent(effect.get(), "PlayFX", soundFile("fx1500.wav", sineWav(1500, 3.0)));
    letPlay(0.5);
    AudioTail tail = listen();
    const double quiet = tail.power(800);
    EXPECT_GT(tail.power(440), 20 * quiet);
    EXPECT_GT(tail.power(1500), 20 * quiet);
}

TEST_F(SoundComponent, MissingFileAndReleasingTheOnlyInstanceLeaveTheMusicPlaying) {
    auto player = newPlayer();
    callComponent(player.get(), "PlaySound", soundFile("a440.wav", sineWav(440, 1.0)));
    letPlay(0.3);
    callComponent(player.get(), "PlaySound", scratch->filePath(QStringLiteral("no such music.mid")));
    callComponent(player.get(), "PlayFX", scratch->filePath(QStringLiteral("no such effect.wav")));
    player.reset();
    letPlay(0.6);
    AudioTail tail = listen();
    EXPECT_GT(tail.rms(), 0.05);
    EXPECT_GT(tail.power(440), 20 * tail.power(1000));
}

TEST_F(SoundComponent, MethodsAreFoundByName) {
    auto player = newPlayer();
    EXPECT_TRUE(callComponent(player.get(), "PlayFX", scratch->filePath(QStringLiteral("nothing.wav"))));
    EXPECT_FALSE(callComponent(player.get(), "Stop", QString()));
}

TEST_F(SoundComponent, LoadingAMapsFirstSectionPlaysItsMusic) {
    ProgramFolderFixture root;
    root.writeBytes("Music/Theme.wav", sineWav(440, 1.0));
    root.writeLines("Maps/Лес/x0y0.map", {"=="});
    root.writeLines("Maps/Лес/x0y0.mfx", {"\\music\\theme.wav"});
    GameState state;
    resetForNewGame(state, QStringLiteral("Лес"));
    FakeGameWindow window;
    LoadSection(state, window, SectionKind::Grid);
    ASSERT_NE(state.soundPlayer, nullptr);
    letPlay(0.6);
    AudioTail tail = listen();
    EXPECT_GT(tail.rms(), 0.05);
    EXPECT_GT(tail.power(440), 20 * tail.power(1000));
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(audioFile()));
    return RUN_ALL_TESTS();
}
