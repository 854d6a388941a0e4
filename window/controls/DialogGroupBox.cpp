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
    qDrawShadeRect(&painter, QRect(0, frameTop, width(), height() - frameTop), palette(),
                   /*sunken=*/true, /*lineWidth=*/1);
    const QRect caption = captionRect();
    if (caption.isEmpty())
        return;
    painter.fillRect(caption.adjusted(-kCaptionMargin, 0, kCaptionMargin, kCaptionMargin),
                     palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, captionFlags(this), palette(), isEnabled(), m_caption,
                          QPalette::WindowText);
}
