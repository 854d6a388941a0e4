// SPDX-License-Identifier: MIT
#include "window/DialogFont.h"
#include "window/templates/DialogTemplate.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The list lines stand in columns under the header only if every character
// has the same width: same length, same pixels, whatever the characters.
void ExpectColumnsLineUp(const QFont& font) {
    const QString header = QStringLiteral(
        "No. Type  Ar Co Ct Dd Jk Lt Lr Rp Dmg T.Dmg  Rt      T.Rate         Kov       T.Kov");
    const QString line = QStringLiteral(
        "02 |Wall |  |* |  |* |* |  |  |* |999|1,119|4.0|  1,234.567|123,456,789|123,456,789");
    ASSERT_EQ(header.size(), line.size());
    const QFontMetrics metrics(font);
    EXPECT_EQ(metrics.horizontalAdvance(header), metrics.horizontalAdvance(line));
    EXPECT_EQ(metrics.horizontalAdvance(QString(83, u'i')),
              metrics.horizontalAdvance(QString(83, u'W')));
}

TEST(DialogFont, IsTheFaceAskedForOrAFallbackAndAlwaysFixedPitch) {
    const DialogTemplate& tmpl = MainDialogTemplate();
    const QFont font = DialogFont(tmpl.fontFace, tmpl.pointSize);
    EXPECT_EQ(QFontInfo(font).family().toLower(), font.family().toLower());
    EXPECT_EQ(font.pointSize(), 10);
    if (!QFontDatabase::families().contains(QString::fromUtf8(tmpl.fontFace)) &&
        QFontDatabase::families().contains(QStringLiteral("IPAGothic"))) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
    }
    ExpectColumnsLineUp(font);
    EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x2191))); // the up and down buttons
    EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x2193)));

    const QFont fallback = DialogFont("No Such Face Kov 7f3a", 10);
    EXPECT_NE(QFontInfo(fallback).family(), QStringLiteral("No Such Face Kov 7f3a"));
    EXPECT_EQ(fallback.pointSize(), 10);
    ExpectColumnsLineUp(fallback);
}

} // namespace
