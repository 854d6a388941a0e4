// The application object: the main window runs modally in the dialogs' face
// and its end is the program's end.
#include "app/CComboCalcApp.h"
#include "dialog/CComboCalcDlg.h"
#include "dialog/DialogFont.h"
#include "resources/DialogTemplate.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(CComboCalcApp, RunsTheMainWindowModallyInTheDialogFaceAndEndsWithIt) {
    const QFont desktopFont = QApplication::font();
    const DialogTemplate& tmpl = MainDialogTemplate();
    const QFont dialogFont = DialogFont(tmpl.fontFace, tmpl.pointSize);

    bool sawWindow = false;
    QString messageBoxFamily;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        auto* window = qobject_cast<CComboCalcDlg*>(QApplication::activeModalWidget());
        if (window == nullptr) { // the failure shows below
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        sawWindow = true;
        messageBoxFamily = QMessageBox().font().family();
        window->reject(); // Escape, Exit and the close box all end here
    });
    EXPECT_FALSE(theApp.InitInstance());

    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(messageBoxFamily.toStdString(), dialogFont.family().toStdString());
    EXPECT_EQ(QApplication::font().pointSize(), dialogFont.pointSize());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::setFont(desktopFont);
}

} // namespace
