#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace zindo {

/// What the main window asks of the sound side: load the effect sounds once,
/// play the sound of an effect code, and want or stop the looping background
/// tune. The default does nothing, so the game plays silently until a real
/// mixer is plugged in.
class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;

    /// Loads the effect sounds; failures are reported through ShowMessage.
    virtual void LoadEffectSounds() {}
    /// Plays the sound of an effect code (1 to 10), when one is loaded.
    virtual void PlayEffect(std::uint8_t Code) { (void)Code; }
    /// 2: the tune should loop; 0: it should stop.
    virtual void PlayOrStopMusic(int Wanted) { (void)Wanted; }

    /// Set by the main window: shows a sound error in the message panel.
    std::function<void(const QString& Message)> ShowMessage;
};

} // namespace zindo
