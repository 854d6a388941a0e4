// SPDX-License-Identifier: MIT
// The real message box, as the program shows it: wide enough for its title,
// and centred on the screen when its owner is not shown yet.
#include "window/Feedback.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct SeenBox {
    QRect frame;
    QString title;
    QString text;
    int buttons = 0;
    int titleWidth = 0; // the title in bold, plus an icon and three buttons
};

// Shows a box through Feedback and looks at it once it is up.
SeenBox ShowAndLook(QWidget* owner, const QString& caption, const QString& text) {
    SeenBox seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        QFont bold = box->font();
        bold.setBold(true);
        const int bar = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
        seen = {box->frameGeometry(), box->windowTitle(), box->text(),
                static_cast<int>(box->buttons().size()),
                QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 4 * bar};
        box->done(0);
    });
    poll.start();
    Feedback::ShowMessageBox(owner, Feedback::BoxIcon::Information, caption, text);
    return seen;
}

TEST(MessageBox, AShortTextStillLeavesRoomForTheTitle) {
    for (const QString& caption : {QStringLiteral("Log Output"), QStringLiteral("Best Order"),
                                   QStringLiteral("A rather longer caption for a box")}) {
        const SeenBox seen = ShowAndLook(nullptr, caption, QStringLiteral("Complete"));
        EXPECT_EQ(seen.title, caption);
        EXPECT_EQ(seen.text, "Complete");
        EXPECT_EQ(seen.buttons, 1);
        EXPECT_GE(seen.frame.width(), seen.titleWidth) << caption.toStdString();
    }
}

TEST(MessageBox, ABoxWhoseOwnerIsNotShownIsCentredOnTheScreen) {
    QDialog hiddenOwner;
    const SeenBox seen = ShowAndLook(&hiddenOwner, QStringLiteral("Open"),
                                     QStringLiteral("bad.kovcombo: hp: 1200 is outside 0..999"));
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs((seen.frame.left() - area.left()) - (area.right() - seen.frame.right())), 1);
    EXPECT_LE(std::abs((seen.frame.top() - area.top()) - (area.bottom() - seen.frame.bottom())), 1);
}

} // namespace
