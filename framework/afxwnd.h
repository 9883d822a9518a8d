// CWnd: the object side of a window. Messages reach a window object through one
// window procedure that looks the object up by handle and runs its message table;
// whatever the table leaves goes to the window's original procedure.
#pragma once

#include "afxcmdtarget.h"
#include "afxhandlemap.h"
#include "afxstr.h"
#include "afxtypes.h"

class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
class CDataExchange;

class CWnd : public CCmdTarget, public CHandleWrapper<CWnd, HWND> {
public:
    CWnd() = default;
    // A window still alive is destroyed; only this class's handlers see that.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    static constexpr auto kHandle = &CWnd::m_hWnd;

    // For a pointer that may be null, AfxSafeHwnd(pWnd) instead.
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    // Unlike other wrappers, refuses a window that another object has attached.
    BOOL Attach(HWND hWndNew);
    // Lets go of the window; one we had subclassed keeps running through our window
    // procedure on to its own, so that a later object can take it over.
    HWND Detach();

    // Routes an existing window's messages through this object (and back).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation; a window of any class created here is ours from its first message.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();

    // Message pumping hook: TRUE when the message was dealt with.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Attributes and thin wrappers of the platform calls.
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    void GetWindowText(CString& rString) const;
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
        return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
    }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    CMenu* GetSystemMenu(BOOL bRevert) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    // Sends the message to each child window, with bDeep to their children too, and
    // with bOnlyPerm only to windows that have an object attached.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE) const;

    // Data exchange between the window's controls and the object's members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Applies the template's initialisation data (resource type 240) to the controls.
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);

    // The message the thread's innermost handler is working on.
    static const MSG* GetCurrentMessage();

    // Hands a control notification from the parent back to this control.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);

    // The window procedure's entry into the object; public for the window procedure.
    LRESULT DispatchFromProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Forgets the window after WM_NCDESTROY, then runs PostNcDestroy.
    void FinishNcDestroy();
    // The procedure the object's messages fall back on (null: DefWindowProcW).
    WNDPROC m_pfnSuper = nullptr;

protected:
    virtual void PreSubclassWindow();
    // After the window is gone and the object detached; self-owning objects delete here.
    virtual void PostNcDestroy();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);

    // The original procedure with the message currently being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Base handlers: each hands its message to the original procedure.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnFontChange();
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* pResult);
    BOOL OnChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// The window of a possibly null window object.
inline HWND AfxSafeHwnd(const CWnd* pWnd) noexcept {
    return AfxSafeHandle(pWnd);
}

// The thread's map of window objects.
inline CHandleMap<HWND, CWnd>& AfxWndMap() {
    return CWnd::HandleMap();
}

// The attached object when it is a T, else a temporary T for the handle.
template <class T> T* AfxWndFromHandle(HWND hWnd) {
    return AfxWndMap().FromHandle<T>(hWnd);
}

// The window procedure every window of ours runs through.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
