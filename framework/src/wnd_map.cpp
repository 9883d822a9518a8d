// Window objects and their handles.
#include "wndstate.h"

#include "afxapp.h"

HWND CWnd::GetSafeHwnd() const noexcept {
    // Hide `this` from the optimiser: callers may ask through a null pointer.
    const CWnd* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return AfxWndMap().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd ? AfxWndMap().LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap() {
    AfxWndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    AfxWndMap().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        AfxWndMap().RemoveHandle(hWnd);
    m_hWnd = nullptr;
    return hWnd;
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
