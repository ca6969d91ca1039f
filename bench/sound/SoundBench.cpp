// How long mixing and loading take: the mixer must keep up with the device
// from the UI thread, and loading runs once per sound at start-up.
#include "data/Clock.h"
#include "sound/FakeWaveOutDevice.h"
#include "sound/SoundMixer.h"
#include "support/TestTree.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

namespace {

using namespace zindo;

QByteArray WaveImage(std::uint32_t Bytes, std::uint16_t Channels, std::uint32_t Rate, std::uint16_t Bits)
{
    auto u16 = [](QByteArray& b, std::uint16_t v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&](QByteArray& b, std::uint32_t v) { u16(b, std::uint16_t(v)); u16(b, std::uint16_t(v >> 16)); };
    QByteArray image("RIFF");
    u32(image, 4 + 8 + 16 + 8 + Bytes);
    image += "WAVEfmt ";
    u32(image, 16);
    const std::uint16_t align = std::uint16_t(Channels * Bits / 8);
    u16(image, 1);
    u16(image, Channels);
    u32(image, Rate);
    u32(image, Rate * align);
    u16(image, align);
    u16(image, Bits);
    image += "data";
    u32(image, Bytes);
    for (std::uint32_t i = 0; i < Bytes; ++i)
        image.append(char((i * 37) & 0xFF));
    return image;
}

/// Music looping on channel 2 with an effect started on channel 1 now and
/// then: the work of one second of sound per iteration.
void BM_MixOneSecond(benchmark::State& State)
{
    test::TTestTree tree;
    TManualClock clock;
    TFakeWaveOutDevice device;
    TSoundMixer mixer(device, clock);
    mixer.SetActivated(true);
    mixer.SetChannels(7);
    auto music = LoadWaveFromMemory(mixer.Session(), WaveImage(100000, 1, 11025, 8), "music");
    auto effect = LoadWaveFromMemory(mixer.Session(), WaveImage(8000, 1, 11025, 8), "effect");
    mixer.Play(2, *music, nullptr, pfStartNow, LoopForever);
    for (auto _ : State) {
        for (int step = 0; step < 50; ++step) {
            if (step % 10 == 0)
                mixer.Play(1, *effect, nullptr, pfClearChannel | pfStartNow, 0);
            device.Advance(221);
            mixer.Pump();
        }
        device.Heard.clear();
    }
}
BENCHMARK(BM_MixOneSecond)->Unit(benchmark::kMicrosecond);

/// Loading 32 s of 16-bit stereo music, as the game's tune is stored.
void BM_LoadMusic(benchmark::State& State)
{
    test::TTestTree tree;
    TManualClock clock;
    TFakeWaveOutDevice device;
    TSoundMixer mixer(device, clock);
    const QByteArray image = WaveImage(32 * 11025 * 4, 2, 11025, 16);
    for (auto _ : State)
        benchmark::DoNotOptimize(LoadWaveFromMemory(mixer.Session(), image, "music"));
}
BENCHMARK(BM_LoadMusic)->Unit(benchmark::kMillisecond);

} // namespace
