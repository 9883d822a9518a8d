// Row-tree navigation over the flat list of the main dialog and over the list view's page.
#include "grid_fixture.h"

namespace {

class GridNavigationTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(3);
    }
    int TopIndex() { return static_cast<int>(::SendMessageW(ListHwnd(), LVM_GETTOPINDEX, 0, 0)); }
    int CountPerPage() {
        return static_cast<int>(::SendMessageW(ListHwnd(), LVM_GETCOUNTPERPAGE, 0, 0));
    }
};

TEST_F(GridNavigationTest, SiblingsParentAndVisibleNeighboursOfTopLevelRows) {
    const std::vector<POSITION> rows = AddRows(10);

    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_PARENT), FL_ROOT);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_PREVIOUSVISIBLE), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_PREVIOUS), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[9], FLGN_NEXT), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[9], FLGN_NEXTVISIBLE), nullptr);
    for (int i = 1; i < 10; i++) {
        EXPECT_EQ(m_grid.GetNextItem(rows[i - 1], FLGN_NEXT), rows[i]);
        EXPECT_EQ(m_grid.GetNextItem(rows[i - 1], FLGN_NEXTVISIBLE), rows[i]);
        EXPECT_EQ(m_grid.GetNextItem(rows[i], FLGN_PREVIOUS), rows[i - 1]);
        EXPECT_EQ(m_grid.GetNextItem(rows[i], FLGN_PREVIOUSVISIBLE), rows[i - 1]);
    }
    EXPECT_EQ(m_grid.GetNextItem(rows[4], FLGN_CHILD), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[4], FLGN_LASTCHILD), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(rows[4], FLGN_TOPLEVEL), rows[4]);
    EXPECT_EQ(m_grid.GetNextItem(rows[4], FLGN_VISIBLEANCESTOR), rows[4]);
}

TEST_F(GridNavigationTest, TheRootLeadsToTheTopLevelRowsAndHasNoSiblings) {
    const std::vector<POSITION> rows = AddRows(3);

    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_CHILD), rows[0]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTCHILD), rows[2]);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_PARENT), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_NEXT), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_PREVIOUS), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_PREVIOUSVISIBLE), nullptr);
    // The root is never shown, so the next shown row is the first one.
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_NEXTVISIBLE), rows[0]);
}

TEST_F(GridNavigationTest, UnknownCodesLeadNowhere) {
    const std::vector<POSITION> rows = AddRows(3);
    for (UINT nCode : {0u, 300u, 310u, 313u, 1225u})
        EXPECT_EQ(m_grid.GetNextItem(rows[1], nCode), nullptr) << "code " << nCode;
}

TEST_F(GridNavigationTest, NextVisibleOfAHiddenRowIsTheFirstShownRow) {
    const std::vector<POSITION> rows = AddRows(3);
    const POSITION hChild = AddChildRow(rows[1], L"hidden");
    ASSERT_EQ(m_grid.GetRowRecord(hChild)->m_nListIndex, -1);

    EXPECT_EQ(m_grid.GetNextItem(hChild, FLGN_NEXTVISIBLE), rows[0]);
}

TEST_F(GridNavigationTest, PageRowsOfAListShorterThanAPage) {
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_FIRSTONPAGE), nullptr);
    EXPECT_EQ(m_grid.GetNextItem(FL_ROOT, FLGN_LASTONPAGE), nullptr);

    const std::vector<POSITION> rows = AddRows(3);
    ASSERT_GT(CountPerPage(), 3);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_FIRSTONPAGE), rows[0]);
    EXPECT_EQ(m_grid.GetNextItem(rows[1], FLGN_LASTONPAGE), rows[2]);
}

TEST_F(GridNavigationTest, PageRowsFollowTheScrolledList) {
    const std::vector<POSITION> rows = AddRows(40);
    const int nPage = CountPerPage();
    ASSERT_GT(nPage, 0);
    ASSERT_LT(nPage, 30);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_FIRSTONPAGE), rows[0]);
    // The row just below the last fully visible one.
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_LASTONPAGE), rows[nPage]);

    ::SendMessageW(ListHwnd(), LVM_ENSUREVISIBLE, 30, FALSE);
    const int nTop = TopIndex();
    ASSERT_GT(nTop, 0);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_FIRSTONPAGE), rows[nTop]);
    const int nLast = std::min(nTop + nPage, 39);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_LASTONPAGE), rows[nLast]);

    ::SendMessageW(ListHwnd(), LVM_ENSUREVISIBLE, 39, FALSE);
    EXPECT_EQ(m_grid.GetNextItem(rows[0], FLGN_LASTONPAGE), rows[39]);
}

} // namespace
