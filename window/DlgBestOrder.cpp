// SPDX-License-Identifier: MIT
// Best Order: the combo's units in the order that scores the most. The search
// runs on a thread of its own; when it takes a while a progress box with
// Cancel appears, and the window keeps painting.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "text/NumberFormat.h"
#include "scoring/ComboUnits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// A search done within this time shows no progress box at all.
constexpr int kProgressDelayMs = 200;
constexpr int kPollMs = 20;
constexpr int kProgressSteps = 1000;

QString Grouped(double value) {
    return QString::fromStdString(FormatGrouped(value)).trimmed();
}

} // namespace

int CComboCalcDlg::UnitCount() const {
    return static_cast<int>(SplitIntoUnits(m_state).size());
}

BestOrderResult CComboCalcDlg::RunBestOrderSearch(const ComboState& state) {
    std::atomic<bool> cancel{false};
    std::atomic<double> progress{0.0};
    std::atomic<bool> done{false};
    const SearchControl control{&cancel, &progress};
    const BestOrderSearch search =
        m_bestOrderSearch ? m_bestOrderSearch
                          : BestOrderSearch([](const ComboState& s, const SearchControl* c) {
                                return FindBestOrder(s, c);
                            });
    BestOrderResult result;
    std::thread worker([&] {
        result = search(state, &control);
        done = true;
    });

    // A short search: wait without taking the person's input, which would
    // otherwise run commands on the combo being searched.
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < kProgressDelayMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    if (!done) {
        QProgressDialog box(QStringLiteral("Finding the best order..."), QStringLiteral("Cancel"),
                            0, kProgressSteps, this);
        box.setWindowTitle(QStringLiteral("Best Order"));
        box.setWindowModality(Qt::WindowModal);
        box.setMinimumDuration(0);
        box.setAutoClose(false);
        box.setAutoReset(false);
        QEventLoop loop;
        connect(&box, &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
        QTimer poll;
        connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done) {
                loop.quit();
                return;
            }
            if (box.wasCanceled())
                cancel = true;
            // One step short of the end, so the box never closes itself.
            box.setValue(std::min(kProgressSteps - 1, static_cast<int>(progress * kProgressSteps)));
        });
        poll.start(kPollMs);
        box.show();
        if (!done)
            loop.exec();
    }
    worker.join();
    return result;
}

void CComboCalcDlg::OnBestOrder() {
    if (UnitCount() < 2) {
        Feedback::Beep();
        return;
    }
    const ComboState before = m_state;
    const BestOrderResult result = RunBestOrderSearch(before);
    if (result.cancelled)
        return;
    QString text = QStringLiteral("The current order already scores the most.");
    if (result.improved) {
        m_state = result.state;
        RecordChange("Best Order", before);
        ShowWholeCombo();
        text = QStringLiteral("Total Kov %1 \u2192 %2")
                   .arg(Grouped(result.totalBefore), Grouped(result.totalAfter));
    }
    Feedback::ShowMessageBox(this, Feedback::BoxIcon::Information, QStringLiteral("Best Order"),
                             text);
}
