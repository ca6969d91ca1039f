#pragma once

#include <QString>

#include <cstdint>

namespace zindo {

/// The PCM format block of a wave: the layout of a RIFF "fmt " chunk's first
/// 16 bytes, and the format the mixer hands to the device.
struct TWaveFormat {
    std::uint16_t FormatTag = 0;      ///< 1 = PCM
    std::uint16_t Channels = 0;       ///< 1 mono, 2 stereo
    std::uint32_t SamplesPerSec = 0;  ///< frames per second
    std::uint32_t AvgBytesPerSec = 0; ///< Channels x SamplesPerSec x bytes per sample
    std::uint16_t BlockAlign = 0;     ///< bytes per frame
    std::uint16_t BitsPerSample = 0;  ///< 8 or 16 for the formats the game reads
};

/// What a wave-output device says about itself.
struct TWaveOutCaps {
    QString ProductName;         ///< names the device's section in MIXER.INI
    std::uint16_t Channels = 1;  ///< most channels the device can play
    bool Synchronous = false;    ///< the device blocks its caller while playing
};

/// A wave-output device: takes blocks of 8-bit samples in the order they are
/// to be heard and reports how far it has played. Blocks are finished once
/// Position() has reached the WrittenPosition() read right after writing them.
///
/// Both counters are byte counts since the device was opened, 32 bits,
/// wrapping. Reset() drops whatever has not been played yet; afterwards the
/// two counters are equal again.
class TWaveOutDevice {
public:
    virtual ~TWaveOutDevice() = default;

    /// Number of devices present; 0 when the platform has no sound output.
    virtual int NumDevs() = 0;
    /// Capabilities of device DeviceId (-1 = the default device); false when
    /// the query fails.
    virtual bool GetDevCaps(int DeviceId, TWaveOutCaps& Caps) = 0;
    /// Whether device DeviceId can play Format, asked without opening it.
    virtual bool SupportsFormat(int DeviceId, const TWaveFormat& Format) = 0;

    /// Opens device DeviceId for Format and starts it; 0 or an error number.
    virtual int Open(int DeviceId, const TWaveFormat& Format) = 0;
    /// Queues one block behind the others; 0 or an error number.
    virtual int Write(const std::uint8_t* Data, std::uint32_t Length) = 0;
    /// Bytes played since the device was opened.
    virtual std::uint32_t Position() = 0;
    /// Bytes written since the device was opened, less what Reset dropped.
    virtual std::uint32_t WrittenPosition() = 0;
    virtual void Pause() = 0;
    virtual void Restart() = 0;
    /// Drops every block not yet played.
    virtual void Reset() = 0;
    virtual void Close() = 0;

    /// The platform's own words for the last failure, or "".
    virtual QString LastError() const { return QString(); }
};

} // namespace zindo
