#include "Tones.h"

#include <algorithm>
#include <array>

namespace {

// Slow vibrato that sets in after the note has started.
double vibrato(double t, double depth, double delay)
{
    const double onset = t < delay ? 0.0 : std::min(1.0, (t - delay) / 0.3);
    return 1.0 + depth * onset * std::sin(2.0 * std::numbers::pi * 5.5 * t);
}

// Seeded by the pitch, so a note breathes the same way wherever it is played.
Noise breathFor(double hz)
{
    return Noise(uint32_t(hz * 1000.0));
}

} // namespace

Samples bell(double hz, double seconds, float velocity)
{
    constexpr std::array ratios{1.0, 2.0, 2.76, 5.4, 8.93};
    constexpr std::array levels{1.0f, 0.55f, 0.4f, 0.22f, 0.12f};
    std::array<Oscillator, ratios.size()> partials;
    const double ring = std::max(seconds, 1.6);
    return synthesize(ring + 0.4, [&](double t) {
        float tone = 0.0f;
        for (std::size_t k = 0; k < ratios.size(); ++k)
            tone += levels[k] * partials[k].sine(hz * ratios[k]) * decay(t, ring / (1.5 + k));
        return velocity * rise(t, 0.0015) * 0.4f * tone;
    });
}

Samples marimba(double hz, double seconds, float velocity)
{
    Oscillator bar;
    Oscillator second;
    Oscillator third;
    const double ring = std::clamp(seconds, 0.3, 0.7);
    return synthesize(ring + 0.3, [&](double t) {
        const float tone = bar.sine(hz) * decay(t, ring * 0.55) +
                           0.3f * second.sine(hz * 3.93) * decay(t, 0.07) +
                           0.08f * third.sine(hz * 9.8) * decay(t, 0.02);
        return velocity * rise(t, 0.001) * 0.6f * tone;
    });
}

Samples musicBox(double hz, double seconds, float velocity)
{
    Oscillator tine;
    Oscillator upper;
    Oscillator top;
    const double ring = std::max(seconds, 1.2);
    return synthesize(ring + 0.3, [&](double t) {
        const float tone = tine.sine(hz) * decay(t, ring * 0.5) +
                           0.22f * upper.sine(hz * 3.0) * decay(t, 0.25) +
                           0.08f * top.sine(hz * 5.92) * decay(t, 0.06);
        return velocity * rise(t, 0.0008) * 0.5f * tone;
    });
}

Samples pluck(double hz, double seconds, float velocity)
{
    Oscillator left;
    Oscillator right(0.37);
    Filter tone;
    return synthesize(seconds + 0.25, [&](double t) {
        const float raw = 0.5f * (left.saw(hz * 0.997) + right.saw(hz * 1.003));
        const double cutoff = hz * (1.5 + 9.0 * velocity * decay(t, 0.12));
        const float level = decay(t, 0.35) * adsr(t, 0.003, 1.0, 1.0f, 0.2, seconds);
        return velocity * 0.5f * tone.process(raw, cutoff, 0.8).low * level;
    });
}

Samples chipSquare(double hz, double seconds, float velocity)
{
    Oscillator square;
    return synthesize(seconds + 0.03, [&](double t) {
        const double wobble = seconds > 0.3 ? vibrato(t, 0.012, 0.2) : 1.0;
        const float level = adsr(t, 0.002, 0.08, 0.75f, 0.03, seconds);
        return velocity * 0.3f * square.square(hz * wobble, 0.25) * level;
    });
}

Samples chipTriangle(double hz, double seconds, float velocity)
{
    Oscillator triangle;
    return synthesize(seconds + 0.03, [&](double t) {
        return velocity * 0.45f * triangle.triangle(hz) * adsr(t, 0.002, 1.0, 1.0f, 0.03, seconds);
    });
}

Samples violin(double hz, double seconds, float velocity)
{
    Oscillator bow;
    Filter brightness;
    Filter body;
    Filter air;
    Noise breath = breathFor(hz);
    return synthesize(seconds + 0.3, [&](double t) {
        const float string = bow.saw(hz * vibrato(t, 0.0065, 0.15));
        const float dark = brightness.process(string, 3200.0, 0.7).low;
        const float resonance = body.process(dark, 520.0, 2.0).band;
        const float scrape = air.process(breath.white(), 3000.0, 1.5).band;
        const float level = adsr(t, 0.12, 0.3, 0.85f, 0.3, seconds);
        return velocity * 0.4f * (dark + 0.5f * resonance + 0.03f * scrape) * level;
    });
}

Samples flute(double hz, double seconds, float velocity)
{
    Oscillator fundamental;
    Oscillator second;
    Oscillator third;
    Filter air;
    Noise breath = breathFor(hz);
    return synthesize(seconds + 0.15, [&](double t) {
        const double pitch = hz * vibrato(t, 0.004, 0.2);
        const float tone = fundamental.sine(pitch) + 0.12f * second.sine(pitch * 2.0) +
                           0.04f * third.sine(pitch * 3.0);
        const float chiff = 0.08f + 0.25f * decay(t, 0.03);
        const float breathNoise = air.process(breath.white(), hz * 2.0, 2.0).band * chiff;
        const float level = adsr(t, 0.05, 0.2, 0.85f, 0.15, seconds);
        return velocity * 0.45f * (tone + breathNoise) * level;
    });
}

Samples trumpet(double hz, double seconds, float velocity)
{
    Oscillator horn;
    Filter bell;
    return synthesize(seconds + 0.1, [&](double t) {
        // Lips start slightly flat and the tone opens up with the breath.
        const double pitch = hz * (1.0 - 0.015 * decay(t, 0.02)) * vibrato(t, 0.004, 0.35);
        const float level = adsr(t, 0.025, 0.15, 0.8f, 0.1, seconds);
        const double cutoff = hz * (1.2 + 6.0 * level);
        return velocity * 0.5f * bell.process(horn.saw(pitch), cutoff, 0.9).low * level;
    });
}

Samples bugle(double hz, double seconds, float velocity)
{
    Oscillator horn;
    Filter bell;
    return synthesize(seconds + 0.1, [&](double t) {
        const double pitch = hz * (1.0 - 0.02 * decay(t, 0.025));
        const float level = adsr(t, 0.03, 0.2, 0.75f, 0.1, seconds);
        const double cutoff = hz * (1.0 + 3.5 * level);
        return velocity * 0.55f * bell.process(horn.saw(pitch), cutoff, 0.8).low * level;
    });
}

Samples pad(double hz, double seconds, float velocity)
{
    std::array oscillators{Oscillator(0.0), Oscillator(0.31), Oscillator(0.67)};
    constexpr std::array detune{0.993, 1.0, 1.007};
    Filter warmth;
    return synthesize(seconds + 0.8, [&](double t) {
        float raw = 0.0f;
        for (std::size_t k = 0; k < oscillators.size(); ++k)
            raw += oscillators[k].saw(hz * detune[k]);
        const float level = adsr(t, 0.4, 1.0, 1.0f, 0.8, seconds);
        return velocity * 0.15f * warmth.process(raw, 1100.0, 0.7).low * level;
    });
}

Samples pulsePad(double hz, double seconds, float velocity)
{
    Oscillator left;
    Oscillator right(0.5);
    Filter tone;
    return synthesize(seconds + 0.15, [&](double t) {
        const float raw = 0.5f * (left.saw(hz * 0.995) + right.saw(hz * 1.005));
        const float level = adsr(t, 0.006, 0.18, 0.35f, 0.15, seconds);
        return velocity * 0.35f * tone.process(raw, 900.0 + 1800.0 * level, 0.9).low * level;
    });
}

Samples bass(double hz, double seconds, float velocity)
{
    Oscillator sub;
    Oscillator edge;
    Filter tone;
    return synthesize(seconds + 0.06, [&](double t) {
        const float level = adsr(t, 0.004, 0.25, 0.7f, 0.06, seconds);
        const float growl = tone.process(edge.saw(hz), hz * (2.0 + 4.0 * decay(t, 0.08)), 0.9).low;
        return velocity * 0.6f * std::tanh(1.5f * (sub.sine(hz) + 0.5f * growl)) * level;
    });
}

Samples slapBass(double hz, double seconds, float velocity)
{
    Oscillator string;
    Filter tone;
    return synthesize(seconds + 0.05, [&](double t) {
        const double cutoff = hz * (1.5 + 14.0 * decay(t, 0.04));
        const float level = adsr(t, 0.002, 0.15, 0.5f, 0.05, seconds);
        const float bright = tone.process(string.saw(hz), cutoff, 1.4).low;
        return velocity * 0.6f * std::tanh(1.8f * bright) * level;
    });
}

Samples clavinet(double hz, double seconds, float velocity)
{
    Oscillator pulse;
    Filter tone;
    return synthesize(seconds + 0.03, [&](double t) {
        const double cutoff = hz * (2.0 + 10.0 * decay(t, 0.05));
        const float level = adsr(t, 0.001, 0.2, 0.4f, 0.03, seconds);
        return velocity * 0.35f * tone.process(pulse.square(hz, 0.18), cutoff, 2.0).band * level;
    });
}

Samples popLead(double hz, double seconds, float velocity)
{
    Oscillator pulse;
    Oscillator saw(0.25);
    Filter tone;
    return synthesize(seconds + 0.08, [&](double t) {
        const double pitch = hz * vibrato(t, 0.005, 0.25);
        const float raw = 0.6f * pulse.square(pitch, 0.3) + 0.4f * saw.saw(pitch * 1.004);
        const float level = adsr(t, 0.008, 0.2, 0.8f, 0.08, seconds);
        return velocity * 0.3f * tone.process(raw, 4200.0, 0.8).low * level;
    });
}

Samples reedLead(double hz, double seconds, float velocity)
{
    Oscillator reed;
    Filter nose;
    Filter dark;
    return synthesize(seconds + 0.06, [&](double t) {
        const double pitch = hz * (1.0 - 0.02 * decay(t, 0.03)) * vibrato(t, 0.008, 0.15);
        const float raw = reed.saw(pitch);
        // A narrow formant gives the nasal edge of a folk shawm.
        const float nasal = nose.process(raw, 1500.0, 3.0).band;
        const float body = dark.process(raw, hz * 4.0, 0.7).low;
        const float level = adsr(t, 0.015, 0.15, 0.85f, 0.06, seconds);
        return velocity * 0.4f * (0.7f * nasal + 0.5f * body) * level;
    });
}

Samples powerChord(double hz, double seconds, float velocity, bool muted)
{
    constexpr std::array ratios{1.0, 1.4983, 2.0};
    std::array oscillators{Oscillator(0.0), Oscillator(0.2), Oscillator(0.45), Oscillator(0.7),
                           Oscillator(0.1), Oscillator(0.85)};
    Filter cabinet;
    Filter presence;
    const double release = muted ? 0.03 : 0.12;
    return synthesize(seconds + release, [&](double t) {
        float raw = 0.0f;
        for (std::size_t k = 0; k < ratios.size(); ++k)
            raw += oscillators[2 * k].saw(hz * ratios[k] * 0.998) +
                   oscillators[2 * k + 1].saw(hz * ratios[k] * 1.002);
        const float driven = std::tanh(4.0f * raw);
        const float level = muted ? adsr(t, 0.002, 0.06, 0.15f, release, seconds)
                                  : adsr(t, 0.003, 0.6, 0.6f, release, seconds);
        const float dark = cabinet.process(driven, muted ? 900.0 : 2800.0, 0.8).low;
        const float bite = presence.process(dark, 1800.0, 1.5).band;
        return velocity * 0.35f * (dark + 0.3f * bite) * level;
    });
}
