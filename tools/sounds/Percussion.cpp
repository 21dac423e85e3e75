#include "Percussion.h"

#include <array>

Samples snare(Noise &noise, float velocity)
{
    Oscillator body(noise.uniform(0.0f, 1.0f));
    Filter wires;
    return synthesize(0.25, [&](double t) {
        const double hz = 185.0 + 70.0 * decay(t, 0.01);
        const float tone = body.sine(hz) * decay(t, 0.045);
        const Filter::Output rattle = wires.process(noise.white(), 3800.0, 0.6);
        const float buzz = (rattle.high + 0.6f * rattle.band) * decay(t, 0.065);
        return velocity * rise(t, 0.0008) * (0.45f * tone + 0.8f * buzz);
    });
}

Samples kick(float velocity)
{
    Oscillator body;
    return synthesize(0.5, [&](double t) {
        const double hz = 48.0 + 110.0 * decay(t, 0.03);
        return velocity * rise(t, 0.0015) * body.sine(hz) * decay(t, 0.22);
    });
}

Samples tom(double hz, float velocity)
{
    Oscillator fundamental;
    Oscillator overtone;
    return synthesize(0.9, [&](double t) {
        const double bend = 1.0 + 0.45 * decay(t, 0.05);
        const float tone = fundamental.sine(hz * bend) + 0.25f * overtone.sine(hz * 1.58 * bend) *
                                                             decay(t, 0.08);
        return velocity * rise(t, 0.001) * tone * decay(t, 0.28);
    });
}

Samples timpani(Noise &noise, double hz, float velocity)
{
    constexpr std::array ratios{1.0, 1.504, 1.742, 2.0, 2.245, 2.494};
    constexpr std::array levels{1.0f, 0.5f, 0.3f, 0.22f, 0.14f, 0.1f};
    constexpr std::array lives{1.5, 0.95, 0.75, 0.6, 0.45, 0.35};
    std::array<Oscillator, ratios.size()> partials;
    for (Oscillator &partial : partials)
        partial = Oscillator(noise.uniform(0.0f, 1.0f));
    Filter mallet;
    return synthesize(2.2, [&](double t) {
        const double bend = 1.0 + 0.015 * decay(t, 0.06);
        float tone = 0.0f;
        for (std::size_t k = 0; k < ratios.size(); ++k)
            tone += levels[k] * partials[k].sine(hz * ratios[k] * bend) * decay(t, lives[k]);
        const float thump = mallet.process(noise.white(), 400.0, 0.7).low * decay(t, 0.012);
        return velocity * rise(t, 0.002) * (0.5f * tone + 1.2f * thump);
    });
}

Samples hiHat(Noise &noise, bool open, float velocity)
{
    constexpr std::array metal{205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    std::array<Oscillator, metal.size()> squares;
    Filter shimmer;
    const double life = open ? 0.22 : 0.03;
    return synthesize(open ? 0.9 : 0.15, [&](double t) {
        float ring = 0.0f;
        for (std::size_t k = 0; k < metal.size(); ++k)
            ring += squares[k].square(metal[k] * 1.8, 0.5);
        const float mixture = 0.6f * noise.white() + 0.08f * ring;
        const float bright = shimmer.process(mixture, 8000.0, 0.8).high;
        return velocity * rise(t, 0.0005) * bright * decay(t, life);
    });
}

Samples cymbal(Noise &noise, double seconds, float velocity)
{
    constexpr std::array metal{263.0, 400.0, 421.0, 474.0, 587.0, 845.0, 1103.0};
    std::array<Oscillator, metal.size()> squares;
    Filter shimmer;
    Filter body;
    return synthesize(seconds, [&](double t) {
        float ring = 0.0f;
        for (std::size_t k = 0; k < metal.size(); ++k)
            ring += squares[k].square(metal[k] * 2.3, 0.5);
        const float mixture = noise.white() + 0.12f * ring;
        const float hiss = shimmer.process(mixture, 5200.0, 0.7).high;
        const float wash = body.process(mixture, 3000.0, 1.2).band;
        const float level = decay(t, seconds / 4.5) * (0.6f + 0.4f * decay(t, 0.08));
        return velocity * rise(t, 0.001) * (0.8f * hiss + 0.35f * wash) * level;
    });
}

Samples gong(Noise &noise, double hz, double seconds)
{
    // A few strong low modes, then a cloud of high ones that bloom after the strike: the
    // shimmer of a large gong swells for a moment before everything dies away.
    constexpr std::size_t count = 40;
    std::array<Oscillator, count> partials;
    std::array<double, count> ratios{};
    std::array<float, count> levels{};
    std::array<double, count> lives{};
    std::array<double, count> blooms{};
    constexpr std::array low{1.0, 1.007, 1.47, 1.99, 2.003, 2.36, 2.83, 3.19};
    for (std::size_t k = 0; k < count; ++k) {
        const bool isLow = k < low.size();
        ratios[k] = isLow ? low[k] : 3.5 * std::pow(12.0, noise.uniform(0.0f, 1.0f));
        partials[k] = Oscillator(noise.uniform(0.0f, 1.0f));
        levels[k] = isLow ? float(1.0 / std::pow(ratios[k], 0.5)) : noise.uniform(0.08f, 0.2f);
        lives[k] = seconds / (isLow ? 2.0 + 0.4 * ratios[k] : 2.5 + 0.15 * ratios[k]);
        blooms[k] = isLow ? 0.02 : noise.uniform(0.15f, 0.6f);
    }
    Filter strike;
    Filter shimmer;
    return synthesize(seconds, [&](double t) {
        // The pitch sinks a little as the plate settles.
        const double bend = 1.0 + 0.012 * decay(t, 0.8);
        float tone = 0.0f;
        for (std::size_t k = 0; k < count; ++k) {
            const float swell = 1.0f - decay(t, blooms[k]);
            tone += levels[k] * swell * partials[k].sine(hz * ratios[k] * bend) * decay(t, lives[k]);
        }
        const float hiss = shimmer.process(noise.white(), 3500.0, 0.8).band *
                           (1.0f - decay(t, 0.3)) * decay(t, seconds / 5.0);
        const float thump = strike.process(noise.white(), 250.0, 0.8).low * decay(t, 0.04);
        return rise(t, 0.004) * (0.25f * tone + 0.05f * hiss + 2.0f * thump);
    });
}

Samples clap(Noise &noise, double hz, float velocity)
{
    Filter band;
    const double q = noise.uniform(1.2f, 2.5f);
    return synthesize(0.09, [&](double t) {
        // A clap is a few quick reflections between the palms, then a short tail.
        const double flutter = t < 0.012 ? 0.6 + 0.4 * std::cos(2.0 * std::numbers::pi * t / 0.004)
                                         : 1.0;
        const float sound = band.process(noise.white(), hz, q).band;
        return velocity * rise(t, 0.0005) * sound * float(flutter) * decay(t, 0.014);
    });
}

Samples woodBlock(double hz, float velocity)
{
    Oscillator low;
    Oscillator high;
    return synthesize(0.15, [&](double t) {
        const float tone = low.sine(hz) * decay(t, 0.03) + 0.4f * high.sine(hz * 2.71) *
                                                               decay(t, 0.012);
        return velocity * rise(t, 0.0005) * tone;
    });
}

Samples wheelTick(Noise &noise, float velocity)
{
    Oscillator flap;
    Oscillator peg;
    Oscillator board;
    Filter click;
    return synthesize(0.07, [&](double t) {
        const float snap = click.process(noise.white(), 2500.0, 0.7).high * decay(t, 0.0015);
        const float tone = 0.5f * flap.sine(2300.0) * decay(t, 0.010) +
                           0.4f * peg.sine(1240.0) * decay(t, 0.018) +
                           0.35f * board.sine(430.0) * decay(t, 0.014);
        return velocity * rise(t, 0.0003) * (snap + tone);
    });
}

Samples chipNoise(Noise &noise, float velocity)
{
    // Held values give the coarse, stepped hiss of a shift-register noise channel.
    float held = 0.0f;
    long step = 0;
    return synthesize(0.18, [&](double t) {
        if (step++ % 6 == 0)
            held = noise.white() > 0.0f ? 1.0f : -1.0f;
        return velocity * rise(t, 0.0005) * 0.5f * held * decay(t, 0.05);
    });
}
