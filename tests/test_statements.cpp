// The database file's place, the two statement routines with their "Success"/failure texts,
// and the quoting that every text in a statement goes through.
#include "support/FormFixture.h"

#include "data/DatabaseError.h"
#include "data/Statement.h"
#include "data/StatementRoutines.h"
#include "data/TDataModule2.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString Marker = QStringLiteral("\r\n错误");

QString missingFileMessage(const ProgramFolder &folder)
{
    return QStringLiteral("Could not find file '%1'.").arg(folder.file(QStringLiteral("db.MDB")));
}

}

class StatementsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void databaseIsFoundInTheProgramFolder();
    void windowStartedElsewhereStillDraws();
    void missingDatabaseIsReportedAndNeverCreated_data();
    void missingDatabaseIsReportedAndNeverCreated();
    void missingDatabaseStopsTheStart();
    void statementBeforeTheDataModuleFails();

    void openQueryStaysOnTheFirstRow();
    void execStatementSucceedsAndCloses();
    void failedOpenQueryShowsTwoBoxesAndCloses_data();
    void failedOpenQueryShowsTwoBoxesAndCloses();
    void failedExecStatementShowsOneBox_data();
    void failedExecStatementShowsOneBox();
    void closedStatementRefusesFields_data();
    void closedStatementRefusesFields();

    void quotedDoublesSingleQuotes_data();
    void quotedDoublesSingleQuotes();
    void textsRoundTripThroughTheRoutines_data();
    void textsRoundTripThroughTheRoutines();

private:
    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_elsewhere;
};

void StatementsTest::init()
{
    m_startFolder = QDir::currentPath();
    m_elsewhere = std::make_unique<QTemporaryDir>();
    QVERIFY(m_elsewhere->isValid());
}

void StatementsTest::cleanup()
{
    QDir::setCurrent(m_startFolder);
    m_elsewhere.reset();
}

void StatementsTest::databaseIsFoundInTheProgramFolder()
{
    ProgramFolder folder;
    MessageRecorder messages;
    QVERIFY(QDir::setCurrent(m_elsewhere->path()));
    // A stray file in the current folder must not be taken for the database.
    QFile decoy(QStringLiteral("db.MDB"));
    QVERIFY(decoy.open(QIODevice::WriteOnly));
    decoy.write("not the database");
    decoy.close();

    QCOMPARE(TDataModule2::databasePath(), folder.file(QStringLiteral("db.MDB")));
    Statement statement;
    QString result;
    OpenQuery(QStringLiteral("select count(*) from jxmc"), result, statement);
    QCOMPARE(result, SuccessResult);
    QCOMPARE(FirstInteger(statement), 3);
    ExecStatement(QStringLiteral("insert into wz(wz) values('Ann')"), result, statement);
    QCOMPARE(result, SuccessResult);
    QCOMPARE(folder.scalar(QStringLiteral("select count(*) from wz")).toInt(), 1);
    QVERIFY(messages.texts().isEmpty());
}

void StatementsTest::windowStartedElsewhereStillDraws()
{
    QVERIFY(QDir::setCurrent(m_elsewhere->path()));
    FormFixture f(DrawSettings(0));
    const QString photo = f.folder.file(QStringLiteral("p.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(photo));
    f.folder.sql(QStringLiteral("insert into photo(xm,filename) values('Ann','%1')").arg(photo));
    f.show();
    QCOMPARE(f.form->bsSkinComboBox1->count(), 3);

    f.form->bsSkinButton1->click();
    QVERIFY(f.form->Timer1->isActive());
    f.form->Timer1Timer();
    f.form->bsSkinButton1->click();
    QCOMPARE(f.folder.scalar(QStringLiteral("select class from photo")).toString(), QStringLiteral("First Prize"));
    QVERIFY(f.messages.texts().isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("db.MDB")));
}

void StatementsTest::missingDatabaseIsReportedAndNeverCreated_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("statement");
    QTest::newRow("OpenQuery") << true << QStringLiteral("select count(*) from photo where class is null");
    QTest::newRow("ExecStatement") << false << QStringLiteral("insert into wz(wz) values('Ann')");
}

void StatementsTest::missingDatabaseIsReportedAndNeverCreated()
{
    QFETCH(bool, select);
    QFETCH(QString, statement);
    ProgramFolder folder(false);
    MessageRecorder messages;
    QVERIFY(QDir::setCurrent(m_elsewhere->path()));
    Statement query;
    QString result;

    const QString message = missingFileMessage(folder);
    if (select) {
        OpenQuery(statement, result, query);
        QCOMPARE(result, message + Marker);
        QCOMPARE(messages.texts(), QStringList({message + Marker, statement}));
        QVERIFY(!query.isOpen());
    } else {
        ExecStatement(statement, result, query);
        QCOMPARE(result, message + Marker + QStringLiteral("\r\n") + statement);
        QCOMPARE(messages.texts(), QStringList{result});
    }
    for (const auto &request : messages.requests())
        QCOMPARE(request.kind, MessageBoxes::Kind::Plain);

    // A second try fails the same way: nothing was created by the first.
    messages.clear();
    OpenQuery(statement, result, query);
    QCOMPARE(messages.texts().size(), 2);
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("db.MDB"))));
    QVERIFY(!QFile::exists(QStringLiteral("db.MDB")));
}

void StatementsTest::missingDatabaseStopsTheStart()
{
    FormFixture f(DrawSettings(0), false);
    f.show();
    f.messages.clear();

    f.form->bsSkinButton1->click();
    const QString message = missingFileMessage(f.folder);
    QCOMPARE(f.messages.texts(),
             QStringList({message + Marker, QStringLiteral("select count(*) from photo where class is null"),
                          QStringLiteral("System error！")}));
    QCOMPARE(f.form->bsSkinButton1->text(), QStringLiteral("&Start"));
    QVERIFY(!f.form->Timer1->isActive());
    QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("db.MDB"))));
}

void StatementsTest::statementBeforeTheDataModuleFails()
{
    MessageRecorder messages;
    QVERIFY(!TDataModule2::instance());
    const QString message = QStringLiteral("The database connection does not exist.");
    Statement statement;
    statement.setText(QStringLiteral("select name from jxmc"));
    try {
        statement.open();
        QFAIL("opened without a connection");
    } catch (const DatabaseError &error) {
        QCOMPARE(error.message(), message);
    }

    QString result;
    OpenQuery(QStringLiteral("select name from jxmc"), result, statement);
    QCOMPARE(result, message + Marker);
    ExecStatement(QStringLiteral("delete from wz"), result, statement);
    QCOMPARE(result, message + Marker + QStringLiteral("\r\ndelete from wz"));
    QCOMPARE(messages.texts().size(), 3);
}

void StatementsTest::openQueryStaysOnTheFirstRow()
{
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result = QStringLiteral("stale");
    OpenQuery(QStringLiteral("select name from jxmc"), result, statement);
    QCOMPARE(result, SuccessResult);
    QVERIFY(statement.isOpen());
    QCOMPARE(statement.text(), QStringLiteral("select name from jxmc"));
    QCOMPARE(statement.recordCount(), 3);
    QCOMPARE(statement.field(0).toString(), QStringLiteral("First Prize"));
    QCOMPARE(statement.field(QStringLiteral("name")).toString(), QStringLiteral("First Prize"));
    statement.next();
    QCOMPARE(statement.field(0).toString(), QStringLiteral("Second Prize"));

    // Reopening replaces the text and starts again at the first row.
    OpenQuery(QStringLiteral("select count(*) from wz"), result, statement);
    QCOMPARE(result, SuccessResult);
    QCOMPARE(FirstInteger(statement), 0);
    QVERIFY(messages.texts().isEmpty());
}

void StatementsTest::execStatementSucceedsAndCloses()
{
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    OpenQuery(QStringLiteral("select name from jxmc"), result, statement);
    QVERIFY(statement.isOpen());

    result = QStringLiteral("stale");
    ExecStatement(QStringLiteral("insert into jxmc(name) values('Fourth Prize')"), result, statement);
    QCOMPARE(result, SuccessResult);
    QVERIFY(!statement.isOpen());
    QCOMPARE(statement.text(), QStringLiteral("insert into jxmc(name) values('Fourth Prize')"));
    QCOMPARE(folder.scalar(QStringLiteral("select count(*) from jxmc")).toInt(), 4);

    // An update that touches no row still succeeds: the routines do not count rows.
    ExecStatement(QStringLiteral("update wz set prize='x' where wz='nobody'"), result, statement);
    QCOMPARE(result, SuccessResult);
    QVERIFY(messages.texts().isEmpty());
}

void StatementsTest::failedOpenQueryShowsTwoBoxesAndCloses_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("engineSays");
    QTest::newRow("syntax error") << QStringLiteral("selec name from jxmc") << QStringLiteral("syntax error");
    QTest::newRow("missing table") << QStringLiteral("select count(*) from nosuch") << QStringLiteral("no such table");
    QTest::newRow("missing saved query") << QStringLiteral("select wz from wz11") << QStringLiteral("no such table");
    QTest::newRow("missing column") << QStringLiteral("select nosuch from jxmc") << QStringLiteral("no such column");
}

void StatementsTest::failedOpenQueryShowsTwoBoxesAndCloses()
{
    QFETCH(QString, statement);
    QFETCH(QString, engineSays);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement query;
    QString result;
    OpenQuery(QStringLiteral("select name from jxmc"), result, query);
    QVERIFY(query.isOpen());

    OpenQuery(statement, result, query);
    QVERIFY(result != SuccessResult);
    QVERIFY2(result.endsWith(Marker), qPrintable(result));
    QVERIFY2(result.contains(engineSays), qPrintable(result));
    QCOMPARE(messages.texts(), QStringList({result, statement}));
    QVERIFY(!query.isOpen());
    QVERIFY(query.eof());
    QCOMPARE(query.recordCount(), 0);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, FirstInteger(query));
}

void StatementsTest::failedExecStatementShowsOneBox_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("missing table") << QStringLiteral("insert into nosuch(wz) values('Ann')");
    QTest::newRow("missing column") << QStringLiteral("insert into wz(nosuch) values('Ann')");
    QTest::newRow("unbalanced quote") << QStringLiteral("insert into wz(wz) values('O'Neil')");
    QTest::newRow("delete syntax") << QStringLiteral("delete wz where");
}

void StatementsTest::failedExecStatementShowsOneBox()
{
    QFETCH(QString, statement);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement query;
    QString result;
    ExecStatement(statement, result, query);

    QCOMPARE(messages.texts(), QStringList{result});
    QCOMPARE(messages.requests().first().kind, MessageBoxes::Kind::Plain);
    const QStringList lines = result.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3);
    QVERIFY(!lines[0].isEmpty());
    QCOMPARE(lines[1], QStringLiteral("错误"));
    QCOMPARE(lines[2], statement);
    QCOMPARE(folder.scalar(QStringLiteral("select count(*) from wz")).toInt(), 0);
}

void StatementsTest::closedStatementRefusesFields_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("never opened") << QStringLiteral("never");
    QTest::newRow("closed after open") << QStringLiteral("closed");
    QTest::newRow("after ExecStatement") << QStringLiteral("executed");
}

void StatementsTest::closedStatementRefusesFields()
{
    QFETCH(QString, how);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    if (how == QLatin1String("closed")) {
        OpenQuery(QStringLiteral("select name from jxmc"), result, statement);
        statement.close();
    } else if (how == QLatin1String("executed")) {
        ExecStatement(QStringLiteral("delete from wz"), result, statement);
    }
    QVERIFY(!statement.isOpen());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, statement.field(0));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, statement.field(QStringLiteral("name")));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, FirstInteger(statement));
    QVERIFY(messages.texts().isEmpty());
}

void StatementsTest::quotedDoublesSingleQuotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << QStringLiteral("First Prize") << QStringLiteral("'First Prize'");
    QTest::newRow("empty") << QString() << QStringLiteral("''");
    QTest::newRow("one quote") << QStringLiteral("O'Neil") << QStringLiteral("'O''Neil'");
    QTest::newRow("two quotes") << QStringLiteral("Ann's 'Best'") << QStringLiteral("'Ann''s ''Best'''");
    QTest::newRow("only a quote") << QStringLiteral("'") << QStringLiteral("''''");
    QTest::newRow("double quotes stay") << QStringLiteral("\"x\"") << QStringLiteral("'\"x\"'");
    QTest::newRow("chinese") << QStringLiteral("一等奖") << QStringLiteral("'一等奖'");
}

void StatementsTest::quotedDoublesSingleQuotes()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(Quoted(text), quoted);
}

void StatementsTest::textsRoundTripThroughTheRoutines_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one quote") << QStringLiteral("O'Neil");
    QTest::newRow("two quotes") << QStringLiteral("Ann's 'Best'");
    QTest::newRow("doubled quote") << QStringLiteral("it''s");
    QTest::newRow("chinese") << QStringLiteral("一等奖：张三");
}

void StatementsTest::textsRoundTripThroughTheRoutines()
{
    QFETCH(QString, text);
    ProgramFolder folder;
    MessageRecorder messages;
    Statement statement;
    QString result;
    const QString q = Quoted(text);
    const QStringList writes = {
        QStringLiteral("insert into jxmc(name) values(") + q + QLatin1Char(')'),
        QStringLiteral("insert into wz(wz) values(") + q + QLatin1Char(')'),
        QStringLiteral("update wz set prize=") + q + QStringLiteral(" where wz=") + q,
        QStringLiteral("insert into photo(xm,filename) values(") + q + QLatin1Char(',') + q + QLatin1Char(')'),
        QStringLiteral("update photo set class=") + q + QStringLiteral(" where xm=") + q,
        QStringLiteral("insert into zb(filename,class) values(") + q + QLatin1Char(',') + q + QLatin1Char(')'),
        QStringLiteral("insert into zb1(wz,prize) values(") + q + QLatin1Char(',') + q + QLatin1Char(')'),
    };
    for (const QString &write : writes) {
        ExecStatement(write, result, statement);
        QCOMPARE(result, SuccessResult);
    }
    const QStringList counts = {
        QStringLiteral("select count(*) from jxmc where name=") + q,
        QStringLiteral("select count(*) from wz where wz=") + q,
        QStringLiteral("select count(*) from wz where prize=") + q,
        QStringLiteral("select count(*) from photo where filename=") + q,
        QStringLiteral("select count(*) from prize where class=") + q,
        QStringLiteral("select count(*) from zb where class=") + q,
        QStringLiteral("select count(*) from zb1 where prize=") + q,
    };
    for (const QString &count : counts) {
        OpenQuery(count, result, statement);
        QCOMPARE(result, SuccessResult);
        QVERIFY2(FirstInteger(statement) == 1, qPrintable(count));
    }
    OpenQuery(QStringLiteral("select wz,prize from wz"), result, statement);
    QCOMPARE(statement.field(QStringLiteral("wz")).toString(), text);
    QCOMPARE(statement.field(QStringLiteral("prize")).toString(), text);
    QCOMPARE(folder.scalar(QStringLiteral("select class from photo")).toString(), text);

    ExecStatement(QStringLiteral("delete from wz where wz=") + q, result, statement);
    QCOMPARE(result, SuccessResult);
    QCOMPARE(folder.scalar(QStringLiteral("select count(*) from wz")).toInt(), 0);
    QVERIFY(messages.texts().isEmpty());
}

QTEST_MAIN(StatementsTest)
#include "test_statements.moc"
