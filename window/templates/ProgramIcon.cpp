// SPDX-License-Identifier: MIT
#include "window/templates/ProgramIcon.h"

#include <QPixmap>

// The picture is compiled in as XPM data: reading it from a resource file
// would have Qt look through its image plugins first, which costs more at
// start-up than drawing the whole window's icon.
#include "window/templates/icon131.xpm"

QIcon ProgramIcon() {
    return QIcon(QPixmap(icon131_xpm));
}
