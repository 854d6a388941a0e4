// SPDX-License-Identifier: MIT
#include "window/controls/DialogGroupBox.h"

#include "window/controls/CaptionFlags.h"

#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <qdrawutil.h>

namespace {

// The caption starts this far in from the frame's left edge and keeps the
// line clear for one pixel on either side.
constexpr int kCaptionIndent = 7;
constexpr int kCaptionMargin = 1;

int captionFlags(const QWidget* widget) {
    return captionTextFlags(widget, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
}

// The sunken one-pixel frame of qDrawShadeRect, pixel for pixel, filled
// instead of stroked: its lines go through the pen's stroker one pixel at a
// time, which made the six frames of the main window a tenth of its first
// paint.
void DrawEtchedFrame(QPainter& painter, const QRect& frame, const QPalette& palette) {
    const int x = frame.x();
    const int y = frame.y();
    const int w = frame.width();
    const int h = frame.height();
    if (w < 4 || h < 4) {
        qDrawShadeRect(&painter, frame, palette, /*sunken=*/true, /*lineWidth=*/1);
        return;
    }
    const QBrush& dark = palette.dark();
    painter.fillRect(QRect(x, y, w - 1, 1), dark);
    painter.fillRect(QRect(x, y + h - 2, w - 1, 1), dark);
    painter.fillRect(QRect(x, y, 1, h - 1), dark);
    painter.fillRect(QRect(x + w - 2, y, 1, h - 1), dark);
    const QBrush& light = palette.light();
    painter.fillRect(QRect(x + 1, y + 1, w - 3, 1), light);
    painter.fillRect(QRect(x + 1, y + 2, 1, h - 4), light);
    painter.fillRect(QRect(x, y + h - 1, w, 1), light);
    painter.fillRect(QRect(x + w - 1, y, 1, h - 1), light);
}

} // namespace

DialogGroupBox::DialogGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(parent), m_caption(caption) {
    setFocusPolicy(Qt::NoFocus);
    grabShortcut(QKeySequence::mnemonic(caption));
}

bool DialogGroupBox::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        m_route.go(this);
        return true;
    }
    return QGroupBox::event(e);
}

QRect DialogGroupBox::captionRect() const {
    if (m_caption.isEmpty())
        return {};
    const QRect room(kCaptionIndent, 0, width() - 2 * kCaptionIndent, fontMetrics().height());
    return style()->itemTextRect(fontMetrics(), room, captionFlags(this), isEnabled(), m_caption);
}

void DialogGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int frameTop = fontMetrics().height() / 2 - 1;
    DrawEtchedFrame(painter, QRect(0, frameTop, width(), height() - frameTop), palette());
    const QRect caption = captionRect();
    if (caption.isEmpty())
        return;
    painter.fillRect(caption.adjusted(-kCaptionMargin, 0, kCaptionMargin, kCaptionMargin),
                     palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, captionFlags(this), palette(), isEnabled(), m_caption,
                          QPalette::WindowText);
}
