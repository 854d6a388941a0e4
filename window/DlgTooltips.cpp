// SPDX-License-Identifier: MIT
// Tooltips that explain the columns and buttons, and show list lines too wide
// for the list.
#include "window/CComboCalcDlg.h"

#include "window/controls/ComboListBox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

const char* const kHeaderTip =
    "No. - line number\n"
    "Type - trap type\n"
    "Ar - Airier\n"
    "Co - Core\n"
    "Ct - Counter\n"
    "Dd - Double\n"
    "Jk - the killing hit with an overkill of at most 2, worth 50 Kov more\n"
    "Lt - Link Trap\n"
    "Lr - Long Range\n"
    "Rp - Rapid Chain\n"
    "Dmg - damage of the hit\n"
    "T.Dmg - total damage so far\n"
    "Rt - Kov rate of the hit\n"
    "T.Rate - total Kov rate so far\n"
    "Kov - Kov of the hit\n"
    "T.Kov - total Kov so far";

const char* const kModeTip =
    "The caption shows the current scoring mode. Real mode reduces a hit's score of "
    "16,777,216 or more modulo 16,777,216, as the game does; Theory mode keeps it whole. "
    "Press to switch.";

} // namespace

void CComboCalcDlg::SetStaticTooltips() {
    if (auto* header = findChild<QLabel*>(QStringLiteral("labelHeader")))
        header->setToolTip(QString::fromLatin1(kHeaderTip));
    m_btnTheory->setToolTip(QString::fromLatin1(kModeTip));
    m_btnOutput->setToolTip(QStringLiteral("Appends the combo to %1")
                                .arg(QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                    QString::fromLatin1(kResultsFileName)))));
}

void CComboCalcDlg::UpdateLineTooltips() {
    // The text starts after the item's margin on either side.
    const int margin =
        2 *
        (m_listCombo->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_listCombo) + 1);
    const int room = m_listCombo->viewport()->width() - margin;
    const QFontMetrics metrics = m_listCombo->fontMetrics();
    for (int line = 0; line < m_listCombo->count(); ++line) {
        QListWidgetItem* item = m_listCombo->item(line);
        const bool cut = metrics.horizontalAdvance(item->text()) > room;
        item->setToolTip(cut ? item->text() : QString());
    }
}
