// SPDX-License-Identifier: MIT
// The list lines of a known combo, the report appended by Output, and the
// window menu with its About entry.
#include "support/DialogDriver.h"

#include "window/CAboutDlg.h"

#include <QMenu>
#include <QTimer>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

// HP 300 and defence 20 with these six hits, computed by hand from the
// scoring rules: the fifth is the Jk kill, the sixth hits past it.
const std::vector<std::string> kExampleLines = {
    "01 |Ceil |  |  |  |  |  |  |  |  | 79|   79|1.5|      1.500|        118|        118",
    "02 |Wall |* |  |* |  |  |  |  |  | 95|  174|2.0|      3.000|      1,174|      1,292",
    "03 |Ceil |  |  |  |  |  |* |  |  | 36|  210|1.2|      3.599|        755|      2,047",
    "04 |Ceil |  |  |  |  |  |  |  |  |  0|  210|1.0|      3.599|          0|      2,047",
    "05 |Ceil |  |  |  |* |* |  |  |  | 92|  302|1.1|      3.958|      1,842|      3,889",
    "06 |Ceil |  |  |  |  |  |  |  |  |  1|  303|1.0|      3.958|      1,199|      5,088",
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

using ListOutputTest = DialogTest;

TEST_F(ListOutputTest, ListShowsOneLinePerRowAndNeverSelectsByItself) {
    EnterWorkedExample(true);
    EXPECT_EQ(Lines(), kExampleLines);
    EXPECT_EQ(S().m_table[4].m_bJk, 1);
    EXPECT_EQ(S().m_table[5].m_bJk, 0);

    // Neither the rebuild nor giving the list the focus selects a line.
    EXPECT_TRUE(Selected().empty());
    QTest::keyClick(m_dlg.get(), Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(FocusName(), "m_listCombo");
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(Button("m_btnModify")->isEnabled());
    EXPECT_EQ(S().m_nSel, -1);

    // After a selection, the next recalculation leaves none and m_nSel alone.
    SelectLine(1);
    Click("m_btnTheory");
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(Button("m_btnModify")->isEnabled());
    EXPECT_EQ(S().m_nSel, 1);
    EXPECT_EQ(Lines(), kExampleLines) << "no score reaches the Real-mode limit";
}

TEST_F(ListOutputTest, OutputAppendsOneBlockPerPressAndConfirms) {
    TempWorkDir dir;
    EnterWorkedExample(false);
    SelectLine(1);
    const std::string buttons = Buttons();

    Click("m_btnOutput");
    Click("m_btnOutput");

    const std::string block = "Calculate  : Theory\r\n"
                              "MaxHP      :         300\r\n"
                              "Defence    :          20\r\n"
                              "Total Hit  :           2\r\n"
                              "Total Dmg  :         174\r\n"
                              "Total Rate :           3.000\r\n"
                              "Total Kov  :       1,292\r\n"
                              "\r\n"
                              "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|"
                              "        Kov|      T.Kov\r\n"
                              "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|"
                              "-----------|-----------\r\n" +
                              kExampleLines[0] + "\r\n" + kExampleLines[1] + "\r\n" +
                              std::string(83, '-') + "\r\n\r\n";
    EXPECT_EQ(ReadFile(dir.File("Results.Txt")), block + block);

    ASSERT_EQ(m_boxes.size(), 2u);
    for (const RecordedBox& box : m_boxes) {
        EXPECT_EQ(box.owner, m_dlg.get());
        EXPECT_EQ(box.icon, Feedback::BoxIcon::Information);
        EXPECT_EQ(box.caption, "Log Output");
        EXPECT_EQ(box.text, "Complete");
    }
    // Output changes nothing in the window.
    EXPECT_EQ(Buttons(), buttons);
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_EQ(m_beeps, 0);
}

// How the writer meets each fault is tested at the writer; the window's part
// is the warning in place of the confirmation, naming the file and the reason.
TEST_F(ListOutputTest, OutputThatCannotWriteWarnsAndKeepsTheFile) {
    TempWorkDir dir;
    EnterWorkedExample(false);
    // A directory where the file should be: not even root can write it.
    ASSERT_EQ(mkdir(dir.File("Results.Txt").c_str(), 0700), 0);
    const std::string buttons = Buttons();

    Click("m_btnOutput");

    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].owner, m_dlg.get());
    EXPECT_EQ(m_boxes[0].icon, Feedback::BoxIcon::Warning);
    EXPECT_EQ(m_boxes[0].caption, "Log Output");
    EXPECT_EQ(m_boxes[0].text, "The report could not be written to Results.Txt: Is a directory");
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("Results.Txt")));
    EXPECT_EQ(Buttons(), buttons);
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(ListOutputTest, WindowMenuEndsWithTheAboutEntryWhichOpensTheAboutBox) {
    m_dlg->setAboutBoxOpener(&CAboutDlg::openOver); // as the application does
    QMenu menu;
    m_dlg->PopulateWindowMenu(menu);
    const QList<QAction*> actions = menu.actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.last()->text(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(ZizAvazuvavez) (&A)..."));

    // The About box is the one modal window this test expects: answer it
    // from the event loop that its modal run spins.
    m_guard.reset();
    QObject answerer;
    QString title;
    QWidget* owner = nullptr;
    int opened = 0;
    const auto answerNextBox = [&] {
        QTimer::singleShot(0, &answerer, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++opened;
                title = modal->windowTitle();
                owner = modal->parentWidget();
                modal->close();
            }
        });
    };
    answerNextBox();
    m_dlg->OnSysCommand(16 | 0x3, 0);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(title, "About - Kov Calculator");
    EXPECT_EQ(owner, m_dlg.get());

    // The menu entry takes the same road, with a fresh box each time.
    answerNextBox();
    actions.last()->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    m_guard.emplace();
}

} // namespace
