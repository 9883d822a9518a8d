// Profiles, columns, rows and cell text, as the main dialog uses them.
#include <algorithm>

#include "grid_fixture.h"

namespace {

using GridModelTest = GridTest;

TEST_F(GridModelTest, ColumnAtZeroShiftsEveryRowsCellsRightOutsideTheColumnsNothingChanges) {
    const DWORD dwStyle = m_grid.GetStyle();
    // A position past the end would put the records and the list view's column at
    // different places: refused, like a negative one, and a row without columns.
    EXPECT_THROW(m_grid.InsertColumn(1, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetStyle(), dwStyle);
    EXPECT_THROW(m_grid.InsertItem(L"Player 1", -1, -1), CInvalidArgException);
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());
    const int nProfile = m_grid.AddProfile(FLPS_EDIT);
    AddColumns(2);
    const Rows rows = AddRows(3);
    m_grid.SetItemText(rows[2], 1, L"300");
    for (int nCol : {-1, 3})
        EXPECT_THROW(m_grid.InsertColumn(nCol, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(m_grid.InsertColumn(0, L"First", 50, LVCFMT_RIGHT, nProfile), 0);
    EXPECT_EQ(std::make_pair(m_grid.GetColumnHeading(0), m_grid.GetItem(rows[2], 0)->m_nProfile),
              std::make_pair(CString(L"First"), nProfile));
    const std::vector<CString> texts = {m_grid.GetItemText(rows[2], 0),
                                        m_grid.GetItemText(rows[2], 1),
                                        m_grid.GetItemText(rows[2], 2)};
    EXPECT_EQ(texts, (std::vector<CString>{L"", L"Player 3", L"300"}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridModelTest, TenRowsInOrderCellsOutsideARowRaiseAndStoredTextRepaintsItsRow) {
    AddColumns(3);
    const Rows rows = AddRows(10);
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(m_grid.GetRowAt(i), rows[i]);
    EXPECT_EQ(std::make_tuple(m_grid.GetRowAt(-1), m_grid.GetRowAt(10), m_grid.GetRowCount(),
                              m_grid.GetRowRecord(rows[9])->m_nLevel,
                              m_grid.GetItemText(rows[9], 0)),
              std::make_tuple(POSITION(), POSITION(), 10, 1, CString(L"Player 10")));
    EXPECT_THROW(m_grid.SetItemText(rows[0], 3, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItemText(FL_ROOT, 0), CInvalidArgException); // the root has no cells
    EXPECT_GRID_CONSISTENT();
    ::UpdateWindow(List());
    m_grid.m_Drawn.clear();
    m_grid.SetItemText(rows[3], 1, L"250");
    EXPECT_EQ(std::make_pair(m_grid.m_Drawn, m_grid.GetItemText(rows[3], 1)),
              std::make_pair(std::vector<UINT>{3}, CString(L"250")));
}

} // namespace
