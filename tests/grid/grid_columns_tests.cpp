// Columns: their records, the cells they add to existing rows, and the list-view side.
#include "grid_fixture.h"

namespace {

int ListColumnCount(HWND hList) {
    HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
    return static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

using GridColumnTest = GridTest;

TEST_F(GridColumnTest, InsertColumnSwitchesToOwnerDrawnReportAndMirrorsTheColumn) {
    EXPECT_EQ(m_grid.InsertColumn(0, L"Player Name", 100, LVCFMT_LEFT, -1), 0);
    EXPECT_EQ(m_grid.InsertColumn(1, L"Chips", 90, LVCFMT_LEFT, -1), 1);

    const LONG_PTR style = ::GetWindowLongPtrW(ListHwnd(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
    EXPECT_EQ(ListColumnCount(ListHwnd()), 2);
    EXPECT_EQ(::SendMessageW(ListHwnd(), LVM_GETCOLUMNWIDTH, 1, 0), 90);
    EXPECT_EQ(m_grid.GetColumnHeading(1), CString(L"Chips"));
    ASSERT_EQ(m_grid.m_Columns.GetSize(), 2);
    EXPECT_EQ(m_grid.GetColumn(1)->m_nWidth, -1);
    EXPECT_FALSE(m_grid.GetColumn(1)->m_bSortDescending);
    EXPECT_EQ(m_grid.GetColumn(1)->m_crBk, FLCLR_NONE);
}

TEST_F(GridColumnTest, FormatsBecomeDrawTextAlignments) {
    const struct {
        int nFormat;
        UINT nAlign;
    } cases[] = {
        {LVCFMT_LEFT, DT_LEFT},
        {LVCFMT_RIGHT, DT_RIGHT},
        {LVCFMT_CENTER, DT_CENTER},
        // Compared as whole values: any further flag aligns left.
        {LVCFMT_RIGHT | LVCFMT_IMAGE, DT_LEFT},
        {LVCFMT_CENTER | LVCFMT_BITMAP_ON_RIGHT, DT_LEFT},
        {LVCFMT_JUSTIFYMASK, DT_LEFT},
    };
    int nCol = 0;
    for (const auto& c : cases) {
        m_grid.InsertColumn(nCol, L"h", 40, c.nFormat, -1);
        EXPECT_EQ(m_grid.GetColumn(nCol)->m_nAlign, c.nAlign) << "format " << c.nFormat;
        nCol++;
    }
}

TEST_F(GridColumnTest, ColumnInsertedAtZeroShiftsEveryRowsCellsRight) {
    const int nProfile = m_grid.AddProfile(FLPS_EDIT);
    m_grid.InsertColumn(0, L"Name", 80, LVCFMT_LEFT, -1);
    m_grid.InsertColumn(1, L"Chips", 80, LVCFMT_LEFT, -1);
    const std::vector<POSITION> rows = AddRows(3);
    for (size_t i = 0; i < rows.size(); i++)
        m_grid.SetItemText(rows[i], 1, CString(L"chips ") + m_grid.GetItemText(rows[i], 0));

    EXPECT_EQ(m_grid.InsertColumn(0, L"First", 50, LVCFMT_RIGHT, nProfile), 0);

    EXPECT_GRID_CONSISTENT();
    EXPECT_EQ(ListColumnCount(ListHwnd()), 3);
    EXPECT_EQ(m_grid.GetColumnHeading(0), CString(L"First"));
    EXPECT_EQ(m_grid.GetColumnHeading(1), CString(L"Name"));
    for (size_t i = 0; i < rows.size(); i++) {
        CString strName;
        strName.Format(L"Player %d", static_cast<int>(i) + 1);
        const XFList_Item* pNew = m_grid.GetItem(rows[i], 0);
        EXPECT_TRUE(pNew->m_strText.IsEmpty());
        EXPECT_EQ(pNew->m_nProfile, nProfile);
        EXPECT_EQ(pNew->m_nImage, -1);
        EXPECT_EQ(pNew->m_dwData, 0u);
        EXPECT_EQ(pNew->m_nCheck, 0);
        EXPECT_EQ(m_grid.GetItemText(rows[i], 1), strName);
        EXPECT_EQ(m_grid.GetItemText(rows[i], 2), CString(L"chips ") + strName);
    }
    EXPECT_EQ(m_grid.GetColumn(0)->m_nAlign, static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(m_grid.GetColumn(1)->m_nAlign, static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(m_grid.m_RootRow.m_Items.GetSize(), 0);
}

TEST_F(GridColumnTest, PositionOutsideTheColumnsIsRefusedAndChangesNothing) {
    AddColumns(2);
    const std::vector<POSITION> rows = AddRows(2);

    for (int nCol : {-1, 3, 100}) {
        EXPECT_THROW(m_grid.InsertColumn(nCol, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException)
            << "position " << nCol;
        EXPECT_EQ(m_grid.m_Columns.GetSize(), 2);
        EXPECT_EQ(ListColumnCount(ListHwnd()), 2);
        EXPECT_GRID_CONSISTENT();
    }
    // Appending right after the last column is still allowed.
    EXPECT_EQ(m_grid.InsertColumn(2, L"Last", 40, LVCFMT_LEFT, -1), 2);
    EXPECT_EQ(m_grid.GetColumnHeading(2), CString(L"Last"));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridColumnTest, RefusedFirstColumnLeavesTheListViewStyleAlone) {
    const LONG_PTR before = ::GetWindowLongPtrW(ListHwnd(), GWL_STYLE);
    EXPECT_THROW(m_grid.InsertColumn(1, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(::GetWindowLongPtrW(ListHwnd(), GWL_STYLE), before);
}

TEST_F(GridColumnTest, HeadingComesBackCutTo199Characters) {
    const CString strLong(L'x', 250);
    const CString strExact(L'y', 199);
    m_grid.InsertColumn(0, strLong, 80, LVCFMT_LEFT, -1);
    m_grid.InsertColumn(1, strExact, 80, LVCFMT_LEFT, -1);
    m_grid.InsertColumn(2, L"", 80, LVCFMT_LEFT, -1);

    EXPECT_EQ(m_grid.GetColumnHeading(0), CString(L'x', 199));
    EXPECT_EQ(m_grid.GetColumnHeading(1), strExact);
    EXPECT_TRUE(m_grid.GetColumnHeading(2).IsEmpty());
}

TEST_F(GridColumnTest, ColumnAccessorRejectsIndexesOutsideTheColumns) {
    AddColumns(3);
    EXPECT_NE(m_grid.GetColumn(0), nullptr);
    EXPECT_EQ(m_grid.GetColumn(2), &m_grid.m_Columns[2]);
    EXPECT_THROW(m_grid.GetColumn(-1), CInvalidArgException);
    EXPECT_THROW(m_grid.GetColumn(3), CInvalidArgException);
}

} // namespace
