// SPDX-License-Identifier: MIT
#include "window/BestOrderRunner.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

// A search done within this time shows no progress box at all.
constexpr int kProgressDelayMs = 200;
constexpr int kProgressUpdateMs = 50;
constexpr int kProgressSteps = 1000;

bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

BestOrderRunner::BestOrderRunner(QWidget* window) : QObject(window), m_window(window) {}

void BestOrderRunner::Cancel() {
    if (m_cancel)
        *m_cancel = true;
}

bool BestOrderRunner::eventFilter(QObject* watched, QEvent* event) {
    // Input meant for the window waits out the search; closing it does not
    // (it cancels the search), and the progress box takes its own input.
    if (m_cancel && IsUserInput(event) && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == m_window)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

BestOrderRunner::Outcome BestOrderRunner::Run(const ComboState& state, const Search& search) {
    std::atomic<bool> cancel{false};
    std::atomic<double> progress{0.0};
    const SearchControl control{&cancel, &progress};
    Outcome outcome;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            outcome.result = search(state, &control);
        } catch (const std::exception& e) {
            outcome.error = e.what();
        } catch (...) {
            outcome.error = "unknown failure";
        }
    }));

    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    m_cancel = &cancel;
    qApp->installEventFilter(this);

    // The box is made only once the delay has passed: a progress box starts
    // its own timer to show itself as soon as it exists.
    std::unique_ptr<QProgressDialog> box;
    QTimer update;
    connect(&update, &QTimer::timeout, &loop, [&] {
        // One step short of the end, so the box never closes itself.
        box->setValue(std::min(kProgressSteps - 1, static_cast<int>(progress * kProgressSteps)));
    });
    QTimer::singleShot(kProgressDelayMs, &loop, [&] {
        if (cancel)
            return;
        box = std::make_unique<QProgressDialog>(QStringLiteral("Finding the best order..."),
                                                QStringLiteral("Cancel"), 0, kProgressSteps,
                                                m_window);
        box->setWindowTitle(QStringLiteral("Best Order"));
        box->setMinimumDuration(0);
        box->setAutoClose(false);
        box->setAutoReset(false);
        connect(box.get(), &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
        box->show();
        update.start(kProgressUpdateMs);
    });

    worker->start();
    loop.exec();
    worker->wait();
    update.stop();
    box.reset();

    qApp->removeEventFilter(this);
    m_cancel = nullptr;
    return outcome;
}
