// Clicks: focus and the context menu request; column widths dragged in the header, and
// heading clicks, while editing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

using GridMouseTest = EditGridTest;

// A click on a cell focuses it (the dialog's typing tests); outside every cell the focus
// cell stays, and a context menu request moves it too, opening nothing.
TEST_F(GridMouseTest, ClickOutsideTheCellsKeepsTheFocusCellAContextMenuRequestMovesIt) {
    Focus(m_rows[6], 1);
    RECT rcClient;
    ::GetClientRect(List(), &rcClient);
    ListSend(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcClient.right - 2, rcClient.bottom - 2));
    EXPECT_TRUE(m_notes.Log().empty());
    POINT pt = CellCentre(m_rows[3], 1);
    ::ClientToScreen(List(), &pt);
    ListSend(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(pt.x, pt.y));
    ExpectFocus(m_rows[3], 1);
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(GridMouseTest, DividerDragAndHeadingClickWhileEditingCommitThenResizeOrSort) {
    Focus(m_rows[0], 1);
    Type(L"31");
    ASSERT_NE(Editor(), nullptr);
    const HWND hHeader = m_grid.GetHeaderCtrl()->GetSafeHwnd();
    const int nBefore = static_cast<int>(ListSend(LVM_GETCOLUMNWIDTH, 0));
    RECT rc = {};
    ::SendMessageW(hHeader, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    const int y = (rc.top + rc.bottom) / 2;
    Drag(hHeader, POINT{rc.right - 1, y}, POINT{rc.right + 23, y});
    Pump();
    EXPECT_EQ(std::make_tuple(Editor(), Text(m_rows[0], 1), ::GetFocus()),
              std::make_tuple(HWND(), std::wstring(L"31"), List()));
    const int nAfter = static_cast<int>(ListSend(LVM_GETCOLUMNWIDTH, 0));
    EXPECT_GT(nAfter, nBefore);
    EXPECT_EQ(m_grid.GetColumn(0)->m_nWidth, nAfter);
    // A heading click still sorts: the header's other notifications still arrive. The
    // header takes no focus: the grid ends an open edit itself, storing it as a click
    // elsewhere does, before any row moves; the only chip count sorts last.
    ClickCell(m_rows[0], 1, true);
    ASSERT_NE(Editor(), nullptr);
    Type(L"5");
    ::SendMessageW(hHeader, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rc));
    Click(hHeader, POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    Pump();
    EXPECT_EQ(std::make_tuple(Editor(), Text(m_rows[0], 1), ListRows().back()),
              std::make_tuple(HWND(), std::wstring(L"315"), m_rows[0]));
    EXPECT_GRID_CONSISTENT();
}

} // namespace
