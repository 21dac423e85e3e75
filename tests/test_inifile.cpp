#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <unistd.h>

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readsValue_data();
    void readsValue();
    void missingFileGivesDefault();
    void readsChangesMadeBetweenCalls();

    void writesInPlaceOrAppends_data();
    void writesInPlaceOrAppends();
    void createsMissingFile();
    void writtenValueReadsBack();

    void keepsEncodingAndByteOrderMark_data();
    void keepsEncodingAndByteOrderMark();

    void failedWriteThrows_data();
    void failedWriteThrows();
    void readOnlyFileKeepsItsContent();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("prize.ini")); }
    void writeBytes(const QByteArray &bytes) const;
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::writeBytes(const QByteArray &bytes) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestIniFile::fileBytes() const
{
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestIniFile::readsValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString caption = QStringLiteral("caption");
    const QString fallback = QStringLiteral("None");
    const QByteArray longValue(3000, 'x');
    const QString capped(2047, u'x');

    QTest::newRow("section and key ignore case")
        << QByteArray("[Prize]\nMode=1\n") << "PRIZE" << "mode" << "1";
    QTest::newRow("blanks around section name")
        << QByteArray("  [ \tprize  ]  \ncaption=x\n") << "prize" << caption << "x";
    QTest::newRow("blanks around key and value trimmed")
        << QByteArray("[prize]\n \t caption \t= \t Lucky Draw \t \n") << "prize" << caption << "Lucky Draw";
    QTest::newRow("double quotes stripped, inner blanks kept")
        << QByteArray("[prize]\ncaption= \"  Lucky  \" \n") << "prize" << caption << "  Lucky  ";
    QTest::newRow("single quotes stripped")
        << QByteArray("[prize]\ncaption='Lucky'\n") << "prize" << caption << "Lucky";
    QTest::newRow("lone opening quote stays")
        << QByteArray("[prize]\ncaption=\"Lucky\n") << "prize" << caption << "\"Lucky";
    QTest::newRow("lone closing quote stays")
        << QByteArray("[prize]\ncaption=Lucky'\n") << "prize" << caption << "Lucky'";
    QTest::newRow("unlike quotes stay")
        << QByteArray("[prize]\ncaption=\"Lucky'\n") << "prize" << caption << "\"Lucky'";
    QTest::newRow("single quote character stays")
        << QByteArray("[prize]\ncaption=\"\n") << "prize" << caption << "\"";
    QTest::newRow("pair of quotes gives empty text")
        << QByteArray("[prize]\ncaption=\"\"\n") << "prize" << caption << "";
    QTest::newRow("empty value is not the default")
        << QByteArray("[prize]\ncaption=\n") << "prize" << caption << "";
    QTest::newRow("equals sign inside value")
        << QByteArray("[prize]\ncaption=a=b\n") << "prize" << caption << "a=b";
    QTest::newRow("value capped at 2047 characters")
        << "[prize]\ncaption=" + longValue + "\n" << "prize" << caption << capped;
    QTest::newRow("value of 2047 characters whole")
        << "[prize]\ncaption=" + QByteArray(2047, 'x') << "prize" << caption << capped;
    QTest::newRow("cap applies after quotes are stripped")
        << "[prize]\ncaption=\"" + longValue + "\"" << "prize" << caption << capped;
    QTest::newRow("first duplicate key wins")
        << QByteArray("[prize]\ncaption=first\nCAPTION=second\n") << "prize" << caption << "first";
    QTest::newRow("first duplicate section wins")
        << QByteArray("[prize]\nMode=1\n[prize]\nMode=2\n") << "prize" << "mode" << "1";
    QTest::newRow("later duplicate section not searched")
        << QByteArray("[prize]\nMode=1\n[prize]\ncaption=x\n") << "prize" << caption << fallback;
    QTest::newRow("commented key skipped")
        << QByteArray("[prize]\n;caption=hidden\n  ; caption=hidden\ncaption=shown\n") << "prize" << caption << "shown";
    QTest::newRow("only a commented key")
        << QByteArray("[prize]\n;caption=hidden\n") << "prize" << caption << fallback;
    QTest::newRow("blank lines between keys")
        << QByteArray("[prize]\n\n\ncaption=x\n") << "prize" << caption << "x";
    QTest::newRow("CRLF line ends")
        << QByteArray("[prize]\r\ncaption=x\r\nMode=1\r\n") << "prize" << caption << "x";
    QTest::newRow("missing key")
        << QByteArray("[prize]\nMode=1\n") << "prize" << caption << fallback;
    QTest::newRow("missing section")
        << QByteArray("[ShowWinner]\ncaption=x\n") << "prize" << caption << fallback;
    QTest::newRow("key of the next section")
        << QByteArray("[prize]\n[ShowWinner]\ncaption=x\n") << "prize" << caption << fallback;
    QTest::newRow("key before any section")
        << QByteArray("caption=x\n[prize]\n") << "prize" << caption << fallback;
    QTest::newRow("empty file")
        << QByteArray() << "prize" << caption << fallback;
    QTest::newRow("UTF-8 text")
        << QByteArray("[prize]\ncaption=\xE6\x8A\xBD\xE5\xA5\x96\n") << "prize" << caption << "抽奖";
    QTest::newRow("UTF-8 byte order mark before first section")
        << QByteArray("\xEF\xBB\xBF[prize]\ncaption=\xE6\x8A\xBD\xE5\xA5\x96\n") << "prize" << caption << "抽奖";
}

void TestIniFile::readsValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    writeBytes(content);
    QCOMPARE(IniFile(iniPath()).readString(section, key, QStringLiteral("None")), expected);
}

void TestIniFile::missingFileGivesDefault()
{
    const IniFile ini(iniPath());
    QCOMPARE(ini.readString(QStringLiteral("prize"), QStringLiteral("FontSize"), QStringLiteral("60")),
             QStringLiteral("60"));
    QVERIFY(!QFile::exists(iniPath()));
}

void TestIniFile::readsChangesMadeBetweenCalls()
{
    const IniFile ini(iniPath());
    writeBytes("[prize]\nMode=0\n");
    QCOMPARE(ini.readString(QStringLiteral("prize"), QStringLiteral("Mode"), QString()), QStringLiteral("0"));
    writeBytes("[prize]\nMode=1\n");
    QCOMPARE(ini.readString(QStringLiteral("prize"), QStringLiteral("Mode"), QString()), QStringLiteral("1"));
}

void TestIniFile::writesInPlaceOrAppends_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray other("; hand-written note\n\n[prize]\nCaption = old \n\n[ShowWinner]\nShow=true\n");

    QTest::newRow("replace keeps every other byte")
        << other << "prize" << "caption" << "new"
        << QByteArray("; hand-written note\n\n[prize]\nCaption = new\n\n[ShowWinner]\nShow=true\n");
    QTest::newRow("replace matches section and key in any case")
        << QByteArray("[PRIZE]\nmode=0\nbg=3\n") << "prize" << "Mode" << "1"
        << QByteArray("[PRIZE]\nmode=1\nbg=3\n");
    QTest::newRow("replace drops the old quotes")
        << QByteArray("[prize]\ncaption=\"old\"\n") << "prize" << "caption" << "new"
        << QByteArray("[prize]\ncaption=new\n");
    QTest::newRow("replace only the first duplicate")
        << QByteArray("[prize]\nMode=0\nMode=2\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\nMode=1\nMode=2\n");
    QTest::newRow("commented key left alone")
        << QByteArray("[prize]\ncaption=x\n;Mode=0\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\ncaption=x\nMode=1\n;Mode=0\n");
    QTest::newRow("new key before the next section")
        << QByteArray("[prize]\ncaption=x\n[ShowWinner]\nShow=true\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\ncaption=x\nMode=1\n[ShowWinner]\nShow=true\n");
    QTest::newRow("new key before trailing blank lines")
        << QByteArray("[prize]\ncaption=x\n\n\n[ShowWinner]\nShow=true\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\ncaption=x\nMode=1\n\n\n[ShowWinner]\nShow=true\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[prize]\n\n[ShowWinner]\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\nMode=1\n\n[ShowWinner]\n");
    QTest::newRow("new key after a last line without line break")
        << QByteArray("[prize]\ncaption=x") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\ncaption=x\nMode=1\n");
    QTest::newRow("new key goes to the first of duplicate sections")
        << QByteArray("[prize]\ncaption=x\n[prize]\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\ncaption=x\nMode=1\n[prize]\n");
    QTest::newRow("new section at the end")
        << QByteArray("[prize]\ncaption=x\n\n") << "ShowWinner" << "Show" << "true"
        << QByteArray("[prize]\ncaption=x\n\n[ShowWinner]\nShow=true\n");
    QTest::newRow("new section after a last line without line break")
        << QByteArray("[prize]\ncaption=x") << "ShowWinner" << "Show" << "true"
        << QByteArray("[prize]\ncaption=x\n[ShowWinner]\nShow=true\n");
    QTest::newRow("CRLF kept on replace")
        << QByteArray("[prize]\r\ncaption=old\r\nMode=0\r\n") << "prize" << "caption" << "new"
        << QByteArray("[prize]\r\ncaption=new\r\nMode=0\r\n");
    QTest::newRow("CRLF for a new key")
        << QByteArray("[prize]\r\ncaption=x\r\n[ShowWinner]\r\n") << "prize" << "Mode" << "1"
        << QByteArray("[prize]\r\ncaption=x\r\nMode=1\r\n[ShowWinner]\r\n");
    QTest::newRow("CRLF for a new section")
        << QByteArray("[prize]\r\ncaption=x") << "ShowWinner" << "Show" << "true"
        << QByteArray("[prize]\r\ncaption=x\r\n[ShowWinner]\r\nShow=true\r\n");
    QTest::newRow("line break in a value cannot split the entry")
        << QByteArray("[prize]\ncaption=old\n") << "prize" << "caption" << "two\r\nlines"
        << QByteArray("[prize]\ncaption=two  lines\n");
}

void TestIniFile::writesInPlaceOrAppends()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    writeBytes(before);
    IniFile(iniPath()).writeString(section, key, value);
    QCOMPARE(fileBytes(), after);
}

void TestIniFile::createsMissingFile()
{
    const IniFile ini(iniPath());
    ini.writeString(QStringLiteral("prize"), QStringLiteral("caption"), QStringLiteral("Lucky"));
    ini.writeString(QStringLiteral("prize"), QStringLiteral("Mode"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("ShowWinner"), QStringLiteral("Show"), QStringLiteral("true"));
    QCOMPARE(fileBytes(), QByteArray("[prize]\ncaption=Lucky\nMode=1\n[ShowWinner]\nShow=true\n"));
}

void TestIniFile::writtenValueReadsBack()
{
    const IniFile ini(iniPath());
    const QString caption = QStringLiteral("  抽奖 Glückwunsch  ");
    ini.writeString(QStringLiteral("prize"), QStringLiteral("caption"), caption);
    QCOMPARE(ini.readString(QStringLiteral("PRIZE"), QStringLiteral("Caption"), QString()), caption.trimmed());
    QCOMPARE(fileBytes(), QStringLiteral("[prize]\ncaption=%1\n").arg(caption).toUtf8());
}

void TestIniFile::keepsEncodingAndByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("bom");
    QTest::addColumn<int>("encoding");

    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") << int(QStringConverter::Utf16LE);
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") << int(QStringConverter::Utf16BE);
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") << int(QStringConverter::Utf8);
    QTest::newRow("UTF-8 without BOM") << QByteArray() << int(QStringConverter::Utf8);
}

void TestIniFile::keepsEncodingAndByteOrderMark()
{
    QFETCH(QByteArray, bom);
    QFETCH(int, encoding);
    const auto encoded = [&](const QString &text) {
        QStringEncoder encoder{QStringConverter::Encoding(encoding)};
        return bom + QByteArray(encoder.encode(text));
    };

    writeBytes(encoded(QStringLiteral("[prize]\r\ncaption=抽奖\r\nMode=0\r\n")));
    const IniFile ini(iniPath());
    QCOMPARE(ini.readString(QStringLiteral("prize"), QStringLiteral("caption"), QString()), QStringLiteral("抽奖"));

    ini.writeString(QStringLiteral("prize"), QStringLiteral("caption"), QStringLiteral("新年抽奖"));
    ini.writeString(QStringLiteral("ShowWinner"), QStringLiteral("Congratution1"), QStringLiteral("Glückwunsch"));
    QCOMPARE(fileBytes(),
             encoded(QStringLiteral("[prize]\r\ncaption=新年抽奖\r\nMode=0\r\n[ShowWinner]\r\nCongratution1=Glückwunsch\r\n")));
    QCOMPARE(ini.readString(QStringLiteral("ShowWinner"), QStringLiteral("Congratution1"), QString()),
             QStringLiteral("Glückwunsch"));
}

void TestIniFile::failedWriteThrows_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("folder does not exist") << QStringLiteral("missing/prize.ini");
    QTest::newRow("path is a folder") << QStringLiteral("folder");
}

void TestIniFile::failedWriteThrows()
{
    QFETCH(QString, path);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    const QString fullPath = m_dir->filePath(path);

    try {
        IniFile(fullPath).writeString(QStringLiteral("prize"), QStringLiteral("caption"), QStringLiteral("x"));
        QFAIL("no IniWriteError thrown");
    } catch (const IniWriteError &error) {
        QCOMPARE(QString::fromStdString(error.what()), "Unable to write to " + fullPath);
    }
    QCOMPARE(QFileInfo(fullPath).isFile(), false);
}

void TestIniFile::readOnlyFileKeepsItsContent()
{
    if (geteuid() == 0)
        QSKIP("root may write to read-only files");
    const QByteArray content("[prize]\nMode=0\n");
    writeBytes(content);
    QVERIFY(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner));

    QVERIFY_THROWS_EXCEPTION(IniWriteError,
        IniFile(iniPath()).writeString(QStringLiteral("prize"), QStringLiteral("Mode"), QStringLiteral("1")));
    QCOMPARE(fileBytes(), content);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
