// The system menu's About entry, the About box and the minimised window's icon.
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"

namespace {

std::wstring MenuItemText(HMENU hMenu, int nPos) {
    wchar_t szText[128] = {};
    ::GetMenuStringW(hMenu, nPos, szText, 128, MF_BYPOSITION);
    return szText;
}

// Sends a system command to the dialog and reports whether the About box opened
// meanwhile; the box is closed with its OK button as a user would. The box's modal
// loop shows it only once its queue is empty, so the check waits for it to appear.
bool SysCommandOpensAbout(CTallyvaneDlg& dlg, UINT nCommand) {
    constexpr int kMaxPolls = 500;
    bool bOpened = false;
    int nPolls = 0;
    UINT_PTR nTicket = 0;
    std::function<void()> poll = [&] {
        HWND hAbout = FindThreadWindow(L"Tallyvane");
        if (hAbout == nullptr) {
            if (++nPolls < kMaxPolls)
                nTicket = RunLater(poll);
            return;
        }
        bOpened = true;
        EXPECT_FALSE(::IsWindowEnabled(dlg.GetSafeHwnd())) << "the About box is modal";
        ::SendMessageW(::GetDlgItem(hAbout, IDOK), BM_CLICK, 0, 0);
    };
    nTicket = RunLater(poll);
    ::SendMessageW(dlg.GetSafeHwnd(), WM_SYSCOMMAND, nCommand, 0);
    CancelIfPending(nTicket);
    return bOpened;
}

} // namespace

TEST(SystemMenu, EndsWithSeparatorAndAboutEntry) {
    CTallyvaneDlg dlg;
    RunInsideModal(dlg, [&] {
        HMENU hMenu = ::GetSystemMenu(dlg.GetSafeHwnd(), FALSE);
        ASSERT_NE(hMenu, nullptr);
        const int nCount = ::GetMenuItemCount(hMenu);
        ASSERT_GE(nCount, 2);

        MENUITEMINFOW separator{};
        separator.cbSize = sizeof(separator);
        separator.fMask = MIIM_FTYPE;
        ::GetMenuItemInfoW(hMenu, nCount - 2, TRUE, &separator);
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

        EXPECT_EQ(MenuItemText(hMenu, nCount - 1), L"&About Tallyvane...");
        EXPECT_EQ(::GetMenuItemID(hMenu, nCount - 1), static_cast<UINT>(IDM_ABOUTBOX));
    });
}

TEST(SystemMenu, AboutCommandsOpenTheBoxAndLeaveInputsAlone) {
    CTallyvaneDlg dlg;
    RunInsideModal(dlg, [&] {
        TypeInto(dlg, IDC_PAYOUT1, L"50");
        TypeInto(dlg, IDC_POOL, L"250");
        EnterChips(dlg, {L"12"});

        EXPECT_TRUE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX));
        EXPECT_TRUE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX + 1));
        EXPECT_TRUE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX + 15));
        EXPECT_FALSE(SysCommandOpensAbout(dlg, IDM_ABOUTBOX + 16));

        EXPECT_TRUE(::IsWindowEnabled(dlg.GetSafeHwnd()));
        EXPECT_EQ(TextOf(dlg, IDC_PAYOUT1), L"50");
        EXPECT_EQ(TextOf(dlg, IDC_POOL), L"250");
        EXPECT_EQ(ColumnTexts(dlg, 1)[0], L"12");
    });
}

TEST(SystemMenu, OtherCommandsReachTheDefaultProcessing) {
    CTallyvaneDlg dlg;
    // Closing through the system menu ends the dialog as Cancel does.
    const INT_PTR nResult = RunInsideModal(
        dlg, [&] { ::SendMessageW(dlg.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }, true);
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST(SystemMenu, DragIconIsTheWindowIcon) {
    CTallyvaneDlg dlg;
    RunInsideModal(dlg, [&] {
        const HWND hDlg = dlg.GetSafeHwnd();
        const auto hBig = reinterpret_cast<HICON>(::SendMessageW(hDlg, WM_GETICON, ICON_BIG, 0));
        const auto hSmall =
            reinterpret_cast<HICON>(::SendMessageW(hDlg, WM_GETICON, ICON_SMALL, 0));
        const auto hDrag = reinterpret_cast<HICON>(::SendMessageW(hDlg, WM_QUERYDRAGICON, 0, 0));
        EXPECT_NE(hBig, nullptr);
        EXPECT_EQ(hSmall, hBig);
        EXPECT_EQ(hDrag, hBig);
    });
}

// Enter calculates instead of closing (typing tests).
TEST(MainDialogClose, EscapeCancels) {
    const auto closeWithKey = [](UINT nKey) {
        CTallyvaneDlg dlg;
        return RunInsideModal(
            dlg,
            [&] {
                HWND hFocus = ::GetFocus();
                ::PostMessageW(hFocus != nullptr ? hFocus : dlg.GetSafeHwnd(), WM_KEYDOWN, nKey, 1);
            },
            true);
    };
    EXPECT_EQ(closeWithKey(VK_ESCAPE), IDCANCEL);
}
