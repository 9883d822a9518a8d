// Sorting by a header click: text order ignoring case, stable, alternating direction,
// with the focus and every cell staying on its row.
#include <gmock/gmock.h>

#include "grid_fixture.h"

namespace {

using ::testing::IsEmpty;

class GridSortTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
    }
    // What the header sends when a column heading is clicked.
    LRESULT ClickHeader(int nCol, int nButton = 0, UINT nCode = HDN_ITEMCLICKW) {
        NMHEADERW nmh = {};
        nmh.hdr.hwndFrom = reinterpret_cast<HWND>(ListSend(LVM_GETHEADER));
        nmh.hdr.idFrom = ::GetDlgCtrlID(nmh.hdr.hwndFrom);
        nmh.hdr.code = nCode;
        nmh.iItem = nCol;
        nmh.iButton = nButton;
        return ListSend(WM_NOTIFY, nmh.hdr.idFrom, reinterpret_cast<LPARAM>(&nmh));
    }
    std::vector<CString> Column(int nCol) {
        std::vector<CString> texts;
        for (int i = 0; i < m_grid.GetRowCount(); i++)
            texts.push_back(m_grid.GetItemText(m_grid.GetRowAt(i), nCol));
        return texts;
    }
    Rows SetColumn(int nCol, std::vector<const wchar_t*> texts) {
        const Rows rows = AddRows(int(texts.size()));
        for (size_t i = 0; i < texts.size(); i++)
            m_grid.SetItemText(rows[i], nCol, texts[i]);
        return rows;
    }
};

std::vector<CString> Texts(std::vector<const wchar_t*> texts) {
    return std::vector<CString>(texts.begin(), texts.end());
}

TEST_F(GridSortTest, PlayerNamesSortAsTextAndReverseOnTheSecondClick) {
    AddRows(10);
    const std::vector<CString> ascending =
        Texts({L"Player 1", L"Player 10", L"Player 2", L"Player 3", L"Player 4", L"Player 5",
               L"Player 6", L"Player 7", L"Player 8", L"Player 9"});
    EXPECT_EQ(ClickHeader(0), 0);
    EXPECT_EQ(Column(0), ascending);
    EXPECT_TRUE(m_grid.GetColumn(0)->m_bSortDescending);
    EXPECT_GRID_CONSISTENT();

    ClickHeader(0, 0, HDN_ITEMCLICKA);
    EXPECT_EQ(Column(0), std::vector<CString>(ascending.rbegin(), ascending.rend()));
    EXPECT_FALSE(m_grid.GetColumn(0)->m_bSortDescending);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridSortTest, NumbersCompareAsTextAndEqualTextsKeepTheirOrder) {
    const Rows rows = SetColumn(1, {L"3", L"abc", L"100", L"ABC", L"20", L"Abc"});
    ClickHeader(1);
    EXPECT_EQ(Column(1), Texts({L"100", L"20", L"3", L"abc", L"ABC", L"Abc"}));
    // The rows moved whole: the first column still names the row each text came from.
    EXPECT_EQ(Column(0), Texts({L"Player 3", L"Player 5", L"Player 1", L"Player 2", L"Player 4",
                                L"Player 6"}));
    EXPECT_GRID_CONSISTENT();

    // Descending keeps equal rows in their order too.
    ClickHeader(1);
    EXPECT_EQ(Column(0), Texts({L"Player 2", L"Player 4", L"Player 6", L"Player 1", L"Player 5",
                                L"Player 3"}));
}

TEST_F(GridSortTest, TwoRowsStayPutButFlipTheDirectionOtherButtonsDoNeither) {
    SetColumn(1, {L"b", L"a"});
    ClickHeader(1);
    EXPECT_EQ(Column(1), Texts({L"b", L"a"}));
    EXPECT_TRUE(m_grid.GetColumn(1)->m_bSortDescending);

    // Other buttons neither sort nor flip.
    m_grid.SetItemText(AddRows(1)[0], 1, L"c");
    ClickHeader(1, 1);
    ClickHeader(1, 2);
    EXPECT_EQ(Column(1), Texts({L"b", L"a", L"c"}));
    EXPECT_TRUE(m_grid.GetColumn(1)->m_bSortDescending);
}

TEST_F(GridSortTest, FocusStaysOnItsRowHandle) {
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    const Rows rows = SetColumn(1, {L"c", L"a", L"b"});
    m_grid.SetFocusCell(rows[0], 1);
    m_notes.Clear();
    ClickHeader(1);
    EXPECT_EQ(m_grid.m_hFocusRow, rows[0]);
    EXPECT_EQ(Index(rows[0]), 2);
    EXPECT_THAT(m_notes.Codes(), IsEmpty()); // sorting flat rows sends nothing
    EXPECT_EQ(m_grid.m_nRedrawLock, 0);
}

TEST_F(GridSortTest, ChildrenSortUnderTheirParentsAndAColumnOutsideTheGridRaises) {
    const Rows top = SetColumn(1, {L"z", L"y", L"x"});
    const POSITION c1 = AddChildRow(top[0]), c2 = AddChildRow(top[0]), c3 = AddChildRow(top[0]);
    m_grid.SetItemText(c1, 1, L"3");
    m_grid.SetItemText(c2, 1, L"1");
    m_grid.SetItemText(c3, 1, L"2");
    m_grid.Expand(top[0], FALSE);

    ClickHeader(1);
    EXPECT_EQ(ListRows(), (Rows{top[2], top[1], top[0], c2, c3, c1}));
    EXPECT_GRID_CONSISTENT();

    // Column outside the grid raises on click and is ignored on divider double click.
    AddRows(3);
    EXPECT_THROW(m_grid.SortColumn(2, FALSE), CInvalidArgException);
    // Through the window procedure the exception must stop at the boundary.
    ClickHeader(5);
    EXPECT_EQ(ClickHeader(5, 0, HDN_DIVIDERDBLCLICKW), 0);
    EXPECT_GRID_CONSISTENT();
}

} // namespace
