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
    QString aboutTitle;
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
        // The application gives the window its About box.
        QTimer::singleShot(0, &context, [&] {
            QWidget* about = QApplication::activeModalWidget();
            if (about != nullptr && about != window) {
                aboutTitle = about->windowTitle();
                about->close();
            }
        });
        window->OnSysCommand(16, 0);
        window->reject(); // Escape, Exit and the close box all end here
    });
    EXPECT_FALSE(theApp.InitInstance());

    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(aboutTitle.toStdString(), "About - Kov Calculator");
    EXPECT_EQ(messageBoxFamily.toStdString(), dialogFont.family().toStdString());
    EXPECT_EQ(QApplication::font().pointSize(), dialogFont.pointSize());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::setFont(desktopFont);
}

TEST(CComboCalcApp, KeepsTheComboFileItRunsWith) {
    // Whatever the window shows for the file, each modal window is closed in
    // turn until the run ends.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
    closer.start(10);
    const QFont desktopFont = QApplication::font();
    EXPECT_EQ(theApp.Run(QStringLiteral("/nonexistent/Ω combo.kovcombo")), 0);
    EXPECT_EQ(theApp.comboFile().toStdString(), "/nonexistent/Ω combo.kovcombo");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QApplication::setFont(desktopFont);
}

} // namespace
