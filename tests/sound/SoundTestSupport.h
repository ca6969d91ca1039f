#pragma once

#include "support/TestTree.h"
#include "data/Clock.h"
#include "sound/FakeWaveOutDevice.h"
#include "sound/SoundMixer.h"
#include "sound/SoundMixerError.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace zindo::test {

using TBytes = std::vector<std::uint8_t>;

inline void PutU16(QByteArray& B, std::uint16_t V)
{
    B.append(char(V & 0xFF));
    B.append(char(V >> 8));
}

inline void PutU32(QByteArray& B, std::uint32_t V)
{
    for (int i = 0; i < 4; ++i)
        B.append(char((V >> (8 * i)) & 0xFF));
}

inline QByteArray Chunk(const char* Id, const QByteArray& Body)
{
    QByteArray c(Id, 4);
    PutU32(c, std::uint32_t(Body.size()));
    c += Body;
    if (Body.size() & 1)
        c.append('\0');
    return c;
}

inline QByteArray FormatBody(std::uint16_t Tag, std::uint16_t Channels, std::uint32_t Rate, std::uint16_t Bits)
{
    QByteArray f;
    const std::uint16_t align = std::uint16_t(Channels * ((Bits + 7) / 8));
    PutU16(f, Tag);
    PutU16(f, Channels);
    PutU32(f, Rate);
    PutU32(f, Rate * align);
    PutU16(f, align);
    PutU16(f, Bits);
    return f;
}

inline QByteArray Riff(const QByteArray& Chunks)
{
    QByteArray r("RIFF");
    PutU32(r, std::uint32_t(4 + Chunks.size()));
    r += "WAVE";
    r += Chunks;
    return r;
}

/// A RIFF/WAVE image with the given format and sample bytes.
inline QByteArray WaveImage(const TBytes& Samples, std::uint16_t Channels = 1, std::uint32_t Rate = 11025,
                            std::uint16_t Bits = 8, std::uint16_t Tag = 1)
{
    const QByteArray data(reinterpret_cast<const char*>(Samples.data()), qsizetype(Samples.size()));
    return Riff(Chunk("fmt ", FormatBody(Tag, Channels, Rate, Bits)) + Chunk("data", data));
}

/// Length bytes following a pattern that makes every position recognisable.
inline TBytes Pattern(std::size_t Length, std::uint8_t Seed)
{
    TBytes b(Length);
    for (std::size_t i = 0; i < Length; ++i)
        b[i] = std::uint8_t(Seed + i * 7 % 101);
    return b;
}

inline std::uint8_t Sum(std::initializer_list<std::uint8_t> Bytes)
{
    int s = 128;
    for (std::uint8_t b : Bytes)
        s += int(b) - 128;
    return std::uint8_t(std::clamp(s, 0, 255));
}

/// A mixer over the fake device in a temporary program tree. MIXER.INI asks
/// for positions from the device, so what is heard follows Advance exactly.
class TMixerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Tree.Write(QStringLiteral("bin/MIXER.INI"), IniText);
        Mixer = std::make_unique<TSoundMixer>(Device, Clock);
        Mixer->SetActivated(true);
        Mixer->SetChannels(7);
    }
    void TearDown() override { Mixer.reset(); }

    std::unique_ptr<TLoadedWave> Wave(const TBytes& Samples)
    {
        return LoadWaveFromMemory(Mixer->Session(), WaveImage(Samples), QStringLiteral("test"));
    }

    /// Plays N more bytes at the device, then lets the mixer catch up.
    void Hear(std::uint32_t N)
    {
        while (N > 0) {
            const std::uint32_t step = std::min<std::uint32_t>(N, 512);
            const std::uint32_t played = Device.Advance(step);
            Mixer->Pump();
            N -= step;
            if (played == 0)
                break;
        }
    }

    TBytes Heard(std::size_t From, std::size_t Count) const
    {
        return TBytes(Device.Heard.begin() + std::ptrdiff_t(From), Device.Heard.begin() + std::ptrdiff_t(From + Count));
    }

    QByteArray IniText = "[default]\nGoodWavePos=1\n"; ///< MIXER.INI of the tree
    TTestTree Tree;
    TManualClock Clock;
    TFakeWaveOutDevice Device;
    std::unique_ptr<TSoundMixer> Mixer;
};

/// Runs Action and answers the message of the ESoundMixerError it raises.
template <typename F>
QString MixerErrorOf(F&& Action)
{
    try {
        Action();
    } catch (const ESoundMixerError& e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

} // namespace zindo::test
