// SPDX-License-Identifier: MIT
// The window menu's entries, Copy Report, the tooltips and Best Order.
#include "support/DialogDriver.h"
#include "support/WindowMenu.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace {

using Rows = std::vector<int>;

using WorkbenchTest = DialogTest;

TEST_F(WorkbenchTest, WindowMenuListsTheWorkbenchBeforeTheWindowCommands) {
    const QStringList texts = WindowMenu(*m_dlg).Texts();
    ASSERT_GE(texts.size(), 14);
    EXPECT_EQ(texts.mid(0, 14),
              (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "-", "&New\tCtrl+N",
                           "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...\tCtrl+Shift+S",
                           "Restore &Last Combo", "-", "Copy Re&port\tCtrl+Shift+C",
                           "&Best Order\tCtrl+B", "-", "&Restore", "Mi&nimize"}));
    EXPECT_FALSE(WindowMenu(*m_dlg).Entry("Copy Report")->isEnabled());
    EXPECT_FALSE(WindowMenu(*m_dlg).Entry("Best Order")->isEnabled());
    StartCombo(100, 0, 1);
    EXPECT_TRUE(WindowMenu(*m_dlg).Entry("Copy Report")->isEnabled());
    EXPECT_FALSE(WindowMenu(*m_dlg).Entry("Best Order")->isEnabled()) << "one unit";
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(m_beeps, 1);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(WorkbenchTest, CopyReportPutsTheOutputBlockWithLinefeeds) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << "nothing to copy";
    EXPECT_EQ(m_beeps, 1);

    EnterWorkedExample(false);
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString expected =
        "Calculate  : Theory\n"
        "MaxHP      :         300\n"
        "Defence    :          20\n"
        "Total Hit  :           2\n"
        "Total Dmg  :         174\n"
        "Total Rate :           3.000\n"
        "Total Kov  :       1,292\n"
        "\n"
        "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov\n"
        "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------\n"
        "01 |Ceil |  |  |  |  |  |  |  |  | 79|   79|1.5|      1.500|        118|        118\n"
        "02 |Wall |* |  |* |  |  |  |  |  | 95|  174|2.0|      3.000|      1,174|      1,292\n" +
        QString(83, QLatin1Char('-')) + "\n\n";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_EQ(m_beeps, 1);
}

TEST_F(WorkbenchTest, TooltipsExplainAndShowWhatDoesNotFit) {
    TempWorkDir dir;
    const auto* header = Get<QLabel>("labelHeader");
    EXPECT_TRUE(header->toolTip().contains(
        "Jk - the killing hit with an overkill of at most 2, worth 50 Kov more"));
    for (const char* column : {"Ar - Airier", "Co - Core", "Ct - Counter", "Dd - Double",
                               "Lt - Link Trap", "Lr - Long Range", "Rp - Rapid Chain", "T.Kov"})
        EXPECT_TRUE(header->toolTip().contains(column)) << column;
    EXPECT_TRUE(Button("m_btnTheory")->toolTip().contains("modulo 16,777,216"));
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1),
                    Button("m_btnOutput")->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(Button("m_btnOutput"), &help);
    EXPECT_TRUE(
        Button("m_btnOutput")->toolTip().contains(QDir::current().absoluteFilePath("Results.Txt")))
        << Button("m_btnOutput")->toolTip().toStdString();

    // The largest inputs: every bonus, the highest rates, 999 a hit.
    Type("m_editHp", "999");
    Type("m_editDef", "0");
    for (int i = 0; i < 15; ++i) {
        Combo("m_cmbKovRate")->setCurrentIndex(Combo("m_cmbKovRate")->count() - 1);
        for (const char* box : {"m_chkAirier", "m_chkCounter", "m_chkDouble", "m_chkLongRange",
                                "m_chkRapidChain", "m_chkOption", "m_chkLinkTrap"})
            Click(box);
        Combo("m_cmbLinkCount")->setCurrentIndex(Combo("m_cmbLinkCount")->count() - 1);
        AddHit(999);
    }
    ASSERT_EQ(S().m_nLast, kLastRow);
    EXPECT_EQ(List()->item(kLastRow)->toolTip(), List()->item(kLastRow)->text());
    EXPECT_EQ(List()->item(0)->toolTip(), "") << List()->item(0)->text().toStdString();
}

TEST_F(WorkbenchTest, BestOrderFindsTheTopScoreInOneUndoStep) {
    // 99 dealt by each hit. Rate 1.0 first: 99 + floor(198 x 2.0) = 495;
    // rate 2.0 first: floor(99 x 2.0) + floor(198 x 2.0) = 594.
    Type("m_editHp", "999");
    Type("m_editDef", "0");
    AddHit(100);
    Choose("m_cmbKovRate", "2.0");
    AddHit(100);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(S().m_results[1].m_dTotalKov, 495.0);

    SelectLine(1);
    ASSERT_TRUE(WindowMenu(*m_dlg).Entry("Best Order")->isEnabled());
    Press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].caption, "Best Order");
    EXPECT_EQ(m_boxes[0].text, QStringLiteral("Total Kov 495 \u2192 594"));
    EXPECT_EQ(S().m_table[0].m_dKovRate, 2.0);
    EXPECT_EQ(S().m_results[1].m_dTotalKov, 594.0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Buttons(), "+--++--+");
    EXPECT_EQ(FocusName(), "m_rdoCeil");

    // Again: nothing to gain, nothing changes.
    WindowMenu(*m_dlg).Entry("Best Order")->trigger();
    EXPECT_EQ(m_boxes.back().text, "The current order already scores the most.");
    EXPECT_EQ(S().m_table[0].m_dKovRate, 2.0);
    EXPECT_TRUE(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo Best Order"));
    m_dlg->OnUndo();
    EXPECT_EQ(Lines(), lines);
}

TEST_F(WorkbenchTest, ALongSearchShowsProgressAndCancelLeavesTheCombo) {
    StartCombo(999, 0, 4);
    const std::vector<std::string> lines = Lines();
    m_dlg->setBestOrderSearch([](const ComboState& state, const SearchControl* control) {
        // Held until cancelled, or five seconds at most.
        for (int i = 0; i < 1000 && !control->cancel->load(); ++i) {
            control->progress->store(0.25);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        BestOrderResult result;
        result.cancelled = control->cancel->load();
        result.state = state;
        return result;
    });
    m_guard.reset();
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = m_dlg->findChild<QProgressDialog*>();
        if (box && box->isVisible()) {
            title = box->windowTitle();
            if (auto* cancel = box->findChild<QPushButton*>())
                cancel->click();
        }
    });
    poll.start(50);
    const auto started = std::chrono::steady_clock::now();
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
    EXPECT_EQ(title, "Best Order");
    EXPECT_EQ(Lines(), lines);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_FALSE(WindowMenu(*m_dlg).At(0)->text().contains("Best"));
}

TEST_F(WorkbenchTest, ClosingDuringASearchCancelsItAndCloses) {
    StartCombo(999, 0, 4);
    std::atomic<bool> sawCancel{false};
    m_dlg->setBestOrderSearch([&](const ComboState& state, const SearchControl* control) {
        for (int i = 0; i < 1000 && !control->cancel->load(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sawCancel = control->cancel->load();
        BestOrderResult result;
        result.cancelled = sawCancel;
        result.state = state;
        return result;
    });
    QTimer::singleShot(50, m_dlg.get(), [this] { m_dlg->close(); });
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(sawCancel);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(WorkbenchTest, ASearchThatFailsLeavesTheComboAndSaysSo) {
    StartCombo(999, 0, 3);
    const std::vector<std::string> lines = Lines();
    m_dlg->setBestOrderSearch([](const ComboState&, const SearchControl*) -> BestOrderResult {
        throw std::runtime_error("out of memory");
    });
    Press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].icon, Feedback::BoxIcon::Warning);
    EXPECT_EQ(m_boxes[0].text, "The search failed and the combo is as it was: out of memory");
    EXPECT_EQ(Lines(), lines);
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_TRUE(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo Add"));
}

TEST_F(WorkbenchTest, ShiftF10OpensTheMenuAsTheMenuKeyDoes) {
    StartCombo(100, 0, 2);
    QStringList seen;
    QTimer::singleShot(0, m_dlg.get(), [&seen] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                seen << action->text().section(QLatin1Char('\t'), 0, 0);
            menu->close();
        }
    });
    Press(Qt::Key_F10, Qt::ShiftModifier); // the focus is on Ceil: the window menu
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), "&Undo Add");

    seen.clear();
    // The closed popup leaves no window active on the offscreen platform.
    QApplication::setActiveWindow(m_dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    SelectLine(0);
    ASSERT_EQ(FocusName(), "m_listCombo");
    QTimer::singleShot(0, m_dlg.get(), [&seen] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                seen << action->text().section(QLatin1Char('\t'), 0, 0);
            menu->close();
        }
    });
    Press(Qt::Key_F10, Qt::ShiftModifier); // in the list: the list's own menu
    EXPECT_EQ(seen, (QStringList{"&Delete Line", "D&uplicate Line"}));
}

} // namespace
