// Window objects and their handles.
#include "wndstate.h"

#include "afxapp.h"

BOOL CWnd::Attach(HWND hWndNew) {
    if (FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    return CHandleWrapper::Attach(hWndNew);
}

CWnd::~CWnd() {
    if (CWinApp* pApp = AfxGetApp(); pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr; // no dangling main window after the object
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this)
        return;
    // Only this class's handlers run now; derived parts are already gone.
    ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr)
        Detach(); // a window of another thread: at least forget it
}
