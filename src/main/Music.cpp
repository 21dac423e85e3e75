#include "main/TForm1.h"

#include "platform/audio/AudioPlayer.h"

#include <QFileInfo>

#include <exception>

void TForm1::PlayMusic(const QString &path, AudioPlayer &player, bool loop)
{
    if (path.trimmed().isEmpty() || !QFileInfo(path).isFile())
        return;
    try {
        if (player.isPlaying())
            player.stop();
        if (&player == MediaPlayer1) {
            m_musicLoops = loop;
            m_musicFile = path;
        }
        player.play(path);
    } catch (const std::exception &) {
        // The media player stays silent on a file it cannot play; the show goes on.
    }
}

void TForm1::StopMusic(AudioPlayer &player)
{
    try {
        if (&player == MediaPlayer1)
            m_musicLoops = false;
        if (player.isPlaying())
            player.stop();
    } catch (const std::exception &) {
    }
}

void TForm1::MediaPlayer1Notify()
{
    if (m_musicLoops)
        PlayMusic(m_musicFile, *MediaPlayer1, true);
}

void TForm1::PlaySound(const QString &path, bool loop)
{
    if (!QFileInfo(path).isFile())
        return;
    LoopSound = loop;
    CurrentInput = StreamDecoder::None;
    CurrentInput = DecoderForFile(path);
    m_soundFile = path;
    // A file no decoder understands stays silent.
    if (CurrentInput != StreamDecoder::None)
        DXAudioOut1->play(path);
}

void TForm1::DXAudioOut1Done()
{
    if (!LoopSound || CurrentInput == StreamDecoder::None)
        return;
    try {
        DXAudioOut1->play(m_soundFile);
    } catch (const std::exception &) {
        LoopSound = false;
    }
}

void TForm1::StopSound()
{
    if (CurrentInput == StreamDecoder::None)
        return;
    LoopSound = false;
    DXAudioOut1->stop();
}
