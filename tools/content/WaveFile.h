#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace zindo {

/// The PCM layout of a wave file: 8-bit unsigned or 16-bit signed samples,
/// one or two interleaved channels.
struct TWaveFormat {
    int SampleRate = 22050; ///< frames per second
    int Bits = 16;          ///< 8 or 16
    int Channels = 1;       ///< 1 or 2
};

/// A sound before it is written: samples in -1 .. 1, channels interleaved.
struct TSound {
    TWaveFormat Format;         ///< the layout the file will have
    std::vector<float> Samples; ///< FrameCount() * Format.Channels values

    std::size_t FrameCount() const { return Format.Channels > 0 ? Samples.size() / std::size_t(Format.Channels) : 0; }
    double Seconds() const { return Format.SampleRate > 0 ? double(FrameCount()) / Format.SampleRate : 0.0; }
};

/// The bytes of a RIFF/WAVE file holding Sound as PCM (format tag 1): a
/// "fmt " chunk of 16 bytes, then the "data" chunk (padded to an even length
/// as RIFF wants). Samples outside -1 .. 1 are clipped.
QByteArray EncodeWave(const TSound& Sound);

/// One sample as stored: 8 bits give 0 .. 255 around 128, 16 bits -32767 .. 32767.
int QuantiseSample(float Value, int Bits);

} // namespace zindo
