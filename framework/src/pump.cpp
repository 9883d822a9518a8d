#include "afxpump.h"

#include "afxwnd.h"
#include "wndstate.h"

BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL AfxPumpMessage(HWND hWndStop, MSG* pMsg) {
    MSG& msg = *pMsg;
    if (!::GetMessageW(&msg, nullptr, 0, 0))
        return FALSE;
    // The pre-translation hooks are handlers too: one that throws only loses its message.
    AfxGuard("message loop", msg.message, 0, [&] {
        ++AfxTempMapLock();
        struct Unlock {
            ~Unlock() { --AfxTempMapLock(); }
        } unlock;
        if (!AfxWalkPreTranslateTree(hWndStop, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        return 0;
    });
    return TRUE;
}

BOOL AfxIsIdleMessage(const MSG* pMsg) {
    // Mouse moves, caret blinks and paints come by the thousand and change nothing.
    switch (pMsg->message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        case WM_PAINT:
        case 0x0118: // the caret's blink timer
            return FALSE;
        default:
            return TRUE;
    }
}
