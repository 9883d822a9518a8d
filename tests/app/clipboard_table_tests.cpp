// The calculator's grid through its clipboard: chip counts pasted as a column feed the
// calculation as typed ones do, and the copied table holds every row as shown.
#include <gtest/gtest.h>

#include "dialog_access.h"
#include "modal_harness.h"

TEST(ClipboardTable, PastedChipsAreCalculatedAndTheResultCopiesAsATable) {
    CTallyvaneDlg dlg;
    std::wstring table;
    RunInsideModal(dlg, [&] {
        CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
        const LPCWSTR payouts[] = {L"50", L"30", L"20"};
        for (int i = 0; i < 3; ++i)
            TypeInto(dlg, IDC_PAYOUT1 + i, payouts[i]);
        grid.SetFocusCell(grid.GetRowAt(0), 1);
        EXPECT_EQ(grid.PasteText(L"50\r\n30\r\n20\r\n"), 3);
        PressCalculate(dlg);
        table = static_cast<LPCWSTR>(grid.GetTableText());
    });

    std::wstring expected = L"Player Name\tChips\tICM Equity $";
    const wchar_t* const rows[] = {L"Player 1\t50\t383.928571", L"Player 2\t30\t327.500000",
                                   L"Player 3\t20\t288.571429"};
    for (int n = 1; n <= 10; ++n)
        expected += L"\r\n" + (n <= 3 ? std::wstring(rows[n - 1])
                                      : L"Player " + std::to_wstring(n) + L"\t\t0.000000");
    EXPECT_EQ(table, expected);
}
