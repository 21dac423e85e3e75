#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens documents and web addresses with the desktop's own programs. The program never
// waits for them.
namespace Shell {
using Opener = std::function<bool(const QUrl &)>;

// Replaces what opens a document; an empty opener restores the desktop's.
void setOpener(Opener opener);
bool OpenDocument(const QString &path);
bool OpenUrl(const QUrl &url);
}
