// SPDX-License-Identifier: MIT
// Where the start-up time and memory go: builds the main window the way the
// program does, one stage after the other, and prints for each stage the
// milliseconds it took and how much the peak resident set grew (KiB):
//
//     <stage> <ms> <KiB>
//
// Start-up costs are paid once per process, so bench/startup.sh runs this
// many times and takes the median of each stage.
#include "app/FontSystemWarmUp.h"
#include "window/CComboCalcDlg.h"
#include "window/DialogFont.h"
#include "window/templates/DialogTemplate.h"
#include "window/templates/ProgramIcon.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long PeakKiB() {
    long kib = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                kib = std::atol(line + 6);
        }
        std::fclose(status);
    }
    return kib;
}

class Stages {
public:
    Stages() : m_last(Clock::now()), m_lastKiB(PeakKiB()) {}
    void Done(const char* stage) {
        const auto now = Clock::now();
        const long kib = PeakKiB();
        std::printf("%s %.3f %ld\n", stage,
                    std::chrono::duration<double, std::milli>(now - m_last).count(),
                    kib - m_lastKiB);
        m_last = now;
        m_lastKiB = kib;
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_last;
    long m_lastKiB;
};

Stages* stages = nullptr;

// The first paint of the window marks the end of the event-loop start; the
// zero timer runs once the painted frame has been flushed.
class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            stages->Done("event_loop_to_first_paint");
            QTimer::singleShot(0, this, [window = static_cast<QWidget*>(watched)] {
                stages->Done("paint_and_flush");
                // The same paint again, every cache now warm: what painting
                // itself costs, apart from first-use work.
                window->repaint();
                stages->Done("second_paint");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv) {
    Stages timing;
    stages = &timing;
    StartFontSystemWarmUp(); // as the program's main() does
    SetFontSystemWait(&WaitForFontSystem);
    QApplication app(argc, argv);
    timing.Done("qapplication");
    FirstFrame firstFrame;
    app.installEventFilter(&firstFrame);

    // What is left of the font system's set-up after the warm-up, Qt's font
    // database and opening the dialog's face.
    DialogFont(MainDialogTemplate().fontFace, MainDialogTemplate().pointSize);
    timing.Done("dialog_font");
    ProgramIcon();
    timing.Done("icon_131");
    CComboCalcDlg dialog;
    timing.Done("window_built");
    dialog.show();
    timing.Done("show");
    return dialog.exec();
}
