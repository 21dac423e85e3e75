#include "Dsp.h"

#include <algorithm>

float adsr(double t, double attack, double fall, float sustain, double release, double held)
{
    auto level = [&](double at) {
        if (at < attack)
            return float(at / attack);
        return sustain + (1.0f - sustain) * decay(at - attack, fall);
    };
    if (t < held)
        return level(t);
    const double left = 1.0 - (t - held) / release;
    return left <= 0.0 ? 0.0f : level(held) * float(left * left * left);
}

void fadeTail(Samples &samples)
{
    const long length = std::min<long>(samplesFor(0.005), long(samples.size()));
    for (long i = 0; i < length; ++i)
        samples[samples.size() - 1 - i] *= float(i) / float(length);
}

namespace {

double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

void Oscillator::advance(double hz)
{
    m_phase += hz / kSampleRate;
    m_phase -= std::floor(m_phase);
}

float Oscillator::sine(double hz)
{
    const double value = std::sin(2.0 * std::numbers::pi * m_phase);
    advance(hz);
    return float(value);
}

float Oscillator::saw(double hz)
{
    const double dt = hz / kSampleRate;
    const double value = 2.0 * m_phase - 1.0 - polyBlep(m_phase, dt);
    advance(hz);
    return float(value);
}

float Oscillator::square(double hz, double duty)
{
    const double dt = hz / kSampleRate;
    double value = m_phase < duty ? 1.0 : -1.0;
    value += polyBlep(m_phase, dt);
    value -= polyBlep(std::fmod(m_phase + 1.0 - duty, 1.0), dt);
    advance(hz);
    return float(value);
}

float Oscillator::triangle(double hz)
{
    const double value = 4.0 * std::abs(m_phase - 0.5) - 1.0;
    advance(hz);
    return float(value);
}

Filter::Output Filter::process(float input, double cutoffHz, double q)
{
    const double cutoff = std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate);
    const double g = std::tan(std::numbers::pi * cutoff / kSampleRate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - m_ic2;
    const double v1 = a1 * m_ic1 + a2 * v3;
    const double v2 = m_ic2 + a2 * m_ic1 + a3 * v3;
    m_ic1 = 2.0 * v1 - m_ic1;
    m_ic2 = 2.0 * v2 - m_ic2;
    return {float(v2), float(v1), float(input - k * v1 - v2)};
}
