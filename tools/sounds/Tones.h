#pragma once

#include "Dsp.h"

// Pitched voices. `seconds` is how long the note is held; the sound rings on past that for
// its release. `velocity` runs from 0 to 1.
Samples bell(double hz, double seconds, float velocity);
Samples marimba(double hz, double seconds, float velocity);
Samples musicBox(double hz, double seconds, float velocity);
Samples pluck(double hz, double seconds, float velocity);
Samples chipSquare(double hz, double seconds, float velocity);
Samples chipTriangle(double hz, double seconds, float velocity);
Samples violin(double hz, double seconds, float velocity);
Samples flute(double hz, double seconds, float velocity);
Samples trumpet(double hz, double seconds, float velocity);
Samples bugle(double hz, double seconds, float velocity);
Samples pad(double hz, double seconds, float velocity);
Samples pulsePad(double hz, double seconds, float velocity);
Samples bass(double hz, double seconds, float velocity);
Samples slapBass(double hz, double seconds, float velocity);
Samples clavinet(double hz, double seconds, float velocity);
Samples popLead(double hz, double seconds, float velocity);
Samples reedLead(double hz, double seconds, float velocity);
// Root, fifth and octave through a distorted amplifier; muted notes are short and dark.
Samples powerChord(double hz, double seconds, float velocity, bool muted);
