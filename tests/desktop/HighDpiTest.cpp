// SPDX-License-Identifier: MIT
// The main window on a high-density screen. CTest runs this binary once per
// scale (QT_SCALE_FACTOR 1, 1.5 and 2): at each, the window must keep the
// template's proportions, show every caption whole and keep the combo list's
// lines under the columns of the header.
#include "support/DialogDriver.h"

#include "window/CAboutDlg.h"
#include "window/controls/DialogCheckBox.h"
#include "window/controls/DialogGroupBox.h"
#include "window/templates/DialogTemplate.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

#include <cmath>

namespace {

double ScaleFromEnvironment() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// The caption as drawn: a single '&' marks the mnemonic and is not shown.
QString Shown(const DialogItem& item) {
    const QString caption = QString::fromUtf8(item.caption);
    if (item.style & ItemStyle::NoPrefix)
        return caption;
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown.append(caption[i]);
    }
    return shown;
}

// Where a control draws its caption, in its own coordinates, as its style
// lays it out.
QRect CaptionArea(QWidget* widget, const QString& text) {
    QStyle* style = widget->style();
    if (auto* check = qobject_cast<DialogCheckBox*>(widget))
        return check->captionRect();
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton opt;
        opt.initFrom(radio);
        opt.text = text;
        return style->subElementRect(QStyle::SE_RadioButtonContents, &opt, radio);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = text;
        if (button->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
        return style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    }
    if (auto* box = qobject_cast<DialogGroupBox*>(widget))
        return box->captionRect();
    auto* label = qobject_cast<QLabel*>(widget);
    return label != nullptr ? label->contentsRect() : QRect();
}

// Every caption of `tmpl` fits, across and down, in the area its control
// draws it in.
void ExpectCaptionsWhole(QWidget* dialog, const DialogTemplate& tmpl) {
    for (const DialogItem& item : tmpl.items) {
        const QString text = Shown(item);
        if (text.isEmpty() || item.kind == ItemKind::Icon || (item.style & ItemStyle::Hidden))
            continue;
        auto* widget = dialog->findChild<QWidget*>(QString::fromUtf8(item.objectName));
        ASSERT_NE(widget, nullptr) << item.objectName;
        SCOPED_TRACE(item.objectName);
        const QFontMetricsF metrics(widget->font());
        const QRect area = CaptionArea(widget, text);
        EXPECT_LE(metrics.horizontalAdvance(text), area.width()) << text.toStdString();
        EXPECT_LE(metrics.height(), area.height() + 0.5) << text.toStdString();
        EXPECT_TRUE(widget->rect().contains(area)) << text.toStdString();
    }
}

// The first and last device-pixel columns holding text ink in `area` (dialog
// coordinates), converted back to dialog coordinates.
struct Ink {
    double left = 0;
    double right = 0;
};
Ink InkIn(QWidget* dialog, const QRect& area) {
    const QImage image = dialog->grab(area).toImage();
    const double dpr = image.devicePixelRatio();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    EXPECT_GE(first, 0) << "no text drawn";
    return {area.left() + first / dpr, area.left() + (last + 1) / dpr};
}

class HighDpiTest : public DialogTest {};

TEST_F(HighDpiTest, WindowScalesAsAWholeAndKeepsTheTemplateProportions) {
    const double scale = ScaleFromEnvironment();
    ASSERT_DOUBLE_EQ(m_dlg->devicePixelRatioF(), scale) << "the run is not at the scale it names";

    const QSize device = m_dlg->grab().size();
    EXPECT_NEAR(device.width(), m_dlg->width() * scale, 1.0);
    EXPECT_NEAR(device.height(), m_dlg->height() * scale, 1.0);

    // Pixels per dialog unit, read off the window; every item must sit where
    // the same factors put it, to the pixel.
    const DialogTemplate& tmpl = MainDialogTemplate();
    const double kx = m_dlg->width() / double(tmpl.cx);
    const double ky = m_dlg->height() / double(tmpl.cy);
    EXPECT_GT(kx, 1.0);
    EXPECT_GT(ky, 1.0);
    for (const DialogItem& item : tmpl.items) {
        SCOPED_TRACE(item.objectName);
        auto* widget = m_dlg->findChild<QWidget*>(QString::fromUtf8(item.objectName));
        ASSERT_NE(widget, nullptr);
        const QRect r = widget->geometry();
        EXPECT_NEAR(r.x(), item.x * kx, 1.0);
        EXPECT_NEAR(r.y(), item.y * ky, 1.0);
        EXPECT_NEAR(r.width(), item.cx * kx, 1.0);
        if (item.kind != ItemKind::DropDownList) { // its height includes the dropped list
            EXPECT_NEAR(r.height(), item.cy * ky, 1.0);
        }
    }
}

TEST_F(HighDpiTest, NoCaptionIsClipped) {
    ExpectCaptionsWhole(m_dlg.get(), MainDialogTemplate());

    Type("m_editHp", "300");
    Type("m_editDef", "20");
    AddHit(100);
    Click("m_btnTheory");
    ASSERT_EQ(Button("m_btnTheory")->text(), QStringLiteral("Real"));
    QPushButton* theory = Get<QPushButton>("m_btnTheory");
    EXPECT_LE(QFontMetricsF(theory->font()).horizontalAdvance(theory->text()),
              CaptionArea(theory, theory->text()).width());

    // Built and polished, not shown: a shown About box is modal.
    CAboutDlg about;
    about.ensurePolished();
    ExpectCaptionsWhole(&about, AboutDialogTemplate());
}

TEST_F(HighDpiTest, ListLinesStandUnderTheHeaderColumns) {
    // A line of the common 83-character layout, like the header: its first
    // character stands under "No." and its last under the end of "T.Kov".
    Type("m_editHp", "300");
    Type("m_editDef", "0");
    AddHit(120);
    auto* header = Get<QLabel>("labelHeader");
    const QString line = List()->item(0)->text();
    ASSERT_EQ(header->text().size(), 83);
    ASSERT_EQ(line.size(), 83);
    ASSERT_EQ(QFontInfo(header->font()).family(), QFontInfo(List()->font()).family());

    const QRect headerArea(header->mapTo(m_dlg.get(), QPoint(0, 0)), header->size());
    const QRect itemRect = List()->visualItemRect(List()->item(0));
    const QRect lineArea(List()->viewport()->mapTo(m_dlg.get(), itemRect.topLeft()),
                         itemRect.size());
    const Ink head = InkIn(m_dlg.get(), headerArea);
    const Ink row = InkIn(m_dlg.get(), lineArea);

    // Columns line up when both ends do: a different face, size or pitch in
    // the list pulls the right ends apart (a fifth of a pixel more per
    // character is already 16 pixels over the line), a shifted list moves
    // both. A character more than a third of a cell off its column reads as
    // standing between two; less leaves room for the two texts' different
    // first and last glyphs and for the list's own text margin.
    const double cell = QFontMetricsF(List()->font()).horizontalAdvance(u'0');
    EXPECT_NEAR(row.left, head.left, cell / 3);
    EXPECT_NEAR(row.right, head.right, cell / 3);
    const QRect view(List()->viewport()->mapTo(m_dlg.get(), QPoint(0, 0)),
                     List()->viewport()->size());
    EXPECT_LT(row.right, view.right()) << "the line runs out of the list";
    EXPECT_LT(head.right, headerArea.right()) << "the header runs out of its label";
}

} // namespace
