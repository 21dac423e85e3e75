#pragma once

#include <QString>

// The decoder the streaming output uses for a file, chosen by the file's extension.
enum class StreamDecoder { None, Wave, MP3, Vorbis, FLAC };

// Throws std::runtime_error("Cannot determine the record file format") for a file name
// without an extension; an extension no decoder knows gives None.
StreamDecoder DecoderForFile(const QString &path);
