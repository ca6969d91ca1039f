#include "sound/LoadedWave.h"

#include "sound/MixerSession.h"
#include "sound/SoundMixerError.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

namespace zindo {

namespace {

/// Sample rates a wave may have; anything else is no real sound file.
constexpr std::uint32_t LowestRate = 1000;
constexpr std::uint32_t HighestRate = 192000;

[[noreturn]] void Fail(const QString& Message)
{
    throw ESoundMixerError(Message);
}

/// Raises Message in the player's language where it has a translation (the
/// texts a player can meet are marked with QT_TRANSLATE_NOOP; the others tell
/// of faults in the program and stay as they are).
[[noreturn]] void Fail(const char* Message)
{
    throw ESoundMixerError(QCoreApplication::translate("SoundMixer", Message));
}

std::uint32_t ReadU32(const char* P)
{
    const auto* b = reinterpret_cast<const unsigned char*>(P);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

std::uint16_t ReadU16(const char* P)
{
    const auto* b = reinterpret_cast<const unsigned char*>(P);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

/// A chunk found inside the RIFF form: where its body starts and how long it
/// claims to be.
struct TChunk {
    qsizetype Body = 0;
    std::uint32_t Size = 0;
};

/// Looks for chunk Id among the chunks from From up to Limit, stepping over
/// others (and their pad byte when odd-sized). Answers false when not found.
bool FindChunk(const QByteArray& Image, qsizetype From, qsizetype Limit, const char* Id, TChunk& Found)
{
    qsizetype at = From;
    while (at + 8 <= Limit) {
        const std::uint32_t size = ReadU32(Image.constData() + at + 4);
        if (std::memcmp(Image.constData() + at, Id, 4) == 0) {
            Found = {at + 8, size};
            return true;
        }
        at += 8 + qsizetype(size) + qsizetype(size & 1);
    }
    return false;
}

std::vector<std::uint8_t> ConvertBits(const std::vector<std::uint8_t>& In, int FromBits, int ToBits)
{
    std::vector<std::uint8_t> out;
    if (FromBits == 16 && ToBits == 8) {
        out.resize(In.size() / 2);
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<std::uint8_t>(In[2 * i + 1] + 128);
    } else {
        out.resize(In.size() * 2);
        for (std::size_t i = 0; i < In.size(); ++i) {
            const auto v = static_cast<std::uint16_t>((int(In[i]) - 128) * 256);
            out[2 * i] = static_cast<std::uint8_t>(v & 0xFF);
            out[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
        }
    }
    return out;
}

/// Mono <-> stereo on 8-bit samples.
std::vector<std::uint8_t> ConvertChannels(const std::vector<std::uint8_t>& In, int FromChannels)
{
    std::vector<std::uint8_t> out;
    const std::size_t frames = In.size() / std::size_t(FromChannels);
    if (FromChannels == 1) {
        out.resize(frames * 2);
        for (std::size_t i = 0; i < frames; ++i)
            out[2 * i] = out[2 * i + 1] = In[i];
    } else {
        out.resize(frames);
        for (std::size_t i = 0; i < frames; ++i)
            out[i] = static_cast<std::uint8_t>((unsigned(In[2 * i]) + unsigned(In[2 * i + 1])) / 2);
    }
    return out;
}

/// Rate conversion by an integer factor, on 8-bit frames of FrameSize bytes.
std::vector<std::uint8_t> ConvertRate(const std::vector<std::uint8_t>& In, std::size_t FrameSize,
                                      std::uint32_t FromRate, std::uint32_t ToRate)
{
    const std::size_t frames = In.size() / FrameSize;
    std::vector<std::uint8_t> out;
    if (FromRate < ToRate) {
        const std::size_t f = std::size_t(ToRate) / FromRate;
        if (frames == 0)
            return out;
        out.resize(frames * f * FrameSize);
        std::size_t o = 0;
        for (std::size_t i = 0; i + 1 < frames; ++i) {
            for (std::size_t k = 0; k < f; ++k)
                for (std::size_t b = 0; b < FrameSize; ++b) {
                    const int current = In[i * FrameSize + b];
                    const int next = In[(i + 1) * FrameSize + b];
                    const int step = (next - current) / int(f);
                    out[o++] = static_cast<std::uint8_t>((current + int(k) * step) & 0xFF);
                }
        }
        for (std::size_t k = 0; k < f; ++k)
            for (std::size_t b = 0; b < FrameSize; ++b)
                out[o++] = In[(frames - 1) * FrameSize + b];
        return out;
    }
    // In 64 bits: a rate near 2^32 must not wrap the sum to a factor of 0.
    const std::size_t g = static_cast<std::size_t>((std::uint64_t(FromRate) + ToRate / 2) / ToRate);
    const std::size_t result = frames / g;
    if (result == 0)
        return out;
    out.resize(result * FrameSize);
    for (std::size_t r = 0; r + 1 < result; ++r)
        for (std::size_t b = 0; b < FrameSize; ++b) {
            int sum = 0;
            for (std::size_t k = 0; k < g; ++k)
                sum += int(In[(r * g + k) * FrameSize + b]) - 128;
            out[r * FrameSize + b] = static_cast<std::uint8_t>(128 + sum / int(g));
        }
    for (std::size_t b = 0; b < FrameSize; ++b)
        out[(result - 1) * FrameSize + b] = In[(result - 1) * g * FrameSize + b];
    return out;
}

std::unique_ptr<TLoadedWave> ReadWaveImage(TMixerSession& Session, const QByteArray& Image, const QString& Name)
{
    if (Image.size() < 12 || std::memcmp(Image.constData(), "RIFF", 4) != 0
        || std::memcmp(Image.constData() + 8, "WAVE", 4) != 0)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "This is not a WAVE file"));
    const qsizetype riffEnd = std::min<qsizetype>(Image.size(), 8 + qsizetype(ReadU32(Image.constData() + 4)));

    TChunk fmt;
    if (!FindChunk(Image, 12, riffEnd, "fmt ", fmt))
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "WAVE file is corrupted"));
    if (fmt.Size < 16 || fmt.Body + 16 > Image.size())
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Failed to read format chunk"));
    auto wave = std::make_unique<TLoadedWave>();
    const char* f = Image.constData() + fmt.Body;
    wave->Format.FormatTag = ReadU16(f);
    wave->Format.Channels = ReadU16(f + 2);
    wave->Format.SamplesPerSec = ReadU32(f + 4);
    wave->Format.AvgBytesPerSec = ReadU32(f + 8);
    wave->Format.BlockAlign = ReadU16(f + 12);
    wave->Format.BitsPerSample = ReadU16(f + 14);
    if (wave->Format.FormatTag != 1 && wave->Format.FormatTag != 2)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "The file is not a PCM file"));

    const qsizetype afterFmt = fmt.Body + qsizetype(fmt.Size) + qsizetype(fmt.Size & 1);
    TChunk data;
    if (!FindChunk(Image, afterFmt, riffEnd, "data", data))
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "WAVE file has no data chunk"));
    if (data.Size == 0)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "The data chunk has no data"));
    if (data.Body + qsizetype(data.Size) > Image.size())
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Failed to read data chunk"));
    std::vector<std::uint8_t> samples(reinterpret_cast<const std::uint8_t*>(Image.constData() + data.Body),
                                      reinterpret_cast<const std::uint8_t*>(Image.constData() + data.Body)
                                          + data.Size);

    wave->Data = ConvertWaveData(std::move(samples), wave->Format, Session.OutputFormat);
    wave->Length = static_cast<std::uint32_t>(wave->Data.size());
    const QByteArray name = Name.left(15).toLocal8Bit().left(15);
    std::memcpy(wave->Name.data(), name.constData(), std::size_t(name.size()));
    return wave;
}

std::unique_ptr<TLoadedWave> ReadWave(TMixerSession& Session, const QByteArray& Image, const QString& Name)
{
    try {
        return ReadWaveImage(Session, Image, Name);
    } catch (const std::bad_alloc&) {
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Unable to allocate memory for waveform data.  Try making more "
                                             "memory available by closing other applications."));
    }
}

void CheckDeviceFormat(TMixerSession& Session)
{
    if (!Session.Device->SupportsFormat(Session.DeviceId, Session.OutputFormat))
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "The waveform device can´t play this format"));
}

} // namespace

std::uint64_t ConvertedWaveSize(std::uint64_t Bytes, const TWaveFormat& From, const TWaveFormat& To)
{
    if (From.BitsPerSample != To.BitsPerSample)
        Bytes = From.BitsPerSample == 16 ? Bytes / 2 : Bytes * 2;
    if (From.Channels != To.Channels && From.Channels != 0)
        Bytes = Bytes / From.Channels * To.Channels;
    if (From.SamplesPerSec != To.SamplesPerSec && From.SamplesPerSec != 0 && To.SamplesPerSec != 0
        && To.Channels != 0) {
        const std::uint64_t frames = Bytes / To.Channels;
        if (From.SamplesPerSec < To.SamplesPerSec)
            Bytes = frames * (To.SamplesPerSec / From.SamplesPerSec) * To.Channels;
        else
            Bytes = frames / ((std::uint64_t(From.SamplesPerSec) + To.SamplesPerSec / 2) / To.SamplesPerSec)
                    * To.Channels;
    }
    return Bytes;
}

std::vector<std::uint8_t> ConvertWaveData(std::vector<std::uint8_t> Samples, const TWaveFormat& From,
                                          const TWaveFormat& To)
{
    if (From.SamplesPerSec < LowestRate || From.SamplesPerSec > HighestRate)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "File format not supported"));
    if (ConvertedWaveSize(Samples.size(), From, To) > MaxConvertedWaveBytes)
        Fail(QCoreApplication::translate("SoundMixer",
                                         "The wave is too long: it would take more than %1 MB in the mixer's format")
                 .arg(MaxConvertedWaveBytes >> 20));
    if (From.Channels == To.Channels && From.SamplesPerSec == To.SamplesPerSec
        && From.BitsPerSample == To.BitsPerSample)
        return Samples;
    if (From.BitsPerSample != To.BitsPerSample) {
        const bool fromOk = From.BitsPerSample == 8 || From.BitsPerSample == 16;
        const bool toOk = To.BitsPerSample == 8 || To.BitsPerSample == 16;
        if (!fromOk || !toOk)
            Fail(QT_TRANSLATE_NOOP("SoundMixer", "File format not supported"));
        Samples = ConvertBits(Samples, From.BitsPerSample, To.BitsPerSample);
    }
    // Everything below works on the output's 8-bit samples; only mono and
    // stereo files at a real rate can be brought there.
    if (To.BitsPerSample != 8 || (From.Channels != 1 && From.Channels != 2)
        || (To.Channels != 1 && To.Channels != 2) || To.SamplesPerSec == 0)
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "File format not supported"));
    if (From.Channels != To.Channels)
        Samples = ConvertChannels(Samples, From.Channels);
    if (From.SamplesPerSec != To.SamplesPerSec)
        Samples = ConvertRate(Samples, To.Channels, From.SamplesPerSec, To.SamplesPerSec);
    if (Samples.empty())
        Fail(QT_TRANSLATE_NOOP("SoundMixer", "Failed to convert wave format"));
    return Samples;
}

std::unique_ptr<TLoadedWave> LoadWave(TMixerSession* Session, const QString& FileName)
{
    CheckSession(Session);
    CheckDeviceFormat(*Session);
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QCoreApplication::translate("SoundMixer", "Failed to open wave file %1").arg(FileName));
    const QByteArray image = file.readAll();
    return ReadWave(*Session, image, FileName);
}

std::unique_ptr<TLoadedWave> LoadWaveFromMemory(TMixerSession* Session, const QByteArray& Image,
                                                const QString& Name)
{
    CheckSession(Session);
    CheckDeviceFormat(*Session);
    return ReadWave(*Session, Image, Name);
}

} // namespace zindo
