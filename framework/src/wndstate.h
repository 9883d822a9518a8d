// Per-thread state of the window layer (not part of the public headers).
#pragma once

#include "afxwnd.h"

struct AfxWndThreadState {
    MSG currentMsg{};                             // the message Default() hands on
    CWnd* pWndInit = nullptr;                     // object waiting for its window's creation
    HHOOK hCbtHook = nullptr;                     // creation hook while a window is being made
    HWND hLockoutNotify = nullptr;                // window whose notifications data exchange mutes
    std::unordered_map<HWND, WNDPROC> superProcs; // original procedures of our windows
};

AfxWndThreadState& AfxWndState();

// Installs the creation hook so that pWnd is attached to the next window created.
void AfxHookWindowCreate(CWnd* pWnd);
// Removes the hook; FALSE when the window never arrived.
BOOL AfxUnhookWindowCreate();

// Writes a message about an exception stopped at a platform boundary.
void AfxReportBoundaryException(const char* where, UINT message) noexcept;

// Runs f, stopping every exception at a callback boundary. Returns fallback then.
template <class F, class R>
R AfxGuard(const char* where, UINT message, R fallback, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        AfxReportBoundaryException(where, message);
        return fallback;
    }
}
