// The photo-mode draw: slot layouts, the roll tick, recording the winners and the congratulation.
#include "support/DrawData.h"
#include "support/FormFixture.h"

#include "common/Colors.h"
#include "common/Uglobal.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

const QString NoPhotos = QStringLiteral("Draw picture not found!Can not lucky draw!");
const QString WriteFailed = QStringLiteral("failed to write winning information, Redo lucky draw please!");

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

int winners(FormFixture &f)
{
    return f.folder.scalar(QStringLiteral("select count(*) from photo where class is not null")).toInt();
}

QString gradeOf(FormFixture &f, int id)
{
    return f.folder.scalar(QStringLiteral("select class from photo where id=%1").arg(id)).toString();
}

QString namesOf(FormFixture &f, const QList<int> &ids)
{
    QStringList names;
    for (int id : ids)
        names.append(photoName(f, id));
    return names.join(QLatin1Char('\r'));
}

void turnCongratulationOn(bool names, bool grade)
{
    ShowCongratulation = true;
    CongratulationShowsNames = names;
    CongratulationShowsGrade = grade;
    CongratulationText1 = QStringLiteral("Hooray");
    CongratulationText2 = QStringLiteral("you won");
}

// Notes the label's size and colour at every paint while the congratulation grows, one entry
// per distinct look, so extra paints from the event loop do not count as steps.
class LookRecorder : public QObject
{
public:
    explicit LookRecorder(TForm1 *form) : m_form(form) { form->LabelWZ->installEventFilter(this); }

    QList<QPair<int, QColor>> looks;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_form->CongratulationRunning()) {
            const QPair<int, QColor> look(m_form->LabelWZ->fontSize(), ColorFromValue(m_form->LabelWZ->fontColor()));
            if (looks.isEmpty() || looks.last() != look)
                looks.append(look);
        }
        return false;
    }

private:
    TForm1 *m_form;
};

}

class PhotoDrawTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layoutGivesEachCountItsSlots_data();
    void layoutGivesEachCountItsSlots();
    void tickFillsPhotoCountSlots_data();
    void tickFillsPhotoCountSlots();
    void slotsTheTickCouldNotFillAreEmptied();
    void threePhotosAreRecordedWithOneStatement();
    void drawBeforeTheFirstTickRecordsNothing();
    void enterWhileRollingLeavesNothingToRecord();
    void brokenPictureShowsItsNameAndStillWins_data();
    void brokenPictureShowsItsNameAndStillWins();
    void gradeIsWrittenExactly_data();
    void gradeIsWrittenExactly();
    void failingRecordWritesNothingAndSaysSo();
    void congratulationTextIsComposedFromTheSettings_data();
    void congratulationTextIsComposedFromTheSettings();
    void flashColourFollowsTheCycle_data();
    void flashColourFollowsTheCycle();
    void congratulationGrowsThroughAllStepsThenRestoresTheFont();
    void armingANewDrawEndsTheCongratulationAtOnce_data();
    void armingANewDrawEndsTheCongratulationAtOnce();
    void rollNumberBoxSetsThePhotoCountOnlyInPhotoMode_data();
    void rollNumberBoxSetsThePhotoCountOnlyInPhotoMode();
    void noPhotoWinsTwice();
};

void PhotoDrawTest::layoutGivesEachCountItsSlots_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QRect>>("expected");
    const int sw = screenSize().width();
    const int sh = screenSize().height();
    const int w2 = sw / 2, w3 = sw / 3, h = sh / 2;
    const QList<QRect> two{{0, 0, w2, sh}, {w2, 0, w2, sh}};
    const QList<QRect> four{{0, 0, w2, h}, {w2, 0, w2, h}, {0, h, w2, h}, {w2, h, w2, h}};
    const QList<QRect> six{{0, 0, w3, h}, {w3, 0, w3, h}, {2 * w3, 0, w3, h},
                           {0, h, w3, h}, {w3, h, w3, h}, {2 * w3, h, w3, h}};
    QTest::newRow("1") << 6 << 1 << QList<QRect>{{0, 0, sw, sh}};
    QTest::newRow("2") << 1 << 2 << two;
    QTest::newRow("3 shows four") << 1 << 3 << four;
    QTest::newRow("4") << 6 << 4 << four;
    QTest::newRow("5 shows six") << 1 << 5 << six;
    QTest::newRow("6") << 2 << 6 << six;
    QTest::newRow("0 keeps the layout") << 5 << 0 << six;
    QTest::newRow("7 keeps the layout") << 2 << 7 << two;
}

void PhotoDrawTest::layoutGivesEachCountItsSlots()
{
    QFETCH(int, previous);
    QFETCH(int, count);
    QFETCH(QList<QRect>, expected);
    FormFixture f(DrawSettings(0, previous));
    f.show();
    f.form->LayoutSlots(count);
    QCOMPARE(f.form->Image1->geometry(), QRect(QPoint(0, 0), screenSize()));
    for (int slot = 1; slot <= 6; ++slot) {
        const PictureBox *box = f.form->Slot(slot);
        QCOMPARE(box->isHidden(), slot > expected.size());
        if (slot <= expected.size())
            QCOMPARE(box->geometry(), expected[slot - 1]);
    }
}

void PhotoDrawTest::tickFillsPhotoCountSlots_data()
{
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<int>("filled");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("6") << 6 << 6;
    QTest::newRow("0 counts as 1") << 0 << 1;
    QTest::newRow("-2 counts as 1") << -2 << 1;
    QTest::newRow("9 counts as 6") << 9 << 6;
}

void PhotoDrawTest::tickFillsPhotoCountSlots()
{
    QFETCH(int, photoCount);
    QFETCH(int, filled);
    FormFixture f(DrawSettings(0, 1));
    const QList<int> ids = addPhotos(f, 8);
    f.show();
    PhotoCount = photoCount;
    f.form->bsSkinButton1->click();
    tick(f.form);

    const QList<int> shown = shownIds(f.form);
    QCOMPARE(shown.size(), filled);
    QCOMPARE(QSet<int>(shown.begin(), shown.end()).size(), filled);
    for (int slot = 1; slot <= 6; ++slot) {
        const PictureBox *box = f.form->Slot(slot);
        if (slot > filled) {
            QVERIFY(!f.form->SlotPhotoId[slot - 1].has_value());
            QVERIFY(!box->hasPicture());
            continue;
        }
        const int id = *f.form->SlotPhotoId[slot - 1];
        QVERIFY(box->hasPicture());
        QCOMPARE(box->picture().pixelColor(0, 0), PhotoColour(int(ids.indexOf(id)) + 1));
    }
    QCOMPARE(f.form->Caption(), namesOf(f, shown));
}

void PhotoDrawTest::slotsTheTickCouldNotFillAreEmptied()
{
    FormFixture f(DrawSettings(0, 4));
    const QList<int> ids = addPhotos(f, 4);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    QCOMPARE(shownIds(f.form).size(), 4);

    f.folder.sql(QStringLiteral("update photo set class='Earlier' where id=%1 or id=%2").arg(ids[0]).arg(ids[1]));
    for (int round = 0; round < 5; ++round) {
        tick(f.form);
        QList<int> shown = shownIds(f.form);
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown, ids.mid(2));
        for (int slot = 3; slot <= 4; ++slot) {
            QVERIFY(!f.form->Slot(slot)->isHidden());
            QVERIFY(!f.form->Slot(slot)->hasPicture());
            QVERIFY(f.form->Slot(slot)->placeholderText().isEmpty());
        }
    }

    f.form->bsSkinButton1->click();
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from photo where class='First Prize'")).toInt(), 2);
    QCOMPARE(gradeOf(f, ids[2]), QStringLiteral("First Prize"));
    QCOMPARE(gradeOf(f, ids[3]), QStringLiteral("First Prize"));
}

void PhotoDrawTest::threePhotosAreRecordedWithOneStatement()
{
    FormFixture f(DrawSettings(0, 3));
    addPhotos(f, 5);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    const QList<int> shown = shownIds(f.form);
    QCOMPARE(shown.size(), 3);
    QVERIFY(!f.form->Slot(4)->isHidden());
    QVERIFY(!f.form->Slot(4)->hasPicture());
    QVERIFY(f.form->Slot(5)->isHidden());

    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->ADOQuery1.text(), QStringLiteral("update photo set class='First Prize' where id=%1 or id=%2 or id=%3")
                                           .arg(shown[0])
                                           .arg(shown[1])
                                           .arg(shown[2]));
    QCOMPARE(winners(f), 3);
    for (int id : shown)
        QCOMPARE(gradeOf(f, id), QStringLiteral("First Prize"));
}

void PhotoDrawTest::drawBeforeTheFirstTickRecordsNothing()
{
    FormFixture f(DrawSettings(0, 2));
    addPhotos(f, 3);
    f.show();
    turnCongratulationOn(true, true);
    f.form->bsSkinButton1->click();
    f.form->bsSkinButton1->click();
    QCOMPARE(winners(f), 0);
    QVERIFY(f.messages.texts().isEmpty());
    QCOMPARE(f.form->LabelWZ->caption(), QStringLiteral("Hooray\rTest Show\ryou won First Prize!"));
}

void PhotoDrawTest::enterWhileRollingLeavesNothingToRecord()
{
    FormFixture f(DrawSettings(0, 2));
    addPhotos(f, 3);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    QCOMPARE(shownIds(f.form).size(), 2);

    f.form->FormKeyPress(QLatin1Char('\r'));
    QVERIFY(shownIds(f.form).isEmpty());
    QVERIFY(!f.form->Slot(1)->hasPicture());
    QVERIFY(!f.form->Slot(2)->hasPicture());
    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Clear Screen"));
    QCOMPARE(winners(f), 0);
    QVERIFY(f.messages.texts().isEmpty());
}

void PhotoDrawTest::brokenPictureShowsItsNameAndStillWins_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("file missing") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("this is no picture");
}

void PhotoDrawTest::brokenPictureShowsItsNameAndStillWins()
{
    QFETCH(QByteArray, content);
    FormFixture f(DrawSettings(0, 2));
    const int good = addPhotos(f, 1).first();
    const QString file = f.folder.file(QStringLiteral("broken.jpg"));
    if (!content.isNull()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    const int broken = addPhotoRow(f, QStringLiteral("Bob"), file);
    f.show();
    f.form->bsSkinButton1->click();

    // Both photos show at every tick in a random order; roll until the broken one has taken
    // the slot that showed the good picture before.
    int goodSlotBefore = 0;
    bool tookOverAPicture = false;
    for (int round = 0; round < 200 && !tookOverAPicture; ++round) {
        tick(f.form);
        const QList<int> shown = shownIds(f.form);
        QCOMPARE(shown.size(), 2);
        const int brokenSlot = int(shown.indexOf(broken)) + 1;
        const int goodSlot = int(shown.indexOf(good)) + 1;
        QVERIFY(!f.form->Slot(brokenSlot)->hasPicture());
        QCOMPARE(f.form->Slot(brokenSlot)->placeholderText(), QStringLiteral("Bob"));
        QVERIFY(f.form->Slot(goodSlot)->hasPicture());
        QVERIFY(f.form->Slot(goodSlot)->placeholderText().isEmpty());
        QCOMPARE(f.form->Caption(), namesOf(f, shown));
        tookOverAPicture = brokenSlot == goodSlotBefore;
        goodSlotBefore = goodSlot;
    }
    QVERIFY(tookOverAPicture);

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, broken), QStringLiteral("First Prize"));
    QCOMPARE(gradeOf(f, good), QStringLiteral("First Prize"));
    QVERIFY(f.messages.texts().isEmpty());
}

void PhotoDrawTest::gradeIsWrittenExactly_data()
{
    QTest::addColumn<QString>("grade");
    QTest::newRow("single quote") << QStringLiteral("O'Neil");
    QTest::newRow("quoted words") << QStringLiteral("'Top' ''Prize''");
    QTest::newRow("empty grade list") << QString();
}

void PhotoDrawTest::gradeIsWrittenExactly()
{
    QFETCH(QString, grade);
    FormFixture f(DrawSettings(0, 1));
    const int id = addPhotos(f, 1).first();
    f.folder.sql(QStringLiteral("delete from jxmc"));
    if (!grade.isEmpty())
        f.folder.sql(QStringLiteral("insert into jxmc(name) values(%1)").arg(Quoted(grade)));
    f.show();
    QCOMPARE(f.form->bsSkinComboBox1->currentText(), grade);
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->bsSkinButton1->click();

    const QVariant written = f.folder.scalar(QStringLiteral("select class from photo where id=%1").arg(id));
    QVERIFY(!written.isNull());
    QCOMPARE(written.toString(), grade);
    QVERIFY(f.messages.texts().isEmpty());

    // Even an empty grade makes a winner: the next draw finds nobody left.
    f.form->bsSkinButton1->click();
    QCOMPARE(f.messages.texts(), QStringList{NoPhotos});
}

void PhotoDrawTest::failingRecordWritesNothingAndSaysSo()
{
    FormFixture f(DrawSettings(0, 2));
    addPhotos(f, 3);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    runWhole(QStringLiteral("create trigger locked before update on photo begin select raise(abort,'locked'); end"));

    f.form->bsSkinButton1->click();
    QCOMPARE(f.messages.texts(), QStringList{WriteFailed});
    QCOMPARE(f.messages.requests().first().kind, MessageBoxes::Kind::Plain);
    QCOMPARE(winners(f), 0);
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Clear Screen"));
}

void PhotoDrawTest::congratulationTextIsComposedFromTheSettings_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<bool>("grade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("names and grade") << true << true << QStringLiteral("Hooray\r@NAMES@\ryou won Second Prize!");
    QTest::newRow("names only") << true << false << QStringLiteral("Hooray\r@NAMES@\ryou won");
    QTest::newRow("grade only") << false << true << QStringLiteral("Hooray\ryou won Second Prize!");
    QTest::newRow("neither") << false << false << QStringLiteral("Hooray\ryou won");
}

void PhotoDrawTest::congratulationTextIsComposedFromTheSettings()
{
    QFETCH(bool, names);
    QFETCH(bool, grade);
    QFETCH(QString, expected);
    FormFixture f(DrawSettings(0, 2));
    addPhotos(f, 3);
    f.show();
    turnCongratulationOn(names, grade);
    f.form->bsSkinComboBox1->setCurrentIndex(1);
    f.form->bsSkinButton1->click();
    tick(f.form);
    const QString shownNames = namesOf(f, shownIds(f.form));

    f.form->bsSkinButton1->click();
    QVERIFY(f.form->CongratulationRunning());
    QCOMPARE(f.form->LabelWZ->caption(), expected.replace(QStringLiteral("@NAMES@"), shownNames));
    QCOMPARE(f.form->LabelWZ->verticalLayout(), DrawLabel::VerticalLayout::Bottom);
    QCOMPARE(f.form->LabelWZ->fontName(), QStringLiteral("DejaVu Sans"));
}

void PhotoDrawTest::flashColourFollowsTheCycle_data()
{
    QTest::addColumn<QColor>("current");
    QTest::addColumn<QColor>("next");
    QTest::newRow("red") << QColor(255, 0, 0) << QColor(255, 255, 0);
    QTest::newRow("yellow") << QColor(255, 255, 0) << QColor(0, 128, 0);
    QTest::newRow("green") << QColor(0, 128, 0) << QColor(0, 0, 255);
    QTest::newRow("blue") << QColor(0, 0, 255) << QColor(128, 0, 0);
    QTest::newRow("maroon") << QColor(128, 0, 0) << QColor(128, 128, 0);
    QTest::newRow("olive") << QColor(128, 128, 0) << QColor(0, 0, 128);
    QTest::newRow("navy") << QColor(0, 0, 128) << QColor(255, 0, 0);
    QTest::newRow("lime is no flash colour") << QColor(0, 255, 0) << QColor(0, 255, 0);
    QTest::newRow("near red is no flash colour") << QColor(254, 0, 0) << QColor(254, 0, 0);
}

void PhotoDrawTest::flashColourFollowsTheCycle()
{
    QFETCH(QColor, current);
    QFETCH(QColor, next);
    FormFixture f(DrawSettings(0));
    f.form->LabelWZ->setFontColor(ValueFromColor(current));
    f.form->NextFlashColour();
    QCOMPARE(ColorFromValue(f.form->LabelWZ->fontColor()), next);
}

void PhotoDrawTest::congratulationGrowsThroughAllStepsThenRestoresTheFont()
{
    FormFixture f(DrawSettings(0, 1, QStringLiteral("FontColor=16711680\n")));
    addPhotos(f, 2);
    f.show();
    turnCongratulationOn(true, true);
    LookRecorder recorder(f.form);
    f.form->bsSkinButton1->click();
    tick(f.form);
    const QString text = QStringLiteral("Hooray\r") + f.form->Caption() + QStringLiteral("\ryou won First Prize!");

    f.form->bsSkinButton1->click();
    QVERIFY(f.form->CongratulationRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!f.form->CongratulationRunning(), 10000);

    const QColor flashes[] = {QColor(255, 255, 0), QColor(0, 128, 0),   QColor(0, 0, 255), QColor(128, 0, 0),
                              QColor(128, 128, 0), QColor(0, 0, 128), QColor(255, 0, 0)};
    QList<QPair<int, QColor>> expected;
    for (int size = 1; size <= 130; ++size)
        expected.append({size, flashes[(size - 1) % 7]});
    QCOMPARE(recorder.looks, expected);
    QCOMPARE(f.form->LabelWZ->fontSize(), 20);
    QCOMPARE(f.form->LabelWZ->fontColor(), 16711680);
    QCOMPARE(f.form->LabelWZ->caption(), text);
}

void PhotoDrawTest::armingANewDrawEndsTheCongratulationAtOnce_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Enter") << true;
    QTest::newRow("Clear Screen") << false;
}

void PhotoDrawTest::armingANewDrawEndsTheCongratulationAtOnce()
{
    QFETCH(bool, byKey);
    FormFixture f(DrawSettings(0, 1, QStringLiteral("FontColor=16711680\n")));
    addPhotos(f, 2);
    f.show();
    turnCongratulationOn(true, true);
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->bsSkinButton1->click();
    QVERIFY(f.form->CongratulationRunning());
    QTest::qWait(50);
    QVERIFY(f.form->CongratulationRunning());
    QVERIFY(f.form->LabelWZ->fontSize() > 1);

    if (byKey)
        f.form->FormKeyPress(QLatin1Char('\r'));
    else
        f.form->bsSkinButton1->click();
    QVERIFY(!f.form->CongratulationRunning());
    QVERIFY(f.form->LabelWZ->caption().isEmpty());
    QCOMPARE(f.form->LabelWZ->fontSize(), 20);
    QCOMPARE(f.form->LabelWZ->fontColor(), 16711680);
    QCOMPARE(f.form->LabelWZ->verticalLayout(), DrawLabel::VerticalLayout::Centre);

    // The growth is really over, not just paused.
    QTest::qWait(100);
    QCOMPARE(f.form->LabelWZ->fontSize(), 20);
    QCOMPARE(f.form->LabelWZ->fontColor(), 16711680);
}

void PhotoDrawTest::rollNumberBoxSetsThePhotoCountOnlyInPhotoMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<int>("visibleSlots");
    QTest::newRow("photo mode") << 0 << 5 << 6;
    QTest::newRow("name mode") << 1 << 2 << 2;
}

void PhotoDrawTest::rollNumberBoxSetsThePhotoCountOnlyInPhotoMode()
{
    QFETCH(int, mode);
    QFETCH(int, photoCount);
    QFETCH(int, visibleSlots);
    FormFixture f(DrawSettings(mode, 2));
    f.show();
    f.form->RxSpinEdit1->setValue(5);
    QCOMPARE(PhotoCount, photoCount);
    for (int slot = 1; slot <= 6; ++slot)
        QCOMPARE(f.form->Slot(slot)->isHidden(), slot > visibleSlots);
}

void PhotoDrawTest::noPhotoWinsTwice()
{
    FormFixture f(DrawSettings(0, 2));
    const QList<int> ids = addPhotos(f, 5);
    f.show();
    QMap<int, QString> won;
    for (int round = 0; round < 3; ++round) {
        f.form->bsSkinComboBox1->setCurrentIndex(round);
        const QString grade = f.form->bsSkinComboBox1->currentText();
        f.form->bsSkinButton1->click();
        QVERIFY(f.form->Timer1->isActive());
        for (int step = 0; step < 20; ++step) {
            tick(f.form);
            for (int id : shownIds(f.form))
                QVERIFY2(!won.contains(id), qPrintable(QStringLiteral("photo %1 rolled again").arg(id)));
        }
        f.form->bsSkinButton1->click();
        for (int id : shownIds(f.form))
            won.insert(id, grade);
        f.form->bsSkinButton1->click();
    }
    QCOMPARE(won.size(), ids.size());
    for (int id : ids)
        QCOMPARE(gradeOf(f, id), won.value(id));
    QCOMPARE(f.messages.texts(), QStringList{NoPhotos});
}

QTEST_MAIN(PhotoDrawTest)
#include "test_photodraw.moc"
