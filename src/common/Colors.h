#pragma once

#include <QColor>
#include <QtGlobal>

// Colour values as the settings file stores them: red in the lowest byte, then green, then blue.
inline QColor ColorFromValue(qint32 value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

inline qint32 ValueFromColor(const QColor &color)
{
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}
