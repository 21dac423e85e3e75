#pragma once

#include <QString>

class QWidget;

// Applies a skin description file ("skins/<Name>/skin.ini") to a window and everything in it.
// A missing or malformed file leaves the window's look as it was and reports nothing.
namespace SkinLoader {
// Returns the style sheet the file describes, or an empty text when it describes none.
QString styleSheetFor(const QString &skinFile);
// Returns true when the skin was applied.
bool applySkin(QWidget *window, const QString &skinFile);
}
