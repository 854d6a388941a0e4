#pragma once

#include "model/ComboEditor.h"
#include "model/ComboState.h"
#include "model/EntryCapture.h"
#include "report/ResultsLog.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class ComboListBox;
struct BuiltDialog;

// The main window: the hit editor, the combo list and the commands. It owns
// the combo state by value; every handler runs to completion on the GUI
// thread. Definitions are split by concern over the Dlg*.cpp files.
class CComboCalcDlg : public QDialog {
    Q_OBJECT

public:
    explicit CComboCalcDlg(QWidget* parent = nullptr);
    ~CComboCalcDlg() override;

    int DoModal() { return exec(); }

    // The combo state, for those who read it (tests, the log).
    const ComboState& State() const { return m_state; }

    // Window-menu commands (Win32 numbering; the About entry is 16).
    void OnSysCommand(unsigned nID, std::intptr_t lParam);
    QIcon OnQueryDragIcon() const { return m_hIcon; }
    // Fills `menu` with the window's own commands, then the About entry.
    void PopulateWindowMenu(QMenu& menu);

    // Opens the About box over `owner`. The application provides it, as the
    // box belongs to the application; without one the About entry does nothing.
    using AboutBoxOpener = std::function<void(QWidget* owner)>;
    void setAboutBoxOpener(AboutBoxOpener opener) { m_aboutBoxOpener = std::move(opener); }

    // Editing commands.
    void OnOK();
    void OnModify();
    void OnRemove();
    void OnClear();
    void OnOutput();
    void OnDown();
    void OnUp();
    void OnTheory();
    void OnSelchangeList();

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

    bool ValidateEntry();
    // The capture-time controls and the enemy data, as they read now.
    EntryCapture CaptureEntry() const;
    void ShowEntry(ComboEntry entry);
    void ResetControls();
    void Recalculate();
    void RebuildComboList();
    AppendOutcome WriteResultsLog();

protected:
    // Enter presses the default button (Add); nothing may close the window
    // through the OK path.
    void accept() override { OnOK(); }
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BindControls(const BuiltDialog& built);
    void ConnectNotifications(const BuiltDialog& built);
    void OnInitDialog();

    static constexpr int kDefaultKovRateIndex = 5; // "1.0"

    void FilterDigits(QLineEdit* edit, std::int32_t* target);
    static int ReadNumberEdit(const QLineEdit* edit);
    bool RefuseEntry(QWidget* control);
    // The state table's buttons: Modify, Remove and the arrows work on the
    // selected line; Clear and Output on a combo of at least one row.
    void EnableLineCommands(bool enabled);
    void EnableComboCommands();
    void MoveSelectedLine(MoveDirection direction);
    static QString ModeCaption(std::int32_t real);
    int SelectedLine() const;
    void SelectLine(int line);
    void StoreCheck(QCheckBox* box, std::int32_t& flag);

    QRadioButton* m_rdoOn = nullptr;
    QRadioButton* m_rdoOff = nullptr;
    QRadioButton* m_rdoCeil = nullptr;
    QRadioButton* m_rdoWall = nullptr;
    QRadioButton* m_rdoFloor = nullptr;
    QRadioButton* m_rdoExtra = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnModify = nullptr;
    QPushButton* m_btnClear = nullptr;
    QPushButton* m_btnRemove = nullptr;
    QPushButton* m_btnOutput = nullptr;
    QPushButton* m_btnDown = nullptr;
    QPushButton* m_btnUp = nullptr;
    QPushButton* m_btnTheory = nullptr;
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
    ComboListBox* m_listCombo = nullptr;
    QComboBox* m_cmbKovRate = nullptr;
    QComboBox* m_cmbHitRate = nullptr;
    QComboBox* m_cmbLinkCount = nullptr;
    QComboBox* m_cmbHitCount = nullptr;
    QIcon m_hIcon;
    AboutBoxOpener m_aboutBoxOpener;

    ComboState m_state;
};
