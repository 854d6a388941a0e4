// SPDX-License-Identifier: MIT
// Combo files: Open, Save, Save As, the title naming the file, and the
// question on closing with unsaved changes.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "window/FileChooser.h"
#include "model/ComboContent.h"
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"

#include <QFileInfo>

namespace {

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

bool CComboCalcDlg::openComboFile(const QString& path) {
    const ComboFileResult result = LoadComboFile(path.toStdString());
    if (const auto* error = std::get_if<ComboFileError>(&result)) {
        Feedback::ShowMessageBox(
            this, Feedback::BoxIcon::Warning, QStringLiteral("Open"),
            QString::fromStdString(FormatComboFileError(FileName(path).toStdString(), *error)));
        return false;
    }
    const ComboState before = m_state;
    m_state = std::get<ComboState>(result);
    RecordChange("Open", before);
    m_filePath = path;
    m_savedContent = m_state;
    UpdateTitle();
    ShowWholeCombo();
    return true;
}

void CComboCalcDlg::OnOpenFile() {
    const QString path = FileChooser::ChooseFileToOpen(this);
    if (!path.isEmpty())
        openComboFile(path);
}

bool CComboCalcDlg::SaveTo(const QString& path) {
    const FileWriteOutcome outcome = SaveComboFile(path.toStdString(), m_state);
    if (!outcome.ok) {
        Feedback::ShowMessageBox(this, Feedback::BoxIcon::Warning, QStringLiteral("Save"),
                                 QStringLiteral("%1 could not be saved: %2")
                                     .arg(FileName(path), QString::fromStdString(outcome.error)));
        return false;
    }
    m_filePath = path;
    m_savedContent = m_state;
    UpdateTitle();
    return true;
}

bool CComboCalcDlg::OnSaveFile() {
    return m_filePath.isEmpty() ? OnSaveFileAs() : SaveTo(m_filePath);
}

bool CComboCalcDlg::OnSaveFileAs() {
    const QString path = FileChooser::ChooseFileToSave(this, m_filePath);
    return !path.isEmpty() && SaveTo(path);
}

void CComboCalcDlg::UpdateTitle() {
    setWindowTitle(m_filePath.isEmpty() ? m_title
                                        : FileName(m_filePath) + QStringLiteral(" - ") + m_title);
}

bool CComboCalcDlg::HasUnsavedChanges() const {
    return m_savedContent && !SameComboContent(*m_savedContent, m_state);
}

void CComboCalcDlg::reject() {
    if (HasUnsavedChanges()) {
        switch (Feedback::AskSaveChanges(this, FileName(m_filePath))) {
        case Feedback::SaveAnswer::Save:
            if (!OnSaveFile())
                return;
            break;
        case Feedback::SaveAnswer::Discard:
            break;
        case Feedback::SaveAnswer::Cancel:
            return;
        }
    }
    QDialog::reject();
}
