#pragma once

#include "sound/WaveOutDevice.h"

#include <deque>
#include <vector>

namespace zindo {

/// A wave-output device that plays only when told to: Advance(n) "hears" the
/// next n queued bytes and appends them to Heard. Used by tests to follow the
/// mixer byte for byte. The public fields set up
/// how the device presents itself and how it fails.
class TFakeWaveOutDevice : public TWaveOutDevice {
public:
    int NumDevs() override { return DeviceCount; }
    bool GetDevCaps(int DeviceId, TWaveOutCaps& Caps) override;
    bool SupportsFormat(int DeviceId, const TWaveFormat& Format) override;
    int Open(int DeviceId, const TWaveFormat& Format) override;
    int Write(const std::uint8_t* Data, std::uint32_t Length) override;
    std::uint32_t Position() override { return Played; }
    std::uint32_t WrittenPosition() override { return Written; }
    void Pause() override { Paused = true; }
    void Restart() override { Paused = false; }
    void Reset() override;
    void Close() override;

    /// Plays up to Bytes of the queued data (less when the queue runs dry;
    /// nothing while paused or closed). Answers the bytes played.
    std::uint32_t Advance(std::uint32_t Bytes);
    /// Bytes written but not yet played.
    std::uint32_t QueuedBytes() const { return static_cast<std::uint32_t>(Queue.size()); }

    // How the device presents itself.
    int DeviceCount = 1;                       ///< answer of NumDevs
    QString ProductName = QStringLiteral("Fake Wave Out"); ///< product name in the caps
    std::uint16_t DeviceChannels = 2;          ///< channels in the caps
    bool Synchronous = false;                  ///< claims to be a blocking device
    bool CapsFail = false;                     ///< GetDevCaps fails
    bool FormatSupported = true;               ///< answer of SupportsFormat
    int OpenError = 0;                         ///< non-zero: Open fails with it
    bool WriteFails = false;                   ///< Write fails with error 5

    // What happened.
    bool IsOpen = false;        ///< between Open and Close
    bool Paused = false;        ///< paused by the mixer
    TWaveFormat Format;         ///< format of the last Open
    int OpenCount = 0;          ///< successful opens
    int ResetCount = 0;         ///< Reset calls
    std::vector<std::uint8_t> Heard; ///< every byte played, across opens

private:
    std::deque<std::uint8_t> Queue; ///< written, not yet played
    std::uint32_t Played = 0;       ///< Position()
    std::uint32_t Written = 0;      ///< WrittenPosition()
};

} // namespace zindo
