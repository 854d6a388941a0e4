// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The desktop's file dialogs for combo files, each behind one replaceable
// function so that tests can answer them without a person. An empty answer
// means the person cancelled. The handlers get the combo filter; the real
// dialogs offer every file as well (see SetUpFileDialog).
namespace FileChooser {

// "Kov combo (*.kovcombo)", from the combo file's suffix.
QString ComboFilter();

using Handler = std::function<QString(QWidget* owner, const QString& caption,
                                      const QString& startPath, const QString& filter)>;

QString ChooseFileToOpen(QWidget* owner);
// `current` is offered as the start; a name without a suffix gets the combo
// file's, a name with one (foo.json) is kept as it is.
QString ChooseFileToSave(QWidget* owner, const QString& current);

// Replace the handlers; an empty function restores the real dialog. Returns
// the previous handler so that a test can put it back.
Handler SetOpenHandler(Handler handler);
Handler SetSaveHandler(Handler handler);

} // namespace FileChooser
