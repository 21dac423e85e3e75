#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Decodes picture files for display. The roll shows the same photos over and over, so
// pictures decoded for a box size are kept (within a memory budget) and a later tick only
// looks them up; a file changed on disk is decoded anew.
namespace DecodedPictures {
// The picture at its own size when box is empty, else scaled down for a box of that size.
// Throws std::runtime_error with the reader's message when the file cannot be decoded.
QImage decode(const QString &path, QSize box = QSize(), bool keepProportions = true);
}
