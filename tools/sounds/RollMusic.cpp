#include "Music.h"
#include "Percussion.h"
#include "Sounds.h"
#include "Tones.h"

// Tunes and background beds that loop under the roll.
namespace {

// Kick on one and three, snare on two and four, closed hats in eighths, for `bars` bars.
void backbeat(Track &track, const Tempo &tempo, int bars, Noise &noise, float gain)
{
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit snareDrum = [&noise](float v) { return snare(noise, v); };
    const Hit hat = [&noise](float v) { return hiHat(noise, false, v); };
    for (int bar = 0; bar < bars; ++bar) {
        const double start = bar * 4.0;
        playPattern(track, tempo, "x.x.", 1.0, start, bassDrum, gain);
        playPattern(track, tempo, ".x.x", 1.0, start, snareDrum, 0.6f * gain);
        playPattern(track, tempo, "xoxoxoxo", 0.5, start, hat, 0.35f * gain);
    }
}

// C, A minor, F, G with a bouncing square-wave tune.
Track music1()
{
    const Tempo tempo(120);
    Track track = Track::looping(tempo.beats(16));
    Noise noise(101);
    const std::vector<Note> tune{
        {0, .5, 76}, {.5, .5, 79}, {1, 1, 84}, {2, .5, 83}, {2.5, .5, 79}, {3, 1, 76},
        {4, .5, 81}, {4.5, .5, 84}, {5, 1, 88}, {6, .5, 86}, {6.5, .5, 84}, {7, 1, 81},
        {8, .5, 77}, {8.5, .5, 81}, {9, .5, 84}, {9.5, .5, 81}, {10, .5, 77}, {10.5, .5, 81},
        {11, 1, 84}, {12, .5, 83}, {12.5, .5, 86}, {13, .5, 79}, {13.5, .5, 83}, {14, .5, 86},
        {14.5, .5, 84}, {15, .5, 83}, {15.5, .5, 86}};
    playNotes(track, tempo, tune, chipSquare, 0.8f);
    const std::vector<std::vector<int>> chords{{60, 64, 67}, {57, 60, 64}, {57, 60, 65}, {59, 62, 67}};
    const std::vector<int> roots{48, 45, 41, 43};
    for (int bar = 0; bar < 4; ++bar) {
        for (int beat = 0; beat < 4; ++beat) {
            const double at = bar * 4.0 + beat;
            const int root = beat % 2 == 0 ? roots[bar] : roots[bar] + 7;
            playNotes(track, tempo, {{at, .45, root, 0.9f}}, bass, 0.5f);
            playChord(track, tempo, at + 0.5, 0.3, chords[bar], pluck, 0.35f);
        }
    }
    backbeat(track, tempo, 4, noise, 0.6f);
    return track;
}

// F, D minor, B flat, C: a marimba tune over an oom-pah.
Track music2()
{
    const Tempo tempo(140);
    Track track = Track::looping(tempo.beats(16));
    Noise noise(103);
    const std::vector<Note> tune{
        {0, .5, 81}, {.5, .5, 84}, {1, .5, 81}, {1.5, .5, 77}, {2, .5, 79}, {2.5, .5, 81}, {3, 1, 84},
        {4, .5, 86}, {4.5, .5, 84}, {5, .5, 81}, {5.5, .5, 77}, {6, 1, 81}, {7, 1, 86},
        {8, .5, 86}, {8.5, .5, 89}, {9, .5, 86}, {9.5, .5, 82}, {10, .5, 84}, {10.5, .5, 86},
        {11, 1, 89}, {12, .5, 88}, {12.5, .5, 86}, {13, .5, 84}, {13.5, .5, 82}, {14, .5, 79},
        {14.5, .5, 81}, {15, .5, 82}, {15.5, .5, 84}};
    playNotes(track, tempo, tune, marimba, 1.0f);
    playNotes(track, tempo, tune, [](double hz, double s, float v) { return marimba(hz / 2, s, v); },
              0.35f);
    const std::vector<std::vector<int>> chords{{65, 69, 72}, {62, 65, 69}, {62, 65, 70}, {64, 67, 72}};
    const std::vector<int> roots{41, 38, 46, 36};
    for (int bar = 0; bar < 4; ++bar) {
        const double start = bar * 4.0;
        playNotes(track, tempo, {{start, .8, roots[bar]}, {start + 2, .8, roots[bar] + 7}}, bass,
                  0.55f);
        playChord(track, tempo, start + 1, 0.25, chords[bar], pluck, 0.3f);
        playChord(track, tempo, start + 3, 0.25, chords[bar], pluck, 0.3f);
        const Hit block = [](float v) { return woodBlock(1200.0, v); };
        const Hit hat = [&noise](float v) { return hiHat(noise, false, v); };
        playPattern(track, tempo, ".x.x.x.x", 0.5, start, block, 0.25f);
        playPattern(track, tempo, "xoxoxoxo", 0.5, start, hat, 0.2f);
    }
    return track;
}

// Bed 1: plucked arpeggio in sixteenths over a soft pad, A minor, F, C, G.
Track arpeggioBed()
{
    const Tempo tempo(100);
    Track track = Track::looping(tempo.beats(16));
    const std::vector<std::vector<int>> chords{
        {57, 60, 64, 69, 72}, {53, 57, 60, 65, 69}, {60, 64, 67, 72, 76}, {55, 59, 62, 67, 71}};
    constexpr int order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int bar = 0; bar < 4; ++bar) {
        const auto &chord = chords[bar];
        for (int step = 0; step < 16; ++step) {
            const float velocity = step % 4 == 0 ? 0.9f : 0.65f;
            playNotes(track, tempo, {{bar * 4.0 + step * 0.25, 0.2, chord[order[step % 8]], velocity}},
                      pluck, 0.6f);
        }
        playChord(track, tempo, bar * 4.0, 3.8, {chord[0], chord[1], chord[2]}, pad, 0.5f);
        playNotes(track, tempo, {{bar * 4.0, 3.5, chord[0] - 12, 0.6f}}, bass, 0.4f);
    }
    return track;
}

// Bed 2: two marimbas, three against four, D, B minor, G, A.
Track marimbaBed()
{
    const Tempo tempo(112);
    Track track = Track::looping(tempo.beats(16));
    const std::vector<std::vector<int>> chords{{74, 69, 78}, {71, 66, 74}, {67, 71, 74}, {69, 73, 76}};
    const std::vector<int> roots{50, 47, 43, 45};
    for (int bar = 0; bar < 4; ++bar) {
        const double start = bar * 4.0;
        for (int step = 0; step < 8; ++step) {
            const float velocity = step % 3 == 0 ? 0.95f : 0.6f;
            playNotes(track, tempo, {{start + step * 0.5, 0.4, chords[bar][step % 3], velocity}},
                      marimba, 0.7f);
        }
        playNotes(track, tempo,
                  {{start, 0.9, roots[bar]}, {start + 1.5, 0.5, roots[bar] + 7, 0.7f},
                   {start + 2.5, 0.9, roots[bar] + 12, 0.8f}},
                  marimba, 0.8f);
    }
    return track;
}

// Bed 3: a warm pad with chords pulsing in eighths over a sub bass.
Track pulseBed()
{
    const Tempo tempo(90);
    Track track = Track::looping(tempo.beats(16));
    const std::vector<std::vector<int>> chords{
        {60, 64, 67, 71}, {57, 60, 64, 67}, {53, 57, 60, 64}, {55, 59, 62, 67}};
    const std::vector<int> roots{36, 33, 29, 31};
    for (int bar = 0; bar < 4; ++bar) {
        const double start = bar * 4.0;
        playChord(track, tempo, start, 3.9, chords[bar], pad, 0.6f);
        for (int step = 0; step < 8; ++step)
            playChord(track, tempo, start + step * 0.5, 0.2, chords[bar], pulsePad,
                      step % 2 == 0 ? 0.35f : 0.22f);
        playNotes(track, tempo, {{start, 1.8, roots[bar], 0.8f}, {start + 2, 1.8, roots[bar], 0.7f}},
                  bass, 0.5f);
    }
    return track;
}

// Bed 4: an E minor bass line with sixteenth hats and a light kick and snare.
Track grooveBed()
{
    const Tempo tempo(120);
    Track track = Track::looping(tempo.beats(16));
    Noise noise(107);
    const std::vector<int> roots{40, 40, 36, 38};
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit snareDrum = [&noise](float v) { return snare(noise, v); };
    const Hit closedHat = [&noise](float v) { return hiHat(noise, false, v); };
    const Hit openHat = [&noise](float v) { return hiHat(noise, true, v); };
    for (int bar = 0; bar < 4; ++bar) {
        const double start = bar * 4.0;
        const int root = roots[bar];
        playNotes(track, tempo,
                  {{start, .4, root}, {start + 0.75, .2, root, 0.7f}, {start + 1.5, .4, root + 12, 0.8f},
                   {start + 2, .4, root}, {start + 2.75, .2, root + 3, 0.8f},
                   {start + 3, .4, root + 5, 0.8f}, {start + 3.5, .4, root + 7, 0.9f}},
                  bass, 0.8f);
        playPattern(track, tempo, "X.....x.X.......", 0.25, start, bassDrum, 0.7f);
        playPattern(track, tempo, "....x.......x...", 0.25, start, snareDrum, 0.35f);
        playPattern(track, tempo, "xoxoxoxoxoxoxo.o", 0.25, start, closedHat, 0.3f);
        playPattern(track, tempo, "..............x.", 0.25, start, openHat, 0.2f);
    }
    return track;
}

// Bed 5: slow pentatonic bells with a low bell on each bar.
Track bellBed()
{
    const Tempo tempo(84);
    Track track = Track::looping(tempo.beats(16));
    const std::vector<Note> tune{
        {0, 1, 84}, {1, 1, 88}, {2, 2, 91}, {4, 1, 93}, {5, 1, 91}, {6, 2, 88},
        {8, 1, 86}, {9, 1, 88}, {10, 1, 84}, {11, 1, 81}, {12, 1.5, 86}, {13.5, .5, 88}, {14, 2, 91}};
    playNotes(track, tempo, tune, bell, 0.8f);
    playNotes(track, tempo, {{0, 4, 60, 0.7f}, {4, 4, 57, 0.7f}, {8, 4, 53, 0.7f}, {12, 4, 55, 0.7f}},
              bell, 0.7f);
    playChord(track, tempo, 0, 3.8, {48, 55, 64}, pad, 0.3f);
    playChord(track, tempo, 4, 3.8, {45, 52, 60}, pad, 0.3f);
    playChord(track, tempo, 8, 3.8, {41, 48, 57}, pad, 0.3f);
    playChord(track, tempo, 12, 3.8, {43, 50, 59}, pad, 0.3f);
    return track;
}

} // namespace

std::vector<Sound> rollMusicSounds()
{
    return {{"music1.wav", music1},  {"music2.wav", music2}, {"bg1.wav", arpeggioBed},
            {"bg2.wav", marimbaBed}, {"bg3.wav", pulseBed},  {"bg4.wav", grooveBed},
            {"bg5.wav", bellBed}};
}
