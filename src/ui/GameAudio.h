#pragma once

#include "game/PuzzleClass.h"
#include "sound/SoundOutput.h"

#include <cstdint>
#include <memory>

namespace zindo {

/// The game's sounds as the window plays them: the effect sounds, the looping
/// background music, the player's two switches for them (not stored between
/// runs) and whether the screen shown now lets the music play. The main
/// window owns it; the screens reach it through TScreenHost.
///
/// Effects queue up between idle passes and only the last one sounds, so a
/// burst of events in one pass is heard once. Nothing sounds, and the music
/// waits, until the sounds have been loaded (after the window's first frame).
class TGameAudio {
public:
    /// Plays through Output; null plays nothing.
    explicit TGameAudio(std::unique_ptr<TSoundOutput> Output);

    /// Loads the effect sounds, once, then starts the music when it is wanted.
    void LoadSounds();

    /// Keeps Effect for the next PlayPendingEffect, replacing one kept before.
    void QueueEffect(std::uint8_t Code) { PendingEffect = Code; }
    /// An effect waits and would sound now.
    bool EffectDue() const { return PendingEffect != 0 && SoundsLoaded; }
    /// The effect that waits; 0 = none.
    std::uint8_t PendingEffectCode() const { return PendingEffect; }
    /// Plays the effect that waits when the effects are on, and forgets it.
    void PlayPendingEffect();

    /// The music plays while it is on and the screen allows it.
    void AllowMusic();
    void ForbidMusic();
    bool MusicAllowed() const { return ScreenAllowsMusic; }
    bool MusicOn() const { return BackgroundMusicOn; }
    bool EffectsOn() const { return SoundEffectsOn; }
    /// The player's switches; the music starts or stops at once.
    void SetMusicOn(bool On);
    void SetEffectsOn(bool On) { SoundEffectsOn = On; }

    /// The sound side, for its error messages and for tests.
    TSoundOutput& Output() { return *Sound; }

private:
    /// Starts or stops the music as the switch and the screen want it.
    void UpdateMusic();

    std::unique_ptr<TSoundOutput> Sound; ///< effects and music
    bool SoundsLoaded = false;           ///< LoadSounds has run
    bool BackgroundMusicOn = true;       ///< the player's switch for the music
    bool SoundEffectsOn = true;          ///< the player's switch for the effects
    bool ScreenAllowsMusic = false;      ///< the screen shown now lets the music play
    std::uint8_t PendingEffect = 0;      ///< the effect the next pass plays; 0 = none
};

} // namespace zindo
