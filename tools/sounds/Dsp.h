#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

constexpr int kSampleRate = 44100;
using Samples = std::vector<float>;

inline long samplesFor(double seconds)
{
    return std::lround(seconds * kSampleRate);
}

inline double secondsAt(long index)
{
    return double(index) / kSampleRate;
}

inline double noteHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Exponential fall with the given time constant.
inline float decay(double t, double seconds)
{
    return float(std::exp(-t / seconds));
}

// Linear rise over `attack`, then full level; keeps note onsets free of clicks.
inline float rise(double t, double attack)
{
    return t >= attack ? 1.0f : float(t / attack);
}

// Attack, decay to `sustain`, hold until `held`, then release to silence.
float adsr(double t, double attack, double fall, float sustain, double release, double held);

// Brings the last few milliseconds down to zero, so a voice never stops with a jump.
void fadeTail(Samples &samples);

// Calls `voice(t)` for every sample of `seconds`.
template <typename Voice>
Samples synthesize(double seconds, Voice voice)
{
    Samples samples(samplesFor(seconds));
    for (long i = 0; i < long(samples.size()); ++i)
        samples[i] = voice(secondsAt(i));
    fadeTail(samples);
    return samples;
}

// The same noise on every machine: the standard distributions are not portable, the engine is.
class Noise
{
public:
    explicit Noise(uint32_t seed) : m_engine(seed) {}
    float white() { return uniform(-1.0f, 1.0f); }
    float uniform(float low, float high)
    {
        return low + (high - low) * float(double(m_engine()) / 4294967296.0);
    }

private:
    std::mt19937 m_engine;
};

// Phase accumulator; saw and square are band-limited with PolyBLEP so high notes stay clean.
class Oscillator
{
public:
    explicit Oscillator(double phase = 0.0) : m_phase(phase) {}
    float sine(double hz);
    float saw(double hz);
    float square(double hz, double duty);
    float triangle(double hz);

private:
    void advance(double hz);
    double m_phase;
};

// State-variable filter whose cutoff may change every sample.
class Filter
{
public:
    struct Output
    {
        float low;
        float band;
        float high;
    };
    Output process(float input, double cutoffHz, double q);

private:
    double m_ic1 = 0.0;
    double m_ic2 = 0.0;
};
