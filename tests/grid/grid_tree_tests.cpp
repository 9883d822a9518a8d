// The row tree: the list view's mirror of the shown rows, and expanding, collapsing,
// deleting and exchanging rows as notification sequences.
#include "grid_fixture.h"

namespace {

using ::testing::ElementsAre;

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
        m_notes.Clear();
    }
    POSITION hA, hB, hC, hA1, hA2, hA1a, hA2x;
};

TEST_F(GridTreeTest, ChildrenShowOnlyUnderShownExpandedParentsAndHidingRenumbersBelow) {
    SetExpanded(hA1, true);     // A still collapsed: only the flag changes
    m_grid.ShowRow(hA1a, TRUE); // parent not shown
    m_grid.ShowRow(hA2x, TRUE); // parent collapsed
    m_grid.ShowRow(FL_ROOT, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
    SetExpanded(hA, true); // brings A1's expanded subtree along
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA1a, hA2, hB, hC}));
    SetExpanded(hA1, false);
    SetExpanded(hA2, true);
    m_grid.ShowRow(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hB, hC}));
    EXPECT_EQ(std::make_tuple(Index(hA2x), Index(hB), Index(hC)), std::make_tuple(-1, 0, 1));
    m_grid.ShowRow(hA, TRUE);
    // A new child of an expanded row shows below its shown siblings.
    const POSITION hA3 = AddChildRow(hA);
    m_grid.GetRowRecord(hB)->m_bCollapsed = FALSE;
    const POSITION hB1 = AddChildRow(hB);
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA2, hA2x, hA3, hB, hB1, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, ExpandingNotifiesOnceAndCollapsingAwayTheFocusMovesItUp) {
    m_grid.Expand(hB, TRUE); // a row without children counts as collapsed already
    m_grid.Expand(hB, FALSE);
    m_grid.Expand(hA1, FALSE); // under a collapsed parent: waits for the parent
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    m_grid.Expand(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA1a, hA2, hB, hC}));
    m_grid.SetFocusCell(hA1a, 1);
    m_grid.Expand(hA, TRUE);
    EXPECT_THAT(m_notes.Log(),
                ElementsAre(Note(FLN_EXPANDCHANGE, hB, -1), Note(FLN_EXPANDCHANGE, hA1, -1),
                            Note(FLN_EXPANDCHANGE, hA, -1), Note(FLN_FOCUSCHANGE, hA1a, 1),
                            Note(FLN_EXPANDCHANGE, hA, -1), Note(FLN_FOCUSCHANGE, hA, 1)));
    EXPECT_EQ(std::make_pair(m_notes.Log()[2].bCollapsed, m_notes.Log()[4].bCollapsed),
              std::make_pair(FALSE, TRUE));
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeTest, DeletingTheFocusRowMovesTheFocusToItsNextSiblingOrTheRowAbove) {
    m_grid.Expand(hA, FALSE);
    m_grid.SetFocusCell(hA1, 0);
    m_notes.Clear();
    m_grid.DeleteItem(hA1); // takes A1a with it
    m_grid.DeleteItem(hA2); // now the last sibling: the focus goes to the row above
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_THAT(m_notes.Log(),
                ElementsAre(Note(FLN_DELETEROW, hA1, -1), Note(FLN_FOCUSCHANGE, hA2, 0),
                            Note(FLN_DELETEROW, hA1a, -1), Note(FLN_DELETEROW, hA2, -1),
                            Note(FLN_FOCUSCHANGE, hA, 0), Note(FLN_DELETEROW, hA2x, -1)));
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
    // The only row left: no focus.
    m_grid.DeleteItem(hB);
    m_grid.DeleteItem(hC);
    m_notes.Clear();
    m_grid.DeleteItem(hA);
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_DELETEROW), Fln(FLN_FOCUSCHANGE)));
}

TEST_F(GridTreeTest, SwappingCarriesSubtreesAndUnderACollapsedParentLeavesTheListAlone) {
    m_grid.SwapRows(hA1, hA2);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    m_grid.Expand(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hA, hA2, hA1, hB, hC}));
    m_grid.SetFocusCell(hA1, 1);
    m_grid.SetItemText(hB, 1, L"b's");
    m_notes.Clear();
    m_grid.SwapRows(hA, hB);
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_EXPANDCHANGE), Fln(FLN_FOCUSCHANGE), Fln(FLN_EXPANDCHANGE)));
    EXPECT_EQ(ListRows(), (Rows{hB, hA, hA2, hA1, hC}));
    EXPECT_EQ(std::make_pair(m_grid.GetRowAt(0), m_grid.GetItemText(hB, 1)),
              std::make_pair(hB, CString(L"b's")));
    // Collapsing took the focus up to A; it stays on A's handle at A's new place.
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_GRID_CONSISTENT();
}

} // namespace
