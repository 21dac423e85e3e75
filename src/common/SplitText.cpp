#include "common/TMyStringList.h"

void SplitText(TMyStringList &list, const QString &text)
{
    QStringList pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf(list.delimiter(), start);
        if (end < 0) {
            pieces.append(text.mid(start));
            break;
        }
        pieces.append(text.mid(start, end - start));
        if (end == text.size() - 1)
            pieces.append(QString());
        start = end + 1;
    }
    list.lines() = pieces;
}
