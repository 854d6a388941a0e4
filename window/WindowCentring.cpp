// SPDX-License-Identifier: MIT
#include "window/WindowCentring.h"

#include <QEvent>
#include <QMetaObject>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QMargins frameOf(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// The start of a span of `length` centred on [from, from + room), then moved
// back inside [areaFrom, areaFrom + areaLength), its start edge kept in view
// when it cannot fit.
int centredStart(int from, int room, int length, int areaFrom, int areaLength) {
    const int start = from + (room - length) / 2;
    return std::max(areaFrom, std::min(start, areaFrom + areaLength - length));
}

} // namespace

WindowCentring::WindowCentring(QWidget* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
}

bool WindowCentring::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // Placed before QDialog's own show handling, which then leaves a
        // window that has been moved where it is.
        if (!event->spontaneous())
            centre();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        // A window manager that frames the window after it is mapped tells
        // by none of these, but one of them follows: the frame is looked at
        // again then, and the window placed again outside the event.
        if (m_placed && frameOf(m_window) != m_placedWithFrame)
            QMetaObject::invokeMethod(this, &WindowCentring::recentre, Qt::QueuedConnection);
        break;
    case QEvent::Hide:
        if (!event->spontaneous())
            m_placed = false;
        break;
    default:
        break;
    }
    return false;
}

void WindowCentring::recentre() {
    if (m_placed && m_window->isVisible() && frameOf(m_window) != m_placedWithFrame)
        centre();
}

void WindowCentring::centre() {
    const QWidget* owner = m_window->parentWidget() ? m_window->parentWidget()->window() : nullptr;
    const QScreen* screen = owner != nullptr ? owner->screen() : m_window->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QRect around = owner != nullptr && owner->isVisible() ? owner->frameGeometry() : area;
    const QMargins frame = frameOf(m_window);
    const QSize outer = m_window->size().grownBy(frame);

    const int left =
        centredStart(around.x(), around.width(), outer.width(), area.x(), area.width());
    const int top =
        centredStart(around.y(), around.height(), outer.height(), area.y(), area.height());
    m_placed = true;
    m_placedWithFrame = frame;
    m_window->setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()), m_window->size()));
}
