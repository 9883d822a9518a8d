// CWnd operations that wrap platform calls around framework objects.
#include "afxwin.h"

#include <vector>

namespace {

// Changes the style bits at nIndex (GWL_STYLE or GWL_EXSTYLE); with nFlags, also
// lets the window take in the change through SetWindowPos.
BOOL modifyStyle(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, nIndex));
    const DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, nIndex, static_cast<LONG_PTR>(newStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return modifyStyle(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return modifyStyle(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) {
    ::InvalidateRgn(m_hWnd, static_cast<HRGN>(AfxSafeHandle(pRgn)), bErase);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, AfxSafeHwnd(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    const int copied = ::GetWindowTextW(m_hWnd, rString.GetBuffer(length), length + 1);
    rString.ReleaseBuffer(copied);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    return ::ReleaseDC(m_hWnd, AfxSafeHdc(pDC));
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

namespace {

void sendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, bool bDeep,
                       bool bOnlyPerm) {
    // The children are listed first: a handler may create or destroy windows.
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children) {
        if (::IsWindow(hChild) && (!bOnlyPerm || CWnd::FromHandlePermanent(hChild) != nullptr))
            ::SendMessageW(hChild, message, wParam, lParam);
        if (bDeep && ::IsWindow(hChild))
            sendToDescendants(hChild, message, wParam, lParam, true, bOnlyPerm);
    }
}

} // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) const {
    sendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}
