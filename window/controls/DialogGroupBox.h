// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls/MnemonicRoute.h"

#include <QGroupBox>

// Group box: a frame with a caption, drawn behind the sibling controls that
// sit inside it. Its mnemonic follows the route; Qt's own would only look
// among the box's children, and it has none. It is drawn as an etched frame
// whose top line runs through the middle of the caption, in the dialog's own
// font: the styles' group boxes set the caption above the frame, often in
// bold, and some stretch a picture over the whole frame, which is slow to
// paint.
class DialogGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit DialogGroupBox(const QString& caption, QWidget* parent = nullptr);
    MnemonicRoute& route() { return m_route; }
    // Where the caption is drawn, in widget coordinates; empty without one.
    QRect captionRect() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // Kept here rather than as QGroupBox's title, which measures itself in
    // the font as soon as it is set.
    QString m_caption;
    MnemonicRoute m_route;
};
