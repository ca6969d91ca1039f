#pragma once

#include "sound/LoadedWave.h"
#include "sound/SoundMixer.h"
#include "sound/SoundOutput.h"
#include "sound/WaveOutDevice.h"

#include <array>
#include <functional>
#include <memory>

namespace zindo {

class TClock;

/// The game's sounds: six effect sounds on mixer channel 1, each cutting off
/// the one before, and the background tune looping on channel 2.
///
/// Owns the wave-output device and the mixer (Activated, channels 0 to 2
/// open). When no mixer can be had (no sound device, the device refuses to
/// open) the game stays silent, and LoadEffectSounds shows why once as
/// "Sound error: ...". Every sound failure is reported that way through
/// ShowMessage; none reaches the caller. Needs a Qt application object for
/// the mixer's timer to run.
class TGameSounds : public TSoundOutput {
public:
    TGameSounds(std::unique_ptr<TWaveOutDevice> ADevice, TClock& Clock);
    ~TGameSounds() override;

    /// Loads MSEMAGIC (6), MSEPTAKE (1), MSEPDROP (2), MSERISKWON (4),
    /// MSERISKLOST (5), MSERISKTAKE (3). Any failure silences all effects for
    /// the run and is shown once.
    void LoadEffectSounds() override;
    /// Plays the effect of Code on channel 1 at once, cutting off the last.
    void PlayEffect(std::uint8_t Code) override;
    /// Wanted non-zero: keeps the tune looping on channel 2 (loaded on first
    /// use, retried after a failed load). 0: lets it stop after the blocks
    /// already at the device.
    void PlayOrStopMusic(int Wanted) override;

    /// The mixer, or null when the game is silent.
    TSoundMixer* Mixer() const { return SoundMixer.get(); }
    /// The device the mixer plays through.
    TWaveOutDevice& Device() const { return *WaveDevice; }

private:
    void Report(const QString& Message);

    std::unique_ptr<TWaveOutDevice> WaveDevice;  ///< the wave-output device
    std::unique_ptr<TSoundMixer> SoundMixer;     ///< null when sound is unavailable
    QString StartupError;                        ///< why there is no mixer, shown at LoadEffectSounds
    std::unique_ptr<TLoadedWave> MusicWave;      ///< the background tune, once loaded
    std::array<std::unique_ptr<TLoadedWave>, 11> EffectSounds; ///< effect sound per code
};

/// The game's sounds over the SDL2 audio device; silent, with the reason
/// shown at LoadEffectSounds, when SDL has no usable audio output.
std::unique_ptr<TGameSounds> MakeDefaultGameSounds();

/// A sound output made when the effect sounds are first loaded, and handed
/// every call from then on (before that, effects and music are not heard).
/// The game opens its audio device so, once its window is on the screen:
/// opening a device can take longer than everything else of the start.
class TSoundOutputMadeLater : public TSoundOutput {
public:
    explicit TSoundOutputMadeLater(std::function<std::unique_ptr<TSoundOutput>()> AMake);

    /// Makes the output (once), passing on ShowMessage, and loads its effects.
    void LoadEffectSounds() override;
    void PlayEffect(std::uint8_t Code) override;
    void PlayOrStopMusic(int Wanted) override;

private:
    std::function<std::unique_ptr<TSoundOutput>()> Make; ///< makes the real output
    std::unique_ptr<TSoundOutput> Made;                  ///< the real output, once made
};

} // namespace zindo
