// A damaged program folder must never bring the show down: junk in prize.ini, a db.MDB that
// is no database or lacks the tables, photo rows whose pictures are gone.
#include "support/FormFixture.h"
#include "support/PreparedForm.h"

#include "common/Uglobal.h"
#include "platform/DrawLabel.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

const QString Start = QStringLiteral("&Start");
const QString Draw = QStringLiteral("&Draw");
const QString Clear = QStringLiteral("&Clear Screen");

QByteArray garbage(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

// Two of each, so a draw that takes more than one at a time shows in the winner count.
void addCandidates(const ProgramFolder &folder)
{
    for (const QString &name : {QStringLiteral("Ann"), QStringLiteral("Cy")}) {
        const QString file = folder.file(name + QStringLiteral(".png"));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        if (!image.save(file))
            qFatal("cannot write a photo");
        folder.sql(QStringLiteral("insert into photo(xm,filename) values('%1','%2')").arg(name, file));
    }
    folder.sql(QStringLiteral("insert into wz(wz) values('Bob'); insert into wz(wz) values('Dee')"));
}

// Paints the whole window now, so whatever the settings did to the look is really drawn.
void paint(TForm1 *form)
{
    QVERIFY(!form->grab().isNull());
}

int winners(const ProgramFolder &folder)
{
    return folder.scalar(QStringLiteral("select count(*) from photo where class is not null")).toInt()
           + folder.scalar(QStringLiteral("select count(*) from wz where prize is not null")).toInt();
}

bool anyErrorBox(const MessageRecorder &messages)
{
    for (const MessageBoxes::Request &request : messages.requests())
        if (request.kind == MessageBoxes::Kind::Error)
            return true;
    return false;
}

}

class RobustnessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void junkSettingsStillDraw_data();
    void junkSettingsStillDraw();
    void brokenDatabaseIsReportedAndNothingRolls_data();
    void brokenDatabaseIsReportedAndNothingRolls();
    void unloadablePhotoKeepsTheRollGoing_data();
    void unloadablePhotoKeepsTheRollGoing();
};

void RobustnessTest::junkSettingsStillDraw_data()
{
    QTest::addColumn<QByteArray>("settings");

    QTest::newRow("binary garbage") << garbage(8192, 1);
    QTest::newRow("garbage values") << QByteArray("[prize]\ncaption=" + garbage(300, 2) + "\nmode=" + garbage(40, 3)
                                                  + "\nPhotoNumber=" + garbage(40, 4) + "\nFontSize=" + garbage(40, 5)
                                                  + "\nSkin=" + garbage(40, 6) + "\n[ShowWinner]\nShow="
                                                  + garbage(40, 7) + "\nCongratution1=" + garbage(300, 8) + "\n");
    static const char utf16[] = "\xFF\xFE[\0p\0r\0i\0z\0e\0]\0\n\0m\0o\0d\0e\0=\0\x31";
    QTest::newRow("UTF-16 mark, odd length") << QByteArray(utf16, sizeof utf16 - 1);
    QTest::newRow("huge numbers") << QByteArray("[prize]\nPhotoNumber=99999999999999999999\nFontSize=2147483647\n"
                                                "FontColor=-99999999999999\nSkin=4294967298\nmode=4294967297\n");
    QTest::newRow("huge font in name mode") << QByteArray("[prize]\nmode=1\nFontSize=2147483647\nFontColor=2147483647\n");
    QTest::newRow("negative numbers") << QByteArray("[prize]\nPhotoNumber=-5\nFontSize=-10\nFontColor=-1\nSkin=-7\n");
    QTest::newRow("lowest font in name mode") << QByteArray("[prize]\nmode=1\nFontSize=-2147483648\n");
    QTest::newRow("100 KB lines") << QByteArray("[prize]\ncaption=" + QByteArray(100 * 1024, 'C') + "\nFontName="
                                                + QByteArray(100 * 1024, 'F') + "\nbackground="
                                                + QByteArray(100 * 1024, 'b') + "\n[ShowWinner]\nCongratution1="
                                                + QByteArray(100 * 1024, 'W') + "\n");
    QTest::newRow("section never closed") << QByteArray("[prize\nmode=1\n[\n=\n==\n[]]\n");
}

void RobustnessTest::junkSettingsStillDraw()
{
    QFETCH(QByteArray, settings);
    ProgramFolder folder;
    MessageRecorder messages;
    addCandidates(folder);
    writeBytes(folder.file(QStringLiteral("prize.ini")), settings);

    PreparedForm window;
    TForm1 *form = window.form;
    window.show();
    paint(form);
    // Windows hand out at most 2047 characters of a value; a longer line is cut, not kept.
    QVERIFY(form->WindowCaption.size() <= 2047);
    QVERIFY(form->DrawFontName.size() <= 2047);

    form->bsSkinButton1->click();
    QCOMPARE(form->bsSkinButton1->text(), Draw);
    QVERIFY(form->Timer1->isActive());
    form->Timer1Timer();
    paint(form);
    form->Timer1Timer();
    paint(form);
    form->bsSkinButton1->click();
    QCOMPARE(form->bsSkinButton1->text(), Clear);
    paint(form);
    QCOMPARE(winners(folder), 1);
    form->bsSkinButton1->click();
    QCOMPARE(form->bsSkinButton1->text(), Start);
    paint(form);
    QVERIFY2(!anyErrorBox(messages), qPrintable(messages.texts().join(QLatin1Char('\n'))));
}

void RobustnessTest::brokenDatabaseIsReportedAndNothingRolls_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("systemError");
    QTest::addColumn<QString>("countStatement");
    const QString photoError = QStringLiteral("System error！");
    const QString photoCount = QStringLiteral("select count(*) from photo where class is null");
    const QString nameError = QStringLiteral("System error!");
    const QString nameCount = QStringLiteral("select count(*) from wz where prize is null");

    QTest::newRow("text, photo mode") << "text" << 0 << photoError << photoCount;
    QTest::newRow("text, name mode") << "text" << 1 << nameError << nameCount;
    QTest::newRow("empty file") << "empty" << 0 << photoError << photoCount;
    QTest::newRow("other tables, photo mode") << "other" << 0 << photoError << photoCount;
    QTest::newRow("other tables, name mode") << "other" << 1 << nameError << nameCount;
    QTest::newRow("cut short") << "cut" << 1 << nameError << nameCount;
}

void RobustnessTest::brokenDatabaseIsReportedAndNothingRolls()
{
    QFETCH(QString, damage);
    QFETCH(int, mode);
    QFETCH(QString, systemError);
    QFETCH(QString, countStatement);
    ProgramFolder folder(damage == QLatin1String("cut"));
    MessageRecorder messages;
    const QString database = folder.file(QStringLiteral("db.MDB"));
    if (damage == QLatin1String("text"))
        writeBytes(database, QByteArray("This is the guest list, not a database.\n").repeated(200));
    else if (damage == QLatin1String("empty"))
        writeBytes(database, QByteArray());
    else if (damage == QLatin1String("other"))
        folder.sql(QStringLiteral("create table guests(name text); insert into guests values('Ann')"));
    else
        QVERIFY(QFile::resize(database, 4096));
    const QByteArray before = fileBytes(database);
    folder.writeSettings(DrawSettings(mode));

    PreparedForm window;
    TForm1 *form = window.form;
    window.show();
    paint(form);
    // The grade list could not be read: reported once, and the window is up all the same.
    QCOMPARE(messages.requests().size(), 1);
    QCOMPARE(messages.requests()[0].kind, MessageBoxes::Kind::Error);
    QCOMPARE(form->bsSkinComboBox1->count(), 0);
    messages.clear();

    form->bsSkinButton1->click();
    QStringList texts = messages.texts();
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts[0].endsWith(QStringLiteral("\r\n错误")), qPrintable(texts[0]));
    QCOMPARE(texts[1], countStatement);
    QCOMPARE(texts[2], systemError);
    QCOMPARE(form->bsSkinButton1->text(), Start);
    QVERIFY(!form->Timer1->isActive());

    messages.clear();
    form->FormKeyPress(QLatin1Char('\r'));
    QCOMPARE(messages.texts().size(), 3);
    form->FormKeyPress(QLatin1Char(' '));
    QVERIFY(!form->Timer1->isActive());
    QVERIFY(!form->DrawOpen);
    QVERIFY(form->LabelWZ->caption().isEmpty());

    // The other database work of the window fails the same quiet way.
    messages.clear();
    QCOMPARE(form->WinnerCountText(), QString());
    QCOMPARE(messages.texts().size(), 2);
    messages.clear();
    messages.scriptAnswers({MessageBoxes::Answer::Yes});
    form->ActionInitExecute();
    QCOMPARE(messages.requests().size(), 2);
    QCOMPARE(messages.requests()[1].kind, MessageBoxes::Kind::Error);
    paint(form);

    QCOMPARE(fileBytes(database), before);
}

void RobustnessTest::unloadablePhotoKeepsTheRollGoing_data()
{
    QTest::addColumn<QString>("filename");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("file gone") << "gone.jpg" << QByteArray();
    QTest::newRow("text named jpg") << "notes.jpg" << QByteArray("a shopping list\n");
    QTest::newRow("empty file") << "empty.png" << QByteArray("");
    static const char cutPng[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
    QTest::newRow("cut picture") << "cut.png" << QByteArray(cutPng, sizeof cutPng - 1);
    QTest::newRow("folder") << "." << QByteArray();
    QTest::newRow("no name") << "" << QByteArray();
}

void RobustnessTest::unloadablePhotoKeepsTheRollGoing()
{
    QFETCH(QString, filename);
    QFETCH(QByteArray, content);
    FormFixture f(DrawSettings(0));
    const QString path = filename.isEmpty() ? QString() : QDir::cleanPath(f.folder.file(filename));
    if (!content.isNull())
        writeBytes(path, content);
    f.folder.sql(QStringLiteral("insert into photo(xm,filename) values('Ann','%1')").arg(path));
    f.show();

    f.form->bsSkinButton1->click();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(f.form->Timer1->isActive());
        f.form->Timer1Timer();
        paint(f.form);
    }
    QVERIFY(f.form->Timer1->isActive());
    QVERIFY(!f.form->Slot(1)->hasPicture());
    QCOMPARE(f.form->Slot(1)->placeholderText(), QStringLiteral("Ann"));
    QCOMPARE(f.form->Caption(), QStringLiteral("Ann"));
    QVERIFY(f.form->SlotPhotoId[0].has_value());

    f.form->bsSkinButton1->click();
    QCOMPARE(f.folder.scalar(QStringLiteral("select class from photo")).toString(), QStringLiteral("First Prize"));
    QVERIFY(f.messages.texts().isEmpty());
}

QTEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
