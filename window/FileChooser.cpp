// SPDX-License-Identifier: MIT
#include "window/FileChooser.h"

#include <QFileDialog>

#include <utility>

namespace FileChooser {
namespace {

QString RealOpen(QWidget* owner, const QString& caption, const QString& start,
                 const QString& filter) {
    return QFileDialog::getOpenFileName(owner, caption, start, filter);
}

QString RealSave(QWidget* owner, const QString& caption, const QString& start,
                 const QString& filter) {
    return QFileDialog::getSaveFileName(owner, caption, start, filter);
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

QString ChooseFileToOpen(QWidget* owner) {
    return CurrentOpen()(owner, QStringLiteral("Open"), QString(),
                         QString::fromLatin1(kComboFilter));
}

QString ChooseFileToSave(QWidget* owner, const QString& current) {
    QString path =
        CurrentSave()(owner, QStringLiteral("Save As"), current, QString::fromLatin1(kComboFilter));
    const QString suffix = QLatin1Char('.') + QLatin1String(kComboSuffix);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
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
