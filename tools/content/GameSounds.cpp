#include "GameSounds.h"

#include "ArtKit.h"
#include "Synth.h"

#include <array>
#include <cmath>

namespace zindo {

namespace {

TSound Finish(const TMixBuffer& Buffer, int Bits, double Peak, double Fade)
{
    TSound sound;
    sound.Format = {Buffer.SampleRate(), Bits, Buffer.Channels()};
    sound.Samples = Buffer.Samples(Peak, true, Fade);
    // An even number of data bytes keeps the RIFF chunk without a pad byte.
    if (Bits == 8 && Buffer.Channels() == 1 && sound.Samples.size() % 2 == 1)
        sound.Samples.push_back(0.0f);
    return sound;
}

TTimbre Pure() { return TTimbre{{1.0}}; }

/// Soft organ-like pad: a few low harmonics.
TTimbre Pad() { return TTimbre{{1.0, 0.35, 0.12, 0.05}}; }

/// Plucked string: many harmonics that die away quickly.
TTimbre Pluck() { TTimbre t{{1.0, 0.6, 0.35, 0.22, 0.12, 0.07}}; t.BrightDecay = 6.0; return t; }

/// A flute-like lead with a gentle vibrato.
TTimbre Flute()
{
    TTimbre t{{1.0, 0.18, 0.1, 0.03}};
    t.Vibrato = 0.006;
    t.VibratoRate = 5.2;
    t.VibratoDelay = 0.25;
    return t;
}

/// A brassy buzz: odd and even harmonics, falling off slowly.
TTimbre Brass() { return TTimbre{{1.0, 0.8, 0.62, 0.48, 0.36, 0.26, 0.18, 0.12, 0.08}}; }

/// A bell: slightly stretched partials whose top fades first.
TTimbre Bell()
{
    TTimbre t{{1.0, 0.5, 0.28, 0.16}};
    t.Stretch = 0.012;
    t.BrightDecay = 3.0;
    return t;
}

} // namespace

TSound MakeBackgroundTune()
{
    constexpr int rate = 11025;
    constexpr double beat = 60.0 / 90.0; // 90 beats a minute
    constexpr int bars = 12;
    constexpr double barLength = 4.0 * beat;
    TMixBuffer mix(rate, 2, bars * barLength);

    // One chord per bar (MIDI notes, low to high) and its bass root.
    struct TBar {
        std::array<int, 4> Chord;
        int Bass;
    };
    static constexpr std::array<TBar, bars> progression = {{
        {{53, 57, 60, 64}, 41}, // F maj7
        {{57, 60, 64, 67}, 45}, // A m7
        {{58, 62, 65, 69}, 46}, // Bb maj7
        {{55, 60, 64, 67}, 48}, // C
        {{53, 57, 60, 64}, 41}, // F maj7
        {{57, 60, 62, 65}, 50}, // D m7
        {{55, 58, 62, 65}, 43}, // G m7
        {{55, 58, 60, 64}, 48}, // C7
        {{57, 60, 62, 65}, 50}, // D m7
        {{58, 62, 65, 69}, 46}, // Bb maj7
        {{55, 58, 62, 65}, 43}, // G m7
        {{55, 60, 65, 67}, 48}, // C sus4, resolving home on the repeat
    }};

    // The melody: bar, beat, length in beats, MIDI note.
    struct TMelodyNote {
        int Bar;
        double Beat;
        double Beats;
        int Note;
    };
    static constexpr std::array<TMelodyNote, 41> melody = {{
        {0, 0.0, 1.5, 69}, {0, 1.5, 0.5, 72}, {0, 2.0, 2.0, 77},
        {1, 0.0, 1.0, 76}, {1, 1.0, 1.0, 74}, {1, 2.0, 2.0, 72},
        {2, 0.0, 1.5, 74}, {2, 1.5, 0.5, 72}, {2, 2.0, 1.0, 70}, {2, 3.0, 1.0, 69},
        {3, 0.0, 3.0, 67},
        {4, 0.0, 1.0, 69}, {4, 1.0, 1.0, 72}, {4, 2.0, 1.0, 77}, {4, 3.0, 1.0, 76},
        {5, 0.0, 1.5, 77}, {5, 1.5, 0.5, 76}, {5, 2.0, 2.0, 74},
        {6, 0.0, 1.0, 70}, {6, 1.0, 1.0, 74}, {6, 2.0, 1.0, 72}, {6, 3.0, 1.0, 70},
        {7, 0.0, 1.0, 69}, {7, 1.0, 3.0, 67},
        {8, 0.0, 1.0, 74}, {8, 1.0, 1.0, 77}, {8, 2.0, 2.0, 81},
        {9, 0.0, 1.0, 79}, {9, 1.0, 1.0, 77}, {9, 2.0, 2.0, 74},
        {10, 0.0, 1.0, 72}, {10, 1.0, 1.0, 74}, {10, 2.0, 1.0, 70}, {10, 3.0, 1.0, 67},
        {11, 0.0, 1.5, 72}, {11, 1.5, 0.5, 70}, {11, 2.0, 1.0, 69},
        // A quiet echo an octave down under the last bar.
        {11, 0.0, 0.5, 60}, {11, 0.5, 0.5, 64}, {11, 1.0, 0.5, 65}, {11, 1.5, 0.5, 67},
    }};

    for (int b = 0; b < bars; ++b) {
        const double start = b * barLength;
        // The last bar breathes out before the loop begins again.
        const double hold = (b == bars - 1) ? 2.6 * beat : barLength - 0.05;
        const TBar& bar = progression[std::size_t(b)];
        for (std::size_t i = 0; i < bar.Chord.size(); ++i) {
            TNote pad;
            pad.Start = start;
            pad.Length = hold;
            pad.Frequency = MidiFrequency(bar.Chord[i]);
            pad.Amplitude = 0.055;
            pad.Pan = -0.45 + 0.3 * double(i);
            pad.Timbre = Pad();
            pad.Envelope = {0.35, 0.4, 0.8, 0.45, 0.0};
            pad.Tremolo = 0.12;
            pad.TremoloRate = 0.5 + 0.1 * double(i);
            mix.Add(pad);
        }
        // Bass on beats one and three.
        for (int half = 0; half < 2; ++half) {
            if (b == bars - 1 && half == 1)
                break;
            TNote bass;
            bass.Start = start + half * 2.0 * beat;
            bass.Length = 1.6 * beat;
            bass.Frequency = MidiFrequency(bar.Bass);
            bass.Amplitude = 0.16;
            bass.Timbre = TTimbre{{1.0, 0.3, 0.08}};
            bass.Envelope = {0.02, 0.3, 0.6, 0.25, 0.0};
            mix.Add(bass);
        }
        // A rippling arpeggio in eighth notes over the chord, an octave up.
        static constexpr std::array<int, 8> pattern = {0, 1, 2, 3, 2, 1, 2, 3};
        const int eighths = (b == bars - 1) ? 4 : 8;
        for (int e = 0; e < eighths; ++e) {
            TNote pluck;
            pluck.Start = start + e * beat / 2.0;
            pluck.Length = beat * 0.9;
            pluck.Frequency = MidiFrequency(bar.Chord[std::size_t(pattern[std::size_t(e)])] + 12);
            pluck.Amplitude = (e % 2 == 0) ? 0.075 : 0.06;
            pluck.Pan = (e % 2 == 0) ? 0.35 : -0.25;
            pluck.Timbre = Pluck();
            pluck.Envelope = {0.004, 0.0, 0.0, 0.3, 0.32};
            mix.Add(pluck);
        }
    }
    for (const TMelodyNote& m : melody) {
        TNote lead;
        lead.Start = m.Bar * barLength + m.Beat * beat;
        lead.Length = m.Beats * beat * 0.92;
        lead.Frequency = MidiFrequency(m.Note);
        lead.Amplitude = m.Note < 66 ? 0.06 : 0.12;
        lead.Pan = 0.08;
        lead.Timbre = Flute();
        lead.Envelope = {0.05, 0.15, 0.8, 0.22, 0.0};
        mix.Add(lead);
    }
    return Finish(mix, 16, 0.72, 0.08);
}

TSound MakeTakeSound()
{
    TMixBuffer mix(22050, 1, 0.24);
    TNote pop;
    pop.Length = 0.07;
    pop.Frequency = 520.0;
    pop.EndFrequency = 1180.0;
    pop.Amplitude = 0.8;
    pop.Timbre = TTimbre{{1.0, 0.3, 0.1}};
    pop.Envelope = {0.003, 0.0, 0.0, 0.12, 0.06};
    mix.Add(pop);
    mix.AddNoise(0.0, 0.03, 0.25, 4000.0, 0.008, 77u);
    return Finish(mix, 16, 0.7, 0.004);
}

TSound MakeDropSound()
{
    TMixBuffer mix(11025, 1, 0.26);
    TNote tock;
    tock.Length = 0.05;
    tock.Frequency = 300.0;
    tock.EndFrequency = 170.0;
    tock.Amplitude = 0.9;
    tock.Timbre = TTimbre{{1.0, 0.25, 0.4}};
    tock.Envelope = {0.002, 0.0, 0.0, 0.15, 0.045};
    mix.Add(tock);
    mix.AddNoise(0.0, 0.06, 0.5, 1800.0, 0.012, 91u);
    return Finish(mix, 8, 0.75, 0.004);
}

TSound MakeRiskTakeSound()
{
    TMixBuffer mix(22050, 2, 1.25);
    // Two heavy notes a tritone apart, falling: "dum ... dom", with a growl.
    const std::array<std::pair<double, double>, 2> notes = {{{MidiFrequency(50), 0.0}, {MidiFrequency(44), 0.42}}};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        for (int voice = 0; voice < 2; ++voice) {
            TNote n;
            n.Start = notes[i].second;
            n.Length = i == 0 ? 0.3 : 0.5;
            n.Frequency = notes[i].first * (voice == 0 ? 0.995 : 1.005);
            n.EndFrequency = n.Frequency * (i == 0 ? 0.98 : 0.9);
            n.Amplitude = 0.3;
            n.Pan = voice == 0 ? -0.5 : 0.5;
            n.Timbre = Brass();
            n.Envelope = {0.02, 0.2, 0.7, 0.3, 0.0};
            n.Tremolo = 0.45;
            n.TremoloRate = 11.0;
            mix.Add(n);
        }
        TNote sub;
        sub.Start = notes[i].second;
        sub.Length = i == 0 ? 0.3 : 0.5;
        sub.Frequency = notes[i].first / 2.0;
        sub.Amplitude = 0.35;
        sub.Timbre = Pure();
        sub.Envelope = {0.01, 0.2, 0.8, 0.3, 0.0};
        mix.Add(sub);
    }
    mix.AddNoise(0.0, 1.1, 0.12, 400.0, 0.35, 303u, -0.2);
    return Finish(mix, 16, 0.8, 0.005);
}

TSound MakeRiskWonSound()
{
    TMixBuffer mix(22050, 1, 0.95);
    // C5 E5 G5 C6, then a bright chord.
    const std::array<int, 4> run = {72, 76, 79, 84};
    for (std::size_t i = 0; i < run.size(); ++i) {
        TNote n;
        n.Start = 0.075 * double(i);
        n.Length = 0.07;
        n.Frequency = MidiFrequency(run[i]);
        n.Amplitude = 0.35;
        n.Timbre = TTimbre{{1.0, 0.0, 0.3, 0.0, 0.15}};
        n.Envelope = {0.004, 0.03, 0.7, 0.06, 0.0};
        mix.Add(n);
    }
    for (const int note : {76, 79, 84, 88}) {
        TNote n;
        n.Start = 0.32;
        n.Length = 0.3;
        n.Frequency = MidiFrequency(note);
        n.Amplitude = 0.22;
        n.Timbre = Bell();
        n.Envelope = {0.005, 0.0, 0.0, 0.25, 0.22};
        mix.Add(n);
    }
    return Finish(mix, 8, 0.8, 0.004);
}

TSound MakeRiskLostSound()
{
    TMixBuffer mix(11025, 1, 1.4);
    // "Wah, wah, wah, waaah": G3 F#3 F3, then a long E3 that sags.
    const std::array<int, 4> fall = {55, 54, 53, 52};
    for (std::size_t i = 0; i < fall.size(); ++i) {
        const bool last = i + 1 == fall.size();
        TNote n;
        n.Start = 0.24 * double(i);
        n.Length = last ? 0.45 : 0.18;
        n.Frequency = MidiFrequency(fall[i]);
        n.EndFrequency = last ? n.Frequency * 0.94 : n.Frequency * 0.985;
        n.Amplitude = 0.38;
        n.Timbre = Brass();
        n.Timbre.Vibrato = last ? 0.02 : 0.0;
        n.Timbre.VibratoRate = 6.0;
        n.Timbre.VibratoDelay = 0.12;
        n.Envelope = {0.04, 0.1, 0.75, last ? 0.2 : 0.05, 0.0};
        mix.Add(n);
    }
    return Finish(mix, 16, 0.78, 0.005);
}

TSound MakeMagicSound()
{
    TMixBuffer mix(22050, 2, 1.3);
    // A quick upward run of bell tones on a pentatonic scale, scattered across
    // the stereo field, and a shimmer of high noise.
    static constexpr std::array<int, 12> scale = {79, 81, 84, 86, 88, 91, 93, 96, 98, 100, 103, 105};
    TArtRandom random(0x5EA5u);
    for (std::size_t i = 0; i < scale.size(); ++i) {
        TNote n;
        n.Start = 0.045 * double(i) + random.Between(0.0, 0.012);
        n.Length = 0.05;
        n.Frequency = MidiFrequency(scale[i]);
        n.Amplitude = 0.16 + 0.01 * double(i);
        n.Pan = random.Between(-0.9, 0.9);
        n.Timbre = Bell();
        n.Envelope = {0.002, 0.0, 0.0, 0.5, 0.28};
        mix.Add(n);
    }
    for (const int note : {84, 88, 91, 96}) {
        TNote n;
        n.Start = 0.56;
        n.Length = 0.1;
        n.Frequency = MidiFrequency(note);
        n.Amplitude = 0.14;
        n.Pan = note % 2 == 0 ? -0.3 : 0.3;
        n.Timbre = Bell();
        n.Envelope = {0.003, 0.0, 0.0, 0.6, 0.35};
        mix.Add(n);
    }
    mix.AddNoise(0.0, 1.1, 0.05, 9000.0, 0.35, 515u, 0.3);
    return Finish(mix, 16, 0.75, 0.005);
}

} // namespace zindo
