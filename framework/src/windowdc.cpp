// The DCs that borrow a window's device context for their lifetime.
#include "afxdc.h"
#include "afxwnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(AfxSafeHwnd(pWnd)) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
    KeepOriginals();
}

CPaintDC::~CPaintDC() {
    RestoreOriginals();
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxSafeHwnd(pWnd)) {
    Attach(::GetDC(m_hWnd));
    KeepOriginals();
}

CClientDC::~CClientDC() {
    RestoreOriginals();
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxSafeHwnd(pWnd)) {
    Attach(::GetWindowDC(m_hWnd));
    KeepOriginals();
}

CWindowDC::~CWindowDC() {
    RestoreOriginals();
    ::ReleaseDC(m_hWnd, Detach());
}
