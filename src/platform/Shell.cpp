#include "platform/Shell.h"

#include <QDesktopServices>

namespace Shell {
namespace {
Opener customOpener;
}

void setOpener(Opener opener)
{
    customOpener = std::move(opener);
}

bool OpenUrl(const QUrl &url)
{
    return customOpener ? customOpener(url) : QDesktopServices::openUrl(url);
}

bool OpenDocument(const QString &path)
{
    return OpenUrl(QUrl::fromLocalFile(path));
}
}
