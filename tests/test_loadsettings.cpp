// How the main window reads prize.ini: values, defaults, the forgiving conversions of a
// hand-edited file, and the background picture with its bg.jpg fallback.
#include "support/FormFixture.h"
#include "support/PreparedForm.h"

#include "common/Uglobal.h"
#include "platform/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

const QString LoadFailed = QStringLiteral("Load background image failed! ");
// The size of the bg.jpg that every test folder holds.
const QSize FallbackSize(64, 36);

// The value a test names, read from the window or the shared settings.
QVariant settingValue(const TForm1 &form, const QString &name)
{
    if (name == QLatin1String("DrawMode")) return DrawMode;
    if (name == QLatin1String("PhotoCount")) return PhotoCount;
    if (name == QLatin1String("SkinFile")) return SkinFile.mid(ExecutableFolder().size());
    if (name == QLatin1String("ShowCongratulation")) return ShowCongratulation;
    if (name == QLatin1String("CongratulationShowsNames")) return CongratulationShowsNames;
    if (name == QLatin1String("CongratulationShowsGrade")) return CongratulationShowsGrade;
    if (name == QLatin1String("CongratulationText1")) return CongratulationText1;
    if (name == QLatin1String("CongratulationText2")) return CongratulationText2;
    if (name == QLatin1String("WindowCaption")) return form.WindowCaption;
    if (name == QLatin1String("Caption")) return form.Caption();
    if (name == QLatin1String("RollSoundFile")) return form.RollSoundFile;
    if (name == QLatin1String("DrawSoundFile")) return form.DrawSoundFile;
    if (name == QLatin1String("DrawFontName")) return form.DrawFontName;
    if (name == QLatin1String("DrawFontSize")) return form.DrawFontSize;
    if (name == QLatin1String("DrawFontColor")) return form.DrawFontColor;
    if (name == QLatin1String("StretchPhotos")) return form.StretchPhotos;
    if (name == QLatin1String("SlotsProportional")) return form.Slot(1)->proportional();
    qFatal("unknown setting %s", qPrintable(name));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

}

class LoadSettingsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void withoutFileEveryValueKeepsItsInitialValue();
    void absentKeysGiveTheirDefaults_data();
    void absentKeysGiveTheirDefaults();
    void keyValueTakesEffect_data();
    void keyValueTakesEffect();
    void unreadableNumberOnReload_data();
    void unreadableNumberOnReload();
    void background_data();
    void background();
    void missingBackgroundIsReportedOnEveryLoad();
};

void LoadSettingsTest::withoutFileEveryValueKeepsItsInitialValue()
{
    FormFixture f;
    QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("prize.ini"))));
    QCOMPARE(DrawMode, 0);
    QCOMPARE(PhotoCount, 0);
    QCOMPARE(SkinFile, QString());
    QVERIFY(!ShowCongratulation);
    QVERIFY(!CongratulationShowsNames);
    QVERIFY(!CongratulationShowsGrade);
    QCOMPARE(CongratulationText1, QString());
    QCOMPARE(CongratulationText2, QString());
    QCOMPARE(f.form->WindowCaption, QString());
    QCOMPARE(f.form->Caption(), QString());
    QCOMPARE(f.form->RollSoundFile, QString());
    QCOMPARE(f.form->DrawSoundFile, QString());
    QCOMPARE(f.form->DrawFontName, QString());
    QCOMPARE(f.form->DrawFontSize, 0);
    QCOMPARE(f.form->DrawFontColor, 0);
    QVERIFY(!f.form->StretchPhotos);
    QVERIFY(f.form->Slot(1)->proportional());
    // Nothing was read, the background name included.
    QVERIFY(!f.form->Image1->hasPicture());
    QCOMPARE(AppFolder, f.folder.path());
    QVERIFY(f.messages.texts().isEmpty());
}

void LoadSettingsTest::absentKeysGiveTheirDefaults_data()
{
    QTest::addColumn<QString>("settings");
    QTest::newRow("empty sections") << QStringLiteral("[prize]\n[ShowWinner]\n");
    QTest::newRow("other section only") << QStringLiteral("[other]\ncaption=Elsewhere\nmode=1\n");
}

void LoadSettingsTest::absentKeysGiveTheirDefaults()
{
    QFETCH(QString, settings);
    FormFixture f(settings);
    const QString none = QStringLiteral("None");
    QCOMPARE(f.form->WindowCaption, none);
    QCOMPARE(f.form->Caption(), none);
    QCOMPARE(f.form->RollSoundFile, none);
    QCOMPARE(f.form->DrawSoundFile, none);
    QCOMPARE(f.form->DrawFontName, QStringLiteral("Arial"));
    QCOMPARE(f.form->DrawFontSize, 60);
    QCOMPARE(f.form->DrawFontColor, 0);
    QVERIFY(!f.form->StretchPhotos);
    QCOMPARE(DrawMode, 0);
    QCOMPARE(PhotoCount, 1);
    QCOMPARE(SkinFile, f.folder.path() + QStringLiteral("skins/Orange/skin.ini"));
    QVERIFY(ShowCongratulation);
    QVERIFY(CongratulationShowsNames);
    QVERIFY(CongratulationShowsGrade);
    QCOMPARE(CongratulationText1, QStringLiteral("Congratulations"));
    QCOMPARE(CongratulationText2, QStringLiteral("Won"));
    QCOMPARE(f.form->Image1->picture().size(), FallbackSize);
    QVERIFY(f.messages.texts().isEmpty());
}

void LoadSettingsTest::keyValueTakesEffect_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("mode read as written") << QStringLiteral("[prize]\nMode=1\n") << "DrawMode" << QVariant(1);
    QTest::newRow("mode lower case") << QStringLiteral("[prize]\nmode=1\n") << "DrawMode" << QVariant(1);
    QTest::newRow("section upper case") << QStringLiteral("[PRIZE]\nMODE=1\n") << "DrawMode" << QVariant(1);
    QTest::newRow("mode not a number") << QStringLiteral("[prize]\nmode=name\n") << "DrawMode" << QVariant(0);
    QTest::newRow("mode out of range kept") << QStringLiteral("[prize]\nmode=5\n") << "DrawMode" << QVariant(5);

    QTest::newRow("Show true") << QStringLiteral("[ShowWinner]\nShow=true\n") << "ShowCongratulation" << QVariant(true);
    QTest::newRow("Show True") << QStringLiteral("[ShowWinner]\nShow=True\n") << "ShowCongratulation" << QVariant(false);
    QTest::newRow("Show 1") << QStringLiteral("[ShowWinner]\nShow=1\n") << "ShowCongratulation" << QVariant(false);
    QTest::newRow("Show quoted true") << QStringLiteral("[showwinner]\nshow=\"true\"\n") << "ShowCongratulation"
                                      << QVariant(true);
    QTest::newRow("names TRUE") << QStringLiteral("[ShowWinner]\nShowWinnerName=TRUE\n") << "CongratulationShowsNames"
                                << QVariant(false);
    QTest::newRow("grade yes") << QStringLiteral("[ShowWinner]\nShowPrizeClass=yes\n") << "CongratulationShowsGrade"
                               << QVariant(false);
    QTest::newRow("grade false") << QStringLiteral("[ShowWinner]\nShowPrizeClass=false\n") << "CongratulationShowsGrade"
                                 << QVariant(false);
    QTest::newRow("first text") << QStringLiteral("[ShowWinner]\nCongratution1=恭喜\n") << "CongratulationText1"
                                << QVariant(QStringLiteral("恭喜"));
    QTest::newRow("second text") << QStringLiteral("[ShowWinner]\nCongratution2= won it \n") << "CongratulationText2"
                                 << QVariant(QStringLiteral("won it"));

    QTest::newRow("full screen false stretches") << QStringLiteral("[prize]\nPhotoFullScreen=false\n")
                                                 << "StretchPhotos" << QVariant(true);
    QTest::newRow("full screen false slots") << QStringLiteral("[prize]\nPhotoFullScreen=false\n")
                                             << "SlotsProportional" << QVariant(false);
    QTest::newRow("full screen 1") << QStringLiteral("[prize]\nPhotoFullScreen=1\n") << "StretchPhotos" << QVariant(true);
    QTest::newRow("full screen 0") << QStringLiteral("[prize]\nPhotoFullScreen=0\n") << "StretchPhotos" << QVariant(false);
    QTest::newRow("full screen 0 slots") << QStringLiteral("[prize]\nPhotoFullScreen=0\n") << "SlotsProportional"
                                         << QVariant(true);
    QTest::newRow("full screen empty") << QStringLiteral("[prize]\nPhotoFullScreen=\n") << "StretchPhotos"
                                       << QVariant(true);

    QTest::newRow("skin 2 is Clouds") << QStringLiteral("[prize]\nSkin=2\n") << "SkinFile"
                                      << QVariant(QStringLiteral("skins/Clouds/skin.ini"));
    QTest::newRow("skin 5") << QStringLiteral("[prize]\nSkin=5\n") << "SkinFile"
                            << QVariant(QStringLiteral("skins/Ketix/skin.ini"));
    QTest::newRow("skin 9") << QStringLiteral("[prize]\nSkin=9\n") << "SkinFile"
                            << QVariant(QStringLiteral("skins/Orange/skin.ini"));
    QTest::newRow("skin -1") << QStringLiteral("[prize]\nSkin=-1\n") << "SkinFile"
                             << QVariant(QStringLiteral("skins/Orange/skin.ini"));
    QTest::newRow("skin not a number") << QStringLiteral("[prize]\nSkin=Clouds\n") << "SkinFile"
                                       << QVariant(QStringLiteral("skins/Orange/skin.ini"));

    QTest::newRow("photo number") << QStringLiteral("[prize]\nPhotoNumber=4\n") << "PhotoCount" << QVariant(4);
    QTest::newRow("photo number not a number") << QStringLiteral("[prize]\nPhotoNumber=four\n") << "PhotoCount"
                                               << QVariant(1);
    QTest::newRow("photo number used unchanged") << QStringLiteral("[prize]\nPhotoNumber=-3\n") << "PhotoCount"
                                                 << QVariant(-3);
    QTest::newRow("photo number empty") << QStringLiteral("[prize]\nPhotoNumber=\n") << "PhotoCount" << QVariant(1);

    QTest::newRow("font color") << QStringLiteral("[prize]\nFontColor=255\n") << "DrawFontColor" << QVariant(255);
    QTest::newRow("font color negative") << QStringLiteral("[prize]\nFontColor=-16777201\n") << "DrawFontColor"
                                         << QVariant(-16777201);
    QTest::newRow("font color not a number") << QStringLiteral("[prize]\nFontColor=red\n") << "DrawFontColor"
                                             << QVariant(0);
    QTest::newRow("font size") << QStringLiteral("[prize]\nFontSize=24\n") << "DrawFontSize" << QVariant(24);
    QTest::newRow("font size not a number") << QStringLiteral("[prize]\nFontSize=big\n") << "DrawFontSize"
                                            << QVariant(0);
    QTest::newRow("font name") << QStringLiteral("[prize]\nFontName=DejaVu Serif\n") << "DrawFontName"
                               << QVariant(QStringLiteral("DejaVu Serif"));

    QTest::newRow("caption") << QStringLiteral("[prize]\ncaption=Gala Night\n") << "WindowCaption"
                             << QVariant(QStringLiteral("Gala Night"));
    QTest::newRow("caption blanks") << QStringLiteral("[prize]\ncaption=   Gala Night \t\n") << "WindowCaption"
                                    << QVariant(QStringLiteral("Gala Night"));
    QTest::newRow("caption double quotes") << QStringLiteral("[prize]\ncaption= \"  Gala Night \" \n") << "WindowCaption"
                                           << QVariant(QStringLiteral("  Gala Night "));
    QTest::newRow("caption single quotes") << QStringLiteral("[prize]\ncaption='Gala Night'\n") << "WindowCaption"
                                           << QVariant(QStringLiteral("Gala Night"));
    QTest::newRow("caption shown") << QStringLiteral("[prize]\ncaption=  年会抽奖  \n") << "Caption"
                                   << QVariant(QStringLiteral("年会抽奖"));
    QTest::newRow("caption empty") << QStringLiteral("[prize]\ncaption=\n") << "WindowCaption" << QVariant(QString());
    QTest::newRow("roll sound") << QStringLiteral("[prize]\nBackGroundSound1=/music/roll one.mp3\n") << "RollSoundFile"
                                << QVariant(QStringLiteral("/music/roll one.mp3"));
    QTest::newRow("draw sound empty") << QStringLiteral("[prize]\nBackGroundSound2=\n") << "DrawSoundFile"
                                      << QVariant(QString());
}

void LoadSettingsTest::keyValueTakesEffect()
{
    QFETCH(QString, settings);
    QFETCH(QString, setting);
    QFETCH(QVariant, expected);
    FormFixture f(settings);
    const QVariant actual = settingValue(*f.form, setting);
    QCOMPARE(actual.toString(), expected.toString());
    QVERIFY(f.messages.texts().isEmpty());
}

void LoadSettingsTest::unreadableNumberOnReload_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("afterReload");
    // The colour and size keep what they held; mode and photo number fall back to a fixed value.
    QTest::newRow("FontColor") << "FontColor" << "DrawFontColor" << 7;
    QTest::newRow("FontSize") << "FontSize" << "DrawFontSize" << 7;
    QTest::newRow("mode") << "mode" << "DrawMode" << 0;
    QTest::newRow("PhotoNumber") << "PhotoNumber" << "PhotoCount" << 1;
}

void LoadSettingsTest::unreadableNumberOnReload()
{
    QFETCH(QString, key);
    QFETCH(QString, setting);
    QFETCH(int, afterReload);
    FormFixture f(QStringLiteral("[prize]\n%1=7\n").arg(key));
    QCOMPARE(settingValue(*f.form, setting).toInt(), 7);

    f.folder.writeSettings(QStringLiteral("[prize]\n%1=seven\n").arg(key));
    f.form->LoadSettings(QStringLiteral("prize.ini"));
    QCOMPARE(settingValue(*f.form, setting).toInt(), afterReload);
}

void LoadSettingsTest::background_data()
{
    // "background" names a file in the folder, or is left out; the files are written as
    // "picture", "text" or left out.
    QTest::addColumn<QString>("backgroundKey");
    QTest::addColumn<QString>("backgroundFile");
    QTest::addColumn<QString>("fallbackFile");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("own picture") << "own.png" << "picture" << "picture" << 0 << QSize(10, 20);
    QTest::newRow("own picture, no bg.jpg") << "own.png" << "picture" << "" << 0 << QSize(10, 20);
    QTest::newRow("missing, bg.jpg there") << "gone.png" << "" << "picture" << 0 << FallbackSize;
    QTest::newRow("key absent, bg.jpg there") << "" << "" << "picture" << 0 << FallbackSize;
    QTest::newRow("missing, no bg.jpg") << "gone.png" << "" << "" << 1 << QSize();
    QTest::newRow("not a picture, bg.jpg there") << "own.jpg" << "text" << "picture" << 1 << FallbackSize;
    QTest::newRow("not a picture, no bg.jpg") << "own.jpg" << "text" << "" << 1 << QSize();
    QTest::newRow("bg.jpg not a picture") << "gone.png" << "" << "text" << 1 << QSize();
    QTest::newRow("neither a picture") << "own.png" << "text" << "text" << 1 << QSize();
}

void LoadSettingsTest::background()
{
    QFETCH(QString, backgroundKey);
    QFETCH(QString, backgroundFile);
    QFETCH(QString, fallbackFile);
    QFETCH(int, messages);
    QFETCH(QSize, shown);
    ProgramFolder folder;
    MessageRecorder recorder;
    const auto lay = [](const QString &path, const QString &kind, QSize size) {
        QFile::remove(path);
        if (kind == QLatin1String("picture")) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            if (!image.save(path))
                qFatal("cannot write %s", qPrintable(path));
        } else if (kind == QLatin1String("text")) {
            writeFile(path, "this is no picture\n");
        }
    };
    if (!backgroundKey.isEmpty())
        lay(folder.file(backgroundKey), backgroundFile, QSize(10, 20));
    lay(folder.file(QStringLiteral("bg.jpg")), fallbackFile, FallbackSize);
    QString settings = QStringLiteral("[prize]\ncaption=Gala\n");
    if (!backgroundKey.isEmpty())
        settings += QStringLiteral("background=%1\n").arg(folder.file(backgroundKey));
    folder.writeSettings(settings);

    PreparedForm window;
    const QStringList texts = recorder.texts();
    QCOMPARE(texts.size(), messages);
    if (messages > 0) {
        QVERIFY2(texts[0].startsWith(LoadFailed), qPrintable(texts[0]));
        QVERIFY2(texts[0].size() > LoadFailed.size(), "the failure's own text follows");
        QCOMPARE(recorder.requests()[0].kind, MessageBoxes::Kind::Plain);
    }
    QCOMPARE(window.form->Image1->hasPicture(), shown.isValid());
    if (shown.isValid())
        QCOMPARE(window.form->Image1->picture().size(), shown);
    // The rest of the file is read as usual after a failed picture.
    QCOMPARE(window.form->WindowCaption, QStringLiteral("Gala"));
    QCOMPARE(PhotoCount, 1);
    QVERIFY(ShowCongratulation);
}

void LoadSettingsTest::missingBackgroundIsReportedOnEveryLoad()
{
    ProgramFolder folder;
    MessageRecorder recorder;
    QVERIFY(QFile::remove(folder.file(QStringLiteral("bg.jpg"))));
    folder.writeSettings(QStringLiteral("[prize]\nbackground=%1\n").arg(folder.file(QStringLiteral("gone.jpg"))));
    PreparedForm window;
    window.show();
    QCOMPARE(recorder.texts().size(), 1);
    QVERIFY(recorder.texts()[0].startsWith(LoadFailed));

    window.form->LoadSettings(QStringLiteral("prize.ini"));
    QCOMPARE(recorder.texts().size(), 2);
    QVERIFY(recorder.texts()[1].startsWith(LoadFailed));
}

QTEST_MAIN(LoadSettingsTest)
#include "test_loadsettings.moc"
