// SPDX-License-Identifier: MIT
#include "MainDialogFixture.h"
#include "window/controls/DialogCheckBox.h"
#include "window/controls/DialogGroupBox.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <qdrawutil.h>

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
    auto* box = dialog.findChild<DialogCheckBox*>(QStringLiteral("m_chkUnDefence"));
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

// Renders `widget` alone onto a background no style uses, so whatever the
// widget itself paints shows.
QImage RenderAlone(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

bool Untouched(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 0, 255);
}

TEST_F(MainDialogTest, GroupBoxDrawsAnEtchedFrameWhoseTopLineRunsBehindItsCaption) {
    auto* box = dialog.findChild<DialogGroupBox*>(QStringLiteral("groupEnemyData"));
    ASSERT_NE(box, nullptr);
    const QImage image = RenderAlone(box);
    const QRect caption = box->captionRect();
    ASSERT_FALSE(caption.isEmpty());
    ASSERT_GT(caption.left(), 2);
    ASSERT_LT(caption.right(), box->width() - 3);

    int ink = 0;
    for (int x = caption.left(); x <= caption.right(); ++x)
        for (int y = caption.top(); y <= caption.bottom(); ++y)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 20) << "the caption is drawn";

    const int lineY = box->fontMetrics().height() / 2 - 1;
    EXPECT_FALSE(Untouched(image, 0, lineY)) << "top line left of the caption";
    EXPECT_FALSE(Untouched(image, box->width() - 2, lineY)) << "top line right of it";
    EXPECT_FALSE(Untouched(image, 0, box->height() / 2)) << "left side";
    EXPECT_FALSE(Untouched(image, box->width() / 2, box->height() - 1)) << "bottom";
    EXPECT_TRUE(Untouched(image, 0, lineY - 2)) << "nothing above the line";
    EXPECT_TRUE(Untouched(image, box->width() / 2, box->height() / 2))
        << "the inside shows what lies behind";

    // Behind the caption the line is wiped out with the window's colour.
    const QRgb window = box->palette().color(QPalette::Window).rgb();
    int wiped = 0;
    for (int x = caption.left(); x <= caption.right(); ++x)
        wiped += image.pixel(x, lineY) == window ? 1 : 0;
    EXPECT_GT(wiped, caption.width() / 4);

    // Away from the caption the frame is Qt's own sunken shade rectangle.
    QImage reference(box->size(), QImage::Format_RGB32);
    reference.fill(qRgb(255, 0, 255));
    {
        QPainter painter(&reference);
        qDrawShadeRect(&painter, QRect(0, lineY, box->width(), box->height() - lineY),
                       box->palette(), /*sunken=*/true, /*lineWidth=*/1);
    }
    const QRect behindCaption = caption.adjusted(-1, 0, 1, 1);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!behindCaption.contains(x, y) && image.pixel(x, y) != reference.pixel(x, y))
                ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(MainDialogTest, ArrowButtonsDrawTheirArrowsInTheDialogFace) {
    for (int id : {Ctl::Up, Ctl::Down}) {
        auto* button = Get<QPushButton>(id);
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->font().family(), built.font.family());
        EXPECT_EQ(button->font().pointSize(), built.font.pointSize());
        EXPECT_TRUE(QFontMetrics(button->font()).inFont(button->text().at(0)));

        const QImage image = RenderAlone(button);
        const QRect middle =
            button->rect().adjusted(button->width() / 3, 3, -button->width() / 3, -3);
        int ink = 0;
        for (int x = middle.left(); x <= middle.right(); ++x)
            for (int y = middle.top(); y <= middle.bottom(); ++y)
                ink += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        EXPECT_GT(ink, 4) << "the arrow is drawn";
    }
}

} // namespace
