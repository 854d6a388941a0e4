// SPDX-License-Identifier: MIT
// Tooltips that explain the columns and the buttons.
#include "window/CComboCalcDlg.h"

#include "report/ResultsLog.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

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
