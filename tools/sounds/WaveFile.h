#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Mono 16-bit PCM RIFF/WAVE at the generator's sample rate.
void writeWaveFile(const std::string &path, const std::vector<int16_t> &pcm);
