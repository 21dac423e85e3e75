#pragma once

#include "Dsp.h"

#include <cstdint>
#include <vector>

// A mono mix. A looping track wraps whatever rings past its end round to its start, so the
// last sample runs straight into the first.
class Track
{
public:
    static Track looping(long samples);
    static Track once(double seconds);

    void mix(long start, const Samples &sound, float gain = 1.0f);
    long size() const { return long(m_samples.size()); }
    bool loops() const { return m_loops; }
    // Scaled so that the loudest sample reaches `peak` of full scale.
    std::vector<int16_t> toPcm(float peak = 0.89f) const;

private:
    Track(long samples, bool loops);

    Samples m_samples;
    bool m_loops;
};
