// The yardstick for the whole-process figures: the smallest Qt 6 Widgets
// program that shows a window, one empty QDialog run modally, built with the
// same compiler flags as kov-calculator. bench/startup.sh compares the
// program's start-up time and peak memory with this one's.
//
// With --text the dialog also shows one line of text in the program's face
// (IPAGothic 10 pt): the least any window with text pays for the font system,
// which the empty dialog never starts.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstring>

#include <cstdlib>

namespace {

// The same hook as in app/main.cpp: with KOV_EXIT_AFTER_FIRST_FRAME set, end
// the process right after the first window's first frame.
class ExitAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_armed && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_armed = true;
            QTimer::singleShot(0, this, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool m_armed = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExitAfterFirstFrame exitHook;
    if (qEnvironmentVariableIsSet("KOV_EXIT_AFTER_FIRST_FRAME"))
        app.installEventFilter(&exitHook);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        QFont face(QStringLiteral("IPAGothic"));
        face.setPointSize(10);
        dialog.setFont(face);
        auto* line =
            new QLabel(QStringLiteral("No. Type  Ar Co Ct Dd Jk Lt Lr Rp Dmg T.Dmg"), &dialog);
        line->move(8, 8);
    }
    return dialog.exec();
}
