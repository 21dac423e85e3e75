#include "support/ToneFile.h"

#include <QDataStream>
#include <QFile>
#include <QtMath>

void WriteToneFile(const QString &path, double seconds, double frequency)
{
    const quint32 rate = 44100;
    const quint32 samples = quint32(seconds * rate);
    const quint32 dataBytes = samples * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * frequency * i / rate));
}
