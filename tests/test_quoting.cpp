// Grades and entries with quotes or Chinese letters go through every statement of the draws,
// the winner counts and the re-initialisation, and come back as they were entered.
#include "support/FormFixture.h"

#include "platform/DrawLabel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// The test's own spelling of a text literal, independent of the program's.
QString literal(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace(QStringLiteral("'"), QStringLiteral("''")) + QLatin1Char('\'');
}

void addGrade(FormFixture &f, const QString &grade)
{
    f.folder.sql(QStringLiteral("insert into jxmc(name) values(%1)").arg(literal(grade)));
}

void chooseGrade(FormFixture &f, const QString &grade)
{
    const int index = f.form->bsSkinComboBox1->findText(grade);
    QVERIFY(index >= 0);
    f.form->bsSkinComboBox1->setCurrentIndex(index);
}

void drawOnce(FormFixture &f)
{
    f.form->bsSkinButton1->click();
    QVERIFY(f.form->Timer1->isActive());
    f.form->Timer1Timer();
    f.form->bsSkinButton1->click();
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Clear Screen"));
}

}

class QuotingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void photoDrawRecordsTheGrade_data();
    void photoDrawRecordsTheGrade();
    void nameDrawRecordsEntriesAndPresets_data();
    void nameDrawRecordsEntriesAndPresets();

private:
    void texts();
};

void QuotingTest::texts()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("preset");
    QTest::newRow("one quote") << QStringLiteral("O'Neil") << QStringLiteral("D'Arcy") << QStringLiteral("O'Brien");
    QTest::newRow("two quotes") << QStringLiteral("Ann's 'Best'") << QStringLiteral("it''s") << QStringLiteral("'Joe'");
    QTest::newRow("chinese") << QStringLiteral("一等奖") << QStringLiteral("张三") << QStringLiteral("李四's");
}

void QuotingTest::photoDrawRecordsTheGrade_data()
{
    texts();
}

void QuotingTest::photoDrawRecordsTheGrade()
{
    QFETCH(QString, grade);
    QFETCH(QString, entry);
    FormFixture f(DrawSettings(0));
    addGrade(f, grade);
    const QString file = f.folder.file(QStringLiteral("photo.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(file));
    f.folder.sql(QStringLiteral("insert into photo(xm,filename) values(%1,%2)").arg(literal(entry), literal(file)));
    f.show();
    QCOMPARE(f.form->bsSkinComboBox1->itemText(3), grade);
    chooseGrade(f, grade);

    drawOnce(f);
    QCOMPARE(f.form->Caption(), entry);
    QCOMPARE(f.folder.scalar(QStringLiteral("select class from photo")).toString(), grade);
    QCOMPARE(f.form->WinnerCountText(), grade + QStringLiteral("There are 1 winners"));
    QVERIFY(f.messages.texts().isEmpty());
}

void QuotingTest::nameDrawRecordsEntriesAndPresets_data()
{
    texts();
}

void QuotingTest::nameDrawRecordsEntriesAndPresets()
{
    QFETCH(QString, grade);
    QFETCH(QString, entry);
    QFETCH(QString, preset);
    FormFixture f(DrawSettings(1));
    addGrade(f, grade);
    f.folder.sql(QStringLiteral("insert into wz(wz) values(%1)").arg(literal(entry)));
    f.folder.sql(QStringLiteral("insert into zb1(wz,prize) values(%1,%2)").arg(literal(preset), literal(grade)));
    f.show();
    chooseGrade(f, grade);
    f.form->RxSpinEdit1->setValue(2);

    // Both texts roll: the entry is found and updated, the preset is new and inserted.
    drawOnce(f);
    QStringList shown = f.form->LabelWZ->caption().split(QLatin1Char('\r'));
    shown.sort();
    QStringList expected{entry, preset};
    expected.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(f.folder.scalar(QStringLiteral("select prize from wz where wz=%1").arg(literal(entry))).toString(), grade);
    QCOMPARE(f.folder.scalar(QStringLiteral("select prize from wz where wz=%1").arg(literal(preset))).toString(), grade);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from wz")).toInt(), 2);
    QCOMPARE(f.form->WinnerCountText(), grade + QStringLiteral("There are 2 winners"));
    QVERIFY(f.messages.texts().isEmpty());

    // Re-initialising frees the entry and removes the preset that the draw had added.
    f.messages.scriptAnswers({MessageBoxes::Answer::Yes});
    f.form->ActionInitExecute();
    QCOMPARE(f.messages.texts(), QStringList({QStringLiteral("Lukcy draw will be completely re-start,Continue?"),
                                             QStringLiteral("Initialized!")}));
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from wz")).toInt(), 1);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from wz where wz=%1 and prize is null").arg(literal(entry)))
                 .toInt(),
             1);
    QCOMPARE(f.folder.scalar(QStringLiteral("select count(*) from zb1")).toInt(), 1);
}

QTEST_MAIN(QuotingTest)
#include "test_quoting.moc"
