#include "input_driver.h"

#include <memory>

#include <gtest/gtest.h>

#include "modal_harness.h"

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
    CWinApp* pApp = AfxGetApp();
    CWnd* pOuterMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (pApp != nullptr && pOuterMain == nullptr)
        pApp->m_pMainWnd = &dlg;
    dlg.DoModal();
    if (pApp != nullptr)
        pApp->m_pMainWnd = pOuterMain;
    // A step left behind would run in a later test's dialog, on objects long gone.
    if (run->nTicket)
        CancelIfPending(run->nTicket);
    return run->nNext;
}
