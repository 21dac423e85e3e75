#include "Music.h"
#include "Percussion.h"
#include "Sounds.h"

#include <cmath>

// Loops of drums alone, and the spinning wheel.
namespace {

// A single stroke roll in 32nd notes that swells and ebbs once per bar, accent on every beat.
Track snareRoll()
{
    const Tempo tempo(120);
    Track track = Track::looping(tempo.beats(8));
    Noise noise(11);
    for (int stroke = 0; stroke < 8 * 8; ++stroke) {
        const double beat = stroke / 8.0;
        const double swell = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * beat / 4.0);
        float velocity = float(0.45 + 0.35 * swell) + noise.uniform(-0.05f, 0.05f);
        if (stroke % 8 == 0)
            velocity += 0.2f;
        track.mix(tempo.at(beat), snare(noise, velocity));
    }
    for (int bar = 0; bar < 2; ++bar)
        track.mix(tempo.at(bar * 4.0), kick(0.6f), 0.8f);
    return track;
}

// Timpani rolled in sixteenths on G, with a low D struck at the top of each bar.
Track timpaniRoll()
{
    const Tempo tempo(120);
    Track track = Track::looping(tempo.beats(8));
    Noise noise(23);
    for (int stroke = 0; stroke < 8 * 4; ++stroke) {
        const double beat = stroke / 4.0;
        const double swell = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * beat / 8.0);
        const float hand = stroke % 2 == 0 ? 1.0f : 0.9f;
        const float velocity = hand * float(0.35 + 0.45 * swell) + noise.uniform(-0.04f, 0.04f);
        track.mix(tempo.at(beat), timpani(noise, noteHz(43), velocity));
    }
    for (int bar = 0; bar < 2; ++bar)
        track.mix(tempo.at(bar * 4.0), timpani(noise, noteHz(38), 1.0f), 0.9f);
    return track;
}

// Three toms over a kick, with a falling fill at the end of the second bar.
Track tomGroove()
{
    const Tempo tempo(105);
    Track track = Track::looping(tempo.beats(8));
    Noise noise(37);
    const Hit low = [](float v) { return tom(95.0, v); };
    const Hit middle = [](float v) { return tom(135.0, v); };
    const Hit high = [](float v) { return tom(185.0, v); };
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit shaker = [&noise](float v) { return hiHat(noise, false, v); };
    playPattern(track, tempo, "X.....x.X.......X.....x.X.......", 0.25, 0.0, bassDrum, 0.9f);
    playPattern(track, tempo, "..x...x.....x.x...x...x.....o...", 0.25, 0.0, low, 0.7f);
    playPattern(track, tempo, "....X.......X.......X.......xx..", 0.25, 0.0, middle, 0.6f);
    playPattern(track, tempo, "...o...o.x.....o...o...o..Xx..XX", 0.25, 0.0, high, 0.5f);
    playPattern(track, tempo, "xoxoxoxoxoxoxoxoxoxoxoxoxoxoxoxo", 0.25, 0.0, shaker, 0.25f);
    return track;
}

// A prize wheel turning at a steady twelve pegs a second.
Track wheel()
{
    constexpr long tickSpacing = kSampleRate / 12;
    Track track = Track::looping(24 * tickSpacing);
    Noise noise(41);
    for (int tick = 0; tick < 24; ++tick) {
        const float velocity = (tick % 2 == 0 ? 1.0f : 0.85f) + noise.uniform(-0.05f, 0.05f);
        track.mix(tick * tickSpacing, wheelTick(noise, velocity));
    }
    return track;
}

} // namespace

std::vector<Sound> rollDrumSounds()
{
    return {{"drum1.wav", snareRoll},
            {"drum2.wav", timpaniRoll},
            {"drum3.wav", tomGroove},
            {"roll.wav", wheel}};
}
