// The window procedure every window of ours runs through, and the default
// processing it falls back on.
#include "wndstate.h"

#include "afxapp.h"

namespace {

// Keeps the thread's current message and temporary-map lock for one dispatch.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
        : m_saved(AfxWndState().currentMsg) {
        MSG& msg = AfxWndState().currentMsg;
        msg.hwnd = hWnd;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        ++AfxTempMapLock();
    }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
    ~CurrentMessageScope() {
        AfxWndState().currentMsg = m_saved;
        --AfxTempMapLock();
    }

private:
    MSG m_saved;
};

LRESULT callOriginal(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& procs = AfxWndState().superProcs;
    auto it = procs.find(hWnd);
    if (it != procs.end() && it->second != nullptr)
        return ::CallWindowProcW(it->second, hWnd, message, wParam, lParam);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A window object that kept its window past WM_NCDESTROY lets go of it now.
void forgetDestroyedWindow(HWND hWnd) {
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        AfxGuard("WM_NCDESTROY clean-up", WM_NCDESTROY, 0, [&] {
            pWnd->FinishNcDestroy();
            return 0;
        });
    AfxWndState().superProcs.erase(hWnd);
}

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // No C++ exception may unwind into the platform: a handler that throws ends
    // there, the message answers 0 and the program goes on.
    const LRESULT result = AfxGuard("window procedure", message, LRESULT(0), [&]() -> LRESULT {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == nullptr)
            return callOriginal(hWnd, message, wParam, lParam);
        return pWnd->DispatchFromProc(message, wParam, lParam);
    });
    if (message == WM_NCDESTROY)
        forgetDestroyedWindow(hWnd);
    return result;
}

LRESULT CWnd::DispatchFromProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessageScope scope(m_hWnd, message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    return &AfxWndState().currentMsg;
}

LRESULT CWnd::Default() {
    const MSG& msg = AfxWndState().currentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CWnd::FinishNcDestroy() {
    HWND hWnd = m_hWnd;
    // Give the window its own procedure back for whatever the platform still sends.
    if (hWnd != nullptr && m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == AfxWndProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    AfxWndState().superProcs.erase(hWnd);
    // The main window gone, the application's message loop ends. Outside that loop
    // (a dialog run from InitInstance) a WM_QUIT would only end the next modal loop.
    if (CWinApp* pApp = AfxGetApp(); pApp != nullptr && pApp->m_pMainWnd == this) {
        if (pApp->IsRunning())
            ::PostQuitMessage(0);
        pApp->m_pMainWnd = nullptr;
    }
    Detach();
    PostNcDestroy();
}

void CWnd::OnNcDestroy() {
    Default();
    FinishNcDestroy();
}

void CWnd::PostNcDestroy() {}
