#pragma once

#include <QObject>
#include <QString>

// One sound output of the main window. The draw logic talks to this interface only, so it
// can run against a recording fake in tests and against real players in the program.
class AudioPlayer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioPlayer() override = default;

    // Starts the file from its beginning, replacing whatever this player was playing.
    // Throws std::runtime_error with a message when the player cannot take the file.
    virtual void play(const QString &path) = 0;
    // Returns only once this player is silent.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

Q_SIGNALS:
    // The file has played to its end (never emitted for a stop).
    void playedToEnd();
};
