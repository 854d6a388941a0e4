// SPDX-License-Identifier: MIT
#include "MainDialogFixture.h"

#include "app/CAboutDlg.h"

#include <QScreen>

namespace {

// Gaps between a window's frame and the work area's edges, as a person sees
// them: left, right, top, bottom.
struct Gaps {
    int left, right, top, bottom;
};

Gaps GapsIn(const QRect& frame, const QRect& area) {
    return {frame.left() - area.left(), area.right() - frame.right(), frame.top() - area.top(),
            area.bottom() - frame.bottom()};
}

TEST_F(MainDialogTest, TheMainWindowIsCentredInTheWorkAreaFrameIncluded) {
    const QRect frame = dialog.frameGeometry();
    // The offscreen platform gives windows a frame; without one this test
    // could not tell a frame-blind placement from a right one.
    ASSERT_GT(frame.width(), dialog.width());
    ASSERT_GT(frame.height(), dialog.height());
    const Gaps gaps = GapsIn(frame, dialog.screen()->availableGeometry());
    EXPECT_GE(gaps.top, 0);
    EXPECT_GE(gaps.left, 0);
    EXPECT_LE(std::abs(gaps.left - gaps.right), 1) << gaps.left << " " << gaps.right;
    EXPECT_LE(std::abs(gaps.top - gaps.bottom), 1) << gaps.top << " " << gaps.bottom;
}

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

    // The main window pushed against the bottom-right corner and beyond: the
    // box would stick out, so it stops at the work area's edges.
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
