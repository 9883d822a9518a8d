// How fast typing feels, under Wine: from the key that opens the text editor to the
// editor shown, and from Enter to the committed row repainted. Real input through the
// system's queue, played by a loop like the dialog's own, in the calculator's dialog.
// Prints the median and the 90th percentile of each, in microseconds.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "afxpump.h"
#include "tallyvanedlg.h"

namespace {

constexpr int kRounds = 300;
constexpr int kChips = 1;

double Now() {
    static const double dTicksPerUs = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / dTicksPerUs;
}

void SendKey(WORD wVk, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

// Plays queued messages as the modal loop does until done() holds; false after 2 s.
template <class Done> bool PlayUntil(HWND hDlg, Done done) {
    const double tEnd = Now() + 2e6;
    MSG msg;
    while (!done()) {
        if (Now() > tEnd)
            return false;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (!AfxWalkPreTranslateTree(hDlg, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

// Nothing queued: no input, posted or sent message, or paint.
bool Idle() {
    return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE)) == 0;
}

// Shown: the window is visible and has painted everything it had to paint.
bool Painted(HWND hWnd) {
    return hWnd && ::IsWindowVisible(hWnd) && !::GetUpdateRect(hWnd, nullptr, FALSE);
}

void Report(const char* pszWhat, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    std::printf("%-40s median %8.1f us   p90 %8.1f us   (%zu rounds)\n", pszWhat, samples[n / 2],
                samples[n * 9 / 10], n);
}

class BenchDlg : public CTallyvaneDlg {
public:
    BOOL OnInitDialog() override {
        const BOOL bResult = CTallyvaneDlg::OnInitDialog();
        ::SetTimer(m_hWnd, 1, 50, nullptr);
        return bResult;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == 1) {
            ::KillTimer(m_hWnd, 1);
            Measure();
            EndDialog(IDOK);
            return 0;
        }
        return CTallyvaneDlg::WindowProc(message, wParam, lParam);
    }

    std::vector<double> m_Open, m_Commit;
    bool m_bFailed = false;

private:
    CFListCtrl& Grid() { return *static_cast<CFListCtrl*>(GetDlgItem(IDC_GRID)); }

    void Measure() {
        CFListCtrl& grid = Grid();
        const HWND hDlg = m_hWnd, hGrid = grid.GetSafeHwnd();
        ::SetForegroundWindow(hDlg);
        ::SetFocus(hGrid);
        grid.SetFocusCell(grid.GetRowAt(0), kChips);
        PlayUntil(hDlg, Idle);
        for (int i = 0; i < kRounds && !m_bFailed; ++i) {
            const POSITION hRow = grid.GetRowAt(i % 10);
            grid.SetFocusCell(hRow, kChips);
            const auto editor = [&] { return ::GetDlgItem(hGrid, FL_EDITOR_ID_TEXT); };

            double t0 = Now();
            SendKey('7', false);
            SendKey('7', true);
            m_bFailed |= !PlayUntil(hDlg, [&] { return Painted(editor()); });
            m_Open.push_back(Now() - t0);
            PlayUntil(hDlg, Idle);

            t0 = Now();
            SendKey(VK_RETURN, false);
            SendKey(VK_RETURN, true);
            m_bFailed |= !PlayUntil(hDlg, [&] {
                return !editor() && grid.GetItemText(hRow, kChips) == L"7" && Painted(hGrid);
            });
            m_Commit.push_back(Now() - t0);
            PlayUntil(hDlg, Idle);
            grid.SetItemText(hRow, kChips, L"");
        }
    }
};

} // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    BenchDlg dlg;
    dlg.DoModal();
    if (dlg.m_bFailed || dlg.m_Open.empty()) {
        std::printf("FAILED: the editor did not open or commit within 2 s\n");
        return 1;
    }
    Report("key to text editor shown", dlg.m_Open);
    Report("Enter to committed row repainted", dlg.m_Commit);
    return 0;
}
