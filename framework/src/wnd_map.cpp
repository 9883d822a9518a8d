// Window objects and their handles.
#include "wndstate.h"

#include "afxapp.h"

BOOL CWnd::Attach(HWND hWndNew) {
    if (FromHandlePermanent(hWndNew) != nullptr || !CHandleWrapper::Attach(hWndNew))
        return FALSE;
    // A window that already runs through our procedure falls back on its own one.
    auto& procs = AfxWndState().superProcs;
    auto it = procs.find(hWndNew);
    m_pfnSuper = it != procs.end() ? it->second : nullptr;
    return TRUE;
}

HWND CWnd::Detach() {
    m_pfnSuper = nullptr; // the window's own procedure stays noted by handle
    return CHandleWrapper::Detach();
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
