// Speed of the main dialog's grid under Wine: a full repaint of its ten rows, and one
// "Calculate ICM" press from the click until the last row has been repainted. There
// is no Google Benchmark for mingw, so this times with QueryPerformanceCounter and
// prints medians. Not part of the test suite: run it by hand with scripts/wine-run.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tallyvanedlg.h"

namespace {

constexpr int kRuns = 300;

double Now() {
    static const double dTicksPerMicrosecond = [] {
        LARGE_INTEGER freq;
        ::QueryPerformanceFrequency(&freq);
        return static_cast<double>(freq.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / dTicksPerMicrosecond;
}

void Report(const char* lpszName, const std::function<void()>& fn) {
    for (int i = 0; i < 10; i++)
        fn(); // warm up
    std::vector<double> times;
    for (int i = 0; i < kRuns; i++) {
        const double dStart = Now();
        fn();
        times.push_back(Now() - dStart);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %9.1f us   min %9.1f us   (%d runs)\n", lpszName,
                times[times.size() / 2], times.front(), kRuns);
}

void RunBenchmarks(CTallyvaneDlg& dlg) {
    const HWND hDlg = dlg.GetSafeHwnd();
    const HWND hGrid = ::GetDlgItem(hDlg, IDC_GRID);
    auto* pGrid = dynamic_cast<CFListCtrl*>(CWnd::FromHandlePermanent(hGrid));
    if (pGrid == nullptr) {
        std::printf("the dialog has no grid\n");
        return;
    }
    const LPCWSTR payouts[] = {L"50", L"30", L"20"};
    for (int i = 0; i < 3; i++) {
        ::SetDlgItemTextW(hDlg, IDC_PAYOUT1 + i, payouts[i]);
        pGrid->SetItemText(pGrid->GetRowAt(i), 1, payouts[i]);
    }

    Report("full repaint of the grid (10 rows)", [&] {
        ::RedrawWindow(hGrid, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    // Each stored equity repaints its row before the next is computed, so the press
    // returns after the last row has been painted.
    Report("Calculate ICM, click to last row painted",
           [&] { ::SendMessageW(::GetDlgItem(hDlg, IDC_CALCULATE), BM_CLICK, 0, 0); });
}

CTallyvaneDlg* g_pDlg = nullptr;

void CALLBACK OnStart(HWND, UINT, UINT_PTR idEvent, DWORD) {
    ::KillTimer(nullptr, idEvent);
    RunBenchmarks(*g_pDlg);
    g_pDlg->EndDialog(IDCANCEL);
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CTallyvaneDlg dlg;
    g_pDlg = &dlg;
    ::SetTimer(nullptr, 0, 10, OnStart);
    dlg.DoModal();
    return 0;
}
