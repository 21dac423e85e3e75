#pragma once

#include "platform/audio/AudioPlayer.h"

#include <QStringList>

// A player that plays nothing and records what it was asked to do.
class FakePlayer : public AudioPlayer
{
    Q_OBJECT
public:
    void play(const QString &path) override
    {
        calls.append(QStringLiteral("play ") + path);
        current = path;
        playing = true;
    }
    void stop() override
    {
        calls.append(QStringLiteral("stop"));
        playing = false;
    }
    bool isPlaying() const override { return playing; }

    // Lets the current file reach its end, as a real player would.
    void finish()
    {
        playing = false;
        Q_EMIT playedToEnd();
    }

    QStringList calls;
    QString current;
    bool playing = false;
};
