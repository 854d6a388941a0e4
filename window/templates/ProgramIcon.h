// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// Icon 131: the window icon, the picture in the About box and the picture
// drawn while the main window is minimised. One 32 x 32 image.
QIcon ProgramIcon();

// The icon's size in pixels, as the template's icon items show it.
inline constexpr int kProgramIconSize = 32;
