// The sounds of the data tree: RIFF/WAVE PCM files the game's wave loader
// takes, short effects, a long loop that repeats without a click, and more
// than one PCM layout across the set.

#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

using namespace zindo;
using namespace zindo::test;

namespace {

const QStringList Effects = {QStringLiteral("snd/MSEPTAKE.DAT"), QStringLiteral("snd/MSEPDROP.DAT"),
                             QStringLiteral("snd/MSERISKTAKE.DAT"), QStringLiteral("snd/MSERISKWON.DAT"),
                             QStringLiteral("snd/MSERISKLOST.DAT"), QStringLiteral("snd/MSEMAGIC.DAT")};

TWaveInfo Wave(const QString& Name)
{
    EXPECT_TRUE(StoredFileName(DatFile(Name)).endsWith(QStringLiteral(".wav"))) << Name.toStdString();
    const std::optional<TWaveInfo> wave = ParseWave(DecodedBytes(Name));
    EXPECT_TRUE(wave.has_value()) << Name.toStdString();
    return wave.value_or(TWaveInfo());
}

double Peak(const TWaveInfo& W, std::size_t First, std::size_t Count)
{
    double peak = 0.0;
    const std::size_t frames = std::size_t(W.Data.size() / W.BlockAlign);
    for (std::size_t f = First; f < std::min(frames, First + Count); ++f)
        for (int c = 0; c < W.Channels; ++c)
            peak = std::max(peak, std::abs(WaveSample(W, f, c)));
    return peak;
}

} // namespace

TEST(SoundFiles, EverySoundIsPcmInALayoutTheLoaderConverts)
{
    for (const QString& name : Effects + QStringList{QStringLiteral("snd/mbk2.dat")}) {
        SCOPED_TRACE(name.toStdString());
        const TWaveInfo w = Wave(name);
        EXPECT_EQ(w.FormatTag, 1);
        EXPECT_TRUE(w.Channels == 1 || w.Channels == 2);
        EXPECT_TRUE(w.Bits == 8 || w.Bits == 16);
        EXPECT_TRUE(w.SampleRate == 11025 || w.SampleRate == 22050);
        EXPECT_EQ(w.BlockAlign, w.Channels * w.Bits / 8);
        EXPECT_EQ(w.ByteRate, w.SampleRate * w.BlockAlign);
        EXPECT_FALSE(w.Data.isEmpty());
        EXPECT_EQ(w.Data.size() % w.BlockAlign, 0);
    }
}

TEST(SoundFiles, EffectsAreShortAndAudible)
{
    for (const QString& name : Effects) {
        SCOPED_TRACE(name.toStdString());
        const TWaveInfo w = Wave(name);
        EXPECT_GE(w.Seconds(), 0.2);
        EXPECT_LE(w.Seconds(), 1.5);
        EXPECT_GT(Peak(w, 0, std::size_t(w.Data.size())), 0.3);
        EXPECT_LT(Peak(w, 0, std::size_t(w.Data.size())), 1.0); // never clipped
    }
}

TEST(SoundFiles, TheSetUsesSeveralPcmLayouts)
{
    std::set<int> bits, channels, rates;
    for (const QString& name : Effects + QStringList{QStringLiteral("snd/mbk2.dat")}) {
        const TWaveInfo w = Wave(name);
        bits.insert(w.Bits);
        channels.insert(w.Channels);
        rates.insert(w.SampleRate);
    }
    EXPECT_EQ(bits, (std::set<int>{8, 16}));
    EXPECT_EQ(channels, (std::set<int>{1, 2}));
    EXPECT_EQ(rates, (std::set<int>{11025, 22050}));
}

TEST(SoundFiles, BackgroundTuneLoopsWithoutAClick)
{
    const TWaveInfo w = Wave(QStringLiteral("snd/mbk2.dat"));
    EXPECT_GE(w.Seconds(), 20.0);
    EXPECT_LE(w.Seconds(), 60.0);
    const std::size_t frames = std::size_t(w.Data.size() / w.BlockAlign);
    // Starts and ends at silence, so the jump from the last sample back to
    // the first is inaudible...
    for (int c = 0; c < w.Channels; ++c) {
        EXPECT_LT(std::abs(WaveSample(w, 0, c)), 0.002);
        EXPECT_LT(std::abs(WaveSample(w, frames - 1, c)), 0.002);
    }
    EXPECT_LT(Peak(w, 0, 20), 0.02);
    EXPECT_LT(Peak(w, frames - 20, 20), 0.02);
    // ...while the tune itself is well under way a little later.
    EXPECT_GT(Peak(w, std::size_t(w.SampleRate), std::size_t(w.SampleRate)), 0.2);
    // And it is music, not a drone: its loudness changes from second to second.
    double quietest = 1.0, loudest = 0.0;
    for (std::size_t s = 1; s + 1 < frames / std::size_t(w.SampleRate); ++s) {
        double sum = 0.0;
        for (std::size_t f = s * std::size_t(w.SampleRate); f < (s + 1) * std::size_t(w.SampleRate); f += 7)
            sum += std::abs(WaveSample(w, f, 0));
        quietest = std::min(quietest, sum);
        loudest = std::max(loudest, sum);
    }
    EXPECT_GT(loudest, quietest * 1.1);
}

TEST(SoundFiles, EffectsBeginAndEndAtSilence)
{
    for (const QString& name : Effects) {
        SCOPED_TRACE(name.toStdString());
        const TWaveInfo w = Wave(name);
        const std::size_t frames = std::size_t(w.Data.size() / w.BlockAlign);
        const double step = w.Bits == 8 ? 1.0 / 128.0 : 0.001;
        for (int c = 0; c < w.Channels; ++c) {
            EXPECT_LE(std::abs(WaveSample(w, 0, c)), step);
            EXPECT_LE(std::abs(WaveSample(w, frames - 1, c)), step);
        }
    }
}
