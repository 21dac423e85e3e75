#include "WaveFile.h"

#include "Dsp.h"

#include <fstream>
#include <stdexcept>

namespace {

void put16(std::ofstream &out, uint16_t value)
{
    const char bytes[2] = {char(value & 0xff), char(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream &out, uint32_t value)
{
    put16(out, uint16_t(value & 0xffff));
    put16(out, uint16_t(value >> 16));
}

} // namespace

void writeWaveFile(const std::string &path, const std::vector<int16_t> &pcm)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("Cannot create " + path);
    const auto dataBytes = uint32_t(pcm.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (int16_t sample : pcm)
        put16(out, uint16_t(sample));
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}
