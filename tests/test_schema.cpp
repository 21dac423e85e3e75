// The shipped db.MDB: its tables and columns, the saved queries the draws read, the three
// grades it starts with, and how they reach the grade box of the main window.
#include "support/FormFixture.h"

#include "data/Statement.h"
#include "data/StatementRoutines.h"

#include <QComboBox>
#include <QSet>
#include <QtTest>

#include <cstdlib>
#include <ctime>

namespace {

const QStringList ShippedGrades = {QStringLiteral("First Prize"), QStringLiteral("Second Prize"),
                                   QStringLiteral("Third Prize")};

QStringList column(Statement &statement, const QString &statementText)
{
    QString result;
    OpenQuery(statementText, result, statement);
    QStringList values;
    for (; !statement.eof(); statement.next())
        values.append(statement.field(0).toString());
    return values;
}

QString localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return QString::fromLatin1(text);
}

// Puts the process in a zone far from UTC for one test, so local time and UTC differ.
class FarZone
{
public:
    FarZone() : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", "QMT-05:30");
        tzset();
    }
    ~FarZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

}

class SchemaTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tablesHaveTheirColumns_data();
    void tablesHaveTheirColumns();
    void columnsHoldTheirFieldSizes_data();
    void columnsHoldTheirFieldSizes();
    void idsAreAssignedAndNeverReused_data();
    void idsAreAssignedAndNeverReused();
    void presetDateIsTheLocalTimeOfInsert();
    void rollQueriesYieldKUndrawnTexts_data();
    void rollQueriesYieldKUndrawnTexts();
    void prizeQueryHoldsOneRowPerPhotoWinner();
    void shippedGradesComeInEntryOrder();
    void gradeBoxShowsTheGradesFirstSelected();
    void gradeAddedLaterComesLast();
};

void SchemaTest::tablesHaveTheirColumns_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("photo") << QStringLiteral("select id,xm,filename,photo,class from photo");
    QTest::newRow("wz") << QStringLiteral("select id,wz,prize from wz");
    QTest::newRow("jxmc") << QStringLiteral("select name from jxmc");
    QTest::newRow("zb") << QStringLiteral("select filename,class,rq from zb");
    QTest::newRow("zb1") << QStringLiteral("select wz,prize from zb1");
    QTest::newRow("prize") << QStringLiteral("select class from prize");
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("wz%d", k) << QStringLiteral("select wz from wz%1").arg(k);
}

void SchemaTest::tablesHaveTheirColumns()
{
    QFETCH(QString, statement);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement query;
    QString result;
    OpenQuery(statement, result, query);
    QCOMPARE(result, SuccessResult);
    QVERIFY(messages.texts().isEmpty());
}

void SchemaTest::columnsHoldTheirFieldSizes_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columnName");
    QTest::addColumn<int>("size");
    QTest::newRow("photo.xm") << QStringLiteral("photo") << QStringLiteral("xm") << 20;
    QTest::newRow("photo.filename") << QStringLiteral("photo") << QStringLiteral("filename") << 255;
    QTest::newRow("photo.class") << QStringLiteral("photo") << QStringLiteral("class") << 50;
    QTest::newRow("wz.wz") << QStringLiteral("wz") << QStringLiteral("wz") << 390;
    QTest::newRow("wz.prize") << QStringLiteral("wz") << QStringLiteral("prize") << 50;
    QTest::newRow("jxmc.name") << QStringLiteral("jxmc") << QStringLiteral("name") << 50;
    QTest::newRow("zb.filename") << QStringLiteral("zb") << QStringLiteral("filename") << 255;
    QTest::newRow("zb.class") << QStringLiteral("zb") << QStringLiteral("class") << 50;
    QTest::newRow("zb1.wz") << QStringLiteral("zb1") << QStringLiteral("wz") << 50;
    QTest::newRow("zb1.prize") << QStringLiteral("zb1") << QStringLiteral("prize") << 50;
}

void SchemaTest::columnsHoldTheirFieldSizes()
{
    QFETCH(QString, table);
    QFETCH(QString, columnName);
    QFETCH(int, size);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    // Chinese letters: the columns hold Unicode text, not bytes.
    const QString text = QString(size - 1, QChar(0x5B57)) + QLatin1Char('\'');
    ExecStatement(QStringLiteral("delete from ") + table, result, statement);
    ExecStatement(QStringLiteral("insert into %1(%2) values(%3)").arg(table, columnName, Quoted(text)), result,
                  statement);
    QCOMPARE(result, SuccessResult);
    QCOMPARE(column(statement, QStringLiteral("select %1 from %2").arg(columnName, table)), QStringList{text});
    QVERIFY(messages.texts().isEmpty());
}

void SchemaTest::idsAreAssignedAndNeverReused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("insert");
    QTest::newRow("photo") << QStringLiteral("photo") << QStringLiteral("insert into photo(xm,filename) values('a','b')");
    QTest::newRow("wz") << QStringLiteral("wz") << QStringLiteral("insert into wz(wz) values('a')");
}

void SchemaTest::idsAreAssignedAndNeverReused()
{
    QFETCH(QString, table);
    QFETCH(QString, insert);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    for (int i = 0; i < 3; ++i)
        ExecStatement(insert, result, statement);
    const QStringList first = column(statement, QStringLiteral("select id from %1 order by id").arg(table));
    QCOMPARE(first.size(), 3);
    QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 3);

    // A photo picked before the list was emptied must not find a newcomer under its id.
    ExecStatement(QStringLiteral("delete from %1").arg(table), result, statement);
    ExecStatement(insert, result, statement);
    const QStringList after = column(statement, QStringLiteral("select id from %1").arg(table));
    QCOMPARE(after.size(), 1);
    QVERIFY(after[0].toInt() > first.last().toInt());
    QVERIFY(messages.texts().isEmpty());
}

void SchemaTest::presetDateIsTheLocalTimeOfInsert()
{
    FarZone zone;
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    const QString before = localNow();
    ExecStatement(QStringLiteral("insert into zb(filename,class) values('p.jpg','First Prize')"), result, statement);
    const QString after = localNow();
    QCOMPARE(result, SuccessResult);

    const QStringList dates = column(statement, QStringLiteral("select rq from zb"));
    QCOMPARE(dates.size(), 1);
    const QString rq = dates[0].left(19).replace(QLatin1Char('T'), QLatin1Char(' '));
    QVERIFY2(before <= rq && rq <= after, qPrintable(before + QStringLiteral(" / ") + rq + QStringLiteral(" / ") + after));
}

void SchemaTest::rollQueriesYieldKUndrawnTexts_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("wz%d", k) << k;
}

void SchemaTest::rollQueriesYieldKUndrawnTexts()
{
    QFETCH(int, k);
    ProgramFolder folder;
    MessageRecorder messages;
    for (int i = 1; i <= 12; ++i)
        folder.sql(QStringLiteral("insert into wz(wz) values('E%1')").arg(i));
    folder.sql(QStringLiteral("insert into wz(wz,prize) values('W1','First Prize');"
                              "insert into wz(wz,prize) values('W2','')"));
    Statement statement;
    QString result;
    OpenQuery(QStringLiteral("select wz from wz%1").arg(k), result, statement);
    QCOMPARE(result, SuccessResult);
    QStringList texts;
    for (; !statement.eof(); statement.next())
        texts.append(statement.field(QStringLiteral("wz")).toString());
    QCOMPARE(texts.size(), k);
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), k);
    for (const QString &text : texts)
        QVERIFY2(text.startsWith(QLatin1Char('E')), qPrintable(text));
}

void SchemaTest::prizeQueryHoldsOneRowPerPhotoWinner()
{
    ProgramFolder folder;
    MessageRecorder messages;
    folder.sql(QStringLiteral("insert into photo(xm,filename,class) values('a','a.jpg','First Prize');"
                              "insert into photo(xm,filename,class) values('b','b.jpg','First Prize');"
                              "insert into photo(xm,filename,class) values('c','c.jpg','Second Prize');"
                              "insert into photo(xm,filename) values('d','d.jpg')"));
    Statement statement;
    QString result;
    OpenQuery(QStringLiteral("select count(*) from prize where class='First Prize'"), result, statement);
    QCOMPARE(FirstInteger(statement), 2);
    OpenQuery(QStringLiteral("select count(*) from prize where class='Second Prize'"), result, statement);
    QCOMPARE(FirstInteger(statement), 1);
    OpenQuery(QStringLiteral("select count(*) from prize"), result, statement);
    QCOMPARE(FirstInteger(statement), 3);
    QVERIFY(messages.texts().isEmpty());
}

void SchemaTest::shippedGradesComeInEntryOrder()
{
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QCOMPARE(column(statement, QStringLiteral("select name from jxmc")), ShippedGrades);
    for (const QString &empty : {QStringLiteral("photo"), QStringLiteral("wz"), QStringLiteral("zb"), QStringLiteral("zb1")})
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from ") + empty).toInt(), 0);
}

void SchemaTest::gradeBoxShowsTheGradesFirstSelected()
{
    FormFixture f(DrawSettings(0));
    f.show();
    QComboBox *box = f.form->bsSkinComboBox1;
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    QCOMPARE(shown, ShippedGrades);
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(box->currentText(), QStringLiteral("First Prize"));
    QVERIFY(f.messages.texts().isEmpty());
}

void SchemaTest::gradeAddedLaterComesLast()
{
    FormFixture f(DrawSettings(0));
    // Re-entering a grade puts it at the end, after one entered for the first time.
    f.folder.sql(QStringLiteral("insert into jxmc(name) values('Consolation');"
                                "delete from jxmc where name='First Prize';"
                                "insert into jxmc(name) values('First Prize')"));
    f.show();
    QComboBox *box = f.form->bsSkinComboBox1;
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    QCOMPARE(shown, QStringList({QStringLiteral("Second Prize"), QStringLiteral("Third Prize"),
                                 QStringLiteral("Consolation"), QStringLiteral("First Prize")}));
    QCOMPARE(box->currentIndex(), 0);
}

QTEST_MAIN(SchemaTest)
#include "test_schema.moc"
