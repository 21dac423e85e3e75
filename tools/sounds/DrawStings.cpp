#include "Music.h"
#include "Percussion.h"
#include "Sounds.h"
#include "Tones.h"

#include <cmath>

// Short stings of drums, gongs and brass, each played once when a draw is shown.
namespace {

// "Ta" on G, "daaa" on C, with a crash.
Track taDa()
{
    const Tempo tempo(120);
    Track track = Track::once(3.2);
    Noise noise(201);
    playChord(track, tempo, 0.0, 0.25, {55, 59, 62, 67}, trumpet, 0.6f);
    playChord(track, tempo, 0.5, 2.2, {60, 64, 67, 72}, trumpet, 0.6f);
    track.mix(tempo.at(0.5), kick(1.0f), 0.8f);
    track.mix(tempo.at(0.5), timpani(noise, noteHz(48), 1.0f), 0.8f);
    track.mix(tempo.at(0.5), cymbal(noise, 2.6, 0.8f), 0.5f);
    return track;
}

// A crowd: claps come in fast, hold, then thin out; a wash of noise underneath.
Track applause()
{
    constexpr double length = 5.0;
    Track track = Track::once(length);
    Noise noise(203);
    auto density = [](double t) {
        const double in = std::min(1.0, t / 0.4);
        const double out = t < 2.8 ? 1.0 : std::exp(-(t - 2.8) / 0.5);
        return in * out;
    };
    constexpr double step = 0.001;
    for (double t = 0.0; t < length - 0.1; t += step) {
        if (noise.uniform(0.0f, 1.0f) < 140.0 * step * density(t)) {
            const double hz = noise.uniform(800.0f, 2400.0f);
            track.mix(samplesFor(t), clap(noise, hz, noise.uniform(0.4f, 1.0f)));
        }
    }
    Filter wash;
    Samples bed = synthesize(length, [&](double t) {
        return 0.12f * float(density(t)) * wash.process(noise.white(), 1500.0, 0.5).band;
    });
    track.mix(0, bed);
    return track;
}

Track gongStroke()
{
    Track track = Track::once(8.0);
    Noise noise(205);
    track.mix(0, gong(noise, 72.0, 8.0));
    return track;
}

// A short snare build, then bass drum, timpani and a long crash.
Track finale()
{
    const Tempo tempo(120);
    Track track = Track::once(4.6);
    Noise noise(207);
    for (int stroke = 0; stroke < 20; ++stroke) {
        const float velocity = 0.3f + 0.6f * float(stroke) / 20.0f;
        track.mix(tempo.at(stroke / 8.0), snare(noise, velocity), 0.7f);
    }
    const double hit = 20 / 8.0;
    track.mix(tempo.at(hit), kick(1.0f));
    track.mix(tempo.at(hit), tom(80.0, 1.0f), 0.7f);
    track.mix(tempo.at(hit), timpani(noise, noteHz(36), 1.0f), 0.8f);
    track.mix(tempo.at(hit), cymbal(noise, 3.3, 1.0f), 0.8f);
    return track;
}

// A festive pentatonic tune on a reedy lead, with gong, cymbal clashes and drum.
Track congratulations()
{
    const Tempo tempo(120);
    Track track = Track::once(10.0);
    Noise noise(209);
    const std::vector<Note> tune{
        {0, .5, 76}, {.5, .5, 79}, {1, .5, 81}, {1.5, .5, 79}, {2, .5, 76}, {2.5, .5, 74}, {3, 1, 72},
        {4, .5, 74}, {4.5, .5, 76}, {5, .5, 79}, {5.5, .5, 81}, {6, .5, 84}, {6.5, .5, 81}, {7, 1, 79},
        {8, .5, 81}, {8.5, .5, 79}, {9, .5, 76}, {9.5, .5, 74}, {10, .5, 76}, {10.5, .5, 79},
        {11, .5, 74}, {11.5, .5, 76}, {12, 2, 72}};
    playNotes(track, tempo, tune, reedLead, 0.8f);
    playNotes(track, tempo, tune, [](double hz, double s, float v) { return flute(hz * 2, s, v); },
              0.2f);
    track.mix(0, gong(noise, 90.0, 4.0), 0.7f);
    track.mix(tempo.at(12), gong(noise, 80.0, 4.0), 0.9f);
    const Hit clash = [&noise](float v) { return cymbal(noise, 0.6, v); };
    const Hit drum = [](float v) { return tom(110.0, v); };
    const Hit block = [](float v) { return woodBlock(900.0, v); };
    for (int bar = 0; bar < 3; ++bar) {
        playPattern(track, tempo, "x.x.", 1.0, bar * 4.0 + 1.0, clash, 0.3f);
        playPattern(track, tempo, "X.x.X.x.", 0.5, bar * 4.0, drum, 0.5f);
        playPattern(track, tempo, ".x.x.x.x", 0.5, bar * 4.0, block, 0.25f);
    }
    track.mix(tempo.at(12), cymbal(noise, 2.5, 1.0f), 0.4f);
    return track;
}

} // namespace

std::vector<Sound> drawStingSounds()
{
    return {{"result.wav", taDa},
            {"applause.wav", applause},
            {"gong.wav", gongStroke},
            {"win3.wav", finale},
            {"gongxi.wav", congratulations}};
}
