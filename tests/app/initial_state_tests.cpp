// What the user sees when the dialog opens.
#include <gtest/gtest.h>

#include "canvas.h"
#include "dialog_access.h"
#include "modal_harness.h"

namespace {

using Texts = std::vector<std::wstring>;

// Whether the list view's own paint cycle shows each label of a column as the expected
// text drawn alone, in the list's font and colours, at the label's 3/1/3/2 inset.
std::vector<bool> PaintedAs(CFListCtrl& grid, int nCol, const Texts& expected) {
    const HFONT hFont = HFONT(grid.SendMessage(WM_GETFONT));
    Canvas painted(400, 400, hFont);
    grid.SendMessage(WM_PRINTCLIENT, WPARAM(painted.Dc()), PRF_CLIENT);
    std::vector<bool> matches;
    for (int i = 0; i < static_cast<int>(expected.size()); i++) {
        CRect rcLabel;
        grid.GetCellRect(grid.GetRowAt(i), nCol, FLR_LABEL, &rcLabel, FALSE);
        Canvas reference(400, 400, hFont);
        HBRUSH hBrush = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
        ::FillRect(reference.Dc(), &rcLabel, hBrush);
        ::DeleteObject(hBrush);
        ::SetBkColor(reference.Dc(), ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(reference.Dc(), ::GetSysColor(COLOR_WINDOWTEXT));
        CRect rcText = rcLabel;
        rcText.DeflateRect(3, 1, 3, 2);
        ::DrawTextW(reference.Dc(), expected[i].c_str(), -1, &rcText,
                    DT_LEFT | DT_NOPREFIX | DT_EXTERNALLEADING);
        matches.push_back(reference.Pixels(rcLabel) == painted.Pixels(rcLabel) &&
                          painted.Count(rcLabel, ::GetSysColor(COLOR_WINDOWTEXT)) > 0);
    }
    return matches;
}

} // namespace

TEST(MainDialogStart, InputsAndGridShowTheirDefaults) {
    CTallyvaneDlg dlg;
    Texts names, chips;
    std::vector<bool> namesShown, equitiesShown, chipsShown;
    std::wstring pool, payouts[5], caption;
    int nFocusID = 0;
    for (int i = 1; i <= 10; i++)
        names.push_back(L"Player " + std::to_wstring(i));
    RunInsideModal(dlg, [&] {
        // First: a window another test program shows may take the focus meanwhile.
        nFocusID = ::GetDlgCtrlID(::GetFocus());
        CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
        namesShown = PaintedAs(grid, 0, names);
        equitiesShown = PaintedAs(grid, 2, Texts(10, L"0"));
        chipsShown = PaintedAs(grid, 1, Texts(10, L"0")); // empty cells show nothing
        chips = ColumnTexts(dlg, 1);
        pool = TextOf(dlg, IDC_POOL);
        for (int i = 0; i < 5; ++i)
            payouts[i] = TextOf(dlg, IDC_PAYOUT1 + i);
        wchar_t szCaption[64] = {};
        ::GetWindowTextW(dlg.GetSafeHwnd(), szCaption, 64);
        caption = szCaption;
    });
    EXPECT_EQ(namesShown, std::vector<bool>(10, true));
    EXPECT_EQ(equitiesShown, std::vector<bool>(10, true));
    EXPECT_EQ(chipsShown, std::vector<bool>(10, false));
    EXPECT_EQ(chips, Texts(10, L""));
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
