// Re-initialisation of the raffle and the count of winners per grade.
#include "support/DrawData.h"
#include "support/FormFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString Question = QStringLiteral("Lukcy draw will be completely re-start,Continue?");
const QString Done = QStringLiteral("Initialized!");

int count(FormFixture &f, const QString &query)
{
    return f.folder.scalar(query).toInt();
}

// Winners of both modes and a preset photo winner, so each test sees what a mode leaves alone.
void addWinnersOfBothModes(FormFixture &f)
{
    const QList<int> ids = addPhotos(f, 4);
    f.folder.sql(QStringLiteral("update photo set class='First Prize' where id=%1").arg(ids[0]));
    f.folder.sql(QStringLiteral("update photo set class='' where id=%1").arg(ids[1]));
    f.folder.sql(QStringLiteral("update photo set class='Second Prize' where id=%1").arg(ids[2]));
    f.folder.sql(QStringLiteral("insert into zb(filename,class) values('p1.png','First Prize')"));
    addNames(f, {QStringLiteral("Cy"), QStringLiteral("Dee")});
    f.folder.sql(QStringLiteral("insert into wz(wz,prize) values('Ann','First Prize')"));
    f.folder.sql(QStringLiteral("insert into wz(wz,prize) values('Bob','')"));
}

struct Snapshot {
    int photoWinners;
    int photoPresets;
    int entries;
    int nameWinners;
    int namePresets;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(FormFixture &f)
{
    return {count(f, QStringLiteral("select count(*) from photo where class is not null")),
            count(f, QStringLiteral("select count(*) from zb")),
            count(f, QStringLiteral("select count(*) from wz")),
            count(f, QStringLiteral("select count(*) from wz where prize is not null")),
            count(f, QStringLiteral("select count(*) from zb1"))};
}

char *toString(const Snapshot &s)
{
    return qstrdup(qPrintable(QStringLiteral("photo winners %1, zb %2, wz %3, wz winners %4, zb1 %5")
                                  .arg(s.photoWinners)
                                  .arg(s.photoPresets)
                                  .arg(s.entries)
                                  .arg(s.nameWinners)
                                  .arg(s.namePresets)));
}

void verifyQuestionAsked(const MessageBoxes::Request &request)
{
    QCOMPARE(request.text, Question);
    QCOMPARE(request.kind, MessageBoxes::Kind::Warning);
    QCOMPARE(request.buttons, MessageBoxes::Buttons::YesNo);
}

void verifyDoneShown(const MessageBoxes::Request &request)
{
    QCOMPARE(request.text, Done);
    QCOMPARE(request.kind, MessageBoxes::Kind::Information);
    QCOMPARE(request.buttons, MessageBoxes::Buttons::Ok);
}

}

class ReinitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyYesReinitialises_data();
    void onlyYesReinitialises();
    void nameModeWithoutPresetsClearsEveryGrade();
    void nameModeRemovesEveryEntryOfAPresetText();
    void photoModeClearsEveryClassAndKeepsThePresets_data();
    void photoModeClearsEveryClassAndKeepsThePresets();
    void failingStatementStopsTheRestAndShowsTheError_data();
    void failingStatementStopsTheRestAndShowsTheError();
    void rollGoesOnThroughAReinitialisation();
    void winnerCountText_data();
    void winnerCountText();
    void failingCountGivesAnEmptyText();
};

void ReinitTest::onlyYesReinitialises_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::newRow("photo mode, No") << 0 << MessageBoxes::Answer::No;
    QTest::newRow("photo mode, dismissed") << 0 << MessageBoxes::Answer::Dismissed;
    QTest::newRow("name mode, No") << 1 << MessageBoxes::Answer::No;
    QTest::newRow("name mode, dismissed") << 1 << MessageBoxes::Answer::Dismissed;
}

void ReinitTest::onlyYesReinitialises()
{
    QFETCH(int, mode);
    QFETCH(MessageBoxes::Answer, answer);
    FormFixture f(DrawSettings(mode));
    addWinnersOfBothModes(f);
    addPresets(f, {QStringLiteral("Ann")});
    f.show();
    const Snapshot before = snapshot(f);
    f.messages.scriptAnswers({answer});

    f.form->ActionInitExecute();
    QCOMPARE(f.messages.requests().size(), 1);
    verifyQuestionAsked(f.messages.requests().first());
    QCOMPARE(snapshot(f), before);
}

void ReinitTest::nameModeWithoutPresetsClearsEveryGrade()
{
    FormFixture f(DrawSettings(1));
    addWinnersOfBothModes(f);
    f.show();
    const Snapshot before = snapshot(f);
    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});

    f.form->ActionInitExecute();
    QCOMPARE(f.messages.requests().size(), 2);
    verifyQuestionAsked(f.messages.requests()[0]);
    verifyDoneShown(f.messages.requests()[1]);
    Snapshot expected = before;
    expected.nameWinners = 0;
    QCOMPARE(snapshot(f), expected);
}

void ReinitTest::nameModeRemovesEveryEntryOfAPresetText()
{
    FormFixture f(DrawSettings(1));
    addWinnersOfBothModes(f);
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("O'Neil"), QStringLiteral("O")});
    addPresets(f, {QStringLiteral("Ann"), QStringLiteral("O'Neil"), QStringLiteral("Zed")});
    f.show();
    const Snapshot before = snapshot(f);
    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});

    f.form->ActionInitExecute();
    QCOMPARE(f.messages.texts(), QStringList({Question, Done}));
    QCOMPARE(count(f, QStringLiteral("select count(*) from wz where wz in ('Ann','O''Neil')")), 0);
    QCOMPARE(count(f, QStringLiteral("select count(*) from wz where wz in ('Bob','Cy','Dee','O')")), 4);
    QCOMPARE(count(f, QStringLiteral("select count(*) from wz where prize is not null")), 0);
    Snapshot expected = before;
    expected.entries = 4;
    expected.nameWinners = 0;
    QCOMPARE(snapshot(f), expected);
}

void ReinitTest::photoModeClearsEveryClassAndKeepsThePresets_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("photo mode") << 0;
    QTest::newRow("unknown mode is photo mode") << 5;
}

void ReinitTest::photoModeClearsEveryClassAndKeepsThePresets()
{
    QFETCH(int, mode);
    FormFixture f(DrawSettings(mode));
    addWinnersOfBothModes(f);
    addPresets(f, {QStringLiteral("Ann")});
    f.show();
    const Snapshot before = snapshot(f);
    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});

    f.form->ActionInitExecute();
    QCOMPARE(f.messages.requests().size(), 2);
    verifyDoneShown(f.messages.requests()[1]);
    Snapshot expected = before;
    expected.photoWinners = 0;
    QCOMPARE(snapshot(f), expected);
}

void ReinitTest::failingStatementStopsTheRestAndShowsTheError_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<QString>("error");
    QTest::newRow("name mode, zb1 gone") << 1 << QStringLiteral("drop table zb1") << QStringLiteral("no such table: zb1");
    QTest::newRow("name mode, deleting refused")
        << 1 << QStringLiteral("create trigger kept before delete on wz begin select raise(abort,'kept'); end")
        << QStringLiteral("kept");
    QTest::newRow("photo mode, update refused")
        << 0 << QStringLiteral("create trigger locked before update on photo begin select raise(abort,'locked'); end")
        << QStringLiteral("locked");
}

void ReinitTest::failingStatementStopsTheRestAndShowsTheError()
{
    QFETCH(int, mode);
    QFETCH(QString, sabotage);
    QFETCH(QString, error);
    FormFixture f(DrawSettings(mode));
    addWinnersOfBothModes(f);
    addPresets(f, {QStringLiteral("Ann")});
    f.show();
    runWhole(sabotage);
    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});

    f.form->ActionInitExecute();
    const QList<MessageBoxes::Request> boxes = f.messages.requests();
    QCOMPARE(boxes.size(), 2);
    verifyQuestionAsked(boxes[0]);
    QCOMPARE(boxes[1].kind, MessageBoxes::Kind::Error);
    QVERIFY2(boxes[1].text.contains(error), qPrintable(boxes[1].text));
    QCOMPARE(count(f, QStringLiteral("select count(*) from wz")), 4);
    QCOMPARE(count(f, QStringLiteral("select count(*) from photo where class is not null")), 3);
    // The grades cleared before the failure stay cleared.
    QCOMPARE(count(f, QStringLiteral("select count(*) from wz where prize is not null")), mode == 1 ? 0 : 2);
}

void ReinitTest::rollGoesOnThroughAReinitialisation()
{
    FormFixture f(DrawSettings(0, 1));
    const QList<int> ids = addPhotos(f, 2);
    f.show();
    f.form->bsSkinButton1->click();
    tick(f.form);
    f.form->bsSkinButton1->click();
    const int winner = *f.form->SlotPhotoId[0];
    f.form->bsSkinButton1->click();
    f.form->bsSkinButton1->click();
    tick(f.form);
    QCOMPARE(shownIds(f.form), QList<int>{ids[0] + ids[1] - winner});

    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});
    f.form->ActionInitExecute();
    QVERIFY(f.form->Timer1->isActive());
    QVERIFY(f.form->DrawOpen);
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Draw"));
    bool winnerBack = false;
    for (int round = 0; round < 200 && !winnerBack; ++round) {
        tick(f.form);
        winnerBack = shownIds(f.form) == QList<int>{winner};
    }
    QVERIFY(winnerBack);
}

void ReinitTest::winnerCountText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("photo mode") << 0 << QStringLiteral("First Prize") << QStringLiteral("First PrizeThere are 3 winners");
    QTest::newRow("photo mode, none yet") << 0 << QStringLiteral("Third Prize")
                                          << QStringLiteral("Third PrizeThere are 0 winners");
    QTest::newRow("photo mode, quote") << 0 << QStringLiteral("O'Neil") << QStringLiteral("O'NeilThere are 1 winners");
    QTest::newRow("unknown mode counts photos") << 5 << QStringLiteral("First Prize")
                                                << QStringLiteral("First PrizeThere are 3 winners");
    QTest::newRow("name mode") << 1 << QStringLiteral("First Prize") << QStringLiteral("First PrizeThere are 2 winners");
    QTest::newRow("name mode, quote") << 1 << QStringLiteral("O'Neil") << QStringLiteral("O'NeilThere are 4 winners");
}

void ReinitTest::winnerCountText()
{
    QFETCH(int, mode);
    QFETCH(QString, grade);
    QFETCH(QString, expected);
    FormFixture f(DrawSettings(mode));
    const QList<int> ids = addPhotos(f, 5);
    f.folder.sql(QStringLiteral("update photo set class='First Prize' where id in (%1,%2,%3)")
                     .arg(ids[0])
                     .arg(ids[1])
                     .arg(ids[2]));
    f.folder.sql(QStringLiteral("update photo set class='O''Neil' where id=%1").arg(ids[3]));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"), QStringLiteral("Dee"),
                 QStringLiteral("Eve"), QStringLiteral("Fay"), QStringLiteral("Gus")});
    f.folder.sql(QStringLiteral("update wz set prize='First Prize' where wz in ('Ann','Bob')"));
    f.folder.sql(QStringLiteral("update wz set prize='O''Neil' where wz in ('Cy','Dee','Eve','Fay')"));
    f.folder.sql(QStringLiteral("insert into jxmc(name) values('O''Neil')"));
    f.show();
    f.form->bsSkinComboBox1->setCurrentIndex(f.form->bsSkinComboBox1->findText(grade));
    QCOMPARE(f.form->bsSkinComboBox1->currentText(), grade);

    QCOMPARE(f.form->WinnerCountText(), expected);
    QVERIFY(f.messages.texts().isEmpty());
}

void ReinitTest::failingCountGivesAnEmptyText()
{
    FormFixture f(DrawSettings(0));
    f.show();
    f.folder.sql(QStringLiteral("drop view prize"));

    QCOMPARE(f.form->WinnerCountText(), QString());
    const QStringList texts = f.messages.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts[0].endsWith(QStringLiteral("\r\n错误")), qPrintable(texts[0]));
    QVERIFY(texts[0].contains(QStringLiteral("no such table: prize")));
    QCOMPARE(texts[1], QStringLiteral("select count(*) from prize where class='First Prize'"));
}

QTEST_MAIN(ReinitTest)
#include "test_reinit.moc"
