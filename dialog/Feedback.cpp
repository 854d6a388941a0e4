#include "dialog/Feedback.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace Feedback {
namespace {

void RealBeep() {
    QApplication::beep();
}

void RealBox(QWidget* owner, BoxIcon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon == BoxIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, owner);
    box.exec();
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

} // namespace Feedback
