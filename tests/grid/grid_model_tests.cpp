// Profiles, columns, rows and cell text, as the main dialog uses them.
#include <algorithm>

#include "grid_fixture.h"

namespace {

using GridModelTest = GridTest;

TEST_F(GridModelTest, ProfilesCountFromZeroAndTheFirstColumnMakesAnOwnerDrawnReportView) {
    EXPECT_EQ(m_grid.AddProfile(FLPS_EDIT), 0);
    EXPECT_EQ(m_grid.AddProfile(FLPS_COMBO), 1);
    EXPECT_EQ(m_grid.GetProfileAt(1)->m_dwStyle, FLPS_COMBO);
    EXPECT_EQ(m_grid.GetProfileAt(-1)->m_dwStyle, 0u);
    EXPECT_THROW(m_grid.GetProfileAt(2), CInvalidArgException);
    EXPECT_THROW(m_grid.GetProfileAt(-2), CInvalidArgException);
    // The first column makes an owner-drawn report view.
    EXPECT_EQ(m_grid.InsertColumn(0, L"Chips", 90, LVCFMT_LEFT, -1), 0);
    const DWORD dwStyle = m_grid.GetStyle();
    EXPECT_EQ(dwStyle & LVS_TYPEMASK, DWORD(LVS_REPORT));
    EXPECT_TRUE(dwStyle & LVS_OWNERDRAWFIXED);
    EXPECT_EQ(ListSend(LVM_GETCOLUMNWIDTH, 0), 90);
}

TEST_F(GridModelTest, FormatsBecomeAlignmentsOnlyAsWholeValuesAndHeadingsAreCutTo199) {
    const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER, LVCFMT_RIGHT | LVCFMT_IMAGE,
                           LVCFMT_CENTER | LVCFMT_BITMAP_ON_RIGHT};
    const UINT aligns[] = {DT_LEFT, DT_RIGHT, DT_CENTER, DT_LEFT, DT_LEFT};
    for (int i = 0; i < 5; i++) {
        m_grid.InsertColumn(i, CString(L'x', 197 + i), 40, formats[i], -1);
        EXPECT_EQ(m_grid.GetColumn(i)->m_nAlign, aligns[i]) << "format " << formats[i];
        EXPECT_EQ(m_grid.GetColumnHeading(i), CString(L'x', std::min(197 + i, 199)));
    }
    m_grid.InsertColumn(5, CString(L'y', 250), 40, LVCFMT_LEFT, -1);
    EXPECT_EQ(m_grid.GetColumnHeading(5), CString(L'y', 199));
}

TEST_F(GridModelTest, ColumnAtZeroShiftsEveryRowsCellsRight) {
    const int nProfile = m_grid.AddProfile(FLPS_EDIT);
    AddColumns(2);
    const Rows rows = AddRows(3);
    m_grid.SetItemText(rows[2], 1, L"300");

    EXPECT_EQ(m_grid.InsertColumn(0, L"First", 50, LVCFMT_RIGHT, nProfile), 0);

    EXPECT_EQ(m_grid.GetColumnHeading(0), CString(L"First"));
    EXPECT_EQ(m_grid.GetColumn(0)->m_nAlign, UINT(DT_RIGHT));
    const XFList_Item* pNew = m_grid.GetItem(rows[2], 0);
    EXPECT_TRUE(pNew->m_strText.IsEmpty());
    EXPECT_EQ(pNew->m_nProfile, nProfile);
    EXPECT_EQ(m_grid.GetItemText(rows[2], 1), CString(L"Player 3"));
    EXPECT_EQ(m_grid.GetItemText(rows[2], 2), CString(L"300"));
    EXPECT_GRID_CONSISTENT();
}

// A position past the end would put the records and the list view's column at
// different places: refused, like a negative one, before anything changes.
TEST_F(GridModelTest, ColumnPositionOutsideTheColumnsOrRowWithoutColumnsChangesNothing) {
    const DWORD dwStyle = m_grid.GetStyle();
    EXPECT_THROW(m_grid.InsertColumn(1, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetStyle(), dwStyle);
    // So is a row while there are no columns.
    EXPECT_THROW(m_grid.InsertItem(L"Player 1", -1, -1), CInvalidArgException);
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());

    AddColumns(2);
    AddRows(2);
    for (int nCol : {-1, 3}) {
        EXPECT_THROW(m_grid.InsertColumn(nCol, L"x", 40, LVCFMT_LEFT, -1), CInvalidArgException);
        EXPECT_EQ(m_grid.m_Columns.GetSize(), 2);
        EXPECT_EQ(m_grid.GetHeaderCtrl()->GetItemCount(), 2);
        EXPECT_GRID_CONSISTENT();
    }
}

TEST_F(GridModelTest, NewRowsCellsTakeTheColumnsProfileUnlessTheRowNamesOne) {
    const int nEdit = m_grid.AddProfile(FLPS_EDIT);
    const int nCheck = m_grid.AddProfile(FLPS_CHECKBOX);
    m_grid.InsertColumn(0, L"Name", 80, LVCFMT_LEFT, nEdit);
    m_grid.InsertColumn(1, L"Equity", 80, LVCFMT_LEFT, -1);
    const POSITION hPlain = m_grid.InsertItem(L"plain", -1, -1);
    const POSITION hOwn = m_grid.InsertItem(L"own", 3, nCheck);

    EXPECT_EQ(m_grid.GetProfile(hPlain, 0)->m_dwStyle, FLPS_EDIT);
    EXPECT_EQ(m_grid.GetItem(hPlain, 0)->m_nImage, -1);
    EXPECT_EQ(m_grid.GetProfile(hPlain, 1), &m_grid.m_DefaultProfile);
    EXPECT_EQ(m_grid.GetProfile(hOwn, 0)->m_dwStyle, FLPS_CHECKBOX);
    EXPECT_EQ(m_grid.GetItem(hOwn, 0)->m_nImage, 3);
}

TEST_F(GridModelTest, TheDialogsTenRowsAreShownInOrderAtLevelOne) {
    AddColumns(3);
    const Rows rows = AddRows(10);
    for (POSITION hRow : rows)
        m_grid.SetItemText(hRow, 2, L"0");

    EXPECT_GRID_CONSISTENT();
    EXPECT_EQ(m_grid.GetRowCount(), 10);
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(Index(rows[i]), i);
        EXPECT_EQ(m_grid.GetRowRecord(rows[i])->m_nLevel, 1);
        EXPECT_EQ(m_grid.GetRowAt(i), rows[i]);
    }
    EXPECT_EQ(m_grid.GetItemText(rows[9], 0), CString(L"Player 10"));
    EXPECT_EQ(m_grid.GetRowAt(-1), nullptr);
    EXPECT_EQ(m_grid.GetRowAt(10), nullptr);
}

TEST_F(GridModelTest, CellOutsideTheRowIsRefusedAndStoredTextRepaintsItsRow) {
    AddColumns(3);
    const POSITION hRow = AddRows(1)[0];
    m_grid.SetItemText(hRow, 2, L"kept");

    EXPECT_THROW(m_grid.SetItemText(hRow, 3, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.SetItemText(hRow, -1, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItemText(hRow, 3), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItemText(FL_ROOT, 0), CInvalidArgException); // the root has no cells
    EXPECT_THROW(m_grid.SetItemText(FL_ROOT, 0, L"lost"), CInvalidArgException);
    EXPECT_EQ(m_grid.GetItemText(hRow, 2), CString(L"kept"));
    EXPECT_GRID_CONSISTENT();

    // Text that is stored repaints its row before returning.
    const POSITION hOther = AddRows(3)[2];
    ::UpdateWindow(List());
    m_grid.m_Drawn.clear();
    m_grid.SetItemText(hOther, 1, L"250");
    EXPECT_EQ(m_grid.m_Drawn, std::vector<UINT>{3});
}

} // namespace
