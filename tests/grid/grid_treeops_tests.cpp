// Expanding, collapsing, deleting and exchanging rows, as notification sequences and
// as the list view's mirror of the tree.
#include <gmock/gmock.h>

#include "grid_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Top-level A, B, C; A has children A1 and A2, A1 has A1a; all collapsed.
class GridTreeOpsTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
        const Rows top = AddRows(3);
        hA = top[0], hB = top[1], hC = top[2];
        hA1 = AddChildRow(hA), hA2 = AddChildRow(hA), hA1a = AddChildRow(hA1);
        m_notes.Clear();
    }
    POSITION hA, hB, hC, hA1, hA2, hA1a;
};

TEST_F(GridTreeOpsTest, ExpandingAChildlessRowOrOneUnderACollapsedParentShowsNothingNew) {
    m_grid.Expand(hB, TRUE); // a row without children counts as collapsed already
    EXPECT_THAT(m_notes.Codes(), IsEmpty());

    m_grid.Expand(hB, FALSE);
    EXPECT_FALSE(m_grid.GetRowRecord(hB)->m_bCollapsed);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_EXPANDCHANGE)));
    EXPECT_EQ(m_notes.Log()[0].hRow, hB);
    EXPECT_EQ(m_notes.Log()[0].nCol, -1);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    // Expanding under a collapsed parent waits for the parent.
    m_notes.Clear();
    m_grid.Expand(hA1, FALSE);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_EXPANDCHANGE)));
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    m_grid.Expand(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hA, hA1, hA1a, hA2, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeOpsTest, CollapsingASubtreeThatHoldsTheFocusMovesItUp) {
    m_grid.Expand(hA, FALSE);
    m_grid.Expand(hA1, FALSE);
    m_grid.SetFocusCell(hA1a, 1);
    m_notes.Clear();

    m_grid.Expand(hA, TRUE);
    ASSERT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_EXPANDCHANGE), Fln(FLN_FOCUSCHANGE)));
    EXPECT_EQ(m_notes.Log()[0].bCollapsed, TRUE);
    EXPECT_EQ(m_notes.Log()[1].hRow, hA);
    EXPECT_EQ(m_notes.Log()[1].nCol, 1);
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeOpsTest, DeletingTheFocusRowMovesTheFocusToItsNextSiblingOrTheRowAbove) {
    m_grid.Expand(hA, FALSE);
    m_grid.SetFocusCell(hA1, 0);
    m_notes.Clear();

    m_grid.DeleteItem(hA1); // takes A1a with it
    ASSERT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_DELETEROW), Fln(FLN_FOCUSCHANGE), Fln(FLN_DELETEROW)));
    EXPECT_EQ(m_notes.Log()[0].hRow, hA1);
    EXPECT_EQ(m_notes.Log()[1].hRow, hA2);
    EXPECT_EQ(m_notes.Log()[2].hRow, hA1a);
    EXPECT_EQ(ListRows(), (Rows{hA, hA2, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    // A2 is now the last sibling: the focus goes to the row shown above it.
    m_notes.Clear();
    m_grid.DeleteItem(hA2);
    EXPECT_THAT(m_notes.Codes(), ElementsAre(Fln(FLN_DELETEROW), Fln(FLN_FOCUSCHANGE)));
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeOpsTest, DeletingTheOnlyRowLeavesNoFocusAndDeletingTheRootKeepsItExpanded) {
    m_grid.DeleteItem(hB);
    m_grid.DeleteItem(hC);
    m_grid.SetFocusCell(hA, 0);
    m_notes.Clear();
    m_grid.DeleteItem(hA);
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_DELETEROW), Fln(FLN_FOCUSCHANGE), Fln(FLN_DELETEROW),
                            Fln(FLN_DELETEROW), Fln(FLN_DELETEROW)));
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());
    EXPECT_EQ(ListSend(LVM_GETITEMCOUNT), 0);
    EXPECT_GRID_CONSISTENT();

    // Deleting everything keeps an expanded root for new rows.
    AddChildRow(AddRows(2)[0]);
    m_grid.DeleteItem(FL_ROOT);
    EXPECT_EQ(m_grid.GetRowCount(), 0);
    EXPECT_FALSE(m_grid.m_RootRow.m_bCollapsed);
    const POSITION hNew = m_grid.InsertItem(L"again", -1, -1);
    EXPECT_EQ(ListRows(), (Rows{hNew}));
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeOpsTest, SwappingAnExpandedRowCarriesItsSubtree) {
    m_grid.Expand(hA, FALSE);
    m_grid.SetFocusCell(hA2, 1);
    m_grid.SetItemText(hB, 1, L"b's");
    m_notes.Clear();

    m_grid.SwapRows(hA, hB);
    EXPECT_THAT(m_notes.Codes(),
                ElementsAre(Fln(FLN_EXPANDCHANGE), Fln(FLN_FOCUSCHANGE), Fln(FLN_EXPANDCHANGE)));
    EXPECT_EQ(ListRows(), (Rows{hB, hA, hA1, hA2, hC}));
    EXPECT_EQ(m_grid.GetRowAt(0), hB);
    EXPECT_EQ(m_grid.GetItemText(hB, 1), CString(L"b's"));
    // Collapsing took the focus up to A; it stays on A's handle at A's new place.
    EXPECT_EQ(m_grid.m_hFocusRow, hA);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridTreeOpsTest, SwappingUnderACollapsedParentLeavesTheListAloneAndRedrawLocksEndAtZero) {
    m_grid.SwapRows(hA1, hA2);
    EXPECT_EQ(m_grid.GetNextItem(hA, FLGN_CHILD), hA2);
    EXPECT_EQ(ListRows(), (Rows{hA, hB, hC}));
    m_grid.Expand(hA, FALSE);
    EXPECT_EQ(ListRows(), (Rows{hA, hA2, hA1, hB, hC}));
    EXPECT_GRID_CONSISTENT();

    // Redraw suspensions nest and never go negative.
    m_grid.m_nRedrawLock = -3;
    m_grid.Expand(hA, TRUE); // suspends and resumes once
    EXPECT_EQ(m_grid.m_nRedrawLock, 0);
    EXPECT_GRID_CONSISTENT();
}

} // namespace
