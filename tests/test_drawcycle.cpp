// The Start / Draw / Clear Screen cycle, its keyboard twin, and the music each step asks for.
#include "support/DrawData.h"
#include "support/FormFixture.h"

#include "common/Uglobal.h"
#include "platform/DrawLabel.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

namespace {

const QString Start = QStringLiteral("&Start");
const QString Draw = QStringLiteral("&Draw");
const QString Clear = QStringLiteral("&Clear Screen");

}

class DrawCycleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startupArmsNothingUntilAsked();
    void buttonCycleWalksThroughTheStates_data();
    void buttonCycleWalksThroughTheStates();
    void startWithoutCandidatesShowsTheMessageAndDoesNotRoll_data();
    void startWithoutCandidatesShowsTheMessageAndDoesNotRoll();
    void failingCountLeavesScreenAndStateAlone_data();
    void failingCountLeavesScreenAndStateAlone();
    void keyboardCycleLeavesTheCaptionAlone();
    void spaceAndEnterOnTheFocusedButtonWorkTheButton();
    void drawThenClearWithinOneIntervalResumesRolling();
    void buttonRollStoppedBySpaceKeepsRollMusicAndCaption();
    void spaceRollThenStartClickRollsOnWithBothMusics();
    void rollMusicLoopsAndDrawMusicPlaysOnce();
    void streamPlayerLoopsUntilStopped();
    void soundWithoutExtensionIsReportedAndSkipsTheRest();
    void strangeModeValueIsPhotoModeEverywhere();
};

void DrawCycleTest::startupArmsNothingUntilAsked()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 2);
    f.show();
    QVERIFY(!f.form->DrawOpen);
    f.form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(!f.form->Timer1->isActive());
    QVERIFY(!f.form->DrawOpen);

    f.form->FormKeyPress(QLatin1Char('\r'));
    QVERIFY(f.form->DrawOpen);
    QVERIFY(!f.form->Timer1->isActive());
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(f.messages.texts().isEmpty());
}

void DrawCycleTest::buttonCycleWalksThroughTheStates_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("photo mode") << 0;
    QTest::newRow("name mode") << 1;
}

void DrawCycleTest::buttonCycleWalksThroughTheStates()
{
    QFETCH(int, mode);
    FormFixture f(DrawSettings(mode));
    addPhotos(f, 3);
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    f.show();
    f.form->bsSkinTrackBar1->setValue(250);
    const QString roll = f.folder.file(QStringLiteral("roll.wav"));
    const QString draw = f.folder.file(QStringLiteral("draw.wav"));

    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), Draw);
    QVERIFY(f.form->DrawOpen);
    QVERIFY(f.form->Timer1->isActive());
    QCOMPARE(f.form->Timer1->interval(), 250);
    QCOMPARE(f.media->current, roll);
    QVERIFY(f.stream->calls.isEmpty());

    tick(f.form);
    QVERIFY(f.form->Timer1->isActive());
    if (mode == 0)
        QVERIFY(f.form->SlotPhotoId[0].has_value());
    else
        QVERIFY(!f.form->LabelWZ->caption().isEmpty());

    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), Clear);
    QVERIFY(!f.form->DrawOpen);
    QCOMPARE(f.media->calls.mid(f.media->calls.size() - 2), QStringList({QStringLiteral("stop"), QStringLiteral("play ") + draw}));
    const QString winners = mode == 0 ? QStringLiteral("select count(*) from photo where class='First Prize'")
                                      : QStringLiteral("select count(*) from wz where prize='First Prize'");
    QCOMPARE(f.folder.scalar(winners).toInt(), 1);

    tick(f.form);
    QVERIFY(!f.form->Timer1->isActive());

    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(f.form->DrawOpen);
    QVERIFY(!f.form->Timer1->isActive());
    QVERIFY(f.form->LabelWZ->caption().isEmpty());
    QCOMPARE(f.form->Caption(), QStringLiteral("Test Show"));
    QVERIFY(!f.media->playing);
    QVERIFY(f.messages.texts().isEmpty());
}

void DrawCycleTest::startWithoutCandidatesShowsTheMessageAndDoesNotRoll_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageBoxes::Kind>("kind");
    QTest::newRow("photo mode") << 0 << QStringLiteral("Draw picture not found!Can not lucky draw!")
                                << MessageBoxes::Kind::Plain;
    QTest::newRow("name mode") << 1 << QStringLiteral("Did not find a list of persons not winning!")
                               << MessageBoxes::Kind::Warning;
}

void DrawCycleTest::startWithoutCandidatesShowsTheMessageAndDoesNotRoll()
{
    QFETCH(int, mode);
    QFETCH(QString, message);
    QFETCH(MessageBoxes::Kind, kind);
    FormFixture f(DrawSettings(mode));
    f.show();
    f.form->LabelWZ->setCaption(QStringLiteral("last winners"));

    f.form->bsSkinButton1->click();
    QCOMPARE(f.messages.texts(), QStringList{message});
    QCOMPARE(f.messages.requests().first().kind, kind);
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(!f.form->Timer1->isActive());
    QVERIFY(!f.form->CandidatesFound);
    QVERIFY(f.form->LabelWZ->caption().isEmpty());
    QVERIFY(f.form->DrawOpen);

    // The keyboard does not look at the check: Space still rolls, and shows nobody.
    f.form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(f.form->Timer1->isActive());
    tick(f.form);
    QVERIFY(!f.form->SlotPhotoId[0].has_value());
    QVERIFY(!f.form->Slot(1)->hasPicture());
}

void DrawCycleTest::failingCountLeavesScreenAndStateAlone_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("systemError");
    QTest::addColumn<QString>("statement");
    QTest::newRow("photo mode") << 0 << QStringLiteral("System error！")
                                << QStringLiteral("select count(*) from photo where class is null");
    QTest::newRow("name mode") << 1 << QStringLiteral("System error!")
                               << QStringLiteral("select count(*) from wz where prize is null");
}

void DrawCycleTest::failingCountLeavesScreenAndStateAlone()
{
    QFETCH(int, mode);
    QFETCH(QString, systemError);
    QFETCH(QString, statement);
    FormFixture f(DrawSettings(mode));
    f.show();
    f.folder.sql(QStringLiteral("drop view prize; drop table photo; drop view wz1; drop view wz2; drop view wz3;"
                                "drop view wz4; drop view wz5; drop view wz6; drop view wz7; drop view wz8;"
                                "drop view wz9; drop view wz10; drop view name_candidates; drop table wz"));
    f.form->LabelWZ->setCaption(QStringLiteral("last winners"));
    f.messages.clear();

    f.form->bsSkinButton1->click();
    const QStringList texts = f.messages.texts();
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts[0].endsWith(QStringLiteral("\r\n错误")), qPrintable(texts[0]));
    QVERIFY(texts[0].contains(QStringLiteral("no such table")));
    QCOMPARE(texts[1], statement);
    QCOMPARE(texts[2], systemError);
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(!f.form->Timer1->isActive());
    QVERIFY(!f.form->DrawOpen);
    QCOMPARE(f.form->LabelWZ->caption(), QStringLiteral("last winners"));
}

void DrawCycleTest::keyboardCycleLeavesTheCaptionAlone()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 2);
    f.show();
    const QString roll = f.folder.file(QStringLiteral("roll.wav"));
    const QString draw = f.folder.file(QStringLiteral("draw.wav"));

    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(f.form->Timer1->isActive());
    QCOMPARE(f.stream->current, roll);
    QVERIFY(f.form->LoopSound);
    tick(f.form);

    f.form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(!f.form->DrawOpen);
    QCOMPARE(f.stream->current, draw);
    QVERIFY(!f.form->LoopSound);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from photo where class is not null")).toInt(), 1);
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(f.media->calls.filter(QStringLiteral("play")).isEmpty());

    // Space while no draw is armed does nothing.
    const QStringList before = f.stream->calls;
    tick(f.form);
    f.form->FormKeyPress(QLatin1Char(' '));
    QCOMPARE(f.stream->calls, before);
    QVERIFY(!f.form->Timer1->isActive());
}

void DrawCycleTest::spaceAndEnterOnTheFocusedButtonWorkTheButton()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 2);
    f.show();
    QVERIFY(f.form->bsSkinButton1->hasFocus());

    QTest::keyClick(f.form->bsSkinButton1, Qt::Key_Space);
    QCOMPARE(f.form->bsSkinButton1->text(), Draw);
    QTest::keyClick(f.form->bsSkinButton1, Qt::Key_Return);
    QCOMPARE(f.form->bsSkinButton1->text(), Clear);
    // The button took both keys: the stream player was never asked for anything.
    QVERIFY(f.stream->calls.isEmpty());
}

void DrawCycleTest::drawThenClearWithinOneIntervalResumesRolling()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 3);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->bsSkinButton1->click();
    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), Start);
    QVERIFY(f.form->DrawOpen);
    tick(f.form);
    QVERIFY(f.form->Timer1->isActive());
    QVERIFY(f.form->SlotPhotoId[0].has_value());
    QVERIFY(!f.media->playing);
}

void DrawCycleTest::buttonRollStoppedBySpaceKeepsRollMusicAndCaption()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 3);
    f.show();
    const QString roll = f.folder.file(QStringLiteral("roll.wav"));
    const QString draw = f.folder.file(QStringLiteral("draw.wav"));
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->FormKeyPress(QLatin1Char(' '));
    QCOMPARE(f.media->current, roll);
    QVERIFY(f.media->playing);
    QCOMPARE(f.stream->current, draw);
    QCOMPARE(f.form->bsSkinButton1->text(), Draw);
    const int winner = *f.form->SlotPhotoId[0];

    // The stale caption records the same winner again with the grade chosen now.
    f.form->bsSkinComboBox1->setCurrentIndex(1);
    f.form->bsSkinButton1->click();
    QCOMPARE(f.folder.scalar(QStringLiteral("select class from photo where id=%1").arg(winner)).toString(),
             QStringLiteral("Second Prize"));
    QCOMPARE(f.media->current, draw);
    QCOMPARE(f.form->bsSkinButton1->text(), Clear);
}

void DrawCycleTest::spaceRollThenStartClickRollsOnWithBothMusics()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 3);
    f.show();
    const QString roll = f.folder.file(QStringLiteral("roll.wav"));
    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    tick(f.form);
    f.form->bsSkinButton1->click();
    QVERIFY(!f.form->Slot(1)->hasPicture());
    QVERIFY(f.form->Timer1->isActive());
    QCOMPARE(f.media->current, roll);
    QCOMPARE(f.stream->current, roll);
    QVERIFY(f.stream->playing);
    QCOMPARE(f.form->bsSkinButton1->text(), Draw);
}

void DrawCycleTest::rollMusicLoopsAndDrawMusicPlaysOnce()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 2);
    f.show();
    const QString roll = QStringLiteral("play ") + f.folder.file(QStringLiteral("roll.wav"));
    f.form->bsSkinButton1->click();
    f.media->finish();
    f.media->finish();
    QCOMPARE(f.media->calls.filter(roll).size(), 3);

    f.form->bsSkinButton1->click();
    const int calls = f.media->calls.size();
    f.media->finish();
    QCOMPARE(f.media->calls.size(), calls);

    // Arming the next draw stops the draw music.
    f.media->playing = true;
    f.form->bsSkinButton1->click();
    QVERIFY(!f.media->playing);
}

void DrawCycleTest::streamPlayerLoopsUntilStopped()
{
    FormFixture f(DrawSettings(0));
    addPhotos(f, 2);
    f.show();
    const QString roll = QStringLiteral("play ") + f.folder.file(QStringLiteral("roll.wav"));
    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    f.stream->finish();
    f.stream->finish();
    QCOMPARE(f.stream->calls.filter(roll).size(), 3);
    f.form->FormKeyPress(QLatin1Char(' '));
    const int calls = f.stream->calls.size();
    f.stream->finish();
    QCOMPARE(f.stream->calls.size(), calls);
}

void DrawCycleTest::soundWithoutExtensionIsReportedAndSkipsTheRest()
{
    FormFixture f(DrawSettings(0)
                      .replace(QStringLiteral("roll.wav"), QStringLiteral("rollmusic"))
                      .replace(QStringLiteral("draw.wav"), QStringLiteral("drawmusic")));
    for (const char *name : {"rollmusic", "drawmusic"}) {
        QFile file(f.folder.file(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    addPhotos(f, 2);
    f.show();
    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Cannot determine the record file format")});
    QCOMPARE(f.messages.requests().first().kind, MessageBoxes::Kind::Error);
    QVERIFY(f.form->Timer1->isActive());
    QVERIFY(f.form->LoopSound);
    tick(f.form);

    f.form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(!f.form->DrawOpen);
    QCOMPARE(f.messages.texts().size(), 2);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from photo where class is not null")).toInt(), 0);
    QVERIFY(f.stream->calls.filter(QStringLiteral("play")).isEmpty());
}

void DrawCycleTest::strangeModeValueIsPhotoModeEverywhere()
{
    FormFixture f(DrawSettings(5));
    addPhotos(f, 2);
    addNames(f, {QStringLiteral("Ann")});
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    QVERIFY(f.form->SlotPhotoId[0].has_value());
    f.form->bsSkinButton1->click();
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from photo where class is not null")).toInt(), 1);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from wz where prize is not null")).toInt(), 0);
    QCOMPARE(f.form->RxSpinEdit1->maximum(), 6.0);
}

QTEST_MAIN(DrawCycleTest)
#include "test_drawcycle.moc"
