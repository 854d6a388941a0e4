// SPDX-License-Identifier: MIT
#include "window/FileDialogSetup.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

namespace {

// Qt's own dialog gives the Size, Type and Date Modified columns widths for
// its guesses at their texts ("mp3Folder"), which the real texts of a folder
// exceed; each grows to what it shows, and the dialog by what the list then
// lacks, within the screen.
void FitColumns(QFileDialog& dialog, QTreeView& list) {
    QHeaderView* header = list.header();
    for (int column = 1; column < header->count(); ++column) {
        header->resizeSection(
            column,
            std::max({header->sectionSize(column), header->sectionSizeHint(column),
                      static_cast<const QAbstractItemView&>(list).sizeHintForColumn(column)}));
    }
    dialog.layout()->activate();
    const int needed =
        header->length() + 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
    if (needed <= list.width())
        return;
    int width = dialog.width() + needed - list.width();
    if (const QScreen* screen = dialog.screen())
        width = std::min(width, screen->availableGeometry().width());
    dialog.resize(std::max(width, dialog.width()), dialog.height());
}

} // namespace

void SetUpFileDialog(QFileDialog& dialog, const QString& comboFilter) {
    dialog.setNameFilters({comboFilter, QString::fromLatin1(kAllFilesFilter)});
    dialog.setViewMode(QFileDialog::Detail);
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (list == nullptr || files == nullptr || dialog.layout() == nullptr)
        return; // a dialog of the desktop's own
    dialog.ensurePolished();
    QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog,
                     [&dialog, list] { FitColumns(dialog, *list); });
}
