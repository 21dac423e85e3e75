#pragma once

#include <QIcon>

// Pictures of the draw window's toolbar and the program icon: the desktop's icon theme where
// it has a fitting one, otherwise drawn here.
namespace ToolbarIcons {
enum class Picture { Options, WinnerList, Help, Exit };
QIcon icon(Picture picture);
QIcon programIcon();
}
