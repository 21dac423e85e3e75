#include "platform/DecodedPictures.h"

#include <QCache>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

#include <stdexcept>

namespace DecodedPictures {
namespace {

const int BudgetKilobytes = 192 * 1024;

QCache<QString, QImage> &cache()
{
    static QCache<QString, QImage> pictures(BudgetKilobytes);
    return pictures;
}

QImage read(const QString &path, QSize box, bool keepProportions)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Decoding straight to the box's size keeps a fast roll fast with large photos.
    const QSize full = reader.size();
    if (!box.isEmpty() && full.isValid() && reader.transformation() == QImageIOHandler::TransformationNone
        && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(keepProportions ? full.scaled(box, Qt::KeepAspectRatio) : box);
    QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(reader.errorString().toStdString());
    return image;
}

}

QImage decode(const QString &path, QSize box, bool keepProportions)
{
    const QFileInfo file(path);
    const QString key = QStringLiteral("%1|%2|%3|%4x%5|%6")
                            .arg(file.absoluteFilePath())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size())
                            .arg(box.width())
                            .arg(box.height())
                            .arg(keepProportions ? 1 : 0);
    if (const QImage *known = cache().object(key))
        return *known;
    QImage image = read(path, box, keepProportions);
    cache().insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

}
