// SPDX-License-Identifier: MIT
#include "window/EntryForm.h"

#include "text/DigitFilter.h"
#include "text/EntryChoices.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"
#include "window/Feedback.h"
#include "window/TemplateBuilder.h"
#include "workbench/ComboWorkbench.h"
#include "workbench/EntryCheck.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kDefaultKovRateIndex = 5;
static_assert(kKovRateTexts[kDefaultKovRateIndex] == std::string_view("1.0"));

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

int ReadNumberEdit(const QLineEdit* edit) {
    // Read as the digit filter reads it: at most the first four characters.
    return TextToInt(edit->text().left(kDigitFilterReadLength).toStdString());
}

} // namespace

EntryForm::EntryForm(const BuiltDialog& built, ComboWorkbench& workbench, QObject* parent)
    : QObject(parent), m_workbench(workbench) {
    Bind(built);
    Connect();
}

void EntryForm::Bind(const BuiltDialog& built) {
    const auto bind = [&built](auto*& member, int id) { BindControl(built, member, id); };
    bind(m_rdoOn, Ctl::On);
    bind(m_rdoOff, Ctl::Off);
    bind(m_rdoCeil, Ctl::Ceil);
    bind(m_rdoWall, Ctl::Wall);
    bind(m_rdoFloor, Ctl::Floor);
    bind(m_rdoExtra, Ctl::Extra);
    bind(m_chkAirier, Ctl::Airier);
    bind(m_chkCore, Ctl::Core);
    bind(m_chkCounter, Ctl::Counter);
    bind(m_chkDouble, Ctl::Double);
    bind(m_chkLinkTrap, Ctl::LinkTrap);
    bind(m_chkLongRange, Ctl::LongRange);
    bind(m_chkRapidChain, Ctl::RapidChain);
    bind(m_chkOption, Ctl::Option);
    bind(m_chkUnDefence, Ctl::UnDefence);
    bind(m_editHp, Ctl::Hp);
    bind(m_editDef, Ctl::Def);
    bind(m_editDamage, Ctl::Damage);
    bind(m_cmbKovRate, Ctl::KovRate);
    bind(m_cmbHitRate, Ctl::HitRate);
    bind(m_cmbLinkCount, Ctl::LinkCount);
    bind(m_cmbHitCount, Ctl::HitCount);
}

void EntryForm::Connect() {
    // Buttons report clicks only: a check state set from code must not run a
    // handler, so nothing here listens to toggled().
    const auto onClick = [this](QAbstractButton* button, void (EntryForm::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(m_rdoCeil, &EntryForm::OnCeil);
    onClick(m_rdoWall, &EntryForm::OnWall);
    onClick(m_rdoFloor, &EntryForm::OnFloor);
    onClick(m_rdoExtra, &EntryForm::OnExtra);
    onClick(m_rdoOn, &EntryForm::OnCalcOn);
    onClick(m_rdoOff, &EntryForm::OnCalcOff);
    onClick(m_chkAirier, &EntryForm::OnAirier);
    onClick(m_chkCore, &EntryForm::OnCore);
    onClick(m_chkCounter, &EntryForm::OnCounter);
    onClick(m_chkDouble, &EntryForm::OnDouble);
    onClick(m_chkLinkTrap, &EntryForm::OnLinkTrap);
    onClick(m_chkLongRange, &EntryForm::OnLongRange);
    onClick(m_chkRapidChain, &EntryForm::OnRapidChain);
    onClick(m_chkOption, &EntryForm::OnOption);
    onClick(m_chkUnDefence, &EntryForm::OnUnDifence);

    // textChanged fires for the program's own writes too, which the digit
    // filter relies on: its write-back runs the filter again.
    connect(m_editHp, &QLineEdit::textChanged, this, &EntryForm::OnUpdateHp);
    connect(m_editDef, &QLineEdit::textChanged, this, &EntryForm::OnUpdateDef);
    connect(m_editDamage, &QLineEdit::textChanged, this, &EntryForm::OnUpdateDamage);
}

ComboEntry& EntryForm::Entry() {
    return m_workbench.WorkingEntry();
}

QWidget* EntryForm::Control(ControlRole role) const {
    switch (role) {
    case ControlRole::Hp:
        return m_editHp;
    case ControlRole::Def:
        return m_editDef;
    case ControlRole::Damage:
        return m_editDamage;
    case ControlRole::Ceil:
        return m_rdoCeil;
    case ControlRole::KovRate:
        return m_cmbKovRate;
    case ControlRole::HitRate:
        return m_cmbHitRate;
    case ControlRole::HitCount:
        return m_cmbHitCount;
    case ControlRole::LinkCount:
        return m_cmbLinkCount;
    default:
        return nullptr;
    }
}

std::int32_t EntryForm::ReadHp() const {
    return ReadNumberEdit(m_editHp);
}

std::int32_t EntryForm::ReadDef() const {
    return ReadNumberEdit(m_editDef);
}

void EntryForm::ShowEnemyData(std::int32_t hp, std::int32_t def) {
    m_editHp->setText(QString::number(hp));
    m_editDef->setText(QString::number(def));
}

void EntryForm::FilterDigits(QLineEdit* edit, std::int32_t* target) {
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

void EntryForm::OnUpdateHp() {
    FilterDigits(m_editHp, nullptr);
}
void EntryForm::OnUpdateDef() {
    FilterDigits(m_editDef, nullptr);
}
void EntryForm::OnUpdateDamage() {
    FilterDigits(m_editDamage, &Entry().m_nDamage);
}

void EntryForm::OnCeil() {
    Entry().m_nType = kTrapCeil;
}
void EntryForm::OnWall() {
    Entry().m_nType = kTrapWall;
}
void EntryForm::OnFloor() {
    Entry().m_nType = kTrapFloor;
}
void EntryForm::OnExtra() {
    Entry().m_nType = kTrapExtra;
}
void EntryForm::OnCalcOn() {
    Entry().m_bCalculate = 1;
}
void EntryForm::OnCalcOff() {
    Entry().m_bCalculate = 0;
}

void EntryForm::StoreCheck(QCheckBox* box, std::int32_t& flag) {
    flag = box->isChecked() ? 1 : 0;
}

void EntryForm::OnAirier() {
    StoreCheck(m_chkAirier, Entry().m_bAirier);
}
void EntryForm::OnCounter() {
    StoreCheck(m_chkCounter, Entry().m_bCounter);
}
void EntryForm::OnDouble() {
    StoreCheck(m_chkDouble, Entry().m_bDouble);
}
void EntryForm::OnLongRange() {
    StoreCheck(m_chkLongRange, Entry().m_bLongRange);
}
void EntryForm::OnRapidChain() {
    StoreCheck(m_chkRapidChain, Entry().m_bRapidChain);
}
void EntryForm::OnOption() {
    StoreCheck(m_chkOption, Entry().m_bOption);
}
void EntryForm::OnUnDifence() {
    StoreCheck(m_chkUnDefence, Entry().m_bUnDefence);
}

void EntryForm::OnCore() {
    StoreCheck(m_chkCore, Entry().m_bCore);
    // A core hit always lands at rate 1.0; the list keeps its selection.
    m_cmbHitRate->setEnabled(!Entry().m_bCore);
}

void EntryForm::OnLinkTrap() {
    StoreCheck(m_chkLinkTrap, Entry().m_bLinkTrap);
    m_cmbLinkCount->setEnabled(Entry().m_bLinkTrap != 0);
    if (!Entry().m_bLinkTrap)
        m_cmbLinkCount->setCurrentIndex(-1);
}

bool EntryForm::ValidateEntry() {
    FormReading form;
    form.hpEmpty = m_editHp->text().isEmpty();
    form.defEmpty = m_editDef->text().isEmpty();
    form.damageEmpty = m_editDamage->text().isEmpty();
    form.kovRateChosen = m_cmbKovRate->currentIndex() >= 0;
    form.hitRateChosen = m_cmbHitRate->currentIndex() >= 0;
    form.hitCountChosen = m_cmbHitCount->currentIndex() >= 0;
    form.linkCountChosen = m_cmbLinkCount->currentIndex() >= 0;
    form.core = m_chkCore->isChecked();
    form.linkTrap = m_chkLinkTrap->isChecked();
    QWidget* missing = Control(MissingEntryField(form));
    if (!missing)
        return true;
    Feedback::Beep();
    missing->setFocus();
    return false;
}

EntryCapture EntryForm::CaptureEntry() const {
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

void EntryForm::ShowEntry(const ComboEntry& shown) {
    // The entry may be the working entry itself, which the writes below change.
    const ComboEntry entry = shown;
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

    Entry() = entry;
}

void EntryForm::ResetControls() {
    m_rdoOn->setChecked(true);
    m_rdoOff->setChecked(false);
    m_rdoCeil->setChecked(true);
    for (QRadioButton* other : {m_rdoWall, m_rdoFloor, m_rdoExtra})
        other->setChecked(false);

    for (QCheckBox* box : {m_chkUnDefence, m_chkAirier, m_chkCore, m_chkCounter, m_chkDouble,
                           m_chkLinkTrap, m_chkLongRange, m_chkRapidChain, m_chkOption})
        box->setChecked(false);

    for (QLineEdit* edit : {m_editHp, m_editDef}) {
        edit->setEnabled(true);
        edit->setMaxLength(kNumberEditLength);
        edit->setText(QString()); // and no typing left to undo
    }
    m_editDamage->setMaxLength(kNumberEditLength);
    m_editDamage->setText(QString());

    m_cmbKovRate->setCurrentIndex(kDefaultKovRateIndex);
    m_cmbHitRate->setCurrentIndex(0);
    m_cmbHitCount->setCurrentIndex(0);
    m_cmbHitRate->setEnabled(true);
    m_cmbLinkCount->setCurrentIndex(-1);
    m_cmbLinkCount->setEnabled(false);
}
