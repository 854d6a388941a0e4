// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>

class QWidget;

// Places a dialog, frame included, at the centre of its owner's frame, or of
// the work area of its screen when it has no owner, and keeps it inside that
// work area. Qt's own placement guesses the frame (10 by 40 pixels) and
// centres what it guessed. The window manager often reports the real frame
// only after the window is mapped, so the dialog is placed again when its
// frame turns out other than the one it was placed with; a person's move of
// the window leaves the frame as it is, so the window then stays put.
class WindowCentring : public QObject {
public:
    // Watches `window`, which owns this object.
    explicit WindowCentring(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();
    void recentre();

    QWidget* m_window;
    QMargins m_placedWithFrame;
    bool m_placed = false;
};
