// SPDX-License-Identifier: MIT
#pragma once

#include "workbench/SaveAnswer.h"

#include <QString>

#include <functional>

class QWidget;

// The two ways the program answers a person besides the window itself: the
// simple beep and the message box. Each goes through one replaceable function
// so that tests can count beeps and answer boxes without a person.
namespace Feedback {

enum class BoxIcon { Information, Warning };

// The answers to "save the changes before closing?", as the workbench takes them.
using SaveAnswer = ::SaveAnswer;

using BeepHandler = std::function<void()>;
using BoxHandler =
    std::function<void(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text)>;

using SaveQuestionHandler = std::function<SaveAnswer(QWidget* owner, const QString& fileName)>;

void Beep();
void ShowMessageBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text);

// Replace the handlers; an empty function restores the real one. Returns the
// previous handler so that a test can put it back.
BeepHandler SetBeepHandler(BeepHandler handler);
BoxHandler SetBoxHandler(BoxHandler handler);

// Asks whether the changes to `fileName` are saved before the window closes.
SaveAnswer AskSaveChanges(QWidget* owner, const QString& fileName);
SaveQuestionHandler SetSaveQuestionHandler(SaveQuestionHandler handler);

} // namespace Feedback
