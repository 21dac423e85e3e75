#pragma once

#include "platform/audio/AudioPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <functional>

// Plays sound files through Qt Multimedia. Each instance owns its own output stream, so
// several of them can sound at once.
class QtAudioPlayer : public AudioPlayer
{
    Q_OBJECT
public:
    explicit QtAudioPlayer(QObject *parent = nullptr);

    void play(const QString &path) override;
    void stop() override;
    bool isPlaying() const override;

private:
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onErrorOccurred();
    // Runs work once the backend has finished delivering the current event.
    void afterThisEvent(const std::function<void()> &work);

    QAudioOutput m_output{this};
    QMediaPlayer m_player{this};
    bool m_playing = false;
    // Bumped by every stop(), and so by every play(): news from an earlier run is dropped.
    quint64 m_run = 0;
};
