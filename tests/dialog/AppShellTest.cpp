// SPDX-License-Identifier: MIT
// The application object: the main window runs modally in the dialogs' face
// and its end is the program's end.
#include "support/FileText.h"
#include "support/TempDir.h"
#include "window/CComboCalcApp.h"
#include "window/CComboCalcDlg.h"
#include "window/DialogFont.h"
#include "window/templates/DialogTemplate.h"

#include <QApplication>
#include <QListWidget>
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

// `kov-calculator FILE`: the window opens with the combo of the file, named
// in the title.
TEST(CComboCalcApp, StartsWithTheComboFileNamedOnTheCommandLine) {
    TempDir dir;
    const std::string path = dir.File("two hits.kovcombo");
    WriteFile(path, R"({"format": "kov-combo", "version": 1, "mode": "Real", "hp": 300, "def": 20,
                        "hits": [{"damage": 100}, {"type": "WALL", "damage": 50}]})");
    QString title;
    QStringList lines;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        auto* window = qobject_cast<CComboCalcDlg*>(QApplication::activeModalWidget());
        if (window == nullptr) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        title = window->windowTitle();
        auto* list = window->findChild<QListWidget*>(QStringLiteral("m_listCombo"));
        for (int i = 0; list != nullptr && i < list->count(); ++i)
            lines << list->item(i)->text();
        window->reject();
    });
    EXPECT_EQ(theApp.Run(QString::fromStdString(path)), 0);
    EXPECT_EQ(title.toStdString(), "two hits.kovcombo[*] - Kov Calculator Ver.0.92");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(
        lines[0].toStdString(),
        "01 |Ceil |  |  |  |  |  |  |  |  | 79|   79|1.0|      1.000|         79|         79");
    EXPECT_EQ(lines[1].toStdString().substr(0, 12), "02 |Wall |  ");
}

} // namespace
