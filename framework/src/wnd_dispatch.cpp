// From a window message to the handler in a message table, with the reflection of
// control notifications back to the control that sent them.
#include "wndstate.h"

#include "afxmsgmap.h"
#include "afxwin.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

// The control an owner-draw, scroll or colour message from a child is about.
HWND childOfMessage(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
            return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
        }
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
            return mis->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, mis->CtlID);
        }
        case WM_COMPAREITEM:
            return reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
        case WM_DELETEITEM:
            return reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<HWND>(lParam);
        default:
            (void)wParam;
            return nullptr;
    }
}

bool isOwnerDraw(UINT message) {
    return message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_DELETEITEM;
}

// Changes of the whole system that the platform tells top-level windows only.
bool concernsEveryWindow(UINT message) {
    return message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE || message == WM_FONTCHANGE;
}

} // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        handled =
            pNMHDR != nullptr && pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
    } else {
        // A top-level window passes system-wide changes on to its controls, whatever
        // its own table does with them.
        if (concernsEveryWindow(message) && !(GetStyle() & WS_CHILD))
            SendMessageToDescendants(message, wParam, lParam, TRUE, FALSE);
        handled = OnChildMessage(message, wParam, lParam, &lResult) ||
                  DispatchEntry(message, 0, 0, wParam, lParam, &lResult);
    }
    if (handled && pResult != nullptr)
        *pResult = lResult;
    return handled;
}

BOOL CWnd::OnChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hWndChild = childOfMessage(m_hWnd, message, wParam, lParam);
    if (hWndChild == nullptr || !ReflectToChild(hWndChild, message, wParam, lParam, pResult))
        return FALSE;
    if (isOwnerDraw(message))
        *pResult = TRUE;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    UINT nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl == nullptr) {
        if (nCode == 1)
            nCode = CN_COMMAND; // accelerators count as commands
    } else {
        if (AfxWndState().hLockoutNotify == m_hWnd)
            return TRUE; // data exchange in progress: mute the controls
        if (ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    if (DispatchEntry(WM_COMMAND, nCode, nID, wParam, lParam, nullptr))
        return TRUE;
    // A command that no top-level window handles goes on to the application object
    // (its help entry, for one). Other notifications concern the window alone.
    if (nCode != CN_COMMAND || (GetStyle() & WS_CHILD))
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->DispatchEntry(WM_COMMAND, nCode, nID, wParam, lParam, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    if (AfxWndState().hLockoutNotify == m_hWnd)
        return TRUE;
    // A sender with a window object (this window itself included) sees it first.
    if (ReflectToChild(hWndCtrl, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    const UINT nID = static_cast<WORD>(::GetDlgCtrlID(hWndCtrl));
    return DispatchEntry(WM_NOTIFY, pNMHDR->code, nID, wParam, lParam, pResult);
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult) {
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr)
        return FALSE;
    LRESULT scratch = 0;
    return pChild->OnChildNotify(message, wParam, lParam, pResult ? pResult : &scratch);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
        case WM_COMMAND:
            return DispatchEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam,
                                 pResult);
        case WM_NOTIFY:
            return DispatchEntry(WM_REFLECT_BASE + WM_NOTIFY,
                                 reinterpret_cast<NMHDR*>(lParam)->code, 0, wParam, lParam,
                                 pResult);
        default:
            return DispatchEntry(WM_REFLECT_BASE + message, 0, 0, wParam, lParam, pResult);
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != nullptr && pChild->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = AfxWndState().currentMsg;
    LRESULT scratch = 0;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult ? pResult : &scratch);
}
