#include "backgrounds.h"
#include "canvas.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

struct Picture
{
    const char *file;
    void (*paint)(QImage &);
};

const Picture kPictures[] = {
    {"TIGER.jpg", paintLuckyTiger},
    {"abstract.jpg", paintAbstract},
    {"naivete.jpg", paintPure},
    {"lucky.jpg", paintLucky},
    {"red.jpg", paintRed},
    {"gorgeous.jpg", paintGorgeous},
    {"blue.jpg", paintBlue},
    {"green.jpg", paintGreen},
    {"deep.jpg", paintDeep},
    {"morden.jpg", paintModern},
    {"nature.jpg", paintNature},
    {"wedding.jpg", paintWedding},
    {"MerryChristmas.jpg", paintChristmas},
    {"happyholiday.jpg", paintHolidays},
    {"newyear.jpg", paintNewYear},
    {"Clover.jpg", paintClover},
    {"bg.jpg", paintStage},
};

constexpr int kJpegQuality = 88;

} // namespace

int main(int argc, char **argv)
{
    // Captions need the font database, never a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: gen_backgrounds <output folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "gen_backgrounds: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    for (const Picture &picture : kPictures) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        picture.paint(image);
        const QString path = folder.filePath(QString::fromLatin1(picture.file));
        if (!image.save(path, "JPG", kJpegQuality)) {
            std::fprintf(stderr, "gen_backgrounds: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
