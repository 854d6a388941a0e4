// SPDX-License-Identifier: MIT
#include "window/CAboutDlg.h"

#include "window/TemplateBuilder.h"
#include "window/templates/DialogTemplate.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const BuiltDialog built = BuildDialog(this, AboutDialogTemplate());
    setModal(true);
    if (auto* ok = built.Control<QPushButton>(kIdOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

int CAboutDlg::DoModal() {
    return exec();
}

void CAboutDlg::openOver(QWidget* owner) {
    CAboutDlg about(owner);
    about.DoModal();
}
