// The game's effect sounds on channel 1 and its background tune on channel 2.
#include "SoundTestSupport.h"

#include "data/DataContainer.h"
#include "sound/GameSounds.h"

#include <QStringList>

namespace zindo::test {
namespace {

const char* const EffectNames[] = {nullptr, "MSEPTAKE", "MSEPDROP", "MSERISKTAKE", "MSERISKWON", "MSERISKLOST",
                                   "MSEMAGIC"};

class GameSoundEffects : public ::testing::Test {
protected:
    void SetUp() override
    {
        Tree.Write(QStringLiteral("bin/MIXER.INI"), QByteArray("[default]\nGoodWavePos=1\n"));
        QDir().mkpath(Tree.Path(QStringLiteral("dat/snd")));
        for (int code = 1; code <= 6; ++code)
            WriteSound(EffectNames[code], EffectSamples(code));
        WriteSound("mbk2", Music);
    }

    /// Every effect is told apart by its first byte.
    static TBytes EffectSamples(int Code) { return Pattern(400 + 100 * std::size_t(Code), std::uint8_t(Code * 30)); }

    void WriteSound(const char* Name, const TBytes& Samples)
    {
        const QString ext = QString::fromLatin1(Name) == "mbk2" ? QStringLiteral(".dat") : QStringLiteral(".DAT");
        const QString plain = Tree.Write(QStringLiteral("tmp/") + Name + ".wav", WaveImage(Samples));
        EncodeFile(plain, Tree.Path(QStringLiteral("dat/snd/") + Name + ext));
    }

    void RemoveSound(const char* Name, const char* Ext)
    {
        QFile::remove(Tree.Path(QStringLiteral("dat/snd/") + Name + Ext));
    }

    /// Sounds over a fake device, started the way the main window starts them.
    void Start()
    {
        auto device = std::make_unique<TFakeWaveOutDevice>();
        Device = device.get();
        Sounds = std::make_unique<TGameSounds>(std::move(device), Clock);
        Sounds->ShowMessage = [this](const QString& Message) { Messages << Message; };
        Sounds->LoadEffectSounds();
    }

    void Hear(std::uint32_t N)
    {
        for (std::uint32_t done = 0; done < N; done += 256) {
            Device->Advance(256);
            Sounds->Mixer()->Pump();
        }
    }

    std::uint8_t Busy() const { return Sounds->Mixer()->BusyChannels(); }

    TTestTree Tree;
    TManualClock Clock;
    const TBytes Music = Pattern(2500, 11);
    TFakeWaveOutDevice* Device = nullptr;
    std::unique_ptr<TGameSounds> Sounds;
    QStringList Messages;
};

TEST_F(GameSoundEffects, EachEffectPlaysItsOwnSoundOnChannel1)
{
    Start();
    EXPECT_TRUE(Messages.isEmpty());
    for (int code = 1; code <= 6; ++code) {
        const std::size_t from = Device->Heard.size();
        Sounds->PlayEffect(std::uint8_t(code));
        EXPECT_EQ(Busy(), 1 << 1) << "code " << code;
        Hear(3000);
        const TBytes expected = EffectSamples(code);
        ASSERT_GE(Device->Heard.size(), from + expected.size() - 1);
        EXPECT_EQ(TBytes(Device->Heard.begin() + std::ptrdiff_t(from),
                         Device->Heard.begin() + std::ptrdiff_t(from + expected.size() - 1)),
                  TBytes(expected.begin(), expected.end() - 1))
            << "code " << code;
        EXPECT_EQ(Busy(), 0);
    }
}

TEST_F(GameSoundEffects, CodesWithoutSoundStaySilent)
{
    Start();
    Sounds->PlayEffect(10);
    Sounds->PlayEffect(0);
    Sounds->PlayEffect(200);
    EXPECT_EQ(Busy(), 0);
    EXPECT_EQ(Device->QueuedBytes(), 0u);
}

TEST_F(GameSoundEffects, NewEffectCutsOffTheOneSounding)
{
    Start();
    Sounds->PlayEffect(3);
    Hear(256);
    Sounds->PlayEffect(4);
    Hear(3000);
    const TBytes first = EffectSamples(3);
    const TBytes second = EffectSamples(4);
    EXPECT_EQ(TBytes(Device->Heard.begin(), Device->Heard.begin() + 256), TBytes(first.begin(), first.begin() + 256));
    EXPECT_EQ(TBytes(Device->Heard.begin() + 256, Device->Heard.begin() + 256 + 799),
              TBytes(second.begin(), second.end() - 1));
}

TEST_F(GameSoundEffects, MissingMagicSilencesAllEffectsWithOneMessageButNotMusic)
{
    RemoveSound("MSEMAGIC", ".DAT");
    Start();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Sound error: ")) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[0].contains("MSEMAGIC.DAT")) << Messages[0].toStdString();
    for (int code = 1; code <= 6; ++code)
        Sounds->PlayEffect(std::uint8_t(code));
    EXPECT_EQ(Busy(), 0);

    Sounds->PlayOrStopMusic(2);
    EXPECT_EQ(Busy(), 1 << 2);
    EXPECT_EQ(Messages.size(), 1);
}

TEST_F(GameSoundEffects, LaterBrokenEffectDropsTheOnesAlreadyLoaded)
{
    Tree.Write(QStringLiteral("tmp/bad.wav"), QByteArray("not a wave"));
    EncodeFile(Tree.Path("tmp/bad.wav"), Tree.Path("dat/snd/MSERISKTAKE.DAT"));
    Start();
    ASSERT_EQ(Messages, QStringList{"Sound error: This is not a WAVE file"});
    Sounds->PlayEffect(6); // loaded first, then dropped
    EXPECT_EQ(Busy(), 0);
}

TEST_F(GameSoundEffects, MusicLoopsOnChannel2AndIsNotRestartedWhileBusy)
{
    Start();
    Sounds->PlayOrStopMusic(2);
    EXPECT_EQ(Busy(), 1 << 2);
    Hear(3000);
    const int resets = Device->ResetCount;
    Sounds->PlayOrStopMusic(2);
    EXPECT_EQ(Device->ResetCount, resets);
    Hear(7000);
    for (std::size_t p = 0; p < 10000; ++p)
        ASSERT_EQ(Device->Heard[p], Music[p % Music.size()]) << "at " << p;
}

TEST_F(GameSoundEffects, StoppedMusicRestartsFromItsBeginning)
{
    Start();
    Sounds->PlayOrStopMusic(2);
    Hear(1024);
    Sounds->PlayOrStopMusic(0);
    EXPECT_EQ(Busy(), 0);
    Hear(10000); // the blocks already at the device play out, then silence
    const std::size_t stopped = Device->Heard.size();
    EXPECT_EQ(stopped % 2048, 0u);
    for (std::size_t p = 0; p < stopped; ++p)
        ASSERT_EQ(Device->Heard[p], Music[p % Music.size()]) << "at " << p;

    Sounds->PlayOrStopMusic(0); // nothing to stop
    Sounds->PlayOrStopMusic(2);
    Hear(3000);
    for (std::size_t k = 0; k < 3000; ++k)
        ASSERT_EQ(Device->Heard[stopped + k], Music[k % Music.size()]) << "at " << k;
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(GameSoundEffects, EffectOverMusicIsMixedIn)
{
    Start();
    Sounds->PlayOrStopMusic(2);
    Hear(512);
    Sounds->PlayEffect(5);
    Hear(2048);
    const TBytes effect = EffectSamples(5);
    for (std::size_t k = 0; k < effect.size() - 1; ++k)
        ASSERT_EQ(Device->Heard[512 + k], Sum({Music[(512 + k) % Music.size()], effect[k]})) << "at " << k;
    EXPECT_EQ(Busy(), 1 << 2);
}

TEST_F(GameSoundEffects, FailedMusicLoadIsShownAndRetriedAtEveryCall)
{
    RemoveSound("mbk2", ".dat");
    Start();
    Sounds->PlayOrStopMusic(2);
    Sounds->PlayOrStopMusic(2);
    ASSERT_EQ(Messages.size(), 2);
    EXPECT_TRUE(Messages[1].startsWith("Sound error: "));
    EXPECT_EQ(Busy(), 0);
    WriteSound("mbk2", Music);
    Sounds->PlayOrStopMusic(2);
    EXPECT_EQ(Busy(), 1 << 2);
    EXPECT_EQ(Messages.size(), 2);
}

TEST_F(GameSoundEffects, WithoutDeviceTheGameIsSilentWithOneMessage)
{
    auto device = std::make_unique<TFakeWaveOutDevice>();
    device->DeviceCount = 0;
    TGameSounds sounds(std::move(device), Clock);
    sounds.ShowMessage = [this](const QString& Message) { Messages << Message; };
    sounds.LoadEffectSounds();
    for (int code = 0; code <= 10; ++code)
        sounds.PlayEffect(std::uint8_t(code));
    sounds.PlayOrStopMusic(2);
    sounds.PlayOrStopMusic(0);
    EXPECT_EQ(sounds.Mixer(), nullptr);
    EXPECT_EQ(Messages, QStringList{"Sound error: No wave output devices available"});
}

TEST_F(GameSoundEffects, DeviceThatWillNotOpenLeavesTheGameSilent)
{
    auto device = std::make_unique<TFakeWaveOutDevice>();
    device->OpenError = 4;
    TGameSounds sounds(std::move(device), Clock);
    sounds.ShowMessage = [this](const QString& Message) { Messages << Message; };
    sounds.LoadEffectSounds();
    sounds.PlayEffect(3);
    sounds.PlayOrStopMusic(2);
    EXPECT_EQ(Messages, QStringList{"Sound error: Failed to open waveform output device #4"});
    // The next game may make its own mixer: nothing was left behind.
    EXPECT_EQ(CurrentSession(), nullptr);
    EXPECT_EQ(DeviceOwner(), nullptr);
}

TEST_F(GameSoundEffects, DefaultSoundsWithoutAudioDriverStartSilently)
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    auto sounds = MakeDefaultGameSounds();
    qunsetenv("SDL_AUDIODRIVER");
    sounds->ShowMessage = [this](const QString& Message) { Messages << Message; };
    sounds->LoadEffectSounds();
    sounds->PlayEffect(3);
    sounds->PlayOrStopMusic(2);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Sound error: No wave output devices available"))
        << Messages[0].toStdString();
}

} // namespace
} // namespace zindo::test
