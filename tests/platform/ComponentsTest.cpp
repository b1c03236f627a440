#include "platform/Components.h"
#include "RecordedSounds.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QTemporaryDir>

using namespace velmor;
using namespace velmor::test;

TEST(Components, WithoutTheLibraryNothingIsCreatedAndTheGameGoesOnSilent) {
    QTemporaryDir empty;
    setComponentsFolder(empty.path());
    EXPECT_EQ(createComponent(QStringLiteral("Sounds.MuzON")), nullptr);

    std::shared_ptr<QObject> soundPlayer;
    playThroughNewSoundComponent(soundPlayer, "PlaySound", QStringLiteral("/nowhere/a.mid"));
    EXPECT_EQ(soundPlayer, nullptr);
}

TEST(Components, AFolderOfOtherFilesHoldsNoComponent) {
    QTemporaryDir folder;
    QFile junk(folder.filePath(QStringLiteral("libjunk.so")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library at all");
    junk.close();
    setComponentsFolder(folder.path());
    EXPECT_EQ(createComponent(QStringLiteral("Sounds.MuzON")), nullptr);
}

TEST(Components, EveryCreationIsANewInstanceAndCallsGoByName) {
    RecordedSounds sounds;
    auto first = createComponent(QStringLiteral("Sounds.MuzON"));
    auto second = createComponent(QStringLiteral("Sounds.MuzON"));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(callComponent(first.get(), "PlaySound", QStringLiteral("/a/b.mid")));
    EXPECT_TRUE(callComponent(second.get(), "PlayFX", QStringLiteral("/a/c.wav")));
    EXPECT_FALSE(callComponent(second.get(), "Play", QStringLiteral("/a/c.wav")));
    EXPECT_EQ(sounds.calls(), QStringList({"create", "create", "PlaySound /a/b.mid", "PlayFX /a/c.wav"}));
}

TEST(Components, AFailedCreationLeavesTheHeldInstanceToPlay) {
    std::shared_ptr<QObject> soundPlayer;
    RecordedSounds sounds;
    playThroughNewSoundComponent(soundPlayer, "PlaySound", QStringLiteral("/m/one.mid"));
    ASSERT_NE(soundPlayer, nullptr);
    QObject* held = soundPlayer.get();

    QTemporaryDir empty;
    setComponentsFolder(empty.path());
    playThroughNewSoundComponent(soundPlayer, "PlayFX", QStringLiteral("/m/fx.wav"));
    EXPECT_EQ(soundPlayer.get(), held);
    EXPECT_EQ(sounds.calls(), QStringList({"create", "PlaySound /m/one.mid", "PlayFX /m/fx.wav"}));
}
