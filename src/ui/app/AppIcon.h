#pragma once

#include <QIcon>

// The program's own icon (title bars, task bar, the menu bar of a maximised workspace screen):
// drawn here at every size, so it needs no image file.
namespace AppIcon {
QIcon make();
}
