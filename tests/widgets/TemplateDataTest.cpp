// SPDX-License-Identifier: MIT
#include "window/templates/DialogTemplate.h"

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

// What any well-formed template satisfies, so that a slip in the data (a
// duplicated identifier, an item outside the window, a list without its
// drop-down) shows up here rather than as an odd window.
void ExpectWellFormed(const DialogTemplate& tmpl) {
    SCOPED_TRACE(tmpl.title);
    std::set<int> ids;
    std::set<std::string> names;
    int defaultButtons = 0;
    for (const DialogItem& item : tmpl.items) {
        SCOPED_TRACE(item.objectName);
        if (item.id != kNoId) {
            EXPECT_TRUE(ids.insert(item.id).second) << "duplicate id";
        }
        EXPECT_TRUE(names.insert(item.objectName).second);
        EXPECT_TRUE(item.x >= 0 && item.y >= 0 && item.x + item.cx <= tmpl.cx &&
                    item.y + item.cy <= tmpl.cy);
        if (item.style & ItemStyle::DefPushButton) {
            ++defaultButtons;
            EXPECT_EQ(item.id, kIdOk);
        }
        const bool hasList = std::any_of(tmpl.lists.begin(), tmpl.lists.end(),
                                         [&](const InitialList& l) { return l.id == item.id; });
        EXPECT_EQ(hasList, item.kind == ItemKind::DropDownList);
    }
    EXPECT_EQ(defaultButtons, 1);
}

TEST(DialogTemplates, AreWellFormed) {
    ExpectWellFormed(MainDialogTemplate());
    ExpectWellFormed(AboutDialogTemplate());

    const auto& items = MainDialogTemplate().items;
    const auto members = std::count_if(items.begin(), items.end(), [](const DialogItem& item) {
        return std::string(item.objectName).rfind("m_", 0) == 0 && item.id != kNoId;
    });
    EXPECT_EQ(members, 31) << "one object name per control member of the dialog";
}

} // namespace
