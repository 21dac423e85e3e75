#pragma once

#include <QChar>
#include <QStringList>

// A list of texts with a one-character delimiter, filled by SplitText.
class TMyStringList
{
public:
    explicit TMyStringList(QChar delimiter) : m_delimiter(delimiter) {}

    QChar delimiter() const { return m_delimiter; }
    const QStringList &lines() const { return m_lines; }
    QStringList &lines() { return m_lines; }

private:
    QChar m_delimiter;
    QStringList m_lines;
};

// Splits text at the list's delimiter: no quoting, no trimming; an empty text gives no line,
// a delimiter at the end gives a final empty line.
void SplitText(TMyStringList &list, const QString &text);
