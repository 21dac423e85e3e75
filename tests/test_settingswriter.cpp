#include "platform/IniFile.h"
#include "settings/SettingsWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(OptionsSettings)

namespace {

OptionsSettings flagsSet()
{
    OptionsSettings s;
    s.caption = QStringLiteral("新年抽奖");
    s.backgroundPath = QStringLiteral("C:\\Quellmark\\background\\stage.jpg");
    s.photoPath = QStringLiteral("D:\\Photos");
    s.skinIndex = 2;
    s.mode = 0;
    s.rollSoundPath = QStringLiteral("C:\\Quellmark\\sound\\roll.mp3");
    s.drawSoundPath = QString();
    s.rollSoundChoice = 11;
    s.drawSoundChoice = 15;
    s.backgroundChoice = 16;
    s.fontColor = 255;
    s.fontSize = 72;
    s.fontName = QStringLiteral("Arial");
    s.photoFullScreen = true;
    s.photoNumber = 6;
    s.showCongratulation = true;
    s.congratulationText1 = QStringLiteral("Glückwunsch");
    s.congratulationText2 = QStringLiteral("gewinnt");
    s.showWinnerName = true;
    s.showPrizeClass = true;
    return s;
}

OptionsSettings flagsClear()
{
    OptionsSettings s;
    s.caption = QStringLiteral("Lucky Draw");
    s.backgroundPath = QStringLiteral("C:\\Quellmark\\background\\1.jpg");
    s.photoPath = QStringLiteral("None");
    s.skinIndex = 5;
    s.mode = 1;
    s.rollSoundPath = QStringLiteral("None");
    s.drawSoundPath = QStringLiteral("None");
    s.rollSoundChoice = 12;
    s.drawSoundChoice = 0;
    s.backgroundChoice = 0;
    s.fontColor = -2147483647 - 1;
    s.fontSize = 9;
    s.fontName = QStringLiteral("Microsoft YaHei");
    s.photoFullScreen = false;
    s.photoNumber = 1;
    s.showCongratulation = false;
    s.congratulationText1 = QStringLiteral("Congratulations");
    s.congratulationText2 = QStringLiteral("Won");
    s.showWinnerName = false;
    s.showPrizeClass = false;
    return s;
}

} // namespace

class TestSettingsWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void newFileHoldsKeysInOrder_data();
    void newFileHoldsKeysInOrder();
    void rewriteReplacesValuesInPlace();
    void handEditedFileKeepsItsOrder();
    void failedWritePropagates();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("prize.ini")); }
    QString fileText() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestSettingsWriter::fileText() const
{
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TestSettingsWriter::newFileHoldsKeysInOrder_data()
{
    QTest::addColumn<OptionsSettings>("settings");
    QTest::addColumn<QString>("expected");

    QTest::newRow("flags set") << flagsSet()
        << QStringLiteral("[prize]\n"
                          "caption=新年抽奖\n"
                          "background=C:\\Quellmark\\background\\stage.jpg\n"
                          "PhotoPath=D:\\Photos\n"
                          "Skin=2\n"
                          "Mode=0\n"
                          "BackGroundSound1=C:\\Quellmark\\sound\\roll.mp3\n"
                          "BackGroundSound2=\n"
                          "bgs1=11\n"
                          "bgs2=15\n"
                          "bg=16\n"
                          "FontColor=255\n"
                          "FontSize=72\n"
                          "FontName=Arial\n"
                          "PhotoFullScreen=1\n"
                          "PhotoNumber=6\n"
                          "[ShowWinner]\n"
                          "Show=true\n"
                          "Congratution1=Glückwunsch\n"
                          "Congratution2=gewinnt\n"
                          "ShowWinnerName=true\n"
                          "ShowPrizeClass=true\n");
    QTest::newRow("flags clear") << flagsClear()
        << QStringLiteral("[prize]\n"
                          "caption=Lucky Draw\n"
                          "background=C:\\Quellmark\\background\\1.jpg\n"
                          "PhotoPath=None\n"
                          "Skin=5\n"
                          "Mode=1\n"
                          "BackGroundSound1=None\n"
                          "BackGroundSound2=None\n"
                          "bgs1=12\n"
                          "bgs2=0\n"
                          "bg=0\n"
                          "FontColor=-2147483648\n"
                          "FontSize=9\n"
                          "FontName=Microsoft YaHei\n"
                          "PhotoFullScreen=0\n"
                          "PhotoNumber=1\n"
                          "[ShowWinner]\n"
                          "Show=false\n"
                          "Congratution1=Congratulations\n"
                          "Congratution2=Won\n"
                          "ShowWinnerName=false\n"
                          "ShowPrizeClass=false\n");
}

void TestSettingsWriter::newFileHoldsKeysInOrder()
{
    QFETCH(OptionsSettings, settings);
    QFETCH(QString, expected);

    WriteSettings(iniPath(), settings);
    QCOMPARE(fileText(), expected);
}

void TestSettingsWriter::rewriteReplacesValuesInPlace()
{
    WriteSettings(iniPath(), flagsClear());
    const QString fresh = fileText();
    QVERIFY(QFile::remove(iniPath()));

    WriteSettings(iniPath(), flagsSet());
    WriteSettings(iniPath(), flagsClear());
    QCOMPARE(fileText(), fresh);
}

void TestSettingsWriter::handEditedFileKeepsItsOrder()
{
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ShowWinner]\r\nshow=true\r\n\r\n[Prize]\r\nPhotoNumber=3\r\nCAPTION=Old\r\n; mine\r\nOwnKey=kept\r\n");
    }

    WriteSettings(iniPath(), flagsClear());
    QCOMPARE(fileText(),
             QStringLiteral("[ShowWinner]\r\n"
                            "show=false\r\n"
                            "Congratution1=Congratulations\r\n"
                            "Congratution2=Won\r\n"
                            "ShowWinnerName=false\r\n"
                            "ShowPrizeClass=false\r\n"
                            "\r\n"
                            "[Prize]\r\n"
                            "PhotoNumber=1\r\n"
                            "CAPTION=Lucky Draw\r\n"
                            "; mine\r\n"
                            "OwnKey=kept\r\n"
                            "background=C:\\Quellmark\\background\\1.jpg\r\n"
                            "PhotoPath=None\r\n"
                            "Skin=5\r\n"
                            "Mode=1\r\n"
                            "BackGroundSound1=None\r\n"
                            "BackGroundSound2=None\r\n"
                            "bgs1=12\r\n"
                            "bgs2=0\r\n"
                            "bg=0\r\n"
                            "FontColor=-2147483648\r\n"
                            "FontSize=9\r\n"
                            "FontName=Microsoft YaHei\r\n"
                            "PhotoFullScreen=0\r\n"));
}

void TestSettingsWriter::failedWritePropagates()
{
    const QString path = m_dir->filePath(QStringLiteral("missing/prize.ini"));
    try {
        WriteSettings(path, flagsSet());
        QFAIL("no IniWriteError thrown");
    } catch (const IniWriteError &error) {
        QCOMPARE(QString::fromStdString(error.what()), "Unable to write to " + path);
    }
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "test_settingswriter.moc"
