#pragma once

#include "Dsp.h"

// Drums and other struck sounds; `velocity` runs from 0 to 1.
Samples snare(Noise &noise, float velocity);
Samples kick(float velocity);
Samples tom(double hz, float velocity);
Samples timpani(Noise &noise, double hz, float velocity);
Samples hiHat(Noise &noise, bool open, float velocity);
Samples cymbal(Noise &noise, double seconds, float velocity);
Samples gong(Noise &noise, double hz, double seconds);
Samples clap(Noise &noise, double hz, float velocity);
Samples woodBlock(double hz, float velocity);
// One peg of a spinning prize wheel hitting the flapper.
Samples wheelTick(Noise &noise, float velocity);
// The noise channel of an old game console.
Samples chipNoise(Noise &noise, float velocity);
