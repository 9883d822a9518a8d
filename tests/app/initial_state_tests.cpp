// What the user sees when the dialog opens.
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"

TEST(MainDialogStart, InputsAndGridHoldTheirDefaults) {
    CTallyvaneDlg dlg;
    std::vector<std::wstring> names, chips, equities;
    std::wstring pool, payouts[5], caption;
    int nFocusID = 0;
    RunInsideModal(dlg, [&] {
        names = ColumnTexts(dlg, 0);
        chips = ColumnTexts(dlg, 1);
        equities = ColumnTexts(dlg, 2);
        pool = TextOf(dlg, IDC_POOL);
        for (int i = 0; i < 5; ++i)
            payouts[i] = TextOf(dlg, IDC_PAYOUT1 + i);
        nFocusID = ::GetDlgCtrlID(::GetFocus());
        wchar_t szCaption[64] = {};
        ::GetWindowTextW(dlg.GetSafeHwnd(), szCaption, 64);
        caption = szCaption;
    });

    ASSERT_EQ(names.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(names[i], L"Player " + std::to_wstring(i + 1));
        EXPECT_EQ(chips[i], L"");
        EXPECT_EQ(equities[i], L"0");
    }
    EXPECT_EQ(caption, L"ICM Calculator V2.0");
    EXPECT_EQ(pool, L"1000");
    for (const std::wstring& payout : payouts)
        EXPECT_EQ(payout, L"");
    EXPECT_EQ(nFocusID, IDC_PAYOUT1);
}

TEST(MainDialogStart, GridIsBuiltForCellEditing) {
    CTallyvaneDlg dlg;
    RunInsideModal(dlg, [&] {
        CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
        const HWND hGrid = grid.GetSafeHwnd();

        CRect rcClient;
        ::GetClientRect(hGrid, &rcClient);
        EXPECT_EQ(::SendMessageW(hGrid, LVM_GETCOLUMNWIDTH, 0, 0), 100);
        EXPECT_EQ(::SendMessageW(hGrid, LVM_GETCOLUMNWIDTH, 1, 0), 100);
        EXPECT_EQ(::SendMessageW(hGrid, LVM_GETCOLUMNWIDTH, 2, 0), rcClient.Width() - 200);

        EXPECT_EQ(grid.GetHeaderCtrl()->GetItemCount(), 3);
        EXPECT_EQ(::SendMessageW(hGrid, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_GRIDLINES);
        EXPECT_EQ(grid.m_dwFlags & FLF_ROWFOCUS, 0u);
        EXPECT_EQ(::SendMessageW(hGrid, LVM_GETITEMCOUNT, 0, 0), 10);

        // Names and chips share the one edit profile; equities open no editor.
        POSITION hRow = grid.GetRowAt(0);
        EXPECT_EQ(grid.GetProfile(hRow, 0)->m_dwStyle, static_cast<DWORD>(FLPS_EDIT));
        EXPECT_EQ(grid.GetProfile(hRow, 1)->m_dwStyle, static_cast<DWORD>(FLPS_EDIT));
        EXPECT_EQ(grid.GetProfile(hRow, 2)->m_dwStyle, 0u);
        // The list view asked the grid for its row height once it became owner-drawn.
        EXPECT_GT(grid.m_nLineHeight, 0);
    });
}
