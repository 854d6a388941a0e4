// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"
#include "scoring/BestOrder.h"
#include "workbench/ComboWorkbench.h"

#include <QDialog>
#include <QIcon>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QPoint;
class QPushButton;
class BestOrderRunner;
class ComboListBox;
class ComboListView;
class EntryForm;
class RecoveryFile;
class WindowActions;
struct BuiltDialog;

// The main window: the entry form, the combo list and the command buttons
// composed around the workbench, which owns the combo, its history and its
// file. Each handler reads the controls it needs, calls one workbench
// command and applies what the workbench says the controls become.
class CComboCalcDlg : public QDialog {
    Q_OBJECT

public:
    explicit CComboCalcDlg(QWidget* parent = nullptr);
    ~CComboCalcDlg() override;

    int DoModal() { return exec(); }

    // The combo as the window shows it.
    const ComboState& State() const { return m_workbench.State(); }

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
    QString comboFilePath() const { return QString::fromStdString(m_workbench.FilePath()); }

    // Where the latest combo is kept; tests point it at a folder of theirs.
    void setRecoveryFile(const std::string& path);

    // The order search behind Best Order; tests replace it to hold it.
    using BestOrderSearch =
        std::function<BestOrderResult(const ComboState& state, const SearchControl* control)>;
    void setBestOrderSearch(BestOrderSearch search) { m_bestOrderSearch = std::move(search); }

    // The commands beyond the buttons: the window menu, the keys and the
    // list's context menu lead here.
    void OnUndo();
    void OnRedo();
    void OnNew();
    void OnOpenFile();
    bool OnSaveFile();
    bool OnSaveFileAs();
    void OnRestoreLastCombo();
    void OnCopyReport();
    void OnBestOrder();
    void OnDeleteLine();
    void OnDuplicateLine();

    // Exit, Escape and the close box end here: a combo with unsaved changes
    // to its file asks first; a running Best Order is cancelled.
    void reject() override;

    // The command buttons and the list.
    void OnOK();
    void OnModify();
    void OnRemove();
    void OnClear();
    void OnOutput();
    void OnDown();
    void OnUp();
    void OnTheory();
    void OnSelchangeList();

    // The block Output appends for the combo.
    std::string ReportBlock() const;

protected:
    // Enter presses the default button (Add); nothing may close the window
    // through the OK path.
    void accept() override { OnOK(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BindButtons(const BuiltDialog& built);
    void ConnectButtons(const BuiltDialog& built);
    void CreateActions();
    void OnInitDialog();

    // Applies a command's outcome to the controls, in the record's order.
    void Apply(const ViewUpdate& update);
    QWidget* ControlFor(ControlRole role) const;
    void UpdateTitle();

    bool MayLeaveCombo();
    bool SaveTo(const QString& path);
    void ShowListMenu(const QPoint& pos);
    void OpenWindowMenuFromKeyboard();
    void SetStaticTooltips();

    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnModify = nullptr;
    QPushButton* m_btnClear = nullptr;
    QPushButton* m_btnRemove = nullptr;
    QPushButton* m_btnOutput = nullptr;
    QPushButton* m_btnDown = nullptr;
    QPushButton* m_btnUp = nullptr;
    QPushButton* m_btnTheory = nullptr;
    ComboListBox* m_listCombo = nullptr;
    QIcon m_hIcon;
    AboutBoxOpener m_aboutBoxOpener;

    ComboWorkbench m_workbench;
    EntryForm* m_form = nullptr;
    ComboListView* m_list = nullptr;
    WindowActions* m_actions = nullptr;
    BestOrderRunner* m_bestOrderRunner = nullptr;
    std::unique_ptr<RecoveryFile> m_recovery;
    std::string m_title; // the template's caption
    BestOrderSearch m_bestOrderSearch;
    bool m_closeAfterSearch = false;
};
