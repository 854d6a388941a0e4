// SPDX-License-Identifier: MIT
#include "MainDialogFixture.h"

#include "window/CAboutDlg.h"

#include <QScreen>

#include <cstdlib>

namespace {

// The main window's own centring shows only under a window manager that
// frames it late (tests/desktop); on this platform Qt's guess happens to fit.
// What shows here is the About box near the screen's edges.
TEST_F(MainDialogTest, TheAboutBoxIsCentredOverTheMainWindowAndKeptInsideTheWorkArea) {
    const QRect area = dialog.screen()->availableGeometry();
    const auto showAbout = [](CAboutDlg& about) {
        about.setModal(false); // placed as when modal, without tripping the guard
        about.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&about));
        return about.frameGeometry();
    };
    {
        CAboutDlg about(&dialog);
        const QRect frame = showAbout(about);
        const QRect owner = dialog.frameGeometry();
        EXPECT_LE(std::abs((frame.left() - owner.left()) - (owner.right() - frame.right())), 1);
        EXPECT_LE(std::abs((frame.top() - owner.top()) - (owner.bottom() - frame.bottom())), 1);
    }

    // The main window pushed towards the bottom-right corner, then past the
    // top-left one: the box would stick out, so it stops at the edges.
    for (const QPoint corner :
         {area.bottomRight() - QPoint(100, 80), area.topLeft() - QPoint(300, 250)}) {
        dialog.move(corner);
        CAboutDlg about(&dialog);
        const QRect frame = showAbout(about);
        EXPECT_TRUE(area.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    }
}

} // namespace
