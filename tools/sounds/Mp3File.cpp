#include "Mp3File.h"

#include "Dsp.h"

#include <lame/lame.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

struct LameCloser
{
    void operator()(lame_global_flags *flags) const { lame_close(flags); }
};

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

void writeMp3File(const std::string &path, const std::vector<int16_t> &pcm, const std::string &title)
{
    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame)
        throw std::runtime_error("Cannot start the MP3 encoder");
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_brate(lame.get(), 128);
    lame_set_quality(lame.get(), 5);
    id3tag_init(lame.get());
    id3tag_add_v2(lame.get());
    id3tag_set_title(lame.get(), title.c_str());
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("Cannot set up the MP3 encoder for " + path);

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb+"));
    if (!file)
        throw std::runtime_error("Cannot create " + path);
    std::vector<unsigned char> buffer(pcm.size() * 5 / 4 + 7200);
    const int encoded = lame_encode_buffer(lame.get(), pcm.data(), nullptr, int(pcm.size()),
                                           buffer.data(), int(buffer.size()));
    if (encoded < 0)
        throw std::runtime_error("Cannot encode " + path);
    const int flushed = lame_encode_flush(lame.get(), buffer.data() + encoded,
                                          int(buffer.size()) - encoded);
    if (flushed < 0)
        throw std::runtime_error("Cannot encode " + path);
    const std::size_t bytes = std::size_t(encoded + flushed);
    if (std::fwrite(buffer.data(), 1, bytes, file.get()) != bytes)
        throw std::runtime_error("Cannot write " + path);
    // Fills in the info frame that tells players the exact length and encoder delay.
    lame_mp3_tags_fid(lame.get(), file.get());
    if (std::fflush(file.get()) != 0)
        throw std::runtime_error("Cannot write " + path);
}
