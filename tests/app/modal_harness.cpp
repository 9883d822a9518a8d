#include "modal_harness.h"

#include <map>
#include <memory>

#include <gtest/gtest.h>

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

UINT_PTR RunLater(std::function<void()> fn) {
    const UINT_PTR idEvent = ::SetTimer(nullptr, 0, 10, OnTimer);
    t_pending[idEvent] = std::move(fn);
    return idEvent;
}

bool CancelIfPending(UINT_PTR nTicket) {
    if (t_pending.erase(nTicket) == 0)
        return false;
    ::KillTimer(nullptr, nTicket);
    return true;
}

// As in the program, the dialog under test is the application's main window, so the
// dialogs it opens are owned by it.
static INT_PTR DoModalAsMainWindow(CDialog& dlg) {
    CWinApp* pApp = AfxGetApp();
    CWnd* pOuterMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (pApp != nullptr && pOuterMain == nullptr)
        pApp->m_pMainWnd = &dlg;
    const INT_PTR nResult = dlg.DoModal();
    if (pApp != nullptr)
        pApp->m_pMainWnd = pOuterMain;
    return nResult;
}

INT_PTR RunInsideModal(CDialog& dlg, std::function<void()> body, bool bBodyEndsDialog) {
    const UINT_PTR nTicket = RunLater([&dlg, bBodyEndsDialog, body = std::move(body)] {
        body();
        if (!bBodyEndsDialog)
            dlg.EndDialog(kEndedByHarness);
    });
    const INT_PTR nResult = DoModalAsMainWindow(dlg);
    // A body left behind would run in a later test's dialog, on objects long gone.
    if (CancelIfPending(nTicket))
        ADD_FAILURE() << "the dialog ended (" << nResult << ") before the test body ran";
    return nResult;
}

namespace {

struct StepRun {
    CDialog* pDlg = nullptr;
    std::vector<Step> steps;
    size_t nNext = 0;
    UINT_PTR nTicket = 0;
};

// A timer fires only when no posted message and no input is queued, so each step
// starts after the loop has handled everything the previous one queued.
void ScheduleNext(const std::shared_ptr<StepRun>& run) {
    run->nTicket = RunLater([run] {
        run->nTicket = 0;
        if (!run->pDlg->GetSafeHwnd())
            return;
        if (run->nNext == run->steps.size()) {
            run->pDlg->EndDialog(kEndedByHarness);
            return;
        }
        run->steps[run->nNext++]();
        ScheduleNext(run);
    });
}

} // namespace

size_t RunSteps(CDialog& dlg, std::vector<Step> steps) {
    auto run = std::make_shared<StepRun>();
    run->pDlg = &dlg;
    run->steps = std::move(steps);
    ScheduleNext(run);
    DoModalAsMainWindow(dlg);
    if (run->nTicket) // a step left behind would run in a later test's dialog
        CancelIfPending(run->nTicket);
    return run->nNext;
}

HWND FindThreadWindow(LPCWSTR lpszCaption) {
    FindData find{lpszCaption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}
