#include "Track.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

Track::Track(long samples, bool loops)
    : m_samples(samples, 0.0f)
    , m_loops(loops)
{
    if (samples <= 0)
        throw std::invalid_argument("A track needs at least one sample");
}

Track Track::looping(long samples)
{
    return Track(samples, true);
}

Track Track::once(double seconds)
{
    return Track(samplesFor(seconds), false);
}

void Track::mix(long start, const Samples &sound, float gain)
{
    const long length = size();
    for (long i = 0; i < long(sound.size()); ++i) {
        long at = start + i;
        if (m_loops)
            at = ((at % length) + length) % length;
        else if (at < 0 || at >= length)
            continue;
        m_samples[at] += gain * sound[i];
    }
}

std::vector<int16_t> Track::toPcm(float peak) const
{
    float loudest = 0.0f;
    for (float sample : m_samples)
        loudest = std::max(loudest, std::abs(sample));
    const float scale = loudest > 0.0f ? peak * 32767.0f / loudest : 0.0f;
    std::vector<int16_t> pcm(m_samples.size());
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = int16_t(std::lround(m_samples[i] * scale));
    if (!m_loops) {
        // Whatever still rings at the end is faded out rather than cut off.
        const long fade = std::min(samplesFor(0.05), size());
        for (long i = 0; i < fade; ++i)
            pcm[pcm.size() - 1 - i] = int16_t(pcm[pcm.size() - 1 - i] * i / fade);
    }
    return pcm;
}
