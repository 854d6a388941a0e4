// SPDX-License-Identifier: MIT
// One Add through the real main window, next to bare Qt operations of the same
// kind, all in one run so the ratios compare like with like. Runs on the
// offscreen platform unless QT_QPA_PLATFORM names another.
//
//     ./bench_gui                      medians of 9 repetitions
//
// Only the command is timed (manual timing); typing the damage beforehand and
// taking the 15th row off again afterwards are outside the clock.
#include "window/CComboCalcDlg.h"
#include "window/Feedback.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Each figure is the median of nine repetitions, in microseconds.
void Timed(benchmark::internal::Benchmark* bench) {
    bench->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

void Record(benchmark::State& state, Clock::time_point start) {
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
}

// The main window with an enemy and 14 hits entered through its controls.
class FourteenRowWindow {
public:
    FourteenRowWindow() {
        m_dlg.show();
        QApplication::processEvents();
        m_add = m_dlg.findChild<QPushButton*>(QStringLiteral("m_btnAdd"));
        m_damage = m_dlg.findChild<QLineEdit*>(QStringLiteral("m_editDamage"));
        m_list = m_dlg.findChild<QListWidget*>(QStringLiteral("m_listCombo"));
        m_dlg.findChild<QLineEdit*>(QStringLiteral("m_editHp"))->setText(QStringLiteral("999"));
        m_dlg.findChild<QLineEdit*>(QStringLiteral("m_editDef"))->setText(QStringLiteral("12"));
        for (int row = 0; row < 14; ++row) {
            m_damage->setText(QString::number(40 + 7 * row));
            m_add->click();
        }
        QApplication::processEvents();
    }

    bool Rows(int count) const { return m_list->count() == count; }
    void TypeDamage() { m_damage->setText(QStringLiteral("123")); }
    void PressAdd() { m_add->click(); }

    // Back to 14 rows the way a person would: select line 15, Remove.
    void RemoveLast() {
        m_list->setCurrentRow(14);
        m_dlg.OnSelchangeList();
        m_dlg.OnRemove();
        QApplication::processEvents();
    }

private:
    CComboCalcDlg m_dlg;
    QPushButton* m_add = nullptr;
    QLineEdit* m_damage = nullptr;
    QListWidget* m_list = nullptr;
};

// The Add command alone: capture, recalculation, list rebuild, form reset.
void BM_AddInto14RowCombo(benchmark::State& state) {
    FourteenRowWindow window;
    for (auto _ : state) {
        window.TypeDamage();
        const auto start = Clock::now();
        window.PressAdd();
        Record(state, start);
        if (!window.Rows(15)) {
            state.SkipWithError("Add did not add the 15th row");
            break;
        }
        window.RemoveLast();
    }
}
BENCHMARK(BM_AddInto14RowCombo)->Apply(Timed);

// The same, until the window has painted the new state.
void BM_AddInto14RowComboAndPaint(benchmark::State& state) {
    FourteenRowWindow window;
    for (auto _ : state) {
        window.TypeDamage();
        const auto start = Clock::now();
        window.PressAdd();
        QApplication::processEvents();
        Record(state, start);
        if (!window.Rows(15)) {
            state.SkipWithError("Add did not add the 15th row");
            break;
        }
        window.RemoveLast();
    }
}
BENCHMARK(BM_AddInto14RowComboAndPaint)->Apply(Timed);

// Baseline: a bare list widget emptied and filled with 15 lines of the width
// the combo list shows.
QStringList FifteenLines() {
    QStringList lines;
    for (int i = 1; i <= 15; ++i)
        lines << QStringLiteral("%1 |Ceil |* |* |  |  |  |  |  |  |120|  120|1.5|      1.500|"
                                "        270|        270")
                     .arg(i, 2, 10, QLatin1Char('0'));
    return lines;
}

// Argument 0: the refill alone; 1: the refill and its paint.
void BM_Baseline_BareListRefill15(benchmark::State& state) {
    const bool paint = state.range(0) != 0;
    QListWidget list;
    list.resize(680, 250);
    list.show();
    const QStringList lines = FifteenLines();
    QApplication::processEvents();
    for (auto _ : state) {
        const auto start = Clock::now();
        list.clear();
        for (const QString& line : lines)
            list.addItem(line);
        if (paint)
            QApplication::processEvents();
        Record(state, start);
    }
}
BENCHMARK(BM_Baseline_BareListRefill15)->Arg(0)->Arg(1)->Apply(Timed);

// Baseline: one event posted to a shown, empty dialog and delivered.
void BM_Baseline_BareDialogEventRoundTrip(benchmark::State& state) {
    QDialog dialog;
    dialog.show();
    QApplication::processEvents();
    const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    for (auto _ : state) {
        const auto start = Clock::now();
        QCoreApplication::postEvent(&dialog, new QEvent(type));
        // Without arguments: delivering to one receiver leaves the spent
        // entries in Qt's queue, which would then grow with every iteration.
        QCoreApplication::sendPostedEvents();
        Record(state, start);
    }
}
BENCHMARK(BM_Baseline_BareDialogEventRoundTrip)->Apply(Timed);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A refused Add would beep; a benchmark should stay silent.
    Feedback::SetBeepHandler([] {});

    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    benchmark::AddCustomContext("qt", qVersion());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
