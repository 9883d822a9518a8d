// Profiles, rows and cell text as the main dialog uses them.
#include "grid_fixture.h"

namespace {

using GridRowTest = GridTest;

TEST_F(GridRowTest, ProfilesAreNumberedFromZeroAndMinusOneIsTheDefault) {
    EXPECT_EQ(m_grid.AddProfile(FLPS_EDIT), 0);
    EXPECT_EQ(m_grid.AddProfile(FLPS_COMBO | FLPS_SORTED), 1);

    EXPECT_EQ(m_grid.GetProfileAt(0)->m_dwStyle, FLPS_EDIT);
    EXPECT_EQ(m_grid.GetProfileAt(1)->m_dwStyle, FLPS_COMBO | FLPS_SORTED);
    EXPECT_EQ(m_grid.GetProfileAt(1)->m_nImageChecked, -1);
    EXPECT_TRUE(m_grid.GetProfileAt(1)->m_ComboItems.IsEmpty());
    EXPECT_EQ(m_grid.GetProfileAt(-1), &m_grid.m_DefaultProfile);
    EXPECT_EQ(m_grid.GetProfileAt(-1)->m_dwStyle, 0u);
    EXPECT_THROW(m_grid.GetProfileAt(2), CInvalidArgException);
    EXPECT_THROW(m_grid.GetProfileAt(-2), CInvalidArgException);
}

TEST_F(GridRowTest, CellProfilesFollowTheColumnUnlessTheRowNamesOne) {
    const int nEdit = m_grid.AddProfile(FLPS_EDIT);
    const int nCheck = m_grid.AddProfile(FLPS_CHECKBOX);
    m_grid.InsertColumn(0, L"Name", 80, LVCFMT_LEFT, nEdit);
    m_grid.InsertColumn(1, L"Chips", 80, LVCFMT_LEFT, nEdit);
    m_grid.InsertColumn(2, L"Equity", 80, LVCFMT_LEFT, -1);

    const POSITION hPlain = m_grid.InsertItem(L"plain", -1, -1);
    const POSITION hOwn = m_grid.InsertItem(L"own", 3, nCheck);

    EXPECT_EQ(m_grid.GetItem(hPlain, 0)->m_nProfile, nEdit);
    EXPECT_EQ(m_grid.GetItem(hPlain, 0)->m_nImage, -1);
    EXPECT_EQ(m_grid.GetProfile(hPlain, 1)->m_dwStyle, FLPS_EDIT);
    EXPECT_EQ(m_grid.GetProfile(hPlain, 2), &m_grid.m_DefaultProfile);
    EXPECT_EQ(m_grid.GetItem(hOwn, 0)->m_nProfile, nCheck);
    EXPECT_EQ(m_grid.GetItem(hOwn, 0)->m_nImage, 3);
    EXPECT_EQ(m_grid.GetItem(hOwn, 1)->m_nProfile, nEdit);
    EXPECT_EQ(m_grid.GetItem(hOwn, 1)->m_nImage, -1);
    EXPECT_TRUE(m_grid.GetItemText(hOwn, 1).IsEmpty());
    EXPECT_TRUE(m_grid.GetItemText(hOwn, 2).IsEmpty());

    // A cell naming a profile that does not exist raises when its profile is asked for.
    m_grid.GetItem(hOwn, 2)->m_nProfile = 7;
    EXPECT_THROW(m_grid.GetProfile(hOwn, 2), CInvalidArgException);
}

TEST_F(GridRowTest, RowWithoutColumnsIsRefusedAndChangesNothing) {
    EXPECT_THROW(m_grid.InsertItem(L"Player 1", -1, -1), CInvalidArgException);
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());
    EXPECT_EQ(m_grid.GetRowCount(), 0);
    EXPECT_EQ(ListItemCount(), 0);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridRowTest, RowWhoseTreeColumnDoesNotExistIsRefused) {
    AddColumns(2);
    m_grid.m_nTreeColumn = 2;
    EXPECT_THROW(m_grid.InsertItem(L"x", -1, -1), CInvalidArgException);
    EXPECT_EQ(m_grid.GetRowCount(), 0);

    // The text lands in the tree column when there is one.
    m_grid.m_nTreeColumn = 1;
    const POSITION hRow = m_grid.InsertItem(L"tree text", 2, -1);
    EXPECT_TRUE(m_grid.GetItemText(hRow, 0).IsEmpty());
    EXPECT_EQ(m_grid.GetItemText(hRow, 1), CString(L"tree text"));
    EXPECT_EQ(m_grid.GetItem(hRow, 1)->m_nImage, 2);
    EXPECT_EQ(m_grid.GetItem(hRow, 0)->m_nImage, -1);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridRowTest, TheDialogsTenRowsAreShownInOrderAtLevelOne) {
    const int nEdit = m_grid.AddProfile(FLPS_EDIT);
    m_grid.InsertColumn(0, L"Player Name", 100, LVCFMT_LEFT, nEdit);
    m_grid.InsertColumn(1, L"Chips", 100, LVCFMT_LEFT, nEdit);
    m_grid.InsertColumn(2, L"ICM Equity $", 80, LVCFMT_LEFT, -1);
    std::vector<POSITION> rows;
    for (int n = 1; n <= 10; n++) {
        CString strName;
        strName.Format(L"Player %d", n);
        rows.push_back(m_grid.InsertItem(strName, -1, -1));
        m_grid.SetItemText(rows.back(), 2, L"0");
        EXPECT_GRID_CONSISTENT();
    }

    EXPECT_EQ(m_grid.GetRowCount(), 10);
    for (int i = 0; i < 10; i++) {
        const XFList_Row* pRow = m_grid.GetRowRecord(rows[i]);
        EXPECT_EQ(pRow->m_nListIndex, i);
        EXPECT_EQ(pRow->m_nLevel, 1);
        EXPECT_EQ(pRow->m_hParent, FL_ROOT);
        EXPECT_TRUE(pRow->m_bCollapsed);
        EXPECT_EQ(m_grid.GetRowAt(i), rows[i]);
        EXPECT_EQ(m_grid.GetItemText(rows[i], 2), CString(L"0"));
    }
    EXPECT_EQ(m_grid.GetItemText(rows[9], 0), CString(L"Player 10"));
    EXPECT_EQ(m_grid.GetRowAt(-1), nullptr);
    EXPECT_EQ(m_grid.GetRowAt(10), nullptr);
}

TEST_F(GridRowTest, CellTextIsStoredAndReadAsACopy) {
    AddColumns(3);
    const std::vector<POSITION> rows = AddRows(2);
    m_grid.SetItemText(rows[1], 1, L"1500");

    CString strRead = m_grid.GetItemText(rows[1], 1);
    EXPECT_EQ(strRead, CString(L"1500"));
    strRead += L"0";
    strRead.SetAt(0, L'9');
    EXPECT_EQ(m_grid.GetItemText(rows[1], 1), CString(L"1500"));
    EXPECT_TRUE(m_grid.GetItemText(rows[0], 1).IsEmpty());
    EXPECT_EQ(m_grid.GetItemText(rows[0], 0), CString(L"Player 1"));
}

TEST_F(GridRowTest, CellOutsideTheRowIsRefusedAndChangesNothing) {
    AddColumns(3);
    const std::vector<POSITION> rows = AddRows(2);
    m_grid.SetItemText(rows[0], 2, L"kept");

    EXPECT_THROW(m_grid.SetItemText(rows[0], 3, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.SetItemText(rows[0], -1, L"lost"), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItemText(rows[0], 3), CInvalidArgException);
    EXPECT_THROW(m_grid.GetItem(rows[1], -1), CInvalidArgException);
    EXPECT_THROW(m_grid.GetProfile(rows[1], 3), CInvalidArgException);
    // The root has no cells at all.
    EXPECT_THROW(m_grid.GetItemText(FL_ROOT, 0), CInvalidArgException);
    EXPECT_THROW(m_grid.SetItemText(FL_ROOT, 0, L"lost"), CInvalidArgException);

    EXPECT_EQ(m_grid.GetItemText(rows[0], 2), CString(L"kept"));
    for (POSITION hRow : rows)
        for (int nCol = 0; nCol < 3; nCol++)
            EXPECT_NE(m_grid.GetItemText(hRow, nCol), CString(L"lost"));
    EXPECT_EQ(m_grid.m_RootRow.m_Items.GetSize(), 0);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridRowTest, StoringTextRepaintsThatRowAtOnce) {
    AddColumns(3);
    const std::vector<POSITION> rows = AddRows(4);
    ::UpdateWindow(ListHwnd());
    m_grid.m_DrawnItems.clear();

    m_grid.SetItemText(rows[2], 1, L"250");
    // Repainted before the call returned, without a message loop running.
    EXPECT_EQ(m_grid.m_DrawnItems, std::vector<int>{2});

    m_grid.m_DrawnItems.clear();
    m_grid.GetItemText(rows[3], 1);
    m_grid.RedrawRow(nullptr);
    m_grid.RedrawRow(FL_ROOT);
    EXPECT_TRUE(m_grid.m_DrawnItems.empty());
}

TEST_F(GridRowTest, DefaultComparisonIsCaseInsensitiveTextOfAAgainstB) {
    AddColumns(2);
    const std::vector<POSITION> rows = AddRows(3);
    m_grid.SetItemText(rows[0], 1, L"100");
    m_grid.SetItemText(rows[1], 1, L"20");
    m_grid.SetItemText(rows[2], 1, L"abc");
    m_grid.SetItemText(rows[2], 0, L"PLAYER 1");

    ASSERT_EQ(m_grid.m_pfnCompare, &CFListCtrl::CompareItems);
    EXPECT_LT(m_grid.m_pfnCompare(&m_grid, 1, rows[0], rows[1]), 0); // text, not value
    EXPECT_GT(m_grid.m_pfnCompare(&m_grid, 1, rows[1], rows[0]), 0);
    EXPECT_EQ(m_grid.m_pfnCompare(&m_grid, 0, rows[0], rows[2]), 0);
    EXPECT_THROW(m_grid.m_pfnCompare(&m_grid, 2, rows[0], rows[1]), CInvalidArgException);
}

} // namespace
