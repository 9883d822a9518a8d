// The main dialog as it opens, its system menu and About box, its grid's order and
// clipboard. The program's start-up and Esc ending it are tests/e2e/start-and-close.sh's.
#include <gmock/gmock.h>

#include "app_harness.h"
#include "recording_parent.h"

namespace {

using Texts = std::vector<std::wstring>;

// Whether the About box opened while the dialog handled a system command; it is closed
// with its OK button, as a user would, from its own modal loop.
bool SysCommandOpensAbout(CTallyvaneDlg& dlg, UINT nCommand) {
    bool bOpened = false;
    const UINT_PTR nTicket = RunLater([&] {
        HWND hAbout = ::FindWindowW(nullptr, L"Tallyvane");
        bOpened = hAbout != nullptr;
        EXPECT_FALSE(::IsWindowEnabled(dlg.GetSafeHwnd())) << "the About box is modal";
        ::SendMessageW(::GetDlgItem(hAbout, IDOK), BM_CLICK, 0, 0);
    });
    dlg.SendMessage(WM_SYSCOMMAND, nCommand);
    CancelIfPending(nTicket);
    return bOpened;
}

int g_nIconErases = 0;
LRESULT CALLBACK CountIconErases(int nCode, WPARAM wParam, LPARAM lParam) {
    g_nIconErases += reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_ICONERASEBKGND;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST(MainDialog, OpensWithItsDefaultsItsGridItsIconAndTheAboutEntry) {
    CTallyvaneDlg dlg;
    RunSteps(dlg, {[&] {
                 EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_PAYOUT1);
                 Texts names;
                 for (int i = 1; i <= 10; i++)
                     names.push_back(L"Player " + std::to_wstring(i));
                 EXPECT_EQ(ColumnTexts(dlg, kNames), names);
                 EXPECT_EQ(ColumnTexts(dlg, kChips), Texts(10, L""));
                 EXPECT_EQ(ColumnTexts(dlg, kEquity), Texts(10, L"0"));
                 EXPECT_EQ(TextOf(dlg, IDC_POOL), L"1000");
                 for (int i = 0; i < 5; ++i)
                     EXPECT_EQ(TextOf(dlg, IDC_PAYOUT1 + i), L"");
                 wchar_t szText[64] = {};
                 ::GetWindowTextW(dlg.GetSafeHwnd(), szText, 64);
                 EXPECT_STREQ(szText, L"ICM Calculator V2.0");

                 const auto send = [&](UINT nMsg, WPARAM w) { return dlg.SendMessage(nMsg, w); };
                 EXPECT_NE(send(WM_GETICON, ICON_BIG), 0);
                 EXPECT_EQ(send(WM_GETICON, ICON_SMALL), send(WM_GETICON, ICON_BIG));
                 EXPECT_EQ(send(WM_QUERYDRAGICON, 0), send(WM_GETICON, ICON_BIG));
                 // The dialog's init data gave "Calculate ICM" its picture.
                 EXPECT_NE(::SendDlgItemMessageW(dlg.GetSafeHwnd(), IDC_CALCULATE, BM_GETIMAGE,
                                                 IMAGE_BITMAP, 0),
                           0);

                 // The system menu ends with the About entry.
                 HMENU hMenu = ::GetSystemMenu(dlg.GetSafeHwnd(), FALSE);
                 const int nCount = ::GetMenuItemCount(hMenu);
                 ::GetMenuStringW(hMenu, nCount - 1, szText, 64, MF_BYPOSITION);
                 EXPECT_STREQ(szText, L"&About Tallyvane...");
                 EXPECT_EQ(::GetMenuItemID(hMenu, nCount - 1), static_cast<UINT>(IDM_ABOUTBOX));

                 // Minimised, it paints its icon on the ground the icon's erase message gives.
                 ::ShowWindow(dlg.GetSafeHwnd(), SW_MINIMIZE);
                 ASSERT_TRUE(dlg.IsIconic());
                 g_nIconErases = 0;
                 HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountIconErases, nullptr,
                                                   ::GetCurrentThreadId());
                 dlg.SendMessage(WM_PAINT);
                 ::UnhookWindowsHookEx(hHook);
                 EXPECT_EQ(g_nIconErases, 1);
             }});
}

// About commands open the box and leave the inputs alone; others reach the default
// processing, which ends the dialog as Cancel does for Close.
TEST(MainDialog, SystemCommands) {
    CTallyvaneDlg dlg;
    const INT_PTR nResult =
        RunSteps(dlg, {[&] {
                           EnterInputs(dlg, {L"50"}, {L"12"});
                           TypeInto(dlg, IDC_POOL, L"250");
                           for (UINT n : {0u, 1u, 15u})
                               EXPECT_TRUE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX + n)) << n;
                           EXPECT_FALSE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX + 16));
                           EXPECT_TRUE(::IsWindowEnabled(dlg.GetSafeHwnd()));
                           EXPECT_EQ(TextOf(dlg, IDC_PAYOUT1), L"50");
                           EXPECT_EQ(TextOf(dlg, IDC_POOL), L"250");
                           EXPECT_EQ(ColumnTexts(dlg, kChips)[0], L"12");
                       },
                       [&] { dlg.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }});
    EXPECT_EQ(nResult, IDCANCEL);
}

// Chip counts pasted as a column feed the calculation as typed ones do. Sorted by chips (as
// text, equal rows keeping their order; a click on the heading sorts as the grid's mouse tests
// show), the equities land in the rows whose chips produced them, and the copied table holds
// every row as shown.
// Closing the dialog deletes the ten rows in order, each with its notification.
TEST(MainDialog, PastedSortedCalculatedCopiedAndClosed) {
    CTallyvaneDlg dlg;
    RecordingParent notes;
    std::vector<POSITION> rows;
    std::wstring table;
    RunSteps(dlg, {[&] {
                 CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
                 EnterInputs(dlg, {L"50", L"30", L"20"}, {});
                 grid.SetFocusCell(grid.GetRowAt(0), kChips);
                 EXPECT_EQ(grid.PasteText(L"20\r\n50\r\n30\r\n"), 3);
                 grid.SortColumn(kChips, FALSE);
                 PressCalculate(dlg);
                 table = static_cast<LPCWSTR>(grid.GetTableText());
                 for (int i = 0; i < grid.GetRowCount(); ++i)
                     rows.push_back(grid.GetRowAt(i));
                 notes.Attach(dlg.GetSafeHwnd());
             }});
    std::wstring expected = L"Player Name\tChips\tICM Equity $";
    for (int n = 4; n <= 10; ++n)
        expected += L"\r\nPlayer " + std::to_wstring(n) + L"\t\t0.000000";
    EXPECT_EQ(table, expected + L"\r\nPlayer 1\t20\t288.571429\r\nPlayer 3\t30\t327.500000"
                                L"\r\nPlayer 2\t50\t383.928571");
    std::vector<POSITION> deleted; // after the focus row's change, with the focus cell set
    for (const NotifyRecord& note : notes.Log())
        if (note.nCode == FLN_DELETEROW)
            deleted.push_back(note.hRow);
    EXPECT_EQ(deleted, rows);
}

} // namespace
