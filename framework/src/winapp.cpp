// CWinApp and the entry point that drives it.
#include "afxapp.h"

#include "afxmodule.h"
#include "afxmsgmap.h"
#include "afxpump.h"
#include "afxwnd.h"
#include "wndstate.h"

void AfxSetApp(CWinApp* pApp);

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    AfxSetApp(this);
}

CWinApp::~CWinApp() {
    if (AfxGetApp() == this)
        AfxSetApp(nullptr);
}

void CWinApp::InitFromEntryPoint(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow) {
    m_hInstance = hInstance;
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;
    if (m_pszAppName == nullptr) {
        // No name given: the executable's file name without its extension.
        wchar_t path[MAX_PATH] = L"";
        ::GetModuleFileNameW(hInstance, path, MAX_PATH);
        wchar_t* base = wcsrchr(path, L'\\');
        base = base ? base + 1 : path;
        if (wchar_t* dot = wcsrchr(base, L'.'))
            *dot = 0;
        m_strAppName = base;
        m_pszAppName = m_strAppName;
    }
}

BOOL CWinApp::InitInstance() {
    // Ask to be restarted after a crash or hang, if the application wants that.
    if (m_dwRestartManagerSupportFlags & AFX_RESTART_MANAGER_SUPPORT_RESTART)
        ::RegisterApplicationRestart(nullptr, 0);
    return TRUE;
}

int CWinApp::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run() {
    m_bRunning = TRUE;
    for (;;) {
        if (!::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
            AfxDeleteTempMaps();
        CWnd* pMainWnd = m_pMainWnd;
        if (!AfxPumpMessage(pMainWnd ? pMainWnd->m_hWnd : nullptr, &m_msgCur))
            break;
    }
    m_bRunning = FALSE;
    return ExitInstance();
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName;
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

void CWinApp::OnHelp() {}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->InitFromEntryPoint(hInstance, lpCmdLine, nCmdShow);
    return AfxGuard("application start-up", 0, -1, [&] {
        if (!pApp->InitInstance())
            return pApp->ExitInstance();
        return pApp->Run();
    });
}

// The process's entry point (linked with -municode): here, so that it comes with
// the application object whenever a program defines one.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
