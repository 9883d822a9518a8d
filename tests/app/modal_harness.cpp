#include "modal_harness.h"

#include <map>

namespace {

thread_local std::map<UINT_PTR, std::function<void()>> t_pending;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
    ::KillTimer(nullptr, idEvent);
    auto it = t_pending.find(idEvent);
    if (it == t_pending.end())
        return;
    std::function<void()> fn = std::move(it->second);
    t_pending.erase(it);
    fn();
}

struct FindData {
    LPCWSTR lpszCaption;
    HWND hFound;
};

BOOL CALLBACK MatchCaption(HWND hWnd, LPARAM lParam) {
    auto* pFind = reinterpret_cast<FindData*>(lParam);
    wchar_t szText[256] = {};
    ::GetWindowTextW(hWnd, szText, 256);
    if (::IsWindowVisible(hWnd) && wcscmp(szText, pFind->lpszCaption) == 0) {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void RunLater(std::function<void()> fn) {
    const UINT_PTR idEvent = ::SetTimer(nullptr, 0, 10, OnTimer);
    t_pending[idEvent] = std::move(fn);
}

INT_PTR RunInsideModal(CDialog& dlg, std::function<void()> body, bool bBodyEndsDialog) {
    RunLater([&dlg, bBodyEndsDialog, body = std::move(body)] {
        body();
        if (!bBodyEndsDialog)
            dlg.EndDialog(kEndedByHarness);
    });
    return dlg.DoModal();
}

HWND FindThreadWindow(LPCWSTR lpszCaption) {
    FindData find{lpszCaption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}
