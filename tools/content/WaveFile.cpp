#include "WaveFile.h"

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

void PutU16(QByteArray& Out, std::uint32_t Value)
{
    Out.append(char(Value & 0xFF));
    Out.append(char((Value >> 8) & 0xFF));
}

void PutU32(QByteArray& Out, std::uint32_t Value)
{
    PutU16(Out, Value & 0xFFFF);
    PutU16(Out, Value >> 16);
}

} // namespace

int QuantiseSample(float Value, int Bits)
{
    const double v = std::clamp(double(Value), -1.0, 1.0);
    if (Bits == 8)
        return std::clamp(int(std::lround(128.0 + v * 127.0)), 0, 255);
    return int(std::lround(v * 32767.0));
}

QByteArray EncodeWave(const TSound& Sound)
{
    const TWaveFormat& f = Sound.Format;
    const int bytesPerSample = f.Bits / 8;
    const std::uint32_t dataSize = std::uint32_t(Sound.Samples.size()) * std::uint32_t(bytesPerSample);
    const std::uint32_t padded = dataSize + (dataSize & 1u);

    QByteArray out;
    out.reserve(int(44 + padded));
    out.append("RIFF", 4);
    PutU32(out, 4 + (8 + 16) + (8 + padded));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, std::uint32_t(f.Channels));
    PutU32(out, std::uint32_t(f.SampleRate));
    PutU32(out, std::uint32_t(f.SampleRate * f.Channels * bytesPerSample));
    PutU16(out, std::uint32_t(f.Channels * bytesPerSample));
    PutU16(out, std::uint32_t(f.Bits));
    out.append("data", 4);
    PutU32(out, dataSize);
    for (const float s : Sound.Samples) {
        const int q = QuantiseSample(s, f.Bits);
        if (f.Bits == 8)
            out.append(char(q));
        else
            PutU16(out, std::uint32_t(std::uint16_t(std::int16_t(q))));
    }
    if (padded != dataSize)
        out.append('\0');
    return out;
}

} // namespace zindo
