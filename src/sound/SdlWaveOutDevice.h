#pragma once

#include "sound/WaveOutDevice.h"

#include <cstdint>

namespace zindo {

/// The real wave output: SDL2's audio queue. Each block is queued with
/// SDL_QueueAudio; the played position is what was queued less what still
/// waits in the queue. SDL's own thread plays the queue; the mixer only asks
/// for the position from the UI thread. SDL2 is loaded when the first device
/// is made; without the library or a usable audio driver NumDevs() answers 0
/// and LastError() says why.
class TSdlWaveOutDevice : public TWaveOutDevice {
public:
    TSdlWaveOutDevice();
    ~TSdlWaveOutDevice() override;
    TSdlWaveOutDevice(const TSdlWaveOutDevice&) = delete;
    TSdlWaveOutDevice& operator=(const TSdlWaveOutDevice&) = delete;

    int NumDevs() override;
    bool GetDevCaps(int DeviceId, TWaveOutCaps& Caps) override;
    bool SupportsFormat(int DeviceId, const TWaveFormat& Format) override;
    int Open(int DeviceId, const TWaveFormat& Format) override;
    int Write(const std::uint8_t* Data, std::uint32_t Length) override;
    std::uint32_t Position() override;
    std::uint32_t WrittenPosition() override { return Written; }
    void Pause() override;
    void Restart() override;
    void Reset() override;
    void Close() override;
    QString LastError() const override { return Error; }

private:
    bool AudioReady = false;      ///< SDL's audio subsystem is initialised
    std::uint32_t DeviceHandle = 0; ///< SDL audio device id, 0 = closed
    std::uint32_t Written = 0;    ///< bytes queued since opening, less what Reset dropped
    QString Error;                ///< SDL's words for the last failure
};

} // namespace zindo
