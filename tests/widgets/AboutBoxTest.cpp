// SPDX-License-Identifier: MIT
#include "window/CAboutDlg.h"
#include "window/templates/ProgramIcon.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

TEST(ProgramIcon, IsA32By32PictureOfAtMost16Colours) {
    const QImage image = ProgramIcon().pixmap(kProgramIconSize).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(qAlpha(image.pixel(x, y)) == 0 ? 0u : image.pixel(x, y));
    EXPECT_LE(colours.size(), 16); // transparency counts as one of them
    EXPECT_GE(colours.size(), 4);
}

// Runs `action` once the About box is the active modal window; rejects the box
// with a failure should the action not end it.
void WhenUp(CAboutDlg& about, std::function<void()> action) {
    QTimer::singleShot(0, &about, [&about, action] {
        if (QTest::qWaitForWindowActive(&about) && QApplication::activeModalWidget() == &about)
            action();
        QTimer::singleShot(2000, &about, [&about] {
            if (about.isVisible()) {
                ADD_FAILURE() << "About box still open";
                about.reject();
            }
        });
    });
}

TEST(AboutBox, OpensOverItsOwnerWithOkFocusedAndClosesWithEscape) {
    QWidget owner;
    owner.show();
    CAboutDlg about(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About - Kov Calculator"));
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    auto* product = about.findChild<QLabel*>(QStringLiteral("labelProduct"));
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->buddy(), nullptr) << "no mnemonic on the product line";

    QString focus;
    WhenUp(about, [&] {
        focus = QApplication::focusWidget()->objectName();
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    EXPECT_EQ(about.DoModal(), QDialog::Rejected);
    EXPECT_EQ(focus, QStringLiteral("okButton"));
}

TEST(AboutBox, EnterPressesOk) {
    CAboutDlg about;
    WhenUp(about, [&] { QTest::keyClick(&about, Qt::Key_Return); });
    EXPECT_EQ(about.DoModal(), QDialog::Accepted);
}

} // namespace
