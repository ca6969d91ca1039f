#pragma once

#include "WaveFile.h"

namespace zindo {

/// The game's sounds, synthesised. Each file has its own PCM layout, as the
/// game converts every wave to its mixer's format when it loads it.

/// The background tune "mbk2": a calm loop of 12 bars that starts and ends in
/// silence, so it repeats without a click. 11025 Hz, 16 bits, stereo.
TSound MakeBackgroundTune();

/// Taking a piece (effect 1): a short rising pop. 22050 Hz, 16 bits, mono.
TSound MakeTakeSound();

/// Dropping a piece (effect 2): a soft wooden tock. 11025 Hz, 8 bits, mono.
TSound MakeDropSound();

/// A risk piece taken, the zindo starts a raid (effect 3): a low, growling
/// falling tritone. 22050 Hz, 16 bits, stereo.
TSound MakeRiskTakeSound();

/// A risk won (effect 4): a bright rising jingle. 22050 Hz, 8 bits, mono.
TSound MakeRiskWonSound();

/// A risk lost (effect 5): a sad sliding fall of four notes. 11025 Hz,
/// 16 bits, mono.
TSound MakeRiskLostSound();

/// "Use Magic" (effect 6): a sparkling run of bell tones across the stereo
/// field. 22050 Hz, 16 bits, stereo.
TSound MakeMagicSound();

} // namespace zindo
