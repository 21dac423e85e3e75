#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Mono MPEG-1 Layer III at 128 kbit/s, with an ID3 title.
void writeMp3File(const std::string &path, const std::vector<int16_t> &pcm, const std::string &title);
