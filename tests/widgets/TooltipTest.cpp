// SPDX-License-Identifier: MIT
// Tooltips wrapped at a readable width, as the window shows them.
#include "window/TooltipText.h"
#include "window/TooltipWrapping.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

TEST(Tooltip, LinesBreakAtSpacesWithinTheWidth) {
    const struct {
        QString text;
        int width;
        QString wrapped;
    } cases[] = {
        {"short enough", 12, "short enough"},
        {"one two three", 12, "one two\nthree"},
        {"one two three four", 7, "one two\nthree\nfour"},
        {"first line\nsecond line here", 11, "first line\nsecond line\nhere"},
        {"a unbreakable-word-longer-than-the-width b", 10,
         "a\nunbreakable-word-longer-than-the-width\nb"},
        {"<b>rich</b> text is left to Qt whatever its length", 10,
         "<b>rich</b> text is left to Qt whatever its length"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapTooltipText(c.text, c.width), c.wrapped) << c.text.toStdString();

    const QString mode = QStringLiteral(
        "The caption shows the current scoring mode. Real mode reduces a hit's score of "
        "16,777,216 or more modulo 16,777,216, as the game does; Theory mode keeps it whole. "
        "Press to switch.");
    const QStringList lines = WrapTooltipText(mode).split('\n');
    EXPECT_GE(lines.size(), 3);
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 70) << line.toStdString();
    EXPECT_EQ(lines.join(' '), mode);
}

TEST(Tooltip, TheWindowShowsALongTooltipWrappedAndKeepsTheText) {
    const TooltipWrapping wrapping(nullptr);
    QPushButton button(QStringLiteral("Theory"));
    const QString tip(QStringLiteral("word ").repeated(40).trimmed());
    button.setToolTip(tip);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &help);
    EXPECT_EQ(QToolTip::text(), WrapTooltipText(tip));
    EXPECT_NE(QToolTip::text(), tip);
    EXPECT_EQ(button.toolTip(), tip);
    QToolTip::hideText();
}

} // namespace
