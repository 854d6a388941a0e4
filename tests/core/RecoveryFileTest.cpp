// SPDX-License-Identifier: MIT
#include "workbench/RecoveryFile.h"

#include "model/ComboEditor.h"
#include "support/FileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

ComboState ComboOf(int hits) {
    ComboState state;
    for (int i = 0; i < hits; ++i) {
        state.m_entry.m_nDamage = 10 + i;
        AddEntry(state, EntryCapture{300, 20, 1, 1.0, 0.99, 0});
    }
    return state;
}

int RowsIn(const ComboFileResult& result) {
    const auto* state = std::get_if<ComboState>(&result);
    return state ? state->m_nLast + 1 : -1;
}

TEST(RecoveryFile, LivesInTheUsersStateFolder) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* path;
    } const cases[] = {
        {"/state", "/home/p", "/state/kov-calculator/last-combo.kovcombo"},
        {nullptr, "/home/p", "/home/p/.local/state/kov-calculator/last-combo.kovcombo"},
        {"", "/home/p", "/home/p/.local/state/kov-calculator/last-combo.kovcombo"},
        {"relative", "/home/p", "/home/p/.local/state/kov-calculator/last-combo.kovcombo"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecoveryFile::DefaultPath(c.xdg, c.home), c.path) << (c.xdg ? c.xdg : "(unset)");
}

TEST(RecoveryFile, KeepsTheLatestComboInAFolderItMakes) {
    TempDir dir;
    RecoveryFile file(dir.File("state/kov-calculator/last.kovcombo"));
    for (int hits = 1; hits <= 6; ++hits)
        file.Keep(ComboOf(hits));
    file.Flush();
    EXPECT_EQ(file.LastError(), "");
    EXPECT_EQ(RowsIn(file.Load()), 6);
}

TEST(RecoveryFile, WritesWhatIsWaitingBeforeItGoes) {
    TempDir dir;
    const std::string path = dir.File("last.kovcombo");
    {
        RecoveryFile file(path);
        file.Keep(ComboOf(3));
    }
    EXPECT_EQ(RowsIn(LoadComboFile(path)), 3);
}

TEST(RecoveryFile, SaysWhyItCouldNotWrite) {
    TempDir dir;
    WriteFile(dir.File("taken"), "a file, not a folder");
    RecoveryFile file(dir.File("taken/last.kovcombo"));
    file.Keep(ComboOf(1));
    file.Flush();
    EXPECT_NE(file.LastError(), "");
}

} // namespace
