#include "platform/audio/StreamDecoder.h"

#include <QFileInfo>

#include <stdexcept>

StreamDecoder DecoderForFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot).toLower();
    if (extension.isEmpty())
        throw std::runtime_error("Cannot determine the record file format");
    if (extension == QLatin1String(".ogg"))
        return StreamDecoder::Vorbis;
    if (extension == QLatin1String(".mp3"))
        return StreamDecoder::MP3;
    if (extension == QLatin1String(".wav"))
        return StreamDecoder::Wave;
    if (extension == QLatin1String(".flc") || extension == QLatin1String(".flac"))
        return StreamDecoder::FLAC;
    return StreamDecoder::None;
}
