// Decoded pictures are reused between roll ticks, but never once the file has changed.
#include "platform/DecodedPictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

namespace {

void writePicture(const QString &path, QColor colour, QSize size = QSize(400, 300))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

}

class PicturesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scalesDownForTheBox_data();
    void scalesDownForTheBox();
    void aChangedFileIsDecodedAnew();
    void aBrokenFileThrowsAndIsNotRemembered();
};

void PicturesTest::scalesDownForTheBox_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("keepProportions");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("own size") << QSize() << true << QSize(400, 300);
    QTest::newRow("proportional") << QSize(200, 200) << true << QSize(200, 150);
    QTest::newRow("stretched") << QSize(200, 200) << false << QSize(200, 200);
    QTest::newRow("box larger than picture") << QSize(800, 800) << true << QSize(400, 300);
}

void PicturesTest::scalesDownForTheBox()
{
    QFETCH(QSize, box);
    QFETCH(bool, keepProportions);
    QFETCH(QSize, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.png"));
    writePicture(path, Qt::red);
    QCOMPARE(DecodedPictures::decode(path, box, keepProportions).size(), expected);
}

void PicturesTest::aChangedFileIsDecodedAnew()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.png"));
    writePicture(path, Qt::red);
    QCOMPARE(DecodedPictures::decode(path, QSize(100, 100)).pixelColor(10, 10), QColor(Qt::red));
    QFile::remove(path);
    writePicture(path, Qt::blue, QSize(400, 301));
    QCOMPARE(DecodedPictures::decode(path, QSize(100, 100)).pixelColor(10, 10), QColor(Qt::blue));
}

void PicturesTest::aBrokenFileThrowsAndIsNotRemembered()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, DecodedPictures::decode(path, QSize(100, 100)));
    QFile::remove(path);
    writePicture(path, Qt::green);
    QCOMPARE(DecodedPictures::decode(path, QSize(100, 100)).pixelColor(10, 10), QColor(Qt::green));
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
