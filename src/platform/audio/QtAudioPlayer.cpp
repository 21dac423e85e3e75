#include "platform/audio/QtAudioPlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <stdexcept>

QtAudioPlayer::QtAudioPlayer(QObject *parent)
    : AudioPlayer(parent)
{
    m_player.setAudioOutput(&m_output);
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this,
            &QtAudioPlayer::onMediaStatusChanged);
    connect(&m_player, &QMediaPlayer::errorOccurred, this, &QtAudioPlayer::onErrorOccurred);
}

void QtAudioPlayer::play(const QString &path)
{
    stop();
    const QFileInfo info(path);
    if (!info.isFile())
        throw std::runtime_error("Sound file not found: " + path.toStdString());
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open sound file " + path.toStdString() + ": "
                                 + file.errorString().toStdString());
    file.close();

    m_playing = true;
    // stop() unloaded the file, so even the same file is loaded afresh: rewinding a finished
    // stream in place can leave GStreamer's pulse sink stalled for good.
    m_player.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    m_player.play();
}

void QtAudioPlayer::stop()
{
    ++m_run;
    m_playing = false;
    // Unloading closes the output stream at once; a merely stopped player keeps it open.
    m_player.setSource(QUrl());
}

bool QtAudioPlayer::isPlaying() const
{
    return m_playing;
}

void QtAudioPlayer::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status != QMediaPlayer::EndOfMedia || !m_playing)
        return;
    m_playing = false;
    // Handlers restart the file from here; they must not re-enter the backend while it is
    // still delivering this status change.
    afterThisEvent([this] { Q_EMIT playedToEnd(); });
}

void QtAudioPlayer::onErrorOccurred()
{
    // A file the backend cannot decode simply stays silent. Unloading waits for the backend
    // to finish reporting the error.
    m_playing = false;
    afterThisEvent([this] { stop(); });
}

void QtAudioPlayer::afterThisEvent(const std::function<void()> &work)
{
    // A play() or stop() in between makes the work stale: it belongs to an older run.
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this,
        [this, run, work] {
            if (run == m_run)
                work();
        },
        Qt::QueuedConnection);
}
