#include <QImage>
#include <QTest>

#include <algorithm>

// The pictures are drawn at build time; this checks what actually lands in the program folder.
class TestBackgrounds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data();
    void picture();
};

void TestBackgrounds::picture_data()
{
    QTest::addColumn<QString>("file");
    const char *const files[] = {
        "TIGER.jpg", "abstract.jpg", "naivete.jpg", "lucky.jpg", "red.jpg", "gorgeous.jpg",
        "blue.jpg", "green.jpg", "deep.jpg", "morden.jpg", "nature.jpg", "wedding.jpg",
        "MerryChristmas.jpg", "happyholiday.jpg", "newyear.jpg", "Clover.jpg", "bg.jpg",
    };
    for (const char *file : files)
        QTest::newRow(file) << QString::fromLatin1(file);
}

void TestBackgrounds::picture()
{
    QFETCH(QString, file);
    const QString path = QStringLiteral(QUELLMARK_APP_DIR "/background/") + file;
    QImage image;
    QVERIFY2(image.load(path), qPrintable(path));
    QVERIFY(image.width() >= 1920);
    QVERIFY(image.height() >= 1080);

    // Even the plainest picture must show a gradient across a 16 x 9 grid of samples.
    int low[3] = {255, 255, 255};
    int high[3] = {0, 0, 0};
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 16; ++column) {
            const QRgb pixel = image.pixel((column * 2 + 1) * image.width() / 32,
                                           (row * 2 + 1) * image.height() / 18);
            const int channels[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], channels[c]);
                high[c] = std::max(high[c], channels[c]);
            }
        }
    }
    const int spread = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
    QVERIFY2(spread >= 12, qPrintable(QStringLiteral("colour spread only %1").arg(spread)));
}

QTEST_GUILESS_MAIN(TestBackgrounds)
#include "test_backgrounds.moc"
