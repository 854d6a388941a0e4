// SPDX-License-Identifier: MIT
#pragma once

#include "support/ModalGuard.h"
#include "window/TemplateBuilder.h"
#include "window/templates/DialogTemplate.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

// Template 102 built into a bare dialog, shown and active so that focus,
// shortcuts and clicks behave as on a screen.
class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        built = BuildDialog(&dialog, MainDialogTemplate());
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    template <class T> T* Get(int id) const {
        T* control = built.Control<T>(id);
        EXPECT_NE(control, nullptr) << "no control " << id;
        return control;
    }
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QStringLiteral("<none>");
    }
    static void PressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void PressAlt(Qt::Key key) { QTest::keyClick(&dialog, key, Qt::AltModifier); }

    ModalGuard guard;
    QDialog dialog;
    BuiltDialog built;
};
