#include "platform/skin/SkinLoader.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString shippedSkin(const QString &folder)
{
    return QStringLiteral(QUELLMARK_APP_DIR "/skins/") + folder + QStringLiteral("/skin.ini");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

// A window with one of each of the draw window's bottom-bar controls.
struct SampleWindow
{
    QDialog window;
    QPushButton *button = new QPushButton(QStringLiteral("&Start"));
    QComboBox *combo = new QComboBox;
    QSlider *slider = new QSlider(Qt::Horizontal);

    SampleWindow()
    {
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(button);
        layout->addWidget(combo);
        layout->addWidget(slider);
        combo->addItems({QStringLiteral("First prize"), QStringLiteral("Second prize")});
        slider->setRange(10, 1000);
        slider->setValue(300);
        button->setFocusPolicy(Qt::NoFocus);
        window.resize(360, 60);
    }

    QImage render()
    {
        window.show();
        return window.grab().toImage();
    }
};

}

class TestSkins : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedSkinLoads_data();
    void shippedSkinLoads();
    void shippedSkinsLookDifferent_data();
    void shippedSkinsLookDifferent();
    void colorsReachTheControls();
    void arrowsTakeButtonTextColour_data();
    void arrowsTakeButtonTextColour();
    void areaBackgrounds_data();
    void areaBackgrounds();
    void descriptionIsRead_data();
    void descriptionIsRead();
    void extraStyleSheetIsAppended();
    void notASkinChangesNothing_data();
    void notASkinChangesNothing();
    void noWindowIsNotSkinned();
};

void TestSkins::shippedSkinLoads_data()
{
    QTest::addColumn<QString>("folder");
    for (const char *folder : {"Orange", "Autumn", "Clouds", "WinXPSteel", "Futura", "Ketix"})
        QTest::newRow(folder) << QString::fromLatin1(folder);
}

void TestSkins::shippedSkinLoads()
{
    QFETCH(QString, folder);
    const QString sheet = SkinLoader::styleSheetFor(shippedSkin(folder));
    QVERIFY(!sheet.isEmpty());

    QDialog window;
    QVERIFY(SkinLoader::applySkin(&window, shippedSkin(folder)));
    QCOMPARE(window.styleSheet(), sheet);
}

void TestSkins::shippedSkinsLookDifferent_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("Orange/Futura") << "Orange" << "Futura";
    QTest::newRow("Clouds/WinXPSteel") << "Clouds" << "WinXPSteel";
    QTest::newRow("Autumn/Ketix") << "Autumn" << "Ketix";
}

void TestSkins::shippedSkinsLookDifferent()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    SampleWindow firstWindow;
    SampleWindow secondWindow;
    QVERIFY(SkinLoader::applySkin(&firstWindow.window, shippedSkin(first)));
    QVERIFY(SkinLoader::applySkin(&secondWindow.window, shippedSkin(second)));

    const QImage firstImage = firstWindow.render();
    const QImage secondImage = secondWindow.render();
    QCOMPARE(firstImage.size(), secondImage.size());
    QVERIFY(firstImage != secondImage);
}

void TestSkins::colorsReachTheControls()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    writeFile(path, "[colors]\nwindow=#204060\nbutton=#c08020\n");
    SampleWindow sample;
    QVERIFY(SkinLoader::applySkin(&sample.window, path));
    const QImage image = sample.render();

    QCOMPARE(image.pixelColor(1, 1), QColor(0x20, 0x40, 0x60));
    const QRect button = sample.button->geometry();
    QCOMPARE(image.pixelColor(button.left() + 6, button.center().y()), QColor(0xc0, 0x80, 0x20));
}

void TestSkins::arrowsTakeButtonTextColour_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("spin box") << "spin";
    QTest::newRow("combo box") << "combo";
}

void TestSkins::arrowsTakeButtonTextColour()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    writeFile(path, "[colors]\nbutton=#0000ff\nbuttonText=#ff0000\ninputText=#00ff00\n");

    QDialog window;
    auto *layout = new QHBoxLayout(&window);
    QWidget *box = kind == QLatin1String("spin") ? static_cast<QWidget *>(new QSpinBox) : new QComboBox;
    layout->addWidget(box);
    window.resize(160, 40);
    QVERIFY(SkinLoader::applySkin(&window, path));
    window.show();
    const QImage image = box->grab().toImage();

    int arrowPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = image.width() / 2; x < image.width(); ++x)
            arrowPixels += image.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    QVERIFY2(arrowPixels >= 4, qPrintable(QString::number(arrowPixels)));
}

// The picture area and the labels over it must stay see-through so the background picture
// shows; only the bottom bar gets the panel colour.
void TestSkins::areaBackgrounds_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<bool>("isLabel");
    QTest::addColumn<QColor>("expected");

    const QColor window(0x20, 0x40, 0x60);
    const QColor panel(0x80, 0x60, 0x40);
    QTest::newRow("picture area") << "bsSkinPanel1" << false << window;
    QTest::newRow("plain container") << "" << false << window;
    QTest::newRow("label") << "" << true << window;
    QTest::newRow("bottom bar") << "bsSkinPanel2" << false << panel;
}

void TestSkins::areaBackgrounds()
{
    QFETCH(QString, objectName);
    QFETCH(bool, isLabel);
    QFETCH(QColor, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    writeFile(path, "[colors]\nwindow=#204060\npanel=#806040\n");

    QDialog window;
    window.resize(200, 100);
    QWidget *area = isLabel ? new QLabel(&window) : new QWidget(&window);
    area->setObjectName(objectName);
    area->setGeometry(20, 20, 100, 50);
    QVERIFY(SkinLoader::applySkin(&window, path));
    window.show();
    const QImage image = window.grab().toImage();

    QCOMPARE(image.pixelColor(area->geometry().center()), expected);
}

void TestSkins::descriptionIsRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[colors]\nbutton=#123456\n") << "background-color: #123456";
    QTest::newRow("any letter case") << QByteArray("[COLORS]\nBUTTON=#123456\n") << "background-color: #123456";
    QTest::newRow("spaces and quotes") << QByteArray("  [ colors ]  \n  button =  \"#123456\"  \n")
                                       << "background-color: #123456";
    QTest::newRow("byte order mark and CRLF") << QByteArray("\xEF\xBB\xBF[colors]\r\nbutton=#123456\r\n")
                                              << "background-color: #123456";
    QTest::newRow("comments") << QByteArray("; a comment\n# another\n[colors]\nbutton=#123456\n")
                              << "background-color: #123456";
    QTest::newRow("first occurrence wins") << QByteArray("[colors]\nbutton=#123456\nbutton=#654321\n")
                                           << "background-color: #123456";
    QTest::newRow("colour name") << QByteArray("[colors]\nbutton=teal\n") << "background-color: #008080";
    QTest::newRow("translucent panel") << QByteArray("[colors]\npanel=#80112233\n")
                                       << "background-color: rgba(17, 34, 51, 128)";
    QTest::newRow("font family") << QByteArray("[font]\nfamily=DejaVu Serif\n") << "font-family: \"DejaVu Serif\";";
    QTest::newRow("font size") << QByteArray("[font]\nsize=13\n") << "font-size: 13pt;";
    QTest::newRow("name alone") << QByteArray("[skin]\nName=Plain\n") << "QPushButton";
}

void TestSkins::descriptionIsRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    writeFile(path, content);

    const QString sheet = SkinLoader::styleSheetFor(path);
    QVERIFY2(sheet.contains(expected), qPrintable(sheet));
}

void TestSkins::extraStyleSheetIsAppended()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    writeFile(path, "[skin]\nName=Extra\nStyleSheet=extra.qss\n[colors]\nbutton=#123456\n");
    writeFile(dir.filePath(QStringLiteral("extra.qss")), "QPushButton { margin: 7px; }\n");

    const QString sheet = SkinLoader::styleSheetFor(path);
    QVERIFY(sheet.contains(QStringLiteral("#123456")));
    QVERIFY(sheet.endsWith(QStringLiteral("QPushButton { margin: 7px; }\n")));
}

void TestSkins::notASkinChangesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing file") << "missing.ini" << QByteArray();
    QTest::newRow("folder, not a file") << "folder" << QByteArray();
    QTest::newRow("empty file") << "skin.ini" << QByteArray("");
    QTest::newRow("junk text") << "skin.ini" << QByteArray("hello world\n=== \n[foo]\nbar=1\n");
    QTest::newRow("binary junk") << "skin.ini" << QByteArray("\x00\xff\x13\x37[\x01]=\x02\n\x7f", 11);
    QTest::newRow("colours outside their section") << "skin.ini" << QByteArray("[other]\nbutton=#123456\n");
    QTest::newRow("keys before any section") << "skin.ini" << QByteArray("button=#123456\nName=Loose\n");
    QTest::newRow("no valid colour") << "skin.ini" << QByteArray("[colors]\nbutton=not a colour\nfoo=#123456\n");
    QTest::newRow("unusable font") << "skin.ini" << QByteArray("[font]\nsize=huge\n");
}

void TestSkins::notASkinChangesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    if (fileName == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(fileName));
    else if (fileName != QLatin1String("missing.ini"))
        writeFile(path, content);

    QCOMPARE(SkinLoader::styleSheetFor(path), QString());

    const QString before = QStringLiteral("QPushButton { color: red; }");
    QDialog window;
    window.setStyleSheet(before);
    QVERIFY(!SkinLoader::applySkin(&window, path));
    QCOMPARE(window.styleSheet(), before);
}

void TestSkins::noWindowIsNotSkinned()
{
    QVERIFY(!SkinLoader::applySkin(nullptr, shippedSkin(QStringLiteral("Orange"))));
}

QTEST_MAIN(TestSkins)
#include "test_skins.moc"
