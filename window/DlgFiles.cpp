// SPDX-License-Identifier: MIT
// Combo files: New, Open, Save, Save As, Restore Last Combo, the title naming
// the file, and the question before a combo with unsaved changes is left.
#include "window/CComboCalcDlg.h"

#include "files/ComboFileError.h"
#include "window/BestOrderRunner.h"
#include "window/Feedback.h"
#include "window/FileChooser.h"
#include "workbench/RecoveryFile.h"

#include <QFileInfo>

namespace {

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

bool CComboCalcDlg::MayLeaveCombo() {
    return m_workbench.MayLeave(
        [this] { return Feedback::AskSaveChanges(this, FileName(comboFilePath())); },
        [this] { return OnSaveFile(); });
}

bool CComboCalcDlg::openComboFile(const QString& path) {
    const ComboWorkbench::OpenResult result = m_workbench.Open(path.toStdString());
    if (const auto* error = std::get_if<ComboFileError>(&result)) {
        Feedback::ShowMessageBox(
            this, Feedback::BoxIcon::Warning, QStringLiteral("Open"),
            QString::fromStdString(FormatComboFileError(FileName(path).toStdString(), *error)));
        return false;
    }
    Apply(std::get<ViewUpdate>(result));
    return true;
}

void CComboCalcDlg::OnOpenFile() {
    if (!MayLeaveCombo())
        return;
    const QString path = FileChooser::ChooseFileToOpen(this);
    if (!path.isEmpty())
        openComboFile(path);
}

void CComboCalcDlg::OnNew() {
    if (MayLeaveCombo())
        Apply(m_workbench.New());
}

bool CComboCalcDlg::SaveTo(const QString& path) {
    const WriteOutcome outcome = m_workbench.SaveAs(path.toStdString());
    UpdateTitle();
    if (!outcome.ok) {
        Feedback::ShowMessageBox(this, Feedback::BoxIcon::Warning, QStringLiteral("Save"),
                                 QStringLiteral("%1 could not be saved: %2")
                                     .arg(FileName(path), QString::fromStdString(outcome.error)));
    }
    return outcome.ok;
}

bool CComboCalcDlg::OnSaveFile() {
    return comboFilePath().isEmpty() ? OnSaveFileAs() : SaveTo(comboFilePath());
}

bool CComboCalcDlg::OnSaveFileAs() {
    const QString path = FileChooser::ChooseFileToSave(this, comboFilePath());
    return !path.isEmpty() && SaveTo(path);
}

void CComboCalcDlg::OnRestoreLastCombo() {
    m_recovery->Flush();
    const QString path = QString::fromStdString(m_recovery->Path());
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        Feedback::ShowMessageBox(this, Feedback::BoxIcon::Information,
                                 QStringLiteral("Restore Last Combo"),
                                 QStringLiteral("No combo has been kept yet."));
        return;
    }
    const ComboFileResult kept = m_recovery->Load();
    if (const auto* error = std::get_if<ComboFileError>(&kept)) {
        Feedback::ShowMessageBox(
            this, Feedback::BoxIcon::Warning, QStringLiteral("Restore Last Combo"),
            QString::fromStdString(FormatComboFileError(m_recovery->Path(), *error)));
        return;
    }
    if (MayLeaveCombo())
        Apply(m_workbench.Restore("Restore Last Combo", std::get<ComboState>(kept)));
}

void CComboCalcDlg::reject() {
    if (m_bestOrderRunner->IsRunning()) {
        // The search stops first; the window closes once it has.
        m_closeAfterSearch = true;
        m_bestOrderRunner->Cancel();
        return;
    }
    if (MayLeaveCombo())
        QDialog::reject();
}
