#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

constexpr double TwoPi = 6.28318530717958647692;

double EnvelopeAt(const TEnvelope& E, double T, double Length)
{
    const auto held = [&](double Time) {
        double level;
        if (E.Attack > 0.0 && Time < E.Attack)
            level = Time / E.Attack;
        else if (E.DecayTime > 0.0)
            level = std::exp(-(Time - E.Attack) / E.DecayTime);
        else if (Time < E.Attack + E.Decay && E.Decay > 0.0)
            level = 1.0 - (1.0 - E.Sustain) * (Time - E.Attack) / E.Decay;
        else
            level = E.Sustain;
        return level;
    };
    if (T < 0.0)
        return 0.0;
    if (T <= Length)
        return held(T);
    if (E.Release <= 0.0)
        return 0.0;
    const double r = (T - Length) / E.Release;
    if (r >= 1.0)
        return 0.0;
    // A release that bends down quickly and lands softly on zero.
    const double fall = (1.0 - r) * (1.0 - r);
    return held(Length) * fall;
}

} // namespace

double MidiFrequency(double Note)
{
    return 440.0 * std::pow(2.0, (Note - 69.0) / 12.0);
}

TMixBuffer::TMixBuffer(int ASampleRate, int AChannels, double Seconds)
    : Rate(ASampleRate), ChannelCount(AChannels), FrameCount(std::size_t(std::lround(Seconds * ASampleRate))),
      Mix(FrameCount * std::size_t(AChannels), 0.0)
{
}

void TMixBuffer::Put(std::size_t Frame, double Value, double Pan)
{
    if (Frame >= FrameCount)
        return;
    if (ChannelCount == 1) {
        Mix[Frame] += Value;
        return;
    }
    // Equal-power panning: a centred note is as loud as one at either side.
    const double angle = (std::clamp(Pan, -1.0, 1.0) + 1.0) * TwoPi / 8.0;
    Mix[2 * Frame] += Value * std::cos(angle) * 1.41421356;
    Mix[2 * Frame + 1] += Value * std::sin(angle) * 1.41421356;
}

void TMixBuffer::Add(const TNote& Note)
{
    const double total = Note.Length + std::max(0.0, Note.Envelope.Release);
    const long first = std::lround(Note.Start * Rate);
    const long count = std::lround(total * Rate);
    const double nyquist = Rate * 0.45;
    const std::size_t partials = Note.Timbre.Harmonics.size();
    std::vector<double> ratio(partials);
    for (std::size_t k = 0; k < partials; ++k) {
        const double n = double(k + 1);
        ratio[k] = n * (1.0 + Note.Timbre.Stretch * (n * n - 1.0));
    }
    double phase = 0.0;
    for (long i = 0; i < count; ++i) {
        const long frame = first + i;
        if (frame < 0)
            continue;
        if (std::size_t(frame) >= FrameCount)
            break;
        const double t = double(i) / Rate;
        double f = Note.Frequency;
        if (Note.EndFrequency > 0.0) {
            const double g = Note.Length > 0.0 ? std::min(1.0, t / Note.Length) : 1.0;
            f = Note.Frequency * std::pow(Note.EndFrequency / Note.Frequency, g);
        }
        if (Note.Timbre.Vibrato > 0.0 && t > Note.Timbre.VibratoDelay) {
            const double depth = Note.Timbre.Vibrato * std::min(1.0, (t - Note.Timbre.VibratoDelay) / 0.25);
            f *= 1.0 + depth * std::sin(TwoPi * Note.Timbre.VibratoRate * (t - Note.Timbre.VibratoDelay));
        }
        double value = 0.0;
        for (std::size_t k = 0; k < partials; ++k) {
            if (f * ratio[k] >= nyquist)
                break;
            double a = Note.Timbre.Harmonics[k];
            if (Note.Timbre.BrightDecay > 0.0 && k > 0)
                a *= std::exp(-t * double(k) * Note.Timbre.BrightDecay);
            value += a * std::sin(phase * ratio[k]);
        }
        phase += TwoPi * f / Rate;
        if (phase > TwoPi * 1024.0)
            phase -= TwoPi * 1024.0;
        double level = EnvelopeAt(Note.Envelope, t, Note.Length) * Note.Amplitude;
        if (Note.Tremolo > 0.0)
            level *= 1.0 - Note.Tremolo * 0.5 * (1.0 - std::cos(TwoPi * Note.TremoloRate * t));
        Put(std::size_t(frame), value * level, Note.Pan);
    }
}

void TMixBuffer::AddNoise(double Start, double Length, double Amplitude, double Cutoff, double DecayTime,
                          std::uint32_t Seed, double Pan)
{
    std::uint32_t state = Seed ? Seed : 1u;
    const double alpha = 1.0 - std::exp(-TwoPi * Cutoff / Rate);
    double low = 0.0;
    const long first = std::lround(Start * Rate);
    const long count = std::lround(Length * Rate);
    for (long i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 23) - 1.0;
        low += alpha * (white - low);
        const double t = double(i) / Rate;
        const double attack = std::min(1.0, t / 0.002);
        const double level = Amplitude * attack * std::exp(-t / DecayTime);
        const long frame = first + i;
        if (frame >= 0)
            Put(std::size_t(frame), low * level, Pan);
    }
}

std::vector<float> TMixBuffer::Samples(double Peak, bool Normalise, double Fade) const
{
    double loudest = 0.0;
    for (const double v : Mix)
        loudest = std::max(loudest, std::abs(v));
    double gain = 1.0;
    if (loudest > 0.0 && (Normalise || loudest > Peak))
        gain = Peak / loudest;
    std::vector<float> out(Mix.size());
    const double fadeFrames = std::max(1.0, Fade * Rate);
    for (std::size_t frame = 0; frame < FrameCount; ++frame) {
        const double fromStart = double(frame);
        const double toEnd = double(FrameCount - 1 - frame);
        const double fade = std::min({1.0, fromStart / fadeFrames, toEnd / fadeFrames});
        for (int c = 0; c < ChannelCount; ++c) {
            const std::size_t i = frame * std::size_t(ChannelCount) + std::size_t(c);
            out[i] = float(Mix[i] * gain * fade);
        }
    }
    return out;
}

} // namespace zindo
