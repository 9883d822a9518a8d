#include "app_harness.h"

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

INT_PTR RunSteps(CDialog& dlg, std::vector<Step> steps) {
    auto run = std::make_shared<StepRun>();
    run->pDlg = &dlg;
    run->steps = std::move(steps);
    ScheduleNext(run);
    // As in the program, the dialog is the application's main window, so the dialogs it
    // opens are owned by it.
    CWinApp* pApp = AfxGetApp(); // the program's own, linked into every test program here
    CWnd* pOuterMain = pApp->m_pMainWnd;
    if (pOuterMain == nullptr)
        pApp->m_pMainWnd = &dlg;
    const INT_PTR nResult = dlg.DoModal();
    pApp->m_pMainWnd = pOuterMain;
    if (run->nTicket) // a step left behind would run in a later test's dialog
        CancelIfPending(run->nTicket);
    EXPECT_EQ(run->nNext, run->steps.size()) << "the dialog ended (" << nResult << ") early";
    return nResult;
}

void TypeInto(CDialog& dlg, int nID, LPCWSTR lpszText) {
    ::SetDlgItemTextW(dlg.GetSafeHwnd(), nID, lpszText);
}

std::wstring TextOf(CDialog& dlg, int nID) {
    wchar_t szText[256] = {};
    ::GetDlgItemTextW(dlg.GetSafeHwnd(), nID, szText, 256);
    return szText;
}

void EnterInputs(CTallyvaneDlg& dlg, const std::vector<LPCWSTR>& payouts,
                 const std::vector<LPCWSTR>& chips) {
    for (int i = 0; i < static_cast<int>(payouts.size()); ++i)
        TypeInto(dlg, IDC_PAYOUT1 + i, payouts[i]);
    CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
    for (int i = 0; i < static_cast<int>(chips.size()); ++i)
        grid.SetItemText(grid.GetRowAt(i), kChips, chips[i]);
}

void PressCalculate(CTallyvaneDlg& dlg) {
    ::SendMessageW(::GetDlgItem(dlg.GetSafeHwnd(), IDC_CALCULATE), BM_CLICK, 0, 0);
}

std::vector<std::wstring> ColumnTexts(CTallyvaneDlg& dlg, int nCol) {
    CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
    std::vector<std::wstring> texts;
    for (int i = 0; i < grid.GetRowCount(); ++i)
        texts.emplace_back(static_cast<LPCWSTR>(grid.GetItemText(grid.GetRowAt(i), nCol)));
    return texts;
}

POINT CellPoint(CTallyvaneDlg& dlg, int nRow, int nCol) {
    CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
    RECT rc = {};
    EXPECT_TRUE(grid.GetCellRect(grid.GetRowAt(nRow), nCol, FLR_LABEL, &rc, FALSE));
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

HWND Editor(CTallyvaneDlg& dlg) {
    return ::GetDlgItem(CTallyvaneDlgTestAccess::Grid(dlg).GetSafeHwnd(), FL_EDITOR_ID_TEXT);
}
