// SPDX-License-Identifier: MIT
// The windows' placement under a real window manager, which frames them
// after they are mapped: the main window centred in the work area and the
// About box over the main window, frames included.
#include "support/DialogDriver.h"

#include "window/CAboutDlg.h"

#include <QScreen>

#include <cmath>

namespace {

constexpr int kTimeoutMs = 5000;

// True once `window` carries the manager's frame and that frame is centred
// on `centre` (to the pixel, as halves round either way).
bool FramedAndCentred(const QWidget& window, QPointF centre) {
    const QRect frame = window.frameGeometry();
    if (frame.size() == window.size())
        return false;
    const QPointF at(frame.x() + frame.width() / 2.0, frame.y() + frame.height() / 2.0);
    return std::abs(at.x() - centre.x()) <= 1 && std::abs(at.y() - centre.y()) <= 1;
}

QPointF CentreOf(const QRect& r) {
    return {r.x() + r.width() / 2.0, r.y() + r.height() / 2.0};
}

class WindowManagerTest : public DialogTest {};

TEST_F(WindowManagerTest, WindowsAreCentredWithTheFrameTheManagerGivesThem) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const QRect area = m_dlg->screen()->availableGeometry();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return FramedAndCentred(*m_dlg, CentreOf(area)); }, kTimeoutMs))
        << "frame " << m_dlg->frameGeometry().x() << "," << m_dlg->frameGeometry().y() << " "
        << m_dlg->frameGeometry().width() << "x" << m_dlg->frameGeometry().height();

    CAboutDlg about(m_dlg.get());
    about.setModal(false); // placed as when modal, without tripping the guard
    about.show();
    const QPointF owner = CentreOf(m_dlg->frameGeometry());
    EXPECT_TRUE(QTest::qWaitFor([&] { return FramedAndCentred(about, owner); }, kTimeoutMs))
        << "frame " << about.frameGeometry().x() << "," << about.frameGeometry().y();
    EXPECT_TRUE(area.contains(about.frameGeometry()));
}

} // namespace
