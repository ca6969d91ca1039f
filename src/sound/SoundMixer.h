#pragma once

#include "sound/LoadedWave.h"
#include "sound/MixerSession.h"

#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

namespace zindo {

class TClock;
class TWaveOutDevice;

/// The wave mixer the main window owns: eight channels, each playing its
/// queue of waves one after another, summed sample by sample (clipped, no
/// volume) into small blocks of 8-bit sound that go to the wave-output device.
/// A wave played with pfStartNow is heard almost at once: the blocks the
/// device already holds are thrown away and mixed again with the new sound.
///
/// The device and clock are not owned and must outlive the mixer. While
/// activated, a timer on the UI thread (once a Qt application exists) calls
/// Pump when it has work: when a block at the device has been played or a
/// wave has ended (see PumpDueIn). The game wakes for its sound a few times
/// a second while a tune plays, and not at all in silence. Pump retires
/// finished blocks and waves and mixes fresh blocks; tests call it
/// themselves. Failures raise ESoundMixerError.
class TSoundMixer {
public:
    /// Creates the mixing session over Device (settings from MIXER.INI).
    explicit TSoundMixer(TWaveOutDevice& Device, TClock& Clock);
    ~TSoundMixer();
    TSoundMixer(const TSoundMixer&) = delete;
    TSoundMixer& operator=(const TSoundMixer&) = delete;

    /// Whether the mixer holds the device. Setting it allocates or releases
    /// the device; queued waves survive and resume.
    bool Activated() const { return DeviceHeld; }
    void SetActivated(bool Value);

    /// Bit i set: channel i is open. 255 opens all, 0 closes all.
    std::uint8_t Channels() const { return OpenChannelMask; }
    void SetChannels(std::uint8_t Value);

    /// Bit i set when channel i is open and has something queued.
    std::uint8_t BusyChannels() const;

    /// Loads a RIFF/WAVE file, converted to the mixer's output format.
    std::unique_ptr<TLoadedWave> LoadWave(const QString& FileName);

    /// Drops what is queued on Channel; with NoRemix the blocks already at
    /// the device still play out, else the sound stops at once.
    void Flush(std::int32_t Channel, bool NoRemix);

    /// Queues Wave on Channel (flags: TPlayFlag values; LoopCount + 1 plays,
    /// LoopForever endless). Notify, when given, is told once the wave has
    /// been retired. The wave must outlive its play.
    void Play(std::int32_t Channel, const TLoadedWave& Wave, TPlayNotify Notify, std::uint32_t Flags,
              std::uint16_t LoopCount);

    /// Retires finished blocks and waves and mixes fresh blocks, and sets the
    /// timer for the next time there is work.
    void Pump();

    /// The engine session, for tests and diagnostics.
    TMixerSession* Session() const { return Request.Session; }

    /// Told when the timer's pump fails (the message of the error).
    std::function<void(const QString& Message)> OnPumpError;

private:
    /// Sets the pump timer for the next work while activated and a Qt
    /// application exists; stops it when there is none.
    void SchedulePump();

    TPlayRequest Request;             ///< kept filled with the session
    bool DeviceHeld = false;          ///< Activated: the mixer holds the device
    std::uint8_t OpenChannelMask = 0; ///< Channels: bit i set = channel i open
    QTimer PumpTimer;                 ///< single shot: the next Pump
};

} // namespace zindo
