// SPDX-License-Identifier: MIT
// Open, Save and Save As through the window: the title, the refusals, the
// failure of a save and the question on closing.
#include "support/DialogDriver.h"
#include "support/WindowMenu.h"

#include "window/FileChooser.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace {

using Rows = std::vector<int>;

const QString kTitle = QStringLiteral("Kov Calculator Ver.0.92");

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ComboFilesTest : public DialogTest {
protected:
    ComboFilesTest() {
        m_oldOpen = FileChooser::SetOpenHandler(
            [this](QWidget*, const QString&, const QString&, const QString& filter) {
                m_filters << filter;
                return m_openAnswer;
            });
        m_oldSave = FileChooser::SetSaveHandler(
            [this](QWidget*, const QString&, const QString&, const QString& filter) {
                m_filters << filter;
                return m_saveAnswer;
            });
        m_oldQuestion = Feedback::SetSaveQuestionHandler([this](QWidget*, const QString& name) {
            m_questions << name;
            return m_closeAnswer;
        });
    }
    ~ComboFilesTest() override {
        FileChooser::SetOpenHandler(m_oldOpen);
        FileChooser::SetSaveHandler(m_oldSave);
        Feedback::SetSaveQuestionHandler(m_oldQuestion);
    }

    TempDir m_dir;
    QString m_openAnswer;
    QString m_saveAnswer;
    Feedback::SaveAnswer m_closeAnswer = Feedback::SaveAnswer::Cancel;
    QStringList m_filters;
    QStringList m_questions;

private:
    FileChooser::Handler m_oldOpen;
    FileChooser::Handler m_oldSave;
    Feedback::SaveQuestionHandler m_oldQuestion;
};

TEST_F(ComboFilesTest, SaveAsAddsTheSuffixAndOpenBringsTheComboBack) {
    EXPECT_EQ(m_dlg->windowTitle(), kTitle);
    StartCombo(321, 7, 3);
    Click("m_btnTheory");
    m_saveAnswer = QString::fromStdString(m_dir.File("mine"));
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string path = m_dir.File("mine.kovcombo");
    EXPECT_EQ(m_dlg->windowTitle(), "mine.kovcombo[*] - " + kTitle);
    EXPECT_FALSE(m_dlg->isWindowModified());
    const std::string saved = ReadAll(path);
    EXPECT_NE(saved.find("\"format\": \"kov-combo\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"mode\": \"Real\""), std::string::npos);
    EXPECT_NE(saved.find("\"hp\": 321"), std::string::npos);
    EXPECT_EQ(m_filters, QStringList{"Kov combo (*.kovcombo)"});

    // Ctrl+S writes the same file again without asking.
    SelectLine(0);
    Press(Qt::Key_Delete);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_filters.size(), 1);
    EXPECT_EQ(ReadAll(path).find("\"damage\": 10,"), std::string::npos);

    // Open from the menu: the combo as saved, as one undo step. The cleared
    // combo is a change to the file, so Open asks first.
    Click("m_btnClear");
    EXPECT_TRUE(m_dlg->isWindowModified());
    EXPECT_EQ(m_dlg->windowHandle()->title(), "mine.kovcombo* - " + kTitle);
    m_closeAnswer = Feedback::SaveAnswer::Discard;
    m_openAnswer = QString::fromStdString(path);
    WindowMenu(*m_dlg).Entry(QStringLiteral("Open..."))->trigger();
    EXPECT_EQ(Damages(), (Rows{11, 12}));
    EXPECT_EQ(S().m_nHp, 321);
    EXPECT_EQ(S().m_bReal, 1);
    EXPECT_EQ(Button("m_btnTheory")->text(), "Real");
    EXPECT_EQ(Edit("m_editHp")->text(), "321");
    EXPECT_EQ(Buttons(), "+--++--+");
    EXPECT_EQ(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo Open"), true);
    EXPECT_EQ(m_questions, QStringList{"mine.kovcombo"});
    m_dlg->OnUndo();
    EXPECT_EQ(S().m_nLast, -1);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ComboFilesTest, ARefusedFileLeavesTheWindowAsItWas) {
    StartCombo(100, 1, 2);
    const std::vector<std::string> lines = Lines();
    const std::string bad = m_dir.File("bad.kovcombo");
    WriteAll(bad, "{\"format\": \"kov-combo\", \"version\": 1, \"mode\": \"Theory\", \"hp\": 1200, "
                  "\"def\": 0, \"hits\": []}\n");
    m_openAnswer = QString::fromStdString(bad);
    Press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].caption, "Open");
    EXPECT_EQ(m_boxes[0].icon, Feedback::BoxIcon::Warning);
    EXPECT_TRUE(m_boxes[0].text.startsWith("bad.kovcombo: hp: ")) << m_boxes[0].text.toStdString();
    EXPECT_EQ(Lines(), lines);
    EXPECT_EQ(m_dlg->windowTitle(), kTitle);
    EXPECT_EQ(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo Add"), true);

    // Text that is not JSON is refused with its place; a cancelled dialog does nothing.
    WriteAll(bad, "{\n  oops");
    EXPECT_FALSE(m_dlg->openComboFile(QString::fromStdString(bad)));
    EXPECT_TRUE(m_boxes[1].text.startsWith("bad.kovcombo:2:3: ")) << m_boxes[1].text.toStdString();
    m_openAnswer.clear();
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(Lines(), lines);
}

TEST_F(ComboFilesTest, AFailedSaveKeepsTheOldFileAndGivesTheReason) {
    const std::string path = m_dir.File("kept.kovcombo");
    WriteAll(path, "old");
    StartCombo(100, 1, 15);
    m_saveAnswer = QString::fromStdString(path);

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = m_dlg->OnSaveFileAs();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(path), "old");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].caption, "Save");
    EXPECT_EQ(m_boxes[0].text, "kept.kovcombo could not be saved: File too large");
    EXPECT_EQ(m_dlg->windowTitle(), kTitle);

    m_saveAnswer = QString::fromStdString(m_dir.File("missing/x.kovcombo"));
    EXPECT_FALSE(m_dlg->OnSaveFileAs());
    EXPECT_EQ(m_boxes.back().text, "x.kovcombo could not be saved: No such file or directory");
}

TEST_F(ComboFilesTest, ClosingAsksOnlyAboutUnsavedChangesToAFile) {
    StartCombo(100, 1, 2);
    const std::string path = m_dir.File("c.kovcombo");
    m_saveAnswer = QString::fromStdString(path);
    ASSERT_TRUE(m_dlg->OnSaveFileAs());

    // Changed and changed back: the content is as saved, no question.
    AddHit(30);
    m_dlg->OnUndo();
    m_dlg->close();
    EXPECT_TRUE(m_questions.isEmpty());
    EXPECT_FALSE(m_dlg->isVisible());

    m_dlg->show();
    AddHit(40);
    Press(Qt::Key_Escape); // Cancel keeps the window
    EXPECT_EQ(m_questions, QStringList{"c.kovcombo"});
    EXPECT_TRUE(m_dlg->isVisible());
    m_closeAnswer = Feedback::SaveAnswer::Discard;
    Click("exitButton");
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(ReadAll(path).find("\"damage\": 40,"), std::string::npos);

    m_dlg->show();
    m_closeAnswer = Feedback::SaveAnswer::Save;
    m_dlg->close();
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_NE(ReadAll(path).find("\"damage\": 40,"), std::string::npos);
    EXPECT_EQ(m_questions.size(), 3);
}

TEST_F(ComboFilesTest, AComboThatNeverTouchedAFileClosesAtOnce) {
    StartCombo(100, 1, 2);
    Click("exitButton");
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_TRUE(m_questions.isEmpty());
}

} // namespace

namespace {

// Opening B over A and undoing it goes back to A: saving then writes A's
// combo into A, never into B.
TEST_F(ComboFilesTest, UndoOfOpenGoesBackToTheFileBeforeAndSavingLeavesTheOtherFile) {
    const std::string a = m_dir.File("A.kovcombo");
    const std::string b = m_dir.File("B.kovcombo");
    StartCombo(100, 1, 1);
    m_saveAnswer = QString::fromStdString(a);
    ASSERT_TRUE(m_dlg->OnSaveFileAs());
    const std::string aBytes = ReadAll(a);
    AddHit(50);
    m_saveAnswer = QString::fromStdString(b);
    ASSERT_TRUE(m_dlg->OnSaveFileAs());
    const std::string bBytes = ReadAll(b);

    ASSERT_TRUE(m_dlg->openComboFile(QString::fromStdString(a)));
    m_openAnswer = QString::fromStdString(b);
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_dlg->windowTitle(), "B.kovcombo[*] - " + kTitle);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_dlg->windowTitle(), "A.kovcombo[*] - " + kTitle);
    EXPECT_FALSE(m_dlg->isWindowModified());
    EXPECT_EQ(Lines().size(), 1u);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadAll(b), bBytes);
    EXPECT_EQ(ReadAll(a), aBytes);
    m_dlg->close();
    EXPECT_TRUE(m_questions.isEmpty());
}

TEST_F(ComboFilesTest, NewAsksAboutUnsavedChangesThenShowsTheWindowAsItStarts) {
    StartCombo(100, 1, 2);
    m_saveAnswer = QString::fromStdString(m_dir.File("n.kovcombo"));
    ASSERT_TRUE(m_dlg->OnSaveFileAs());
    AddHit(30);
    Press(Qt::Key_N, Qt::ControlModifier); // Cancel keeps the combo
    EXPECT_EQ(m_questions, QStringList{"n.kovcombo"});
    EXPECT_EQ(Lines().size(), 3u);
    m_closeAnswer = Feedback::SaveAnswer::Discard;
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(m_dlg->windowTitle(), kTitle);
    EXPECT_EQ(Buttons(), "+-------");
    EXPECT_EQ(FocusName(), "m_editHp");
    EXPECT_EQ(Edit("m_editHp")->text(), "");
    EXPECT_TRUE(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo New"));
    // Its undo brings back the file with its unsaved change.
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines().size(), 3u);
    EXPECT_TRUE(m_dlg->isWindowModified());
}

TEST_F(ComboFilesTest, RestoreLastComboBringsBackAComboEndedByEscape) {
    const std::string kept = m_dir.File("state/last.kovcombo");
    m_dlg->setRecoveryFile(kept);
    WindowMenu(*m_dlg).Entry("Restore Last Combo")->trigger();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "No combo has been kept yet.");

    StartCombo(200, 3, 4);
    const std::vector<std::string> lines = Lines();
    Press(Qt::Key_Escape);
    ASSERT_FALSE(m_dlg->isVisible());

    // A new window starts empty, as always, and finds the combo kept.
    m_dlg = std::make_unique<CComboCalcDlg>();
    m_dlg->setRecoveryFile(kept);
    m_dlg->show();
    EXPECT_TRUE(Lines().empty());
    WindowMenu(*m_dlg).Entry("Restore Last Combo")->trigger();
    EXPECT_EQ(Lines(), lines);
    EXPECT_EQ(Edit("m_editHp")->text(), "200");
    EXPECT_EQ(m_dlg->windowTitle(), kTitle);
    EXPECT_TRUE(WindowMenu(*m_dlg).At(0)->text().startsWith("&Undo Restore Last Combo"));
    m_dlg->OnUndo();
    EXPECT_TRUE(Lines().empty());
}

} // namespace
