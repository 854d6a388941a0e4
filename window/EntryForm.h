// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboEntry.h"
#include "model/EntryCapture.h"
#include "workbench/ControlRole.h"

#include <QObject>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;
class ComboWorkbench;
struct BuiltDialog;

// The hit editor of the window: the enemy data, the Trap Data controls and
// the switches. It mirrors each control into the working entry as it
// changes, filters the number edits, checks and reads the form for a command,
// shows an entry, and resets itself to the state the window starts in.
class EntryForm : public QObject {
    Q_OBJECT

public:
    EntryForm(const BuiltDialog& built, ComboWorkbench& workbench, QObject* parent);

    // The form's control for `role`; nullptr for a role outside the form.
    QWidget* Control(ControlRole role) const;

    // A complete form, or a beep with the focus on the first control that
    // still needs a value.
    bool ValidateEntry();
    // The capture-time controls and the enemy data, as they read now.
    EntryCapture CaptureEntry() const;
    std::int32_t ReadHp() const;
    std::int32_t ReadDef() const;
    void ShowEntry(const ComboEntry& entry);
    void ShowEnemyData(std::int32_t hp, std::int32_t def);
    // The controls as at start-up: empty edits, default choices, Ceil and On.
    void ResetControls();

    // Live mirroring of the Trap Data controls into the working entry.
    void OnUpdateHp();
    void OnUpdateDef();
    void OnUpdateDamage();
    void OnCeil();
    void OnWall();
    void OnFloor();
    void OnExtra();
    void OnCalcOn();
    void OnCalcOff();
    void OnAirier();
    void OnCore();
    void OnCounter();
    void OnDouble();
    void OnLinkTrap();
    void OnLongRange();
    void OnRapidChain();
    void OnOption();
    void OnUnDifence();

private:
    void Bind(const BuiltDialog& built);
    void Connect();
    void FilterDigits(QLineEdit* edit, std::int32_t* target);
    void StoreCheck(QCheckBox* box, std::int32_t& flag);
    ComboEntry& Entry();

    ComboWorkbench& m_workbench;
    QRadioButton* m_rdoOn = nullptr;
    QRadioButton* m_rdoOff = nullptr;
    QRadioButton* m_rdoCeil = nullptr;
    QRadioButton* m_rdoWall = nullptr;
    QRadioButton* m_rdoFloor = nullptr;
    QRadioButton* m_rdoExtra = nullptr;
    QCheckBox* m_chkAirier = nullptr;
    QCheckBox* m_chkCore = nullptr;
    QCheckBox* m_chkCounter = nullptr;
    QCheckBox* m_chkDouble = nullptr;
    QCheckBox* m_chkLinkTrap = nullptr;
    QCheckBox* m_chkLongRange = nullptr;
    QCheckBox* m_chkRapidChain = nullptr;
    QCheckBox* m_chkOption = nullptr;
    QCheckBox* m_chkUnDefence = nullptr;
    QLineEdit* m_editHp = nullptr;
    QLineEdit* m_editDef = nullptr;
    QLineEdit* m_editDamage = nullptr;
    QComboBox* m_cmbKovRate = nullptr;
    QComboBox* m_cmbHitRate = nullptr;
    QComboBox* m_cmbLinkCount = nullptr;
    QComboBox* m_cmbHitCount = nullptr;
};
