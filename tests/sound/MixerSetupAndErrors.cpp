// Session set-up from MIXER.INI, positions, and the mixer's refusals.
#include "SoundTestSupport.h"

namespace zindo::test {
namespace {

class MixerSetup : public ::testing::Test {
protected:
    std::unique_ptr<TSoundMixer> Make()
    {
        return std::make_unique<TSoundMixer>(Device, Clock);
    }
    void Ini(const char* Text) { Tree.Write(QStringLiteral("bin/MIXER.INI"), QByteArray(Text)); }

    TTestTree Tree;
    TManualClock Clock;
    TFakeWaveOutDevice Device;
};

TEST_F(MixerSetup, WithoutMixerIniTheDefaultsHold)
{
    auto mixer = Make();
    const TMixerSession& s = *mixer->Session();
    EXPECT_EQ(s.OutputFormat.SamplesPerSec, 11025u);
    EXPECT_EQ(s.OutputFormat.Channels, 1);
    EXPECT_EQ(s.OutputFormat.BitsPerSample, 8);
    EXPECT_EQ(s.BlockLength, 2048u);
    EXPECT_EQ(s.BlockCount, 3u);
    EXPECT_FALSE(s.GoodWavePos);
    EXPECT_EQ(s.RemixHandler, rmReset);
    EXPECT_EQ(s.SectionName, "Fake Wave Out");
    EXPECT_EQ(s.DeviceId, -1);
}

TEST_F(MixerSetup, DeviceSectionOverridesDefaultSection)
{
    Ini("[default]\nSamplesPerSec=22\nWaveBlocks=9\nRemix=1\n"
        "[general]\nWaveOutDevice=3\n"
        "[Fake Wave Out]\nRemix=2\nWaveBlocks=1\n");
    auto mixer = Make();
    const TMixerSession& s = *mixer->Session();
    EXPECT_EQ(s.OutputFormat.SamplesPerSec, 22050u);
    EXPECT_EQ(s.OutputFormat.AvgBytesPerSec, 22050u);
    EXPECT_EQ(s.BlockLength, 4096u);
    EXPECT_EQ(s.BlockCount, 2u);
    EXPECT_EQ(s.RemixHandler, rmShift);
    EXPECT_EQ(s.DeviceId, -1); // only one device
}

TEST_F(MixerSetup, MixerIniIsReadAsPlayersWriteIt)
{
    // A [general] section, names in any letter case, a device name holding
    // characters that are special elsewhere.
    Device.DeviceCount = 4;
    Device.ProductName = QStringLiteral("USB/Audio \\ Card");
    Ini("; written by hand\r\n"
        "[general]\r\n"
        "waveoutdevice = 2\r\n"
        "[DEFAULT]\r\n"
        "samplespersec=22\r\n"
        "[usb/audio \\ card]\r\n"
        "REMIX=2\r\n"
        "WaveBlocks=5 ; five blocks\r\n");
    auto mixer = Make();
    const TMixerSession& s = *mixer->Session();
    EXPECT_EQ(s.DeviceId, 2);
    EXPECT_EQ(s.OutputFormat.SamplesPerSec, 22050u);
    EXPECT_EQ(s.RemixHandler, rmShift);
    EXPECT_EQ(s.BlockCount, 5u);
    mixer.reset();

    Ini("[general]\nWaveOutDevice=-7\n");
    EXPECT_EQ(Make()->Session()->DeviceId, -1) << "a device number below -1 means the default too";

    Ini("[General]\nWaveOutDevice=3\n[Not Compatible]\nusb/audio \\ card=1\n");
    EXPECT_EQ(MixerErrorOf([&] { Make(); }), "USB/Audio \\ Card is not compatible with the realtime wave mixer");
}

TEST_F(MixerSetup, BlockLengthIsRoundedAndKeptWithinTheBlock)
{
    Ini("[default]\nWaveBlockLen=1003\nWaveBlocks=7\n");
    auto mixer = Make();
    EXPECT_EQ(mixer->Session()->BlockLength, 1000u);
    EXPECT_EQ(mixer->Session()->BlockCount, 6u);
    mixer.reset();
    Ini("[default]\nSamplesPerSec=44\n");
    mixer = Make();
    EXPECT_EQ(mixer->Session()->OutputFormat.SamplesPerSec, 44100u);
    EXPECT_EQ(mixer->Session()->BlockLength, 4096u);
}

TEST_F(MixerSetup, ClockPositionFollowsMillisecondsAtTheOutputRate)
{
    auto mixer = Make();
    mixer->SetActivated(true);
    SetPosition(mixer->Session(), 0);
    Clock.Advance(1000);
    EXPECT_EQ(DevicePosition(mixer->Session(), false), 11025u);
    Clock.Advance(1);
    EXPECT_EQ(DevicePosition(mixer->Session(), false), 11036u); // 11.025 rounded
    SetPosition(mixer->Session(), 5000);
    EXPECT_EQ(DevicePosition(mixer->Session(), false), 4994u); // less the dropped fraction of a millisecond
}

TEST_F(MixerSetup, DevicePositionFollowsTheDeviceWithItsOffset)
{
    auto mixer = Make();
    mixer->SetChannels(7);
    mixer->SetActivated(true);
    auto wave = LoadWaveFromMemory(mixer->Session(), WaveImage(Pattern(5000, 1)), "w");
    mixer->Play(0, *wave, nullptr, 0, 0);
    Device.Advance(300);
    SetPosition(mixer->Session(), 1000);
    EXPECT_EQ(DevicePosition(mixer->Session(), true), 1000u);
    Device.Advance(24);
    EXPECT_EQ(DevicePosition(mixer->Session(), true), 1024u);
    SetPosition(mixer->Session(), 10);
    Device.Advance(5);
    EXPECT_EQ(DevicePosition(mixer->Session(), true), 15u);
}

TEST_F(MixerSetup, PlayingWhenAllIsIdleRestartsTheTimelineAtZero)
{
    auto mixer = Make();
    mixer->SetChannels(7);
    mixer->SetActivated(true);
    auto wave = LoadWaveFromMemory(mixer->Session(), WaveImage(Pattern(100, 1)), "w");
    mixer->Play(0, *wave, nullptr, 0, 0);
    Device.Advance(5000);
    Clock.Advance(500);
    mixer->Pump();
    EXPECT_EQ(mixer->Session()->MixPosition, 2048u);
    mixer->Play(0, *wave, nullptr, 0, 0);
    EXPECT_EQ(mixer->Session()->ChannelHead[0]->Start, 0u);
    EXPECT_EQ(mixer->Session()->MixPosition, 2048u);
}

TEST_F(MixerSetup, SecondSessionIsRefused)
{
    auto mixer = Make();
    EXPECT_EQ(MixerErrorOf([&] { Make(); }), "Session already initialized");
}

TEST_F(MixerSetup, NoDeviceIsRefused)
{
    Device.DeviceCount = 0;
    EXPECT_EQ(MixerErrorOf([&] { Make(); }), "No wave output devices available");
    Device.DeviceCount = 1;
    EXPECT_NE(Make(), nullptr); // the failure left no session behind
}

TEST_F(MixerSetup, BlockingAndIncompatibleDevicesAreRefused)
{
    Device.Synchronous = true;
    EXPECT_EQ(MixerErrorOf([&] { Make(); }),
              "Fake Wave Out is a syncronous (blocking) wave output device.  This will not permit audio to play "
              "while other applications are running");
    Device.Synchronous = false;
    Ini("[not compatible]\nFake Wave Out=1\n");
    EXPECT_EQ(MixerErrorOf([&] { Make(); }), "Fake Wave Out is not compatible with the realtime wave mixer");
}

TEST_F(MixerSetup, UnknownDeviceNameWhenCapsFail)
{
    Device.CapsFail = true;
    EXPECT_EQ(Make()->Session()->SectionName, "Unknown Device");
}

TEST_F(MixerSetup, FailedOpenKeepsSessionUsableButSilent)
{
    Device.OpenError = 7;
    auto mixer = Make();
    mixer->SetChannels(7);
    EXPECT_EQ(MixerErrorOf([&] { mixer->SetActivated(true); }), "Failed to open waveform output device #7");
    EXPECT_FALSE(Device.IsOpen);
    auto wave = LoadWaveFromMemory(mixer->Session(), WaveImage(Pattern(100, 1)), "w");
    EXPECT_EQ(MixerErrorOf([&] { mixer->Play(1, *wave, nullptr, 0, 0); }),
              "Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
}

TEST_F(MixerSetup, FailedWriteIsReported)
{
    auto mixer = Make();
    mixer->SetChannels(7);
    mixer->SetActivated(true);
    const TBytes samples = Pattern(5000, 1);
    auto wave = LoadWaveFromMemory(mixer->Session(), WaveImage(samples), "w");
    Device.WriteFails = true;
    EXPECT_EQ(MixerErrorOf([&] { mixer->Play(1, *wave, nullptr, 0, 0); }), "Failed to write block to device");
    EXPECT_FALSE(Device.Paused);
    Device.WriteFails = false;
    mixer->Pump();
    Device.Advance(200);
    // The failed block is lost; the block came free and the wave goes on after it.
    ASSERT_EQ(Device.Heard.size(), 200u);
    EXPECT_EQ(Device.Heard[0], samples[2048]);
}

TEST_F(MixerSetup, ChannelOperationsCheckTheirArguments)
{
    auto mixer = Make();
    TMixerSession* s = mixer->Session();
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, 0, 3); }), "Invalid Flags");
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, 8, 0); }), "Invalid channel number");
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, -1, 0); }), "Invalid channel number");
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, 0, 2); }), "Invalid number of channels");
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, 9, 2); }), "Invalid number of channels");
    OpenChannels(s, 3, 0);
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(s, 3, 0); }), "The channel has already been opened");
    OpenChannels(s, 5, 2); // opens 0..4 around the open channel 3
    EXPECT_EQ(s->OpenChannelCount, 5);
    EXPECT_EQ(MixerErrorOf([&] { FlushChannel(s, 8, 0); }), "Invalid channel number");
    EXPECT_EQ(MixerErrorOf([&] { FlushChannel(s, 6, 0); }), "The specified channel was not open");
    EXPECT_EQ(MixerErrorOf([&] { CloseChannels(s, 6, 0); }), "The specified channel was not open");
    CloseChannels(s, 3, 0);
    EXPECT_EQ(s->OpenChannelCount, 4);
}

TEST_F(MixerSetup, PlayChecksItsRequest)
{
    auto mixer = Make();
    mixer->SetChannels(7);
    mixer->SetActivated(true);
    auto wave = LoadWaveFromMemory(mixer->Session(), WaveImage(Pattern(100, 1)), "w");
    TPlayRequest request;
    EXPECT_EQ(MixerErrorOf([&] { MixerPlay(nullptr); }), "nil parameters pointer passed to MixerPlay");
    request.Wave = wave.get();
    EXPECT_EQ(MixerErrorOf([&] { MixerPlay(&request); }), "Invalid Session handle");
    request.Session = mixer->Session();
    request.Wave = nullptr;
    EXPECT_EQ(MixerErrorOf([&] { MixerPlay(&request); }), "nil wave pointer passed to MixerPlay!");
    request.Wave = wave.get();
    request.Channel = 8;
    EXPECT_EQ(MixerErrorOf([&] { MixerPlay(&request); }), "Invalid channel number");
}

TEST_F(MixerSetup, OperationsWithoutSessionAreRefused)
{
    TMixerSession bogus; // check words never set
    EXPECT_EQ(MixerErrorOf([&] { LoadWave(nullptr, "x.wav"); }), "Invalid Session handle");
    EXPECT_EQ(MixerErrorOf([&] { FlushChannel(&bogus, 0, 0); }), "Invalid Session handle");
    EXPECT_EQ(MixerErrorOf([&] { MixerActivate(&bogus, true); }), "Invalid Session handle");
    EXPECT_EQ(MixerErrorOf([&] { OpenChannels(nullptr, 0, 1); }), "Invalid Session handle");
    EXPECT_EQ(MixerErrorOf([&] { CloseSession(nullptr); }), "Invalid Session handle");
}

TEST_F(MixerSetup, ShiftRemixMovesANewSoundBehindWhatIsMixed)
{
    Ini("[default]\nRemix=2\nGoodWavePos=1\n");
    auto mixer = Make();
    mixer->SetChannels(7);
    mixer->SetActivated(true);
    const TBytes music = Pattern(1000, 9);
    const TBytes effect = Pattern(300, 70);
    auto m = LoadWaveFromMemory(mixer->Session(), WaveImage(music), "m");
    auto e = LoadWaveFromMemory(mixer->Session(), WaveImage(effect), "e");
    mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Device.Advance(100);
    mixer->Play(1, *e, nullptr, pfStartNow, 0);
    EXPECT_EQ(Device.ResetCount, 0); // nothing at the device is mixed again
    while (Device.Heard.size() < 8000) {
        Device.Advance(512);
        mixer->Pump();
    }
    for (std::size_t p = 0; p < 6144; ++p)
        ASSERT_EQ(Device.Heard[p], music[p % 1000]) << "at " << p;
    for (std::size_t k = 0; k < 299; ++k)
        ASSERT_EQ(Device.Heard[6144 + k], Sum({music[(6144 + k) % 1000], effect[k]})) << "at " << k;
}

} // namespace
} // namespace zindo::test
