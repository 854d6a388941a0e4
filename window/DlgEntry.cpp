// SPDX-License-Identifier: MIT
// Entry capture: the live mirroring of the Trap Data controls into the
// working entry, the digit filter, the form check, and showing an entry.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "text/DigitFilter.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

std::string SelectedText(const QComboBox* box) {
    return box->currentText().toStdString();
}

// Selects the first item, from the top, whose text begins with `prefix`.
int SelectByPrefix(QComboBox* box, const std::string& prefix) {
    const int index = box->findText(QString::fromStdString(prefix), Qt::MatchStartsWith);
    box->setCurrentIndex(index);
    return index;
}

void SelectByPrefixOr(QComboBox* box, const std::string& prefix, int fallback) {
    if (SelectByPrefix(box, prefix) < 0)
        box->setCurrentIndex(fallback);
}

std::string UnsignedText(std::int32_t value) {
    return std::to_string(static_cast<std::uint32_t>(value));
}

} // namespace

int CComboCalcDlg::ReadNumberEdit(const QLineEdit* edit) {
    // Read as the digit filter reads it: at most the first four characters.
    return TextToInt(edit->text().left(kDigitFilterReadLength).toStdString());
}

void CComboCalcDlg::FilterDigits(QLineEdit* edit, std::int32_t* target) {
    const QString text = edit->text();
    const DigitFilterStep step = DigitFilterStepFor(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    switch (step.action) {
    case DigitFilterStep::Action::Nothing:
        return;
    case DigitFilterStep::Action::Store:
        if (target)
            *target = step.value;
        return;
    case DigitFilterStep::Action::Cut: {
        const int keep = static_cast<int>(step.keep);
        edit->setText(text.left(keep)); // runs this filter again on the shorter text
        Feedback::Beep();
        edit->setCursorPosition(std::min<int>(keep, edit->text().size()));
        return;
    }
    }
}

void CComboCalcDlg::OnUpdateHp() {
    FilterDigits(m_editHp, nullptr);
}
void CComboCalcDlg::OnUpdateDef() {
    FilterDigits(m_editDef, nullptr);
}
void CComboCalcDlg::OnUpdateDamage() {
    FilterDigits(m_editDamage, &m_state.m_entry.m_nDamage);
}

void CComboCalcDlg::OnCeil() {
    m_state.m_entry.m_nType = kTrapCeil;
}
void CComboCalcDlg::OnWall() {
    m_state.m_entry.m_nType = kTrapWall;
}
void CComboCalcDlg::OnFloor() {
    m_state.m_entry.m_nType = kTrapFloor;
}
void CComboCalcDlg::OnExtra() {
    m_state.m_entry.m_nType = kTrapExtra;
}
void CComboCalcDlg::OnCalcOn() {
    m_state.m_entry.m_bCalculate = 1;
}
void CComboCalcDlg::OnCalcOff() {
    m_state.m_entry.m_bCalculate = 0;
}

void CComboCalcDlg::StoreCheck(QCheckBox* box, std::int32_t& flag) {
    flag = box->isChecked() ? 1 : 0;
}

void CComboCalcDlg::OnAirier() {
    StoreCheck(m_chkAirier, m_state.m_entry.m_bAirier);
}
void CComboCalcDlg::OnCounter() {
    StoreCheck(m_chkCounter, m_state.m_entry.m_bCounter);
}
void CComboCalcDlg::OnDouble() {
    StoreCheck(m_chkDouble, m_state.m_entry.m_bDouble);
}
void CComboCalcDlg::OnLongRange() {
    StoreCheck(m_chkLongRange, m_state.m_entry.m_bLongRange);
}
void CComboCalcDlg::OnRapidChain() {
    StoreCheck(m_chkRapidChain, m_state.m_entry.m_bRapidChain);
}
void CComboCalcDlg::OnOption() {
    StoreCheck(m_chkOption, m_state.m_entry.m_bOption);
}
void CComboCalcDlg::OnUnDifence() {
    StoreCheck(m_chkUnDefence, m_state.m_entry.m_bUnDefence);
}

void CComboCalcDlg::OnCore() {
    StoreCheck(m_chkCore, m_state.m_entry.m_bCore);
    // A core hit always lands at rate 1.0; the list keeps its selection.
    m_cmbHitRate->setEnabled(!m_state.m_entry.m_bCore);
}

void CComboCalcDlg::OnLinkTrap() {
    StoreCheck(m_chkLinkTrap, m_state.m_entry.m_bLinkTrap);
    m_cmbLinkCount->setEnabled(m_state.m_entry.m_bLinkTrap != 0);
    if (!m_state.m_entry.m_bLinkTrap)
        m_cmbLinkCount->setCurrentIndex(-1);
}

bool CComboCalcDlg::RefuseEntry(QWidget* control) {
    Feedback::Beep();
    control->setFocus();
    return false;
}

bool CComboCalcDlg::ValidateEntry() {
    if (m_editHp->text().isEmpty())
        return RefuseEntry(m_editHp);
    if (m_editDef->text().isEmpty())
        return RefuseEntry(m_editDef);
    if (m_editDamage->text().isEmpty())
        return RefuseEntry(m_editDamage);
    if (m_cmbKovRate->currentIndex() < 0)
        return RefuseEntry(m_cmbKovRate);
    if (m_cmbHitRate->currentIndex() < 0 && !m_chkCore->isChecked())
        return RefuseEntry(m_cmbHitRate);
    if (m_cmbHitCount->currentIndex() < 0)
        return RefuseEntry(m_cmbHitCount);
    if (m_cmbLinkCount->currentIndex() < 0 && m_chkLinkTrap->isChecked())
        return RefuseEntry(m_cmbLinkCount);
    return true;
}

EntryCapture CComboCalcDlg::CaptureEntry() const {
    // A list without a selection (hit rate under Core, link count without Link
    // Trap) reads as 0; the core does not take those values then.
    EntryCapture capture;
    capture.hp = ReadNumberEdit(m_editHp);
    capture.def = ReadNumberEdit(m_editDef);
    capture.hitCount = TextToInt(SelectedText(m_cmbHitCount));
    capture.kovRate = TextToDouble(SelectedText(m_cmbKovRate));
    capture.hitRate = TextToDouble(SelectedText(m_cmbHitRate));
    capture.linkCount = TextToInt(SelectedText(m_cmbLinkCount));
    return capture;
}

void CComboCalcDlg::ShowEntry(ComboEntry entry) {
    m_rdoCeil->setChecked(entry.m_nType == kTrapCeil);
    m_rdoWall->setChecked(entry.m_nType == kTrapWall);
    m_rdoFloor->setChecked(entry.m_nType == kTrapFloor);
    m_rdoExtra->setChecked(entry.m_nType == kTrapExtra);

    m_editDamage->setText(QString::number(entry.m_nDamage));

    SelectByPrefixOr(m_cmbKovRate, FormatFixed(entry.m_dKovRate, 1), kDefaultKovRateIndex);
    m_chkUnDefence->setChecked(entry.m_bUnDefence != 0);
    // A core entry's 1.000 begins no item, so the list falls back to "0.990".
    SelectByPrefixOr(m_cmbHitRate, FormatFixed(entry.m_dHitRate, 3), 0);
    m_cmbHitRate->setEnabled(!entry.m_bCore);
    SelectByPrefixOr(m_cmbHitCount, UnsignedText(entry.m_nHitsLeft), 0);

    m_chkAirier->setChecked(entry.m_bAirier != 0);
    m_chkCore->setChecked(entry.m_bCore != 0);
    m_chkCounter->setChecked(entry.m_bCounter != 0);
    m_chkDouble->setChecked(entry.m_bDouble != 0);
    m_chkLinkTrap->setChecked(entry.m_bLinkTrap != 0);
    m_chkLongRange->setChecked(entry.m_bLongRange != 0);
    m_chkRapidChain->setChecked(entry.m_bRapidChain != 0);
    m_chkOption->setChecked(entry.m_bOption != 0);

    if (entry.m_bLinkTrap) {
        SelectByPrefix(m_cmbLinkCount, UnsignedText(entry.m_nLinkCount));
        m_cmbLinkCount->setEnabled(true);
    } else {
        m_cmbLinkCount->setCurrentIndex(-1);
        m_cmbLinkCount->setEnabled(false);
    }

    m_rdoOn->setChecked(entry.m_bCalculate != 0);
    m_rdoOff->setChecked(entry.m_bCalculate == 0);

    m_state.m_entry = entry;
}
