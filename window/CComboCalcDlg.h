// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboEditor.h"
#include "model/ComboState.h"
#include "model/EntryCapture.h"
#include "model/UndoHistory.h"
#include "report/ResultsLog.h"
#include "scoring/BestOrder.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPoint;
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

    // Loads the combo file at `path` and shows it, as one undo step. A file
    // that cannot be read or is refused leaves the window as it was and says
    // why in a message box. Returns whether the combo was loaded.
    bool openComboFile(const QString& path);
    // The combo file the window shows, empty when the combo never touched one.
    const QString& comboFilePath() const { return m_filePath; }

    // The order search behind Best Order; tests replace it to hold it.
    using BestOrderSearch =
        std::function<BestOrderResult(const ComboState& state, const SearchControl* control)>;
    void setBestOrderSearch(BestOrderSearch search) { m_bestOrderSearch = std::move(search); }

    // The workbench around the editor: the window menu, shortcuts and the
    // list's context menu lead here.
    void OnUndo();
    void OnRedo();
    void OnDeleteLine();
    void OnDuplicateLine();
    void OnOpenFile();
    bool OnSaveFile();
    bool OnSaveFileAs();
    void OnCopyReport();
    void OnBestOrder();

    // Exit, Escape and the close box end here: a combo with unsaved changes
    // to its file asks first.
    void reject() override;

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
    // The block Output appends for the combo as the list shows it.
    std::string ReportBlock() const;

protected:
    // Enter presses the default button (Add); nothing may close the window
    // through the OK path.
    void accept() override { OnOK(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
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

    // Undo history: a change named `label` turned `before` into the model.
    void RecordChange(const char* label, const ComboState& before);
    // Shows the whole model as a rebuild of the list leaves the window.
    void ShowWholeCombo();
    void CreateShortcuts();
    void AddHistoryEntries(QMenu& menu);
    void AddWorkbenchEntries(QMenu& menu);
    void ShowListMenu(const QPoint& pos);
    bool SaveTo(const QString& path);
    void UpdateTitle();
    bool HasUnsavedChanges() const;
    void SetStaticTooltips();
    void UpdateLineTooltips();
    BestOrderResult RunBestOrderSearch(const ComboState& state);
    int UnitCount() const;

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
    UndoHistory m_history;
    QString m_title;                          // the template's caption
    QString m_filePath;                       // the combo file shown, empty for none
    std::optional<ComboState> m_savedContent; // as last opened or saved
    BestOrderSearch m_bestOrderSearch;
};
