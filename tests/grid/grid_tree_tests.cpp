// Row-tree navigation and the mirroring of shown rows into list-view items.
#include "grid_fixture.h"

namespace {

using GridFlatTest = GridTest;

TEST_F(GridFlatTest, NavigationAmongTopLevelRowsAndPageRowsFollowTheListView) {
    AddColumns(1);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_FIRSTONPAGE), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTONPAGE), nullptr);
    Rows rows = AddRows(3);
    const POSITION hHidden = AddChildRow(rows[1]);

    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_PARENT), FL_ROOT);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_PREVIOUSVISIBLE), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_PREVIOUSVISIBLE), rows[0]);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_NEXT), rows[2]);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_NEXTVISIBLE), rows[2]);
    EXPECT_EQ(m_grid.GetNextItem(rows[2], FLGN_NEXTVISIBLE), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[2], FLGN_TOPLEVEL), rows[2]);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_LASTCHILD), hHidden);
    // A row that is not shown continues at the first shown row.
    EXPECT_EQ(m_grid.GetNextItem(hHidden, FLGN_NEXTVISIBLE), rows[0]);
    for (UINT nCode : {300u, 310u, 313u})
        EXPECT_EQ(m_grid.GetNextItem(rows[1], nCode), nullptr) << nCode;

    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_CHILD), rows[0]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTCHILD), rows[2]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_PARENT), nullptr);

    // Page rows follow the list view.
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_FIRSTONPAGE), rows[0]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTONPAGE), rows[2]); // shorter than a page

    const Rows more = AddRows(37);
    rows.insert(rows.end(), more.begin(), more.end());
    ListSend(LVM_ENSUREVISIBLE, 30, FALSE);
    const int nTop = int(ListSend(LVM_GETTOPINDEX));
    const int nPage = int(ListSend(LVM_GETCOUNTPERPAGE));
    ASSERT_GT(nTop, 0);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_FIRSTONPAGE), rows[nTop]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTONPAGE), rows[std::min(nTop + nPage, 39)]);
}

// Top-level A, B, C; A has children A1 and A2, A1 has A1a, A2 has A2x; all collapsed.
class GridTreeTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        const Rows top = AddRows(3);
        hA = top[0], hB = top[1], hC = top[2];
        hA1 = AddChildRow(hA), hA2 = AddChildRow(hA);
        hA1a = AddChildRow(hA1), hA2x = AddChildRow(hA2);
    }
    POSITION hA, hB, hC, hA1, hA2, hA1a, hA2x;
};

TEST_F(GridTreeTest, ChildrenShowOnlyUnderShownExpandedParents) {
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_EQ(m_grid.GetRowCount(), 3);
    SetExpanded(hA1, true); // A still collapsed: only the flag changes
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    m_grid.ShowRow(hA1a, TRUE); // parent not shown
    m_grid.ShowRow(hA2x, TRUE); // parent collapsed
    m_grid.ShowRow(FL_ROOT, FALSE);
    EXPECT_GRID_CONSISTENT();

    SetExpanded(hA, true); // brings A1's expanded subtree along
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA1a, hA2, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, HidingRemovesTheShownSubtreeAndRenumbersBelow) {
    SetExpanded(hA, true);
    SetExpanded(hA2, true);
    m_grid.ShowRow(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hB, hC}));
    EXPECT_EQ(Index(hA2x), -1);
    EXPECT_EQ(Index(hB), 0);
    EXPECT_EQ(Index(hC), 1);

    m_grid.ShowRow(hA, TRUE);
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA2, hA2x, hB, hC}));
    SetExpanded(hA, false);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, NewChildOfAnExpandedRowShowsBelowItsShownSiblings) {
    SetExpanded(hA, true);
    SetExpanded(hA2, true);
    const POSITION hA3 = AddChildRow(hA);
    m_grid.GetRowRecord(hB)->m_bCollapsed = FALSE;
    const POSITION hB1 = AddChildRow(hB);
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA2, hA2x, hA3, hB, hB1, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, NavigationBelowTheTopLevelAndChildrenCountAsHiddenWhenCollapsedOrAbsent) {
    SetExpanded(hA, true);
    SetExpanded(hA2, true);
    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_CHILD), hA1);
    EXPECT_EQ(m_grid.GetNextItem(hA1, FLGN_NEXT), hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA2, FLGN_PREVIOUS), hA1);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_PARENT), hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_TOPLEVEL), hA);
    // Above a row: the deepest last shown descendant of its previous sibling, else its parent.
    EXPECT_EQ(m_grid.GetNextItem(hB, FLGN_PREVIOUSVISIBLE), hA2x);
    EXPECT_EQ(m_grid.GetNextItem(hA2, FLGN_PREVIOUSVISIBLE), hA1);
    EXPECT_EQ(m_grid.GetNextItem(hA1, FLGN_PREVIOUSVISIBLE), hA);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_NEXTVISIBLE), hB);
    // Climbs while the parent's children are hidden.
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_VISIBLEANCESTOR), hA2x);
    EXPECT_EQ(m_grid.GetNextItem(hA1a, FLGN_VISIBLEANCESTOR), hA1);
    SetExpanded(hA, false);
    EXPECT_EQ(m_grid.GetNextItem(hA1a, FLGN_VISIBLEANCESTOR), hA);

    // Children count as hidden when collapsed or absent.
    EXPECT_FALSE(m_grid.AreChildrenHidden(nullptr));
    EXPECT_FALSE(m_grid.AreChildrenHidden(FL_ROOT));
    EXPECT_TRUE(m_grid.AreChildrenHidden(hA));
    m_grid.GetRowRecord(hB)->m_bCollapsed = FALSE;
    EXPECT_TRUE(m_grid.AreChildrenHidden(hB)); // expanded but childless
    SetExpanded(hA, true);
    EXPECT_FALSE(m_grid.AreChildrenHidden(hA));
}

} // namespace
