#include "app/CComboCalcApp.h"

#include "dialog/CComboCalcDlg.h"

CComboCalcApp theApp;

bool CComboCalcApp::InitInstance() {
    CComboCalcDlg dlg;
    dlg.DoModal(); // the result tells nothing: every ending is a cancel
    return false;
}

int CComboCalcApp::Run() {
    InitInstance();
    return 0;
}
