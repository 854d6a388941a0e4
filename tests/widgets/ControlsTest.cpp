#include "MainDialogFixture.h"
#include "dialog/Win32Controls.h"

#include <QButtonGroup>
#include <QImage>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>

namespace {

TEST_F(MainDialogTest, RadioButtonsFormTwoIndependentExclusiveGroups) {
    ASSERT_EQ(built.radioGroups.size(), 2u);
    auto* ceil = Get<QRadioButton>(Ctl::Ceil);
    auto* on = Get<QRadioButton>(Ctl::On);
    auto* off = Get<QRadioButton>(Ctl::Off);
    ceil->setChecked(true);
    on->setChecked(true);

    QSignalSpy offClicked(off, &QAbstractButton::clicked);
    QTest::mouseClick(off, Qt::LeftButton);
    EXPECT_TRUE(off->isChecked() && !on->isChecked());
    EXPECT_TRUE(ceil->isChecked()) << "Off must not uncheck CEIL";
    EXPECT_EQ(offClicked.count(), 1);

    QTest::mouseClick(Get<QRadioButton>(Ctl::Wall), Qt::LeftButton);
    EXPECT_FALSE(ceil->isChecked());
    EXPECT_TRUE(off->isChecked());
}

TEST_F(MainDialogTest, ArrowKeysMoveAndClickRoundTheGroupInTemplateOrder) {
    auto* ceil = Get<QRadioButton>(Ctl::Ceil);
    auto* on = Get<QRadioButton>(Ctl::On);
    ceil->setChecked(true);
    on->setChecked(true);

    // No button lies right of CEIL, yet Right goes on to WALL, as Down does.
    QSignalSpy clicked(built.radioGroups.front(), &QButtonGroup::idClicked);
    ceil->setFocus();
    QTest::keyClick(ceil, Qt::Key_Right);
    EXPECT_EQ(FocusName(), QStringLiteral("m_rdoWall"));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), Ctl::Wall);

    ceil->click();
    QTest::keyClick(ceil, Qt::Key_Up); // wraps round
    EXPECT_TRUE(Get<QRadioButton>(Ctl::Extra)->isChecked());
    EXPECT_TRUE(on->isChecked()) << "the other group is untouched";

    on->setFocus();
    QTest::keyClick(on, Qt::Key_Down); // Off is beside On, not below it
    EXPECT_TRUE(Get<QRadioButton>(Ctl::Off)->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(Ctl::Extra)->isChecked());
}

TEST_F(MainDialogTest, ACheckBoxReactsToAClickAnywhereInItsRectangle) {
    auto* airier = Get<QCheckBox>(Ctl::Airier);
    const QPoint blank(airier->width() - 3, airier->height() / 2);
    QStyleOptionButton opt;
    opt.initFrom(airier);
    opt.text = airier->text();
    ASSERT_FALSE(
        airier->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &opt, airier).contains(blank))
        << "the point must be outside what a plain check box answers to";

    QSignalSpy clicked(airier, &QAbstractButton::clicked);
    QTest::mouseClick(airier, Qt::LeftButton, {}, blank);
    EXPECT_TRUE(airier->isChecked());
    QTest::mouseClick(airier, Qt::LeftButton, {}, blank);
    EXPECT_FALSE(airier->isChecked());
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(MainDialogTest, UnDifenceDrawsItsCaptionAtTheLeftAndTheBoxAtTheRightEdge) {
    auto* box = dialog.findChild<Win32CheckBox*>(QStringLiteral("m_chkUnDefence"));
    ASSERT_NE(box, nullptr);
    const QRgb untouched = qRgb(255, 0, 255);
    QImage image(box->size(), QImage::Format_RGB32);
    image.fill(untouched);
    box->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());

    auto paintedIn = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) != untouched)
                    return true;
        return false;
    };
    const int textEnd = box->fontMetrics().horizontalAdvance(box->text()) + 3;
    const int boxLeft = box->width() - box->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    ASSERT_LT(textEnd, boxLeft - 8) << "the rectangle leaves a gap between the two";
    EXPECT_TRUE(paintedIn(0, 3)) << "caption at the left edge";
    EXPECT_FALSE(paintedIn(textEnd, boxLeft - 2)) << "nothing between caption and box";
    EXPECT_TRUE(paintedIn(boxLeft, box->width())) << "box at the right edge";
}

} // namespace
