#pragma once

#include "Dsp.h"
#include "Track.h"

#include <functional>
#include <string_view>
#include <vector>

// A tempo whose beat is a whole number of samples, so loops of whole beats close exactly.
class Tempo
{
public:
    explicit Tempo(int beatsPerMinute);
    long at(double beats) const;
    double seconds(double beats) const;
    long beats(int count) const { return count * m_samplesPerBeat; }

private:
    long m_samplesPerBeat;
};

struct Note
{
    double beat;
    double length;
    int pitch; // MIDI note number
    float velocity = 1.0f;
};

using Voice = std::function<Samples(double hz, double seconds, float velocity)>;
using Hit = std::function<Samples(float velocity)>;

void playNotes(Track &track, const Tempo &tempo, const std::vector<Note> &notes, const Voice &voice,
               float gain);

// The same pitches struck together.
void playChord(Track &track, const Tempo &tempo, double beat, double length,
               const std::vector<int> &pitches, const Voice &voice, float gain);

// One character per step from `startBeat`: 'X' accent, 'x' normal, 'o' ghost, anything else rests.
void playPattern(Track &track, const Tempo &tempo, std::string_view pattern, double stepBeats,
                 double startBeat, const Hit &hit, float gain);
