// The one application object of the process.
#include "afxapp.h"
#include "afxwnd.h"

namespace {
CWinApp* g_pApp = nullptr;
}

void AfxSetApp(CWinApp* pApp) {
    g_pApp = pApp;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}
