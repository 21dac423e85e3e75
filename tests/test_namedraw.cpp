// The name/number-mode draw: lines rolled from the saved queries and recorded line by line.
#include "support/DrawData.h"
#include "support/FormFixture.h"

#include "common/TMyStringList.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace {

const QString NoNames = QStringLiteral("Did not find a list of persons not winning!");

QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral("Name %1").arg(i, 2, 10, QLatin1Char('0')));
    return names;
}

int rows(FormFixture &f)
{
    return f.folder.scalar(QStringLiteral("select count(*) from wz")).toInt();
}

int winners(FormFixture &f)
{
    return f.folder.scalar(QStringLiteral("select count(*) from wz where prize is not null")).toInt();
}

// The grade every row of the text holds, or "(none)" / "(mixed)".
QString gradeOf(FormFixture &f, const QString &text)
{
    const QString where = QStringLiteral(" from wz where wz=") + Quoted(text);
    if (f.folder.scalar(QStringLiteral("select count(*)") + where).toInt() == 0)
        return QStringLiteral("(none)");
    if (f.folder.scalar(QStringLiteral("select count(distinct ifnull(prize,'(null)'))") + where).toInt() != 1)
        return QStringLiteral("(mixed)");
    const QVariant grade = f.folder.scalar(QStringLiteral("select prize") + where);
    return grade.isNull() ? QStringLiteral("(null)") : grade.toString();
}

// Arms a draw and starts its roll with n lines a tick.
void startRoll(FormFixture &f, int n)
{
    f.form->RxSpinEdit1->setValue(n);
    f.form->bsSkinButton1->click();
    QVERIFY(f.form->Timer1->isActive());
}

}

class NameDrawTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitTextCutsAtEveryDelimiter_data();
    void splitTextCutsAtEveryDelimiter();
    void rollShowsTheLinesOfTheChosenQuery_data();
    void rollShowsTheLinesOfTheChosenQuery();
    void drawRecordsEveryShownLine_data();
    void drawRecordsEveryShownLine();
    void everyRowOfADrawnTextGetsTheGrade();
    void drawnPresetBecomesAnEntryAndRollsNoMore();
    void shownTextsMissingFromTheEntries_data();
    void shownTextsMissingFromTheEntries();
    void drawBeforeTheFirstTickWritesNothing();
    void quotesRoundTrip();
    void failedRollShowsTheEngineMessageAndRecordsNothing();
    void failingCountEndsTheRecordingAtItsLine();
};

void NameDrawTest::splitTextCutsAtEveryDelimiter_data()
{
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QChar cr(u'\r');
    QTest::newRow("two lines") << cr << QStringLiteral("a\rb") << QStringList{"a", "b"};
    QTest::newRow("delimiter at the end") << cr << QStringLiteral("a\r") << QStringList{"a", ""};
    QTest::newRow("empty text") << cr << QString() << QStringList();
    QTest::newRow("two delimiters") << cr << QStringLiteral("\r\r") << QStringList{"", "", ""};
    QTest::newRow("delimiter first") << cr << QStringLiteral("\ra") << QStringList{"", "a"};
    QTest::newRow("no delimiter") << cr << QStringLiteral("abc") << QStringList{"abc"};
    QTest::newRow("no trimming") << cr << QStringLiteral(" a \r\tb ") << QStringList{" a ", "\tb "};
    QTest::newRow("line feed is text") << cr << QStringLiteral("a\nb\r\nc") << QStringList{"a\nb", "\nc"};
    QTest::newRow("other delimiter") << QChar(u',') << QStringLiteral("a,b\rc,") << QStringList{"a", "b\rc", ""};
}

void NameDrawTest::splitTextCutsAtEveryDelimiter()
{
    QFETCH(QChar, delimiter);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TMyStringList list(delimiter);
    list.lines() = QStringList{QStringLiteral("left over")};
    SplitText(list, text);
    QCOMPARE(list.lines(), expected);
}

void NameDrawTest::rollShowsTheLinesOfTheChosenQuery_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("lines");
    QTest::newRow("1") << 12 << 1 << 1;
    QTest::newRow("3") << 12 << 3 << 3;
    QTest::newRow("9") << 12 << 9 << 9;
    QTest::newRow("10") << 12 << 10 << 10;
    QTest::newRow("0 uses wz10") << 12 << 0 << 10;
    QTest::newRow("11 uses wz10") << 12 << 11 << 10;
    QTest::newRow("-1 uses wz10") << 12 << -1 << 10;
    QTest::newRow("3 of two candidates") << 2 << 3 << 2;
}

void NameDrawTest::rollShowsTheLinesOfTheChosenQuery()
{
    QFETCH(int, entries);
    QFETCH(int, n);
    QFETCH(int, lines);
    FormFixture f(DrawSettings(1, 1, QStringLiteral("FontColor=32768\n")));
    const QStringList names = numberedNames(entries);
    addNames(f, names);
    f.show();
    f.form->LabelWZ->setFontName(QStringLiteral("Serif"));
    f.form->LabelWZ->setFontSize(99);
    f.form->LabelWZ->setFontColor(255);

    f.form->RollNames(n);
    const QStringList shown = shownLines(f.form);
    QCOMPARE(shown.size(), lines);
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), lines);
    for (const QString &line : shown)
        QVERIFY2(names.contains(line), qPrintable(line));
    QCOMPARE(f.form->LabelWZ->fontName(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(f.form->LabelWZ->fontSize(), 20);
    QCOMPARE(f.form->LabelWZ->fontColor(), 32768);
    QVERIFY(f.messages.texts().isEmpty());
}

void NameDrawTest::drawRecordsEveryShownLine_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("n");
    QTest::newRow("three of five") << 5 << 3;
    QTest::newRow("three of two") << 2 << 3;
    QTest::newRow("ten of twelve") << 12 << 10;
}

void NameDrawTest::drawRecordsEveryShownLine()
{
    QFETCH(int, entries);
    QFETCH(int, n);
    FormFixture f(DrawSettings(1));
    const QStringList names = numberedNames(entries);
    addNames(f, names);
    f.show();
    f.form->bsSkinComboBox1->setCurrentIndex(2);
    startRoll(f, n);
    tick(f.form);
    tick(f.form);
    const QStringList shown = shownLines(f.form);
    QCOMPARE(shown.size(), qMin(n, entries));

    f.form->bsSkinButton1->click();
    for (const QString &name : names)
        QCOMPARE(gradeOf(f, name), shown.contains(name) ? QStringLiteral("Third Prize") : QStringLiteral("(null)"));
    QCOMPARE(rows(f), entries);
    QVERIFY(f.messages.texts().isEmpty());
}

void NameDrawTest::everyRowOfADrawnTextGetsTheGrade()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Ann")});
    f.folder.sql(QStringLiteral("insert into wz(wz,prize) values('Bob','Second Prize')"));
    f.show();
    startRoll(f, 1);
    tick(f.form);
    QCOMPARE(f.form->LabelWZ->caption(), QStringLiteral("Ann"));

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, QStringLiteral("Ann")), QStringLiteral("First Prize"));
    QCOMPARE(gradeOf(f, QStringLiteral("Bob")), QStringLiteral("Second Prize"));
    QCOMPARE(rows(f), 3);
}

void NameDrawTest::drawnPresetBecomesAnEntryAndRollsNoMore()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Cy")});
    addPresets(f, {QStringLiteral("Zed")});
    f.show();
    startRoll(f, 1);
    for (int round = 0; round < 300 && f.form->LabelWZ->caption() != QLatin1String("Zed"); ++round)
        tick(f.form);
    QCOMPARE(f.form->LabelWZ->caption(), QStringLiteral("Zed"));

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, QStringLiteral("Zed")), QStringLiteral("First Prize"));
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from wz where wz='Zed'")).toInt(), 1);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from zb1")).toInt(), 1);
    QCOMPARE(winners(f), 1);

    f.form->bsSkinButton1->click();
    startRoll(f, 3);
    for (int round = 0; round < 100; ++round) {
        tick(f.form);
        QStringList shown = shownLines(f.form);
        shown.sort();
        QCOMPARE(shown, QStringList({QStringLiteral("Ann"), QStringLiteral("Cy")}));
    }
}

void NameDrawTest::shownTextsMissingFromTheEntries_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("spaces") << QStringLiteral("   ") << false;
    QTest::newRow("tab and spaces") << QStringLiteral("\t  ") << false;
    QTest::newRow("padded text is kept untrimmed") << QStringLiteral(" Zed ") << true;
    QTest::newRow("quote") << QStringLiteral("O'Hara") << true;
}

void NameDrawTest::shownTextsMissingFromTheEntries()
{
    QFETCH(QString, preset);
    QFETCH(bool, inserted);
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann")});
    addPresets(f, {preset});
    f.show();
    startRoll(f, 2);
    tick(f.form);
    QStringList shown = shownLines(f.form);
    shown.sort();
    QStringList expected{preset, QStringLiteral("Ann")};
    expected.sort();
    QCOMPARE(shown, expected);

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, QStringLiteral("Ann")), QStringLiteral("First Prize"));
    QCOMPARE(gradeOf(f, preset), inserted ? QStringLiteral("First Prize") : QStringLiteral("(none)"));
    QCOMPARE(rows(f), inserted ? 2 : 1);
    QVERIFY(f.messages.texts().isEmpty());
}

void NameDrawTest::drawBeforeTheFirstTickWritesNothing()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.show();
    startRoll(f, 2);
    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Clear Screen"));
    QCOMPARE(winners(f), 0);
    QCOMPARE(rows(f), 2);
    QVERIFY(f.messages.texts().isEmpty());
}

void NameDrawTest::quotesRoundTrip()
{
    const QString entry = QStringLiteral("D'Arcy 'Dee'");
    const QString grade = QStringLiteral("Bob's Prize");
    FormFixture f(DrawSettings(1));
    addNames(f, {entry, QStringLiteral("D")});
    f.folder.sql(QStringLiteral("update wz set prize='Earlier' where wz='D'"));
    f.folder.sql(QStringLiteral("delete from jxmc"));
    f.folder.sql(QStringLiteral("insert into jxmc(name) values(%1)").arg(Quoted(grade)));
    f.show();
    startRoll(f, 3);
    tick(f.form);
    QCOMPARE(f.form->LabelWZ->caption(), entry);

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, entry), grade);
    QCOMPARE(gradeOf(f, QStringLiteral("D")), QStringLiteral("Earlier"));
    QCOMPARE(rows(f), 2);
    QVERIFY(f.messages.texts().isEmpty());
}

void NameDrawTest::failedRollShowsTheEngineMessageAndRecordsNothing()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    f.show();
    f.folder.sql(QStringLiteral("drop view wz3"));
    startRoll(f, 3);
    tick(f.form);
    const QString failure = f.form->LabelWZ->caption();
    QVERIFY2(failure.contains(QStringLiteral("no such table: wz3")), qPrintable(failure));
    tick(f.form);
    QCOMPARE(f.form->LabelWZ->caption(), failure);
    QVERIFY(f.form->Timer1->isActive());
    QVERIFY(f.messages.texts().isEmpty());

    f.form->bsSkinButton1->click();
    QCOMPARE(winners(f), 0);
    QCOMPARE(rows(f), 3);
    QCOMPARE(f.form->LabelWZ->caption(), failure);
    QVERIFY(f.messages.texts().isEmpty());

    // A tick that works again within the same roll makes its lines winners.
    f.form->bsSkinButton1->click();
    startRoll(f, 3);
    tick(f.form);
    QCOMPARE(f.form->LabelWZ->caption(), failure);
    f.form->RxSpinEdit1->setValue(2);
    tick(f.form);
    const QStringList shown = shownLines(f.form);
    QCOMPARE(shown.size(), 2);
    f.form->bsSkinButton1->click();
    QCOMPARE(winners(f), 2);
    for (const QString &line : shown)
        QCOMPARE(gradeOf(f, line), QStringLiteral("First Prize"));
    QCOMPARE(rows(f), 3);
}

void NameDrawTest::failingCountEndsTheRecordingAtItsLine()
{
    FormFixture f(DrawSettings(1));
    addNames(f, {QStringLiteral("Ann"), QStringLiteral("Cy")});
    // The engine reads a statement only up to a NUL character, so counting this entry fails
    // on an unclosed quote.
    const QString broken = QStringLiteral("B") + QChar(0) + QStringLiteral("b");
    f.folder.sql(QStringLiteral("insert into wz(wz) values('B' || char(0) || 'b')"));
    f.show();
    startRoll(f, 3);
    // Roll until the broken entry has lines before and after it.
    for (int round = 0; round < 300 && shownLines(f.form).indexOf(broken) != 1; ++round)
        tick(f.form);
    const QStringList shown = shownLines(f.form);
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[1], broken);

    f.form->bsSkinButton1->click();
    QCOMPARE(gradeOf(f, shown[0]), QStringLiteral("First Prize"));
    QCOMPARE(gradeOf(f, shown[2]), QStringLiteral("(null)"));
    QCOMPARE(winners(f), 1);
    QCOMPARE(rows(f), 3);
    const QList<MessageBoxes::Request> boxes = f.messages.requests();
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes[0].kind, MessageBoxes::Kind::Plain);
    QVERIFY2(boxes[0].text.endsWith(QStringLiteral("\r\n错误")), qPrintable(boxes[0].text));
    QCOMPARE(boxes[1].kind, MessageBoxes::Kind::Plain);
    QCOMPARE(boxes[1].text, QStringLiteral("select count(*) from wz where wz=") + Quoted(broken));
    QCOMPARE(boxes[2].kind, MessageBoxes::Kind::Error);
    QVERIFY(!boxes[2].text.isEmpty());
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Clear Screen"));
}

QTEST_MAIN(NameDrawTest)
#include "test_namedraw.moc"
