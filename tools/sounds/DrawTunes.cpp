#include "Music.h"
#include "Percussion.h"
#include "Sounds.h"
#include "Tones.h"

// Short tunes, each played once when a draw is shown.
namespace {

// Rock: palm-muted E power chords answered by G, A, C and B, ending on an open E.
Track rock()
{
    const Tempo tempo(140);
    Track track = Track::once(6.0);
    Noise noise(301);
    struct Chord
    {
        double beat;
        double length;
        int root;
        bool muted;
    };
    const std::vector<Chord> riff{
        {0, .5, 40, true}, {.5, .5, 40, true}, {1, .5, 40, true}, {1.5, .5, 43, false},
        {2, 1, 45, false}, {3, .5, 40, true}, {3.5, .5, 40, true}, {4, .5, 40, true},
        {4.5, .5, 40, true}, {5, .5, 43, false}, {5.5, .5, 45, false}, {6, .5, 48, false},
        {6.5, 1.5, 47, false}, {8, 3, 40, false}};
    for (const Chord &chord : riff)
        track.mix(tempo.at(chord.beat),
                  powerChord(noteHz(chord.root), tempo.seconds(chord.length), 1.0f, chord.muted));
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit snareDrum = [&noise](float v) { return snare(noise, v); };
    const Hit hat = [&noise](float v) { return hiHat(noise, false, v); };
    playPattern(track, tempo, "X..xX...X..xX...X", 0.5, 0.0, bassDrum, 0.9f);
    playPattern(track, tempo, "..X...X...X...X..", 0.5, 0.0, snareDrum, 0.7f);
    playPattern(track, tempo, "xxxxxxxxxxxxxxxx", 0.5, 0.0, hat, 0.3f);
    track.mix(tempo.at(8), cymbal(noise, 2.5, 1.0f), 0.5f);
    return track;
}

// A game-console victory jingle: a rising arpeggio, then A flat, B flat, C.
Track victory()
{
    const Tempo tempo(150);
    Track track = Track::once(2.0);
    Noise noise(303);
    const std::vector<Note> lead{{0, .25, 67},  {.25, .25, 72}, {.5, .25, 76},   {.75, .25, 79},
                                 {1, .5, 84},   {1.5, .5, 79},  {2, .33, 80},   {2.33, .33, 82},
                                 {2.67, 1.6, 84}};
    const std::vector<Note> harmony{{0, .25, 60},  {.25, .25, 64}, {.5, .25, 67},  {.75, .25, 72},
                                    {1, .5, 76},   {1.5, .5, 76},  {2, .33, 72},  {2.33, .33, 74},
                                    {2.67, 1.6, 76}};
    const std::vector<Note> bassLine{{0, 1, 48}, {1, 1, 43}, {2, .33, 44}, {2.33, .33, 46},
                                     {2.67, 1.6, 48}};
    playNotes(track, tempo, lead, chipSquare, 0.9f);
    playNotes(track, tempo, harmony, chipSquare, 0.5f);
    playNotes(track, tempo, bassLine, chipTriangle, 0.9f);
    const Hit drum = [&noise](float v) { return chipNoise(noise, v); };
    playPattern(track, tempo, "x.x.x.x.XxXX", 0.25, 0.0, drum, 0.5f);
    return track;
}

// A funky phrase in E: slap bass, clavinet stabs, busy hats.
Track funk()
{
    const Tempo tempo(100);
    Track track = Track::once(5.8);
    Noise noise(305);
    const std::vector<Note> line{
        {0, .25, 40},    {.75, .25, 52, .8f}, {1.25, .25, 50, .7f}, {1.5, .25, 52},
        {2, .25, 43},    {2.5, .25, 45},      {3, .25, 47, .8f},    {3.5, .25, 50},
        {4, .25, 40},    {4.75, .25, 52, .8f}, {5.25, .25, 50, .7f}, {5.5, .25, 52},
        {6, .25, 55},    {6.25, .25, 54, .8f}, {6.5, .25, 52},       {7, .25, 47},
        {7.5, .25, 45},  {8, 1, 40}};
    playNotes(track, tempo, line, slapBass, 0.9f);
    const std::vector<int> stab{55, 59, 62, 66};
    for (double beat : {0.5, 1.75, 2.5, 3.25, 4.5, 5.75, 6.5, 7.25})
        playChord(track, tempo, beat, 0.15, stab, clavinet, 0.5f);
    playChord(track, tempo, 8, 0.6, {52, 56, 59, 62, 66}, clavinet, 0.6f);
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit snareDrum = [&noise](float v) { return snare(noise, v); };
    const Hit hat = [&noise](float v) { return hiHat(noise, false, v); };
    playPattern(track, tempo, "X..x..X...X..x..X..x..X...X.x...X", 0.25, 0.0, bassDrum, 0.8f);
    playPattern(track, tempo, "....X..o.o..X..o....X..o.o..X.XX", 0.25, 0.0, snareDrum, 0.6f);
    playPattern(track, tempo, "xoxoxoxoxoxoxoxoxoxoxoxoxoxoxoxo", 0.25, 0.0, hat, 0.3f);
    track.mix(tempo.at(8), hiHat(noise, true, 0.9f), 0.3f);
    return track;
}

// A bowed melody in A minor over low strings.
Track bowed()
{
    const Tempo tempo(72);
    Track track = Track::once(6.6);
    const std::vector<Note> melody{{0, 1.05, 69},  {1, .55, 72},  {1.5, .55, 76}, {2, 1.05, 74},
                                   {3, .55, 72},   {3.5, .55, 71}, {4, .8, 69},    {4.75, .3, 68},
                                   {5, 2.2, 69}};
    playNotes(track, tempo, melody, violin, 0.9f);
    playNotes(track, tempo, {{0, 4, 57, .6f}, {0, 4, 64, .5f}, {4, 1, 56, .6f}, {4, 1, 64, .5f},
                             {5, 2.2, 57, .6f}, {5, 2.2, 64, .5f}},
              violin, 0.45f);
    playNotes(track, tempo, {{0, 4, 45, .6f}, {4, 1, 40, .6f}, {5, 2.2, 45, .6f}}, violin, 0.4f);
    return track;
}

// A music box waltz in C.
Track musicBoxWaltz()
{
    const Tempo tempo(90);
    Track track = Track::once(9.5);
    const std::vector<Note> melody{{0, 1, 84}, {1, 1, 88}, {2, 1, 91}, {3, 1, 89}, {4, 1, 88},
                                   {5, 1, 84}, {6, 1, 86}, {7, 1, 79}, {8, 1, 83}, {9, 3, 84}};
    const std::vector<Note> accompaniment{
        {0, 1, 72, .6f}, {1, 1, 76, .4f}, {2, 1, 79, .4f}, {3, 1, 65, .6f}, {4, 1, 69, .4f},
        {5, 1, 72, .4f}, {6, 1, 67, .6f}, {7, 1, 71, .4f}, {8, 1, 74, .4f}, {9, 3, 72, .6f},
        {9, 3, 76, .4f}};
    playNotes(track, tempo, melody, musicBox, 0.9f);
    playNotes(track, tempo, accompaniment, musicBox, 0.5f);
    return track;
}

// A light flute tune in G with a harp-like accompaniment.
Track flutter()
{
    const Tempo tempo(120);
    Track track = Track::once(5.5);
    const std::vector<Note> melody{{0, .5, 74},  {.5, .5, 79},  {1, .5, 81}, {1.5, 1, 83},
                                   {2.5, .5, 81}, {3, .5, 79},   {3.5, .5, 76}, {4, 1, 74},
                                   {5, .5, 76},  {5.5, .5, 79},  {6, .5, 83}, {6.5, .5, 86},
                                   {7, .5, 83},  {7.5, 1.5, 79}};
    playNotes(track, tempo, melody, flute, 0.9f);
    const std::vector<std::vector<int>> chords{{55, 59, 62}, {48, 55, 64}, {50, 57, 62}, {55, 59, 62}};
    for (int half = 0; half < 4; ++half)
        for (int step = 0; step < 4; ++step)
            playNotes(track, tempo, {{half * 2.0 + step * 0.5, 0.4, chords[half][step % 3], 0.6f}},
                      pluck, 0.35f);
    return track;
}

// Trumpet fanfare in C with timpani.
Track fanfare()
{
    const Tempo tempo(112);
    Track track = Track::once(5.0);
    Noise noise(311);
    const std::vector<Note> lead{{0, .3, 67},    {.333, .3, 67}, {.667, .3, 67}, {1, .7, 72},
                                 {1.75, .25, 76}, {2, 1.4, 79},   {3.5, .45, 76}, {4, .3, 79},
                                 {4.333, .3, 79}, {4.667, .3, 79}, {5, 2, 84}};
    const std::vector<Note> second{{1, .7, 64},  {1.75, .25, 67}, {2, 1.4, 72}, {3.5, .45, 67},
                                   {5, 2, 76}};
    playNotes(track, tempo, lead, trumpet, 0.8f);
    playNotes(track, tempo, second, trumpet, 0.55f);
    for (auto [beat, pitch] : {std::pair{1.0, 48}, {2.0, 43}, {3.5, 43}, {5.0, 48}})
        track.mix(tempo.at(beat), timpani(noise, noteHz(pitch), 0.9f), 0.6f);
    track.mix(tempo.at(5), cymbal(noise, 2.0, 0.7f), 0.3f);
    return track;
}

// A bugle call on the natural notes of the horn, with a snare at the close.
Track bugleCall()
{
    const Tempo tempo(120);
    Track track = Track::once(4.8);
    Noise noise(313);
    const std::vector<Note> call{{0, .22, 67},   {.25, .22, 72}, {.5, .22, 76}, {.75, .7, 79},
                                 {1.5, .22, 76}, {1.75, .7, 79}, {2.5, .22, 76}, {2.75, .22, 79},
                                 {3, .22, 76},   {3.25, .22, 72}, {3.5, .45, 67}, {4, .22, 72},
                                 {4.25, .22, 76}, {4.5, .22, 79}, {5, .45, 79}, {5.5, .45, 76},
                                 {6, 1.5, 72}};
    playNotes(track, tempo, call, bugle, 0.9f);
    const Hit snareDrum = [&noise](float v) { return snare(noise, v); };
    playPattern(track, tempo, "xoooxoooX", 0.125, 6.0, snareDrum, 0.4f);
    return track;
}

// A bright pop tune in G over G, D, E minor, C, landing on G.
Track pop()
{
    const Tempo tempo(126);
    Track track = Track::once(9.6);
    Noise noise(317);
    const std::vector<Note> lead{
        {0, .5, 71},     {.5, .5, 74},    {1, .75, 79},   {1.75, .25, 78}, {2, .5, 76},
        {2.5, 1.5, 74},  {4, .5, 69},     {4.5, .5, 74},  {5, .75, 78},    {5.75, .25, 76},
        {6, .5, 74},     {6.5, 1.5, 76},  {8, .5, 79},    {8.5, .5, 78},   {9, .5, 76},
        {9.5, .5, 71},   {10, .75, 76},   {10.75, .25, 78}, {11, 1, 79},   {12, .5, 76},
        {12.5, .5, 74},  {13, .5, 72},    {13.5, .5, 74}, {14, 2, 76},     {16, 1.5, 79}};
    playNotes(track, tempo, lead, popLead, 0.8f);
    const std::vector<std::vector<int>> chords{
        {55, 59, 62}, {54, 57, 62}, {55, 59, 64}, {55, 60, 64}, {55, 59, 62, 67}};
    const std::vector<int> roots{43, 38, 40, 36, 43};
    const Hit bassDrum = [](float v) { return kick(v); };
    const Hit hands = [&noise](float v) { return clap(noise, 1400.0, v); };
    const Hit hat = [&noise](float v) { return hiHat(noise, false, v); };
    for (int bar = 0; bar < 4; ++bar) {
        const double start = bar * 4.0;
        for (int step = 0; step < 8; ++step) {
            playChord(track, tempo, start + step * 0.5, 0.3, chords[bar], pluck, 0.22f);
            playNotes(track, tempo, {{start + step * 0.5, 0.4, roots[bar], 0.8f}}, bass, 0.5f);
        }
        playPattern(track, tempo, "xxxx", 1.0, start, bassDrum, 0.8f);
        playPattern(track, tempo, ".X.X", 1.0, start, hands, 1.2f);
        playPattern(track, tempo, ".x.x.x.x", 0.5, start, hat, 0.3f);
    }
    playChord(track, tempo, 16, 1.5, chords[4], pluck, 0.35f);
    playNotes(track, tempo, {{16, 1.5, roots[4]}}, bass, 0.6f);
    track.mix(tempo.at(16), kick(1.0f), 0.8f);
    track.mix(tempo.at(16), cymbal(noise, 2.2, 0.9f), 0.4f);
    return track;
}

} // namespace

std::vector<Sound> drawTuneSounds()
{
    return {{"1938.mp3", rock},           {"konami.mp3", victory},      {"style.mp3", funk},
            {"violin.mp3", bowed},        {"sweet.mp3", musicBoxWaltz}, {"butterfly.mp3", flutter},
            {"clarino.mp3", fanfare},     {"army clarino.mp3", bugleCall},
            {"happy girl.mp3", pop}};
}
