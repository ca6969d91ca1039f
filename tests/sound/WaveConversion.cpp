// Reading RIFF/WAVE files and converting them into the mixer's 8-bit format.
#include "SoundTestSupport.h"

namespace zindo::test {
namespace {

class WaveConversion : public ::testing::Test {
protected:
    void SetUp() override { Mixer = std::make_unique<TSoundMixer>(Device, Clock); }

    /// Loads Image through a file, as the game does.
    std::unique_ptr<TLoadedWave> Load(const QByteArray& Image)
    {
        return Mixer->LoadWave(Tree.Write(QStringLiteral("tmp/sound.wav"), Image));
    }
    QString ErrorOf(const QByteArray& Image)
    {
        return MixerErrorOf([&] { Load(Image); });
    }
    static TBytes Data(const TLoadedWave& Wave)
    {
        EXPECT_EQ(Wave.Length, Wave.Data.size());
        return Wave.Data;
    }

    TTestTree Tree;
    TManualClock Clock;
    TFakeWaveOutDevice Device;
    std::unique_ptr<TSoundMixer> Mixer;
};

TBytes Le16(std::initializer_list<int> Samples)
{
    TBytes b;
    for (int s : Samples) {
        b.push_back(std::uint8_t(s & 0xFF));
        b.push_back(std::uint8_t((s >> 8) & 0xFF));
    }
    return b;
}

TEST_F(WaveConversion, EightBitMono11025IsUsedByteForByte)
{
    const TBytes samples = Pattern(777, 5);
    auto wave = Load(WaveImage(samples));
    EXPECT_EQ(Data(*wave), samples);
    EXPECT_EQ(wave->Format.SamplesPerSec, 11025u);
    EXPECT_STREQ(wave->Name.data(), (Tree.Path("tmp/sound.wav").left(15)).toLocal8Bit().constData());
}

TEST_F(WaveConversion, SixteenBitStereo22050BecomesEightBitMono11025)
{
    // Frames (left, right): high bytes + 128, then averaged, then pairs averaged.
    const TBytes samples = Le16({0x1000, 0x3000,    // 0x90, 0xB0 -> 0xA0
                                 -0x2000, 0x0000,   // 0x60, 0x80 -> 0x70
                                 0x7F00, 0x7FFF,    // 0xFF, 0xFF -> 0xFF
                                 0x7000, 0x6000,    // 0xF0, 0xE0 -> 0xE8
                                 -0x8000, -0x8000}); // 0x00, 0x00 -> 0x00
    auto wave = Load(WaveImage(samples, 2, 22050, 16));
    // g = 2 gives 5 div 2 = 2 frames: 128 + (0xA0-128 + 0x70-128) / 2 = 136, and
    // as the last one the next input frame as is (0xFF).
    EXPECT_EQ(Data(*wave), (TBytes{136, 0xFF}));
}

TEST_F(WaveConversion, DownsamplingTruncatesTowardZero)
{
    auto wave = Load(WaveImage({100, 51, 130, 140, 7}, 1, 22050, 8));
    // (-28 - 77) / 2 = -52 (not -53); the last result frame copies input frame 2.
    EXPECT_EQ(Data(*wave), (TBytes{76, 130}));
}

TEST_F(WaveConversion, UpsamplingFrom5512StepsHalfwayToTheNextByte)
{
    auto wave = Load(WaveImage({0, 10, 11, 200, 100, 91}, 1, 5512, 8));
    // step (next - current) div 2, truncated toward zero; the last byte twice.
    EXPECT_EQ(Data(*wave), (TBytes{0, 5, 10, 10, 11, 105, 200, 150, 100, 96, 91, 91}));
}

TEST_F(WaveConversion, EightBitStereoIsAveragedAsUnsigned)
{
    auto wave = Load(WaveImage({255, 254, 0, 1, 128, 129}, 2, 11025, 8));
    EXPECT_EQ(Data(*wave), (TBytes{254, 0, 128}));
}

TEST_F(WaveConversion, ConvertingUpToSixteenBitStereo)
{
    TWaveFormat from{1, 1, 11025, 11025, 1, 8};
    TWaveFormat to{1, 2, 11025, 22050, 2, 8};
    EXPECT_EQ(ConvertWaveData({10, 200}, from, to), (TBytes{10, 10, 200, 200}));
    to = {1, 1, 11025, 22050, 2, 16};
    EXPECT_EQ(MixerErrorOf([&] { ConvertWaveData({10, 200}, from, to); }), "File format not supported");
}

TEST_F(WaveConversion, TagTwoPassesThePcmTestButNotFourBits)
{
    EXPECT_EQ(ErrorOf(WaveImage({1, 2, 3, 4}, 1, 11025, 4, 2)), "File format not supported");
    EXPECT_EQ(ErrorOf(WaveImage({1, 2, 3, 4}, 1, 11025, 8, 3)), "The file is not a PCM file");
    auto wave = Load(WaveImage({1, 2, 3, 4}, 1, 11025, 8, 2));
    EXPECT_EQ(Data(*wave), (TBytes{1, 2, 3, 4}));
}

TEST_F(WaveConversion, UnusableChannelCountsAndRatesAreRefused)
{
    EXPECT_EQ(ErrorOf(WaveImage(Pattern(16, 1), 4, 11025, 8)), "File format not supported");
    EXPECT_EQ(ErrorOf(WaveImage(Pattern(16, 1), 0, 11025, 8)), "File format not supported");
    EXPECT_EQ(ErrorOf(WaveImage(Pattern(16, 1), 1, 0, 8)), "File format not supported");
    // Rates no sound has: near 2^32 (whose averaging factor wrapped to 0 and
    // divided by it), and outside 1000 .. 192000 Hz.
    for (std::uint32_t rate : {0xFFFFFFFFu, 0xFFFFD4E0u, 0x80000000u, 192001u, 999u, 1u})
        EXPECT_EQ(ErrorOf(WaveImage(Pattern(64, 1), 1, rate, 8)), "File format not supported") << rate;
    EXPECT_EQ(Data(*Load(WaveImage(Pattern(400, 1), 1, 192000, 8))).size(), 400u / 17);
    EXPECT_EQ(Data(*Load(WaveImage(Pattern(40, 1), 1, 1000, 8))).size(), 40u * 11);
}

TEST_F(WaveConversion, WaveGrowingBeyond64MegabytesIsRefused)
{
    // 1000 Hz upsampled 44 times to 44100 Hz: a 1.6 MB file would take 70 MB.
    Mixer.reset();
    Tree.Write(QStringLiteral("bin/MIXER.INI"), QByteArray("[default]\nSamplesPerSec=44\n"));
    Mixer = std::make_unique<TSoundMixer>(Device, Clock);
    const QString error = ErrorOf(WaveImage(Pattern(1600000, 3), 1, 1000, 8));
    EXPECT_TRUE(error.startsWith(QStringLiteral("The wave is too long"))) << error.toStdString();
    EXPECT_EQ(Data(*Load(WaveImage(Pattern(1000, 3), 1, 1000, 8))).size(), 44000u);
}

TEST_F(WaveConversion, TooFewFramesLeaveNothingToPlay)
{
    // 44100 Hz averages 4 frames into one; three frames give none.
    EXPECT_EQ(ErrorOf(WaveImage({1, 2, 3}, 1, 44100, 8)), "Failed to convert wave format");
    // One byte of a 16-bit sample is no sample at all.
    EXPECT_EQ(ErrorOf(WaveImage({1}, 1, 11025, 16)), "Failed to convert wave format");
    auto wave = Load(WaveImage({1, 2, 3, 4}, 1, 44100, 8));
    EXPECT_EQ(Data(*wave), (TBytes{1}));
}

TEST_F(WaveConversion, BrokenFilesGiveTheirMessages)
{
    const QByteArray fmt = Chunk("fmt ", FormatBody(1, 1, 11025, 8));
    const QByteArray data = Chunk("data", QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(ErrorOf(QByteArray("RIFX\0\0\0\0WAVE", 12) + fmt + data), "This is not a WAVE file");
    EXPECT_EQ(ErrorOf(QByteArray("RIFF")), "This is not a WAVE file");
    QByteArray avi = Riff(fmt + data);
    avi.replace(8, 4, "AVI ");
    EXPECT_EQ(ErrorOf(avi), "This is not a WAVE file");
    EXPECT_EQ(ErrorOf(Riff(data)), "WAVE file is corrupted");
    EXPECT_EQ(ErrorOf(Riff(Chunk("fmt ", QByteArray(14, '\1')) + data)), "Failed to read format chunk");
    EXPECT_EQ(ErrorOf(Riff(fmt)), "WAVE file has no data chunk");
    EXPECT_EQ(ErrorOf(Riff(fmt + Chunk("data", QByteArray()))), "The data chunk has no data");
    QByteArray cut = Riff(fmt + data);
    cut.chop(2);
    EXPECT_EQ(ErrorOf(cut), "Failed to read data chunk");
}

TEST_F(WaveConversion, MissingFileNamesTheFile)
{
    const QString path = Tree.Path("tmp/none.wav");
    EXPECT_EQ(MixerErrorOf([&] { Mixer->LoadWave(path); }), "Failed to open wave file " + path);
}

TEST_F(WaveConversion, UnknownChunksAndPadBytesAreSkipped)
{
    const QByteArray image = Riff(Chunk("LIST", QByteArray("odd", 3)) + Chunk("fmt ", FormatBody(1, 1, 11025, 8) + "xx")
                                  + Chunk("fact", QByteArray(5, '\7')) + Chunk("data", QByteArray("\x05\x06\x07", 3)));
    auto wave = Load(image);
    EXPECT_EQ(Data(*wave), (TBytes{5, 6, 7}));
}

TEST_F(WaveConversion, DeviceThatCannotPlayTheFormatRefusesLoading)
{
    Device.FormatSupported = false;
    EXPECT_EQ(ErrorOf(WaveImage({1, 2})), QString::fromUtf8("The waveform device can´t play this format"));
}

} // namespace
} // namespace zindo::test
