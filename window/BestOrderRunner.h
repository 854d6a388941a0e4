// SPDX-License-Identifier: MIT
#pragma once

#include "scoring/BestOrder.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <string>

class QWidget;

// Runs a best-order search on a worker thread while the window keeps
// painting but takes no input, so that no command can change the combo being
// searched. A search that takes a while shows a progress box with Cancel.
class BestOrderRunner : public QObject {
    Q_OBJECT

public:
    using Search = std::function<BestOrderResult(const ComboState& state, const SearchControl*)>;

    struct Outcome {
        BestOrderResult result;
        std::string error; // what the search threw; the result means nothing then
    };

    explicit BestOrderRunner(QWidget* window);

    // Returns once the search has ended, found, cancelled or failed.
    Outcome Run(const ComboState& state, const Search& search);
    bool IsRunning() const { return m_cancel != nullptr; }
    // Asks a running search to stop (the window is closing, say).
    void Cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::atomic<bool>* m_cancel = nullptr;
};
