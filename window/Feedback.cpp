// SPDX-License-Identifier: MIT
#include "window/Feedback.h"

#include "window/BoxWidth.h"
#include "window/WindowCentring.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace Feedback {
namespace {

// Every box is centred on its owner, or on the screen when the owner is not
// shown yet (a file refused on the command line), and is wide enough for its
// title.
void Prepare(QMessageBox& box) {
    new WindowCentring(&box);
    FitTitle(box);
}

void RealBeep() {
    QApplication::beep();
}

void RealBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon == BoxIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, owner);
    Prepare(box);
    box.exec();
}

SaveAnswer RealSaveQuestion(QWidget* owner, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationName(),
                    QStringLiteral("Save the changes to %1 before closing?").arg(fileName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Save);
    Prepare(box);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

SaveQuestionHandler& CurrentSaveQuestion() {
    static SaveQuestionHandler handler = RealSaveQuestion;
    return handler;
}

BeepHandler& CurrentBeep() {
    static BeepHandler handler = RealBeep;
    return handler;
}

BoxHandler& CurrentBox() {
    static BoxHandler handler = RealBox;
    return handler;
}

} // namespace

void Beep() {
    CurrentBeep()();
}

void ShowMessageBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text) {
    CurrentBox()(owner, icon, caption, text);
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    if (!handler)
        handler = RealBeep;
    return std::exchange(CurrentBeep(), std::move(handler));
}

BoxHandler SetBoxHandler(BoxHandler handler) {
    if (!handler)
        handler = RealBox;
    return std::exchange(CurrentBox(), std::move(handler));
}

SaveAnswer AskSaveChanges(QWidget* owner, const QString& fileName) {
    return CurrentSaveQuestion()(owner, fileName);
}

SaveQuestionHandler SetSaveQuestionHandler(SaveQuestionHandler handler) {
    if (!handler)
        handler = RealSaveQuestion;
    return std::exchange(CurrentSaveQuestion(), std::move(handler));
}

} // namespace Feedback
