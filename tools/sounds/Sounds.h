#pragma once

#include "Track.h"

#include <string>
#include <vector>

struct Sound
{
    std::string fileName; // the extension says which format to write
    Track (*render)();
};

// Loops for the roll: each is a whole number of beats and joins its own start seamlessly.
std::vector<Sound> rollDrumSounds();
std::vector<Sound> rollMusicSounds();
// Stings for the moment a draw is shown, played once.
std::vector<Sound> drawStingSounds();
std::vector<Sound> drawTuneSounds();
