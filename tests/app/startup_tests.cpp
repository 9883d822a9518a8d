// The program's start-up as a whole: the application object runs the main dialog as
// its main window and leaves nothing behind when the dialog closes.
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"
#include "tallyvaneapp.h"

namespace {

int CountThreadWindows() {
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND, LPARAM lParam) -> BOOL {
            ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

} // namespace

TEST(ApplicationStart, RunsTheMainDialogAndEndsWhenItCloses) {
    std::wstring mainCaption;
    bool bMainIsEnabled = false;
    const int nWindowsBefore = CountThreadWindows();

    RunLater([&] {
        CWnd* pMain = AfxGetMainWnd();
        ASSERT_NE(pMain, nullptr);
        wchar_t szCaption[64] = {};
        ::GetWindowTextW(pMain->GetSafeHwnd(), szCaption, 64);
        mainCaption = szCaption;
        bMainIsEnabled = ::IsWindowEnabled(pMain->GetSafeHwnd());
        // Esc on the focused payout edit, as a user would close it. While another
        // process holds the foreground the thread has no focus, and a key posted to
        // no window would never reach the dialog: then it goes to the first tab stop.
        HWND hTarget = ::GetFocus();
        if (!hTarget)
            hTarget = ::GetNextDlgTabItem(pMain->GetSafeHwnd(), nullptr, FALSE);
        ::PostMessageW(hTarget, WM_KEYDOWN, VK_ESCAPE, 1);
    });

    EXPECT_FALSE(theApp.InitInstance()) << "no message loop follows the dialog";
    EXPECT_EQ(mainCaption, L"ICM Calculator V2.0");
    EXPECT_TRUE(bMainIsEnabled);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(CountThreadWindows(), nWindowsBefore);
}

TEST(ApplicationStart, ManifestSelectsCommonControlsSix) {
    // The embedded manifest binds the process to the side-by-side common controls 6,
    // not to the system directory's older library.
    HMODULE hComCtl = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(hComCtl, nullptr);
    wchar_t szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(hComCtl, szPath, MAX_PATH);
    std::wstring path(szPath);
    for (wchar_t& c : path)
        c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(path.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << szPath;
}
