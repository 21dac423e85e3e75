#include "Music.h"

#include <cmath>
#include <stdexcept>

Tempo::Tempo(int beatsPerMinute)
    : m_samplesPerBeat(kSampleRate * 60L / beatsPerMinute)
{
    if (m_samplesPerBeat * beatsPerMinute != kSampleRate * 60L)
        throw std::invalid_argument("Tempo without a whole number of samples per beat");
}

long Tempo::at(double beats) const
{
    return std::lround(beats * double(m_samplesPerBeat));
}

double Tempo::seconds(double beats) const
{
    return beats * double(m_samplesPerBeat) / kSampleRate;
}

void playNotes(Track &track, const Tempo &tempo, const std::vector<Note> &notes, const Voice &voice,
               float gain)
{
    for (const Note &note : notes)
        track.mix(tempo.at(note.beat), voice(noteHz(note.pitch), tempo.seconds(note.length),
                                             note.velocity),
                  gain);
}

void playChord(Track &track, const Tempo &tempo, double beat, double length,
               const std::vector<int> &pitches, const Voice &voice, float gain)
{
    for (int pitch : pitches)
        track.mix(tempo.at(beat), voice(noteHz(pitch), tempo.seconds(length), 1.0f), gain);
}

void playPattern(Track &track, const Tempo &tempo, std::string_view pattern, double stepBeats,
                 double startBeat, const Hit &hit, float gain)
{
    for (std::size_t step = 0; step < pattern.size(); ++step) {
        float velocity = 0.0f;
        switch (pattern[step]) {
        case 'X': velocity = 1.0f; break;
        case 'x': velocity = 0.7f; break;
        case 'o': velocity = 0.4f; break;
        default: continue;
        }
        track.mix(tempo.at(startBeat + double(step) * stepBeats), hit(velocity), gain);
    }
}
