#pragma once

// The application icon, a drawing among the program's resources: the main window's icon and the
// picture of the about box.

#include <QIcon>
#include <QString>

namespace flange {

QString applicationIconResource();
// The icon, or an empty icon when the drawing is missing.
QIcon applicationIcon();

} // namespace flange
