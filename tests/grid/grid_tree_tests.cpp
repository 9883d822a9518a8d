// The row tree mirrored into list-view items: showing, hiding and renumbering rows,
// and navigation below the top level. Child rows are linked by hand here; the grid's
// own operations decide what is shown.
#include "grid_fixture.h"

namespace {

// Top-level A, B, C; A has children A1 and A2, A1 has A1a, A2 has A2x.
class GridTreeTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        hA = m_grid.InsertItem(L"A", -1, -1);
        hB = m_grid.InsertItem(L"B", -1, -1);
        hC = m_grid.InsertItem(L"C", -1, -1);
        hA1 = AddChildRow(hA, L"A1");
        hA2 = AddChildRow(hA, L"A2");
        hA1a = AddChildRow(hA1, L"A1a");
        hA2x = AddChildRow(hA2, L"A2x");
    }
    std::vector<POSITION> Shown() {
        std::vector<POSITION> rows;
        for (int i = 0; i < ListItemCount(); i++)
            rows.push_back(ListItemRow(i));
        return rows;
    }
    int Index(POSITION hRow) { return m_grid.GetRowRecord(hRow)->m_nListIndex; }

    POSITION hA = nullptr, hB = nullptr, hC = nullptr;
    POSITION hA1 = nullptr, hA2 = nullptr, hA1a = nullptr, hA2x = nullptr;
};

using Rows = std::vector<POSITION>;

TEST_F(GridTreeTest, ChildrenOfACollapsedRowStayHidden) {
    EXPECT_EQ(Shown(), (Rows{hA, hB, hC}));
    for (POSITION hRow : {hA1, hA2, hA1a, hA2x})
        EXPECT_EQ(Index(hRow), -1);
    EXPECT_EQ(m_grid.GetRowCount(), 3);
    EXPECT_EQ(m_grid.GetRowAt(2), hC);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, ExpandingShowsChildrenInPlaceAndRenumbersTheRest) {
    SetExpanded(hA, true);
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA2, hB, hC}));
    EXPECT_EQ(Index(hC), 4);
    EXPECT_GRID_CONSISTENT();

    SetExpanded(hA2, true);
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA2, hA2x, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    SetExpanded(hA1, true);
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA1a, hA2, hA2x, hB, hC}));
    EXPECT_EQ(Index(hB), 5);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, ExpandedSubtreeUnderACollapsedRowAppearsWithIt) {
    SetExpanded(hA1, true); // only the flag: A is collapsed
    EXPECT_EQ(Shown(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    SetExpanded(hA, true);
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA1a, hA2, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, HidingARowRemovesItsWholeShownSubtree) {
    SetExpanded(hA, true);
    SetExpanded(hA1, true);
    SetExpanded(hA2, true);

    m_grid.ShowRow(hA, FALSE);
    EXPECT_EQ(Shown(), (Rows{hB, hC}));
    for (POSITION hRow : {hA, hA1, hA2, hA1a, hA2x})
        EXPECT_EQ(Index(hRow), -1);
    EXPECT_EQ(Index(hB), 0);
    EXPECT_EQ(Index(hC), 1);

    // Shown again, it takes its place first and brings its expanded subtree along.
    m_grid.ShowRow(hA, TRUE);
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA1a, hA2, hA2x, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, CollapsingByHandHidesTheChildren) {
    SetExpanded(hA, true);
    SetExpanded(hA1, true);
    SetExpanded(hA, false);
    EXPECT_EQ(Shown(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, ShowingIsRefusedUnderAHiddenOrCollapsedParent) {
    m_grid.ShowRow(hA1, TRUE);  // parent collapsed
    m_grid.ShowRow(hA1a, TRUE); // parent hidden
    m_grid.ShowRow(nullptr, TRUE);
    m_grid.ShowRow(FL_ROOT, TRUE);
    m_grid.ShowRow(nullptr, FALSE);
    m_grid.ShowRow(FL_ROOT, FALSE);
    m_grid.ShowRow(hA2x, FALSE); // not shown: nothing to remove
    EXPECT_EQ(Shown(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, NewChildOfAnExpandedRowIsShownAfterItsSiblings) {
    SetExpanded(hA, true);
    SetExpanded(hA2, true);
    const POSITION hA3 = AddChildRow(hA, L"A3");
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA2, hA2x, hA3, hB, hC}));

    // B expanded while childless: its first child shows right below it.
    m_grid.GetRowRecord(hB)->m_bCollapsed = FALSE;
    const POSITION hB1 = AddChildRow(hB, L"B1");
    EXPECT_EQ(Shown(), (Rows{hA, hA1, hA2, hA2x, hA3, hB, hB1, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, NavigationBelowTheTopLevel) {
    SetExpanded(hA, true);
    SetExpanded(hA2, true);

    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_CHILD), hA1);
    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_LASTCHILD), hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA1, FLGN_NEXT), hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA2, FLGN_NEXT), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(hA2, FLGN_PREVIOUS), hA1);
    EXPECT_EQ(m_grid.GetNextItem(hA1, FLGN_PREVIOUS), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_PARENT), hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_TOPLEVEL), hA);
    EXPECT_EQ(m_grid.GetNextItem(hA1a, FLGN_TOPLEVEL), hA);

    // Previous shown row: the deepest last shown descendant, else the parent.
    EXPECT_EQ(m_grid.GetNextItem(hB, FLGN_PREVIOUSVISIBLE), hA2x);
    EXPECT_EQ(m_grid.GetNextItem(hA2, FLGN_PREVIOUSVISIBLE), hA1); // A1 is collapsed
    EXPECT_EQ(m_grid.GetNextItem(hA1, FLGN_PREVIOUSVISIBLE), hA);
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_NEXTVISIBLE), hB);
    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_NEXTVISIBLE), hA1);

    // Climbs while the parent's children are hidden.
    EXPECT_EQ(m_grid.GetNextItem(hA2x, FLGN_VISIBLEANCESTOR), hA2x);
    EXPECT_EQ(m_grid.GetNextItem(hA1a, FLGN_VISIBLEANCESTOR), hA1);
    SetExpanded(hA, false);
    EXPECT_EQ(m_grid.GetNextItem(hA1a, FLGN_VISIBLEANCESTOR), hA);
    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_VISIBLEANCESTOR), hA);
}

TEST_F(GridTreeTest, ChildrenCountAsHiddenWhenCollapsedOrAbsent) {
    EXPECT_FALSE(m_grid.AreChildrenHidden(nullptr));
    EXPECT_FALSE(m_grid.AreChildrenHidden(FL_ROOT));
    EXPECT_TRUE(m_grid.AreChildrenHidden(hA)); // collapsed
    EXPECT_TRUE(m_grid.AreChildrenHidden(hB)); // no children
    m_grid.GetRowRecord(hB)->m_bCollapsed = FALSE;
    EXPECT_TRUE(m_grid.AreChildrenHidden(hB)); // expanded, still no children
    SetExpanded(hA, true);
    EXPECT_FALSE(m_grid.AreChildrenHidden(hA));
}

} // namespace
