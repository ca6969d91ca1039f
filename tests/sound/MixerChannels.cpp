// What is heard when waves play on one or several channels.
#include "SoundTestSupport.h"

namespace zindo::test {
namespace {

using MixerChannels = TMixerFixture;

TEST_F(MixerChannels, OneWaveIsCopiedUnchangedThenSilence)
{
    const TBytes samples = Pattern(100, 3);
    auto wave = Wave(samples);
    Mixer->Play(0, *wave, nullptr, 0, 0);
    Hear(10000);

    ASSERT_EQ(Device.Heard.size(), 2048u); // one block: nothing left for a second
    // The wave's last byte is never mixed: it sounds at positions 0 to 98.
    EXPECT_EQ(Heard(0, 99), TBytes(samples.begin(), samples.begin() + 99));
    EXPECT_EQ(Heard(99, 2048 - 99), TBytes(2048 - 99, 128));
    EXPECT_EQ(Mixer->BusyChannels(), 0);
}

TEST_F(MixerChannels, TwoChannelsAreSummedAroundSilenceAndClipped)
{
    const TBytes a = {200, 250, 10, 128, 60, 99};
    const TBytes b = {100, 250, 10, 77, 128, 99};
    auto waveA = Wave(a);
    auto waveB = Wave(b);
    Mixer->Play(1, *waveA, nullptr, 0, 0);
    // Started now, not after the block already mixed with A alone.
    Mixer->Play(2, *waveB, nullptr, pfStartNow, 0);
    Hear(100);

    const TBytes expected = {172, 255, 0, 77, 60, 128};
    EXPECT_EQ(Heard(0, 6), expected);
}

TEST_F(MixerChannels, ThreeSourcesClipByteForByte)
{
    auto a = Wave({250, 5, 200, 1});
    auto b = Wave({240, 20, 60, 1});
    auto c = Wave({230, 30, 130, 1});
    Mixer->SetChannels(255);
    Mixer->Play(0, *a, nullptr, pfHold, 0);
    Mixer->Play(1, *b, nullptr, pfHold, 0);
    Mixer->Play(2, *c, nullptr, 0, 0);
    Hear(10);
    EXPECT_EQ(Heard(0, 3), (TBytes{255, 0, Sum({200, 60, 130})}));
}

TEST_F(MixerChannels, ClearChannelCutsOffTheWavePlaying)
{
    const TBytes first = Pattern(5000, 1);
    const TBytes second = Pattern(300, 50);
    auto w1 = Wave(first);
    auto w2 = Wave(second);
    Mixer->Play(1, *w1, nullptr, 0, 0);
    Hear(1000);
    Mixer->Play(1, *w2, nullptr, pfClearChannel | pfStartNow, 0);
    Hear(10000);

    EXPECT_EQ(Heard(0, 1000), TBytes(first.begin(), first.begin() + 1000));
    EXPECT_EQ(Heard(1000, 299), TBytes(second.begin(), second.begin() + 299));
    EXPECT_EQ(Heard(1299, 500), TBytes(500, 128));
}

TEST_F(MixerChannels, StartNowIsMixedInAtThePositionBeingHeard)
{
    const TBytes music = Pattern(3000, 9);
    const TBytes effect = Pattern(700, 77);
    auto m = Wave(music);
    auto e = Wave(effect);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Hear(1000);
    ASSERT_EQ(Device.QueuedBytes(), 3u * 2048u - 1000u);

    Mixer->Play(1, *e, nullptr, pfClearChannel | pfStartNow, 0);
    Hear(4000);

    ASSERT_GE(Device.Heard.size(), 5000u);
    EXPECT_EQ(Heard(0, 1000), TBytes(music.begin(), music.begin() + 1000));
    for (std::size_t k = 0; k < 699; ++k)
        ASSERT_EQ(Device.Heard[1000 + k], Sum({music[(1000 + k) % 3000], effect[k]})) << "at " << k;
    for (std::size_t p = 1699; p < 5000; ++p)
        ASSERT_EQ(Device.Heard[p], music[p % 3000]) << "at " << p;
}

TEST_F(MixerChannels, LoopCountPlaysTheWaveThatManyTimesMore)
{
    const TBytes samples = Pattern(10, 20);
    auto wave = Wave(samples);
    Mixer->Play(0, *wave, nullptr, 0, 2);
    Hear(3000);
    for (std::size_t p = 0; p < 29; ++p)
        EXPECT_EQ(Device.Heard[p], samples[p % 10]) << "at " << p;
    EXPECT_EQ(Device.Heard[29], 128);
}

TEST_F(MixerChannels, EndlessLoopKeepsPlayingAcrossBlocks)
{
    const TBytes samples = Pattern(1500, 4);
    auto wave = Wave(samples);
    Mixer->Play(2, *wave, nullptr, 0, LoopForever);
    Hear(20000);
    ASSERT_EQ(Device.Heard.size(), 20000u);
    for (std::size_t p = 0; p < 20000; ++p)
        ASSERT_EQ(Device.Heard[p], samples[p % 1500]) << "at " << p;
    EXPECT_EQ(Mixer->BusyChannels(), 1 << 2);
}

TEST_F(MixerChannels, WaveQueuedBehindEndlessLoopNeverSounds)
{
    const TBytes loop = Pattern(100, 4);
    auto w1 = Wave(loop);
    auto w2 = Wave(TBytes(50, 255));
    Mixer->Play(0, *w1, nullptr, 0, LoopForever);
    Mixer->Play(0, *w2, nullptr, 0, 0);
    Hear(8000);
    for (std::size_t p = 0; p < 8000; ++p)
        ASSERT_EQ(Device.Heard[p], loop[p % 100]);
}

TEST_F(MixerChannels, WaveQueuedWithoutStartNowFollowsWhatIsMixed)
{
    const TBytes a = Pattern(40, 1);
    auto wa = Wave(a);
    auto wb = Wave(TBytes(30, 222));
    Mixer->Play(0, *wa, nullptr, 0, 0);
    Mixer->Play(0, *wb, nullptr, 0, 0);
    Hear(5000);
    EXPECT_EQ(Heard(0, 39), TBytes(a.begin(), a.begin() + 39));
    EXPECT_EQ(Heard(39, 2048 - 39), TBytes(2048 - 39, 128));
    EXPECT_EQ(Heard(2048, 29), TBytes(29, 222));
}

TEST_F(MixerChannels, WavesOnOneChannelFollowEachOther)
{
    const TBytes a = Pattern(40, 1);
    const TBytes b = Pattern(30, 60);
    auto wa = Wave(a);
    auto wb = Wave(b);
    Mixer->Play(0, *wa, nullptr, 0, 0);
    Mixer->Play(0, *wb, nullptr, pfStartNow, 0);
    Hear(3000);
    // b starts where a ends (39), each losing its last byte; the block
    // already mixed with a alone is mixed again from what is heard.
    EXPECT_EQ(Heard(0, 39), TBytes(a.begin(), a.begin() + 39));
    EXPECT_EQ(Heard(39, 29), TBytes(b.begin(), b.begin() + 29));
    EXPECT_EQ(Device.Heard[68], 128);
}

TEST_F(MixerChannels, FlushWithoutRemixLetsTheDeviceBlocksPlayOut)
{
    const TBytes music = Pattern(1000, 9);
    auto m = Wave(music);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Hear(100);
    Mixer->Flush(2, true);
    EXPECT_EQ(Mixer->BusyChannels(), 0);
    Hear(20000);

    ASSERT_EQ(Device.Heard.size(), 3u * 2048u);
    for (std::size_t p = 0; p < Device.Heard.size(); ++p)
        ASSERT_EQ(Device.Heard[p], music[p % 1000]) << "at " << p;
}

TEST_F(MixerChannels, FlushWithRemixStopsTheSoundAtOnce)
{
    const TBytes music = Pattern(1000, 9);
    const TBytes other = Pattern(5000, 33);
    auto m = Wave(music);
    auto o = Wave(other);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Mixer->Play(1, *o, nullptr, pfStartNow, 0);
    Hear(100);
    Mixer->Flush(2, false);
    Hear(20000);

    // Re-mixed from position 100: three blocks still hold the other wave.
    ASSERT_EQ(Device.Heard.size(), 100u + 3u * 2048u);
    for (std::size_t p = 0; p < 100; ++p)
        ASSERT_EQ(Device.Heard[p], Sum({music[p % 1000], other[p]}));
    for (std::size_t p = 100; p < 4999; ++p)
        ASSERT_EQ(Device.Heard[p], other[p]) << "at " << p;
    EXPECT_EQ(Heard(4999, 6244 - 4999), TBytes(6244 - 4999, 128));
}

TEST_F(MixerChannels, BusyChannelsFollowTheQueues)
{
    auto shortWave = Wave(Pattern(50, 1));
    auto longWave = Wave(Pattern(3000, 1));
    Mixer->Play(1, *shortWave, nullptr, 0, 0);
    Mixer->Play(2, *longWave, nullptr, 0, 0);
    EXPECT_EQ(Mixer->BusyChannels(), 0b110);
    Hear(1000);
    EXPECT_EQ(Mixer->BusyChannels(), 0b100);
    Hear(5000);
    EXPECT_EQ(Mixer->BusyChannels(), 0);
}

// The timer pumps when there is work: 2048-byte blocks last 185.8 ms at
// 11025 Hz, and the pump comes 5 ms after a block or a wave is due to end.
TEST_F(MixerChannels, PumpIsDueWhenABlockHasPlayedOrAWaveHasEndedAndNeverInSilence)
{
    EXPECT_EQ(PumpDueIn(Mixer->Session()), PumpNeverDue);
    auto tune = Wave(Pattern(3000, 9));
    Mixer->Play(2, *tune, nullptr, pfStartNow, LoopForever);
    ASSERT_EQ(Device.QueuedBytes(), 3u * 2048);
    EXPECT_EQ(PumpDueIn(Mixer->Session()), 186u + 5);
    Device.Advance(2000);
    EXPECT_EQ(PumpDueIn(Mixer->Session()), 5u + 5); // 48 bytes to go
    Hear(48);
    ASSERT_EQ(Device.QueuedBytes(), 3u * 2048); // refilled
    EXPECT_EQ(PumpDueIn(Mixer->Session()), 186u + 5);

    // A short effect ends before the block does.
    auto effect = Wave(Pattern(100, 1));
    Mixer->Play(1, *effect, nullptr, pfClearChannel | pfStartNow, 0);
    EXPECT_EQ(PumpDueIn(Mixer->Session()), 9u + 5);

    // Silence: nothing to wait for once the blocks at the device are gone.
    Mixer->Flush(1, false);
    Mixer->Flush(2, false);
    EXPECT_EQ(PumpDueIn(Mixer->Session()), PumpNeverDue);
}

TEST_F(MixerChannels, NotifyIsToldWhenTheWaveIsRetired)
{
    auto wave = Wave(Pattern(50, 1));
    std::vector<int> told;
    Mixer->Play(1, *wave, [&](int Channel, const TLoadedWave* W) {
        EXPECT_EQ(W, wave.get());
        told.push_back(Channel);
    }, 0, 0);
    Mixer->Pump();
    EXPECT_TRUE(told.empty());
    Hear(100);
    EXPECT_EQ(told, std::vector<int>{1});
}

TEST_F(MixerChannels, LeastRecentChannelPrefersIdleThenOldest)
{
    auto wave = Wave(Pattern(5000, 1));
    TPlayRequest request;
    request.Session = Mixer->Session();
    request.Wave = wave.get();
    request.Flags = pfLeastRecentChannel;
    std::vector<int> chosen;
    for (int i = 0; i < 5; ++i) {
        request.Channel = 6;
        MixerPlay(&request);
        chosen.push_back(request.Channel);
    }
    // Channels 0, 1, 2 are idle in turn; then all are busy and the least
    // recently used one comes round again.
    EXPECT_EQ(chosen, (std::vector<int>{0, 1, 2, 0, 1}));
}

TEST_F(MixerChannels, PoolOfHundredEntriesRunsOut)
{
    auto wave = Wave(Pattern(10, 1));
    for (int i = 0; i < 100; ++i)
        Mixer->Play(0, *wave, nullptr, 0, 0);
    EXPECT_EQ(MixerErrorOf([&] { Mixer->Play(0, *wave, nullptr, 0, 0); }), "Not enough memory");
}

TEST_F(MixerChannels, HeldRequestsArePlacedWithTheNextPlay)
{
    auto a = Wave(TBytes(20, 200));
    auto b = Wave(TBytes(20, 100));
    Mixer->Play(1, *a, nullptr, pfHold, 0);
    Hear(10);
    EXPECT_TRUE(Device.Heard.empty());
    EXPECT_EQ(Mixer->BusyChannels(), 0);
    Mixer->Play(2, *b, nullptr, 0, 0);
    Hear(10);
    EXPECT_EQ(Device.Heard[0], Sum({200, 100}));
}

TEST_F(MixerChannels, DeactivatingAndActivatingResumesALoop)
{
    const TBytes music = Pattern(3000, 9);
    auto m = Wave(music);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Hear(1000);
    Mixer->SetActivated(false);
    EXPECT_FALSE(Device.IsOpen);
    Mixer->SetActivated(true);
    EXPECT_EQ(Device.OpenCount, 2);
    Hear(5000);
    ASSERT_EQ(Device.Heard.size(), 6000u);
    for (std::size_t p = 0; p < 6000; ++p)
        ASSERT_EQ(Device.Heard[p], music[p % 3000]) << "at " << p;
}

TEST_F(MixerChannels, ChannelsPropertyOpensAndClosesByBit)
{
    auto wave = Wave(Pattern(10, 1));
    Mixer->SetChannels(5);
    EXPECT_EQ(MixerErrorOf([&] { Mixer->Play(1, *wave, nullptr, 0, 0); }), "The specified channel was not open");
    Mixer->Play(2, *wave, nullptr, 0, 0);
    Mixer->Play(0, *wave, nullptr, 0, 0);
    EXPECT_EQ(Mixer->Session()->OpenChannelCount, 2);

    Mixer->SetChannels(255);
    EXPECT_EQ(Mixer->Session()->OpenChannelCount, 8);
    Mixer->Play(7, *wave, nullptr, 0, 0);
    Mixer->SetChannels(0);
    EXPECT_EQ(Mixer->Session()->OpenChannelCount, 0);
    EXPECT_EQ(MixerErrorOf([&] { Mixer->Play(0, *wave, nullptr, 0, 0); }),
              "You must open a channel before you can play a wave");
}

} // namespace
} // namespace zindo::test

namespace zindo::test {
namespace {

/// By default the position being heard comes from the clock. Blocks of 1764
/// bytes last exactly 160 ms, so clock and device agree to the byte.
class MixerOnTheClock : public TMixerFixture {
protected:
    MixerOnTheClock() { IniText = "[default]\nWaveBlockLen=1764\n"; }
};

TEST_F(MixerOnTheClock, StartNowFollowsTheClock)
{
    const TBytes music = Pattern(3000, 9);
    const TBytes effect = Pattern(500, 77);
    auto m = Wave(music);
    auto e = Wave(effect);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    Device.Advance(2205);
    Clock.Advance(200); // 200 ms are 2205 bytes at 11025 Hz
    Mixer->Play(1, *e, nullptr, pfClearChannel | pfStartNow, 0);
    Hear(3000);

    EXPECT_EQ(Heard(0, 2205), TBytes(music.begin(), music.begin() + 2205));
    for (std::size_t k = 0; k < 499; ++k)
        ASSERT_EQ(Device.Heard[2205 + k], Sum({music[(2205 + k) % 3000], effect[k]})) << "at " << k;
    EXPECT_EQ(Device.Heard[2205 + 499], music[(2205 + 499) % 3000]);
}

} // namespace
} // namespace zindo::test

namespace zindo::test {
namespace {

TEST_F(MixerOnTheClock, AfterTheDeviceRanDryAnEffectStartsAtOnce)
{
    const TBytes music = Pattern(3000, 9);
    const TBytes effect = Pattern(500, 77);
    auto m = Wave(music);
    auto e = Wave(effect);
    Mixer->Play(2, *m, nullptr, pfStartNow, LoopForever);
    // The UI thread stalls for two seconds; the device plays all it has.
    Device.Advance(3 * 1764);
    Clock.Advance(2000);
    Mixer->Pump();
    Mixer->Play(1, *e, nullptr, pfClearChannel | pfStartNow, 0);
    Hear(3000);

    for (std::size_t p = 0; p < 5292; ++p)
        ASSERT_EQ(Device.Heard[p], music[p % 3000]) << "at " << p;
    for (std::size_t k = 0; k < 499; ++k)
        ASSERT_EQ(Device.Heard[5292 + k], Sum({music[(5292 + k) % 3000], effect[k]})) << "at " << k;
}

} // namespace
} // namespace zindo::test
