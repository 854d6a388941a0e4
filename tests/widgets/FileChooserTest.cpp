// SPDX-License-Identifier: MIT
// The file dialogs: every file offered after combo files, the columns shown
// whole, and the suffix added only to a name without one.
#include "window/FileChooser.h"
#include "window/FileDialogSetup.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "support/FileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileChooser, TheDialogOffersEveryFileAndShowsItsColumnsWhole) {
    TempDir dir;
    WriteFile(dir.File("a combo of the worked example.kovcombo"), "{}");
    std::filesystem::create_directory(dir.File("folder"));
    QFileDialog dialog(nullptr, QStringLiteral("Open"), QString::fromStdString(dir.Path()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpFileDialog(dialog, FileChooser::ComboFilter());
    dialog.selectNameFilter(QString::fromLatin1(kAllFilesFilter));
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"Kov combo (*.kovcombo)", "All files (*)"}));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible()) << "the details view";
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
    QHeaderView* header = list->header();
    ASSERT_EQ(header->count(), 4);
    // Every column as wide as what it shows, and all of them in view.
    for (int column = 1; column < header->count(); ++column)
        QTRY_VERIFY2(static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column) <=
                         header->sectionSize(column),
                     qPrintable(QString::number(column)));
    EXPECT_LE(header->length(), list->viewport()->width());
}

TEST(FileChooser, SaveAsAddsTheSuffixOnlyToANameWithoutOne) {
    const struct {
        QString answer;
        QString saved;
    } cases[] = {
        {"/tmp/mine", "/tmp/mine.kovcombo"},
        {"/tmp/foo.json", "/tmp/foo.json"},
        {"/tmp/Mine.KOVCOMBO", "/tmp/Mine.KOVCOMBO"},
        {"/tmp/old.v2/mine", "/tmp/old.v2/mine.kovcombo"},
        {"/tmp/mine.", "/tmp/mine.kovcombo"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const FileChooser::Handler old = FileChooser::SetSaveHandler(
            [&](QWidget*, const QString&, const QString&, const QString&) { return c.answer; });
        EXPECT_EQ(FileChooser::ChooseFileToSave(nullptr, QString()), c.saved)
            << c.answer.toStdString();
        FileChooser::SetSaveHandler(old);
    }
}

} // namespace
