// Roll and draw music on the two real players of the draw window, against a real audio server.
#include "support/DrawData.h"
#include "support/MessageRecorder.h"
#include "support/ProgramFolder.h"
#include "support/ToneFile.h"

#include "main/TForm1.h"
#include "platform/audio/QtAudioPlayer.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int Patience = 15000;

// A draw window with real players, short roll and draw tunes and two photos to draw.
struct MusicFixture
{
    explicit MusicFixture(const QString &rollFile = QStringLiteral("roll.wav"),
                          const QString &drawFile = QStringLiteral("draw.wav"))
    {
        WriteToneFile(folder.file(QStringLiteral("roll.wav")), 0.3, 440);
        WriteToneFile(folder.file(QStringLiteral("draw.wav")), 0.4, 660);
        folder.writeSettings(QStringLiteral("[prize]\nMode=0\nPhotoNumber=1\nBackGroundSound1=%1\n"
                                            "BackGroundSound2=%2\n[ShowWinner]\nShow=false\n")
                                 .arg(folder.file(rollFile), folder.file(drawFile)));
        for (int i = 0; i < 2; ++i)
            folder.sql(QStringLiteral("insert into photo(xm,filename) values('P%1','none')").arg(i));
        form = std::make_unique<TForm1>(new QtAudioPlayer, new QtAudioPlayer);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
    }

    ProgramFolder folder;
    MessageRecorder messages;
    std::unique_ptr<TForm1> form;
};

}

class MusicTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void buttonRollMusicLoopsAndDrawMusicPlaysOnce();
    void spaceRollMusicLoopsAndDrawMusicPlaysOnce();
    void eachPathStopsOnlyItsOwnPlayer();
    void streamDecoderFollowsTheExtension_data();
    void streamDecoderFollowsTheExtension();
    void missingOrNoneFilesStaySilent_data();
    void missingOrNoneFilesStaySilent();
};

void MusicTest::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("PULSE_SERVER"),
             "no audio server: run the suite through scripts/with-audio-server");
}

void MusicTest::buttonRollMusicLoopsAndDrawMusicPlaysOnce()
{
    MusicFixture f;
    QSignalSpy ends(f.form->MediaPlayer1, &AudioPlayer::playedToEnd);
    f.form->bsSkinButton1->click();
    QTRY_VERIFY_WITH_TIMEOUT(ends.count() >= 2, Patience);
    QTRY_VERIFY_WITH_TIMEOUT(f.form->MediaPlayer1->isPlaying(), Patience);

    f.form->bsSkinButton1->click();
    ends.clear();
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, Patience);
    QTest::qWait(1000);
    QCOMPARE(ends.count(), 1);
    QVERIFY(!f.form->MediaPlayer1->isPlaying());
    QVERIFY(!f.form->DXAudioOut1->isPlaying());
}

void MusicTest::spaceRollMusicLoopsAndDrawMusicPlaysOnce()
{
    MusicFixture f;
    QSignalSpy ends(f.form->DXAudioOut1, &AudioPlayer::playedToEnd);
    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    QCOMPARE(f.form->CurrentInput, StreamDecoder::Wave);
    QTRY_VERIFY_WITH_TIMEOUT(ends.count() >= 2, Patience);
    QTRY_VERIFY_WITH_TIMEOUT(f.form->DXAudioOut1->isPlaying(), Patience);

    f.form->FormKeyPress(QLatin1Char(' '));
    ends.clear();
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, Patience);
    QTest::qWait(1000);
    QCOMPARE(ends.count(), 1);
    QVERIFY(!f.form->DXAudioOut1->isPlaying());
    QVERIFY(!f.form->MediaPlayer1->isPlaying());
}

void MusicTest::eachPathStopsOnlyItsOwnPlayer()
{
    MusicFixture f;
    f.form->bsSkinButton1->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.form->MediaPlayer1->isPlaying(), Patience);
    tick(f.form.get());
    f.form->FormKeyPress(QLatin1Char(' '));
    QTRY_VERIFY_WITH_TIMEOUT(f.form->DXAudioOut1->isPlaying(), Patience);
    QVERIFY(f.form->MediaPlayer1->isPlaying());

    f.form->StopSound();
    QVERIFY(!f.form->DXAudioOut1->isPlaying());
    QTest::qWait(700);
    QVERIFY(f.form->MediaPlayer1->isPlaying());
    f.form->StopMusic(*f.form->MediaPlayer1);
    QVERIFY(!f.form->MediaPlayer1->isPlaying());
}

void MusicTest::streamDecoderFollowsTheExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<StreamDecoder>("decoder");
    QTest::newRow("wav") << QStringLiteral("tune.wav") << StreamDecoder::Wave;
    QTest::newRow("upper-case WAV") << QStringLiteral("TUNE.WAV") << StreamDecoder::Wave;
    QTest::newRow("upper-case MP3") << QStringLiteral("tune.MP3") << StreamDecoder::MP3;
    QTest::newRow("ogg") << QStringLiteral("tune.Ogg") << StreamDecoder::Vorbis;
    QTest::newRow("flc") << QStringLiteral("tune.flc") << StreamDecoder::FLAC;
    QTest::newRow("flac") << QStringLiteral("tune.FLAC") << StreamDecoder::FLAC;
    QTest::newRow("unknown") << QStringLiteral("tune.xyz") << StreamDecoder::None;
}

void MusicTest::streamDecoderFollowsTheExtension()
{
    QFETCH(QString, name);
    QFETCH(StreamDecoder, decoder);
    MusicFixture f;
    WriteToneFile(f.folder.file(name), 0.3);
    f.form->PlaySound(f.folder.file(name), false);
    QCOMPARE(f.form->CurrentInput, decoder);
    if (decoder == StreamDecoder::None) {
        QTest::qWait(300);
        QVERIFY(!f.form->DXAudioOut1->isPlaying());
    }
    f.form->StopSound();
    QVERIFY(!f.form->DXAudioOut1->isPlaying());
    QVERIFY(f.messages.texts().isEmpty());
}

void MusicTest::missingOrNoneFilesStaySilent_data()
{
    QTest::addColumn<QString>("sound");
    QTest::newRow("missing") << QStringLiteral("gone.wav");
    QTest::newRow("None") << QStringLiteral("None");
    QTest::newRow("empty") << QString();
}

void MusicTest::missingOrNoneFilesStaySilent()
{
    QFETCH(QString, sound);
    MusicFixture f;
    f.form->RollSoundFile = sound;
    f.form->DrawSoundFile = sound;
    f.form->bsSkinButton1->click();
    f.form->FormKeyPress(QLatin1Char(' '));
    QTest::qWait(300);
    QVERIFY(!f.form->MediaPlayer1->isPlaying());
    QVERIFY(!f.form->DXAudioOut1->isPlaying());
    QCOMPARE(f.form->CurrentInput, StreamDecoder::None);
    QVERIFY(f.messages.texts().isEmpty());
}

QTEST_MAIN(MusicTest)
#include "test_music.moc"
