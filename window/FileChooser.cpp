// SPDX-License-Identifier: MIT
#include "window/FileChooser.h"

#include "files/ComboFileFormat.h"

#include "window/FileDialogSetup.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace FileChooser {
namespace {

QString RunDialog(QWidget* owner, const QString& caption, const QString& start,
                  const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, caption, start);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    SetUpFileDialog(dialog, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString RealOpen(QWidget* owner, const QString& caption, const QString& start,
                 const QString& filter) {
    return RunDialog(owner, caption, start, filter, QFileDialog::AcceptOpen);
}

QString RealSave(QWidget* owner, const QString& caption, const QString& start,
                 const QString& filter) {
    return RunDialog(owner, caption, start, filter, QFileDialog::AcceptSave);
}

Handler& CurrentOpen() {
    static Handler handler = RealOpen;
    return handler;
}

Handler& CurrentSave() {
    static Handler handler = RealSave;
    return handler;
}

} // namespace

QString ComboFilter() {
    return QStringLiteral("Kov combo (*%1)")
        .arg(QString::fromLatin1(combofile::kSuffix.data(),
                                 static_cast<qsizetype>(combofile::kSuffix.size())));
}

QString ChooseFileToOpen(QWidget* owner) {
    return CurrentOpen()(owner, QStringLiteral("Open"), QString(), ComboFilter());
}

QString ChooseFileToSave(QWidget* owner, const QString& current) {
    QString path = CurrentSave()(owner, QStringLiteral("Save As"), current, ComboFilter());
    // A name the person gave a suffix of its own (foo.json) is theirs.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        const QString suffix = QString::fromLatin1(
            combofile::kSuffix.data(), static_cast<qsizetype>(combofile::kSuffix.size()));
        if (path.endsWith(QLatin1Char('.')))
            path.chop(1);
        path += suffix;
    }
    return path;
}

Handler SetOpenHandler(Handler handler) {
    if (!handler)
        handler = RealOpen;
    return std::exchange(CurrentOpen(), std::move(handler));
}

Handler SetSaveHandler(Handler handler) {
    if (!handler)
        handler = RealSave;
    return std::exchange(CurrentSave(), std::move(handler));
}

} // namespace FileChooser
