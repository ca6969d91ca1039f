#pragma once

#include <cstdint>
#include <vector>

namespace zindo {

/// How a note's loudness runs. With DecayTime 0 it is attack, decay, sustain
/// until the note's length, then release; with DecayTime > 0 the note is
/// plucked: after the attack it fades by e every DecayTime seconds, and is
/// released at its length.
struct TEnvelope {
    double Attack = 0.005;  ///< seconds to full level
    double Decay = 0.08;    ///< seconds from full level to Sustain
    double Sustain = 0.75;  ///< level held until the note's length
    double Release = 0.08;  ///< seconds to silence after the length
    double DecayTime = 0.0; ///< > 0: plucked, fading with this time constant
};

/// The colour of a voice: the strength of each harmonic, and its movement.
struct TTimbre {
    std::vector<double> Harmonics{1.0}; ///< amplitude of partial 1, 2, 3, ...
    double Stretch = 0.0;      ///< partial k sounds at k * (1 + Stretch * (k*k - 1)): bells for > 0
    double BrightDecay = 0.0;  ///< upper partials fade faster: partial k by exp(-t * (k-1) * BrightDecay)
    double Vibrato = 0.0;      ///< depth as a fraction of the frequency
    double VibratoRate = 5.5;  ///< Hz
    double VibratoDelay = 0.15; ///< seconds before the vibrato sets in
};

/// One note of a synthesised sound.
struct TNote {
    double Start = 0.0;        ///< seconds from the start of the buffer
    double Length = 0.2;       ///< seconds until the release begins
    double Frequency = 440.0;  ///< Hz at the start
    double EndFrequency = 0.0; ///< Hz at Length (glides exponentially); 0 = no glide
    double Amplitude = 0.3;    ///< peak level
    double Pan = 0.0;          ///< -1 left .. 1 right (stereo buffers)
    double Tremolo = 0.0;      ///< depth of a loudness wobble, 0 .. 1
    double TremoloRate = 6.0;  ///< Hz
    TTimbre Timbre;            ///< harmonics and vibrato
    TEnvelope Envelope;        ///< loudness over time
};

/// The frequency of a MIDI note number (69 = A4 = 440 Hz).
double MidiFrequency(double Note);

/// A buffer that notes and noise bursts are mixed into, and that turns into
/// interleaved samples. Everything is computed in doubles from the given
/// values only, so the same calls give the same samples on every run.
class TMixBuffer {
public:
    TMixBuffer(int ASampleRate, int AChannels, double Seconds);

    /// Adds a note; anything past the end of the buffer is cut off.
    void Add(const TNote& Note);

    /// Adds a burst of filtered noise: white noise through a one-pole low-pass
    /// at Cutoff Hz, fading by e every DecayTime seconds after Start.
    void AddNoise(double Start, double Length, double Amplitude, double Cutoff, double DecayTime, std::uint32_t Seed,
                  double Pan = 0.0);

    /// The mixed samples scaled so that the loudest one is Peak (when the mix
    /// is louder than Peak or Normalise is set), then faded in and out over
    /// Fade seconds so the sound starts and ends at silence.
    std::vector<float> Samples(double Peak, bool Normalise, double Fade) const;

    int SampleRate() const { return Rate; }
    int Channels() const { return ChannelCount; }
    std::size_t Frames() const { return FrameCount; }

private:
    void Put(std::size_t Frame, double Value, double Pan);

    int Rate;                   ///< frames per second
    int ChannelCount;           ///< 1 or 2
    std::size_t FrameCount;     ///< length of the buffer
    std::vector<double> Mix;    ///< interleaved, unscaled
};

} // namespace zindo
