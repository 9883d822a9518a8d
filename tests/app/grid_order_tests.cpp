// The dialog's grid reordered by a header click, and emptied when the dialog closes.
#include <gmock/gmock.h>

#include "../grid/recording_parent.h"
#include "dialog_access.h"
#include "modal_harness.h"

namespace {

// A left click on the middle of a column's heading, as the mouse delivers it.
void ClickHeading(CFListCtrl& grid, int nCol) {
    const HWND hHeader = reinterpret_cast<HWND>(grid.SendMessage(LVM_GETHEADER));
    RECT rc = {};
    ::SendMessageW(hHeader, HDM_GETITEMRECT, nCol, reinterpret_cast<LPARAM>(&rc));
    const LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageW(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageW(hHeader, WM_LBUTTONUP, 0, lPoint);
}

} // namespace

TEST(GridInDialog, EquitiesLandInTheRowsWhoseChipsProducedThemAfterSorting) {
    CTallyvaneDlg dlg;
    std::vector<std::wstring> names, chips, equities;
    RunInsideModal(dlg, [&] {
        CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
        for (int i = 0; i < 3; ++i)
            TypeInto(dlg, IDC_PAYOUT1 + i, std::vector<LPCWSTR>{L"50", L"30", L"20"}[i]);
        EnterChips(dlg, {L"20", L"50", L"30"});
        ClickHeading(grid, 1); // by chips, as text: "", ..., "20", "30", "50"
        PressCalculate(dlg);
        names = ColumnTexts(dlg, 0);
        chips = ColumnTexts(dlg, 1);
        equities = ColumnTexts(dlg, 2);
    });
    ASSERT_EQ(chips.size(), 10u);
    EXPECT_EQ(chips[7], L"20");
    EXPECT_EQ(chips[8], L"30");
    EXPECT_EQ(chips[9], L"50");
    EXPECT_EQ(names[7], L"Player 1");
    EXPECT_EQ(names[9], L"Player 2");
    EXPECT_EQ(equities[7], L"288.571429");
    EXPECT_EQ(equities[8], L"327.500000");
    EXPECT_EQ(equities[9], L"383.928571");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(equities[i], L"0.000000") << i;
}

TEST(GridInDialog, ClosingTheDialogDeletesTheTenRowsInOrder) {
    CTallyvaneDlg dlg;
    RecordingParent notes;
    std::vector<POSITION> rows;
    RunInsideModal(dlg, [&] {
        CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
        for (int i = 0; i < grid.GetRowCount(); ++i)
            rows.push_back(grid.GetRowAt(i));
        notes.Attach(dlg.GetSafeHwnd());
    });
    std::vector<NotifyCode> expectedCodes(10, Fln(FLN_DELETEROW));
    ASSERT_EQ(notes.Codes(), expectedCodes);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(notes.Log()[i].hRow, rows[i]) << i;
    EXPECT_EQ(CTallyvaneDlgTestAccess::Grid(dlg).GetRowCount(), 0);
}
