// The application object and the program's entry point.
//
// Executables define one global object of a CWinApp-derived class and link with
// -municode: the framework's wWinMain calls the
// object's InitInstance, then Run() unless InitInstance returned FALSE.
#pragma once

#include "afxcmdtarget.h"
#include "afxstr.h"
#include "afxtypes.h"

class CWnd;

// The framework's help command.
#define ID_HELP 0xE146

// Restart-manager support flags (m_dwRestartManagerSupportFlags).
#define AFX_RESTART_MANAGER_SUPPORT_RESTART 0x01

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // A plain message loop until WM_QUIT; then ExitInstance's code.
    virtual int Run();

    // Records where the per-user settings would live; the profile is named after
    // the application.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    // The help command's handler. No help file ships with the program.
    afx_msg void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    DWORD m_dwRestartManagerSupportFlags = 0;

    // TRUE while Run() pumps the application's messages.
    BOOL IsRunning() const { return m_bRunning; }

    // Start-up data from the entry point (module, command line, show state).
    void InitFromEntryPoint(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);

protected:
    MSG m_msgCur{};

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bRunning = FALSE;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The entry point's work, callable from a custom entry point or a test.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Hosting ActiveX controls in dialogs: the program uses none, so there is nothing to set up.
inline void AfxEnableControlContainer(void* /*pOccManager*/ = nullptr) {}

// The shell-integration services of the original framework (shell lists and trees).
// The program uses none of them; it only creates and deletes the object.
class CShellManager {};
