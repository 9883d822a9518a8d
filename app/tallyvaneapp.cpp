#include "tallyvaneapp.h"

#include <commctrl.h>

#include <new>

#include "tallyvanedlg.h"

CTallyvaneApp theApp;

// clang-format off
BEGIN_MESSAGE_MAP(CTallyvaneApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()
// clang-format on

CTallyvaneApp::CTallyvaneApp() {
    // Restart support only: no recovery, no autosave.
    m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_RESTART;
}

CTallyvaneApp::~CTallyvaneApp() = default;

BOOL CTallyvaneApp::InitInstance() {
    INITCOMMONCONTROLSEX initCtrls;
    initCtrls.dwSize = sizeof(initCtrls);
    initCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&initCtrls);

    CWinApp::InitInstance();
    AfxEnableControlContainer(nullptr);

    CShellManager* pShellManager = new (std::nothrow) CShellManager;

    // Where the framework's per-user settings would live; the program keeps none.
    SetRegistryKey(L"Quillmarsh");

    CTallyvaneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    delete pShellManager;
    m_pMainWnd = nullptr;

    // No message loop after the dialog: returning FALSE ends the application.
    return FALSE;
}
