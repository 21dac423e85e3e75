#include "platform/audio/QtAudioPlayer.h"
#include "support/ToneFile.h"

#include <QDir>
#include <QMediaPlayer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

// Generous: the null sink of the test server sometimes takes over a second to start a stream.
constexpr int kTimeoutMs = 15000;

QString runPactl(const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess pactl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    pactl.setProcessEnvironment(environment);
    pactl.start("pactl", arguments);
    pactl.waitForFinished();
    if (exitCode)
        *exitCode = pactl.exitStatus() == QProcess::NormalExit ? pactl.exitCode() : -1;
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

// Streams the server is mixing right now (a stopped or finished stream is corked or gone).
int soundingStreams()
{
    return int(runPactl({"list", "sink-inputs"}).count("Corked: no"));
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void playsToEndOnce();
    void restartFromPlayedToEndLoops();
    void stopSilencesWithoutPlayedToEnd();
    void stopAtTheEndEmitsNothing();
    void playReplacesCurrentFile();
    void twoPlayersSoundTogether();
    void unplayableFileStaysSilent_data();
    void unplayableFileStaysSilent();
    void playsMp3();

private:
    QString m_short;
    QString m_long;
    QTemporaryDir m_dir;
};

void TestAudio::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"),
             "PULSE_SERVER is not set: run the tests through scripts/with-audio-server");
    int exitCode = 0;
    runPactl({"info"}, &exitCode);
    QVERIFY2(exitCode == 0,
             qPrintable("No audio server answers at PULSE_SERVER=" + qEnvironmentVariable("PULSE_SERVER")));
    QVERIFY(m_dir.isValid());
    m_short = m_dir.filePath("short.wav");
    m_long = m_dir.filePath("long.wav");
    WriteToneFile(m_short, 0.3, 440);
    WriteToneFile(m_long, 4.0, 330);
    QCOMPARE(soundingStreams(), 0);
}

void TestAudio::playsToEndOnce()
{
    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    player.play(m_short);
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 1, kTimeoutMs);
    QVERIFY(ended.wait(kTimeoutMs));
    QVERIFY(!player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 0, kTimeoutMs);
    QVERIFY(!ended.wait(1000));
    QCOMPARE(ended.count(), 1);
}

void TestAudio::restartFromPlayedToEndLoops()
{
    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    connect(&player, &AudioPlayer::playedToEnd, &player, [&] { player.play(m_short); });
    player.play(m_short);
    // Several passes: a backend that stalls after a few restarts would silence a roll.
    constexpr int passes = 8;
    QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= passes, 4 * kTimeoutMs);
    QVERIFY(player.isPlaying());
    player.stop();
    const auto ends = ended.count();
    QVERIFY(!ended.wait(1500));
    QCOMPARE(ended.count(), ends);
    QCOMPARE(soundingStreams(), 0);
}

void TestAudio::stopSilencesWithoutPlayedToEnd()
{
    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    player.play(m_long);
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 1, kTimeoutMs);
    player.stop();
    QCOMPARE(soundingStreams(), 0);
    QVERIFY(!player.isPlaying());
    // Longer than the file itself, so an end reported despite the stop would show up.
    QVERIFY(!ended.wait(5000));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(soundingStreams(), 0);
}

void TestAudio::stopAtTheEndEmitsNothing()
{
    QtAudioPlayer player;
    auto *backend = player.findChild<QMediaPlayer *>();
    QVERIFY(backend);
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    // Stops after the backend has reached the end but before the player has told anyone.
    connect(backend, &QMediaPlayer::mediaStatusChanged, &player,
            [&](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    player.stop();
            });
    player.play(m_short);
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kTimeoutMs);
    QVERIFY(!ended.wait(1500));
    QCOMPARE(ended.count(), 0);
}

void TestAudio::playReplacesCurrentFile()
{
    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    player.play(m_long);
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 1, kTimeoutMs);
    player.play(m_short);
    QVERIFY(soundingStreams() <= 1);
    QVERIFY(ended.wait(kTimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 0, kTimeoutMs);
    QVERIFY(!ended.wait(5000));
    QCOMPARE(ended.count(), 1);
}

void TestAudio::twoPlayersSoundTogether()
{
    QtAudioPlayer first;
    QtAudioPlayer second;
    QSignalSpy firstEnded(&first, &AudioPlayer::playedToEnd);
    QSignalSpy secondEnded(&second, &AudioPlayer::playedToEnd);
    first.play(m_long);
    second.play(m_long);
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 2, kTimeoutMs);
    QVERIFY(first.isPlaying());
    QVERIFY(second.isPlaying());
    first.stop();
    QCOMPARE(soundingStreams(), 1);
    QVERIFY(!first.isPlaying());
    QVERIFY(second.isPlaying());
    QVERIFY(secondEnded.wait(kTimeoutMs));
    QCOMPARE(firstEnded.count(), 0);
}

void TestAudio::unplayableFileStaysSilent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("throws");
    QTest::newRow("missing file") << "missing.wav" << QByteArray() << true;
    QTest::newRow("folder") << "folder.wav" << QByteArray() << true;
    QTest::newRow("not a sound") << "garbage.wav" << QByteArray(20000, 'x') << false;
    QTest::newRow("empty file") << "empty.mp3" << QByteArray("") << false;
}

void TestAudio::unplayableFileStaysSilent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, throws);
    const QString path = m_dir.filePath(name);
    if (name == "folder.wav") {
        QVERIFY(QDir(m_dir.path()).mkpath(name));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    player.play(m_long);
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 1, kTimeoutMs);
    bool thrown = false;
    try {
        player.play(path);
    } catch (const std::runtime_error &error) {
        thrown = true;
        QVERIFY2(QString::fromUtf8(error.what()).contains(path), error.what());
    }
    QCOMPARE(thrown, throws);
    if (throws)
        QVERIFY(!player.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kTimeoutMs);
    QVERIFY(!ended.wait(2000));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(soundingStreams(), 0);
}

void TestAudio::playsMp3()
{
    const QString path = QUELLMARK_APP_DIR "/sound/konami.mp3";
    QVERIFY2(QFile::exists(path), qPrintable(path + " is missing: build the sounds target"));
    QtAudioPlayer player;
    QSignalSpy ended(&player, &AudioPlayer::playedToEnd);
    player.play(path);
    QTRY_COMPARE_WITH_TIMEOUT(soundingStreams(), 1, kTimeoutMs);
    QVERIFY(ended.wait(kTimeoutMs + 10000));
    QVERIFY(!player.isPlaying());
}

QTEST_GUILESS_MAIN(TestAudio)
#include "test_audio.moc"
