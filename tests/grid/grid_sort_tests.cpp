// Sorting by a header click: alternating direction, text ignoring case, equal rows
// keeping their order, the focus and every cell staying on its row. The hostile host's
// model sorts the same way over random trees.
#include "grid_fixture.h"

namespace {

using ::testing::ElementsAre;

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
    std::vector<std::wstring> Column(int nCol) {
        std::vector<std::wstring> texts;
        for (int i = 0; i < m_grid.GetRowCount(); i++)
            texts.emplace_back(m_grid.GetItemText(m_grid.GetRowAt(i), nCol));
        return texts;
    }
    Rows SetColumn(int nCol, std::vector<const wchar_t*> texts) {
        const Rows rows = AddRows(int(texts.size()));
        for (size_t i = 0; i < texts.size(); i++)
            m_grid.SetItemText(rows[i], nCol, texts[i]);
        return rows;
    }
};

TEST_F(GridSortTest, ClicksAlternateTheDirectionAndRowsMoveWholeWithTheFocus) {
    const Rows rows = SetColumn(1, {L"3", L"abc", L"100", L"ABC", L"20", L"Abc"});
    m_grid.SetFocusCell(rows[0], 1);
    m_notes.Clear();
    EXPECT_EQ(ClickHeader(1), 0);
    EXPECT_THAT(Column(1), ElementsAre(L"100", L"20", L"3", L"abc", L"ABC", L"Abc"));
    EXPECT_THAT(Column(0), ElementsAre(L"Player 3", L"Player 5", L"Player 1", L"Player 2",
                                       L"Player 4", L"Player 6"));
    // Sorting flat rows sends nothing.
    EXPECT_EQ(std::make_tuple(m_grid.GetColumn(1)->m_bSortDescending, m_grid.m_hFocusRow,
                              Index(rows[0]), m_notes.Log().size(), m_grid.m_nRedrawLock),
              std::make_tuple(TRUE, rows[0], 2, size_t(0), 0));
    EXPECT_GRID_CONSISTENT();
    // The ANSI click sorts too; descending keeps equal rows in their order.
    ClickHeader(1, 0, HDN_ITEMCLICKA);
    EXPECT_THAT(Column(0), ElementsAre(L"Player 2", L"Player 4", L"Player 6", L"Player 1",
                                       L"Player 5", L"Player 3"));
    EXPECT_FALSE(m_grid.GetColumn(1)->m_bSortDescending);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridSortTest, AColumnOutsideTheGridRaisesButNotThroughTheWindowProcedure) {
    SetColumn(1, {L"z", L"y", L"x"});
    EXPECT_THROW(m_grid.SortColumn(2, FALSE), CInvalidArgException);
    // Through the window procedure the exception must stop at the boundary, and a
    // divider double click on a column the grid lacks is ignored.
    ClickHeader(5);
    EXPECT_EQ(ClickHeader(5, 0, HDN_DIVIDERDBLCLICKW), 0);
    EXPECT_GRID_CONSISTENT();
}

} // namespace
