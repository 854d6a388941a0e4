// SPDX-License-Identifier: MIT
// Commands reached by their mnemonics run within the key that carries the
// mnemonic, with the focus on their button, as a click would leave it.
#include "support/DialogDriver.h"

#include <fstream>
#include <sstream>

namespace {

class KeyboardCommandTest : public DialogTest {
protected:
    std::string Log() const {
        std::ifstream file(m_dir.File("Results.Txt"), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    TempWorkDir m_dir;
};

TEST_F(KeyboardCommandTest, KeysTypedRightAfterAltAGoToTheNewFocusNotIntoTheAddedHit) {
    Type("m_editHp", "300");
    Type("m_editDef", "5");
    Type("m_editDamage", "10");
    Press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Damages(), std::vector<int>{10}) << "added within the key";
    EXPECT_EQ(FocusName(), "m_rdoCeil");
    const QString damage = Edit("m_editDamage")->text();

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QTest::qWait(250); // longer than any delayed press
    EXPECT_EQ(Damages(), std::vector<int>{10});
    EXPECT_EQ(Edit("m_editDamage")->text(), damage) << "the 5 went to the radio button";
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(KeyboardCommandTest, AfterAltOEnterPressesOutputAgain) {
    StartCombo(300, 5, 1);
    const std::string line = List()->item(0)->text().toStdString();
    Press(Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(m_boxes.size(), 1u) << "written within the key";
    EXPECT_EQ(m_boxes[0].text, QStringLiteral("Complete"));
    EXPECT_EQ(FocusName(), "m_btnOutput");

    Press(Qt::Key_Return);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, QStringLiteral("Complete"));
    EXPECT_EQ(Count(Log(), line), 2) << "two blocks, each with the one line";
    EXPECT_EQ(List()->count(), 1) << "Enter went to Output, not to Add";

    // The other mnemonics leave the focus where their command puts it, not
    // where the key was pressed: Alt+C resets to Hp.
    Edit("m_editDamage")->setFocus();
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(FocusName(), "m_editHp");
}

} // namespace
