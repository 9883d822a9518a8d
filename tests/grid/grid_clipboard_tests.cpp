// Text pasted into the grid: which cells a paste fills, how its lines and cells are split,
// and the parent's say over each pasted cell.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace {

using Cell = std::pair<int, int>; // row, column
using Table = std::vector<std::vector<std::wstring>>;

// The calculator's layout with an editable column after the read-only equities, so a
// paste can be seen to skip a read-only cell without shifting the text after it.
class ClipboardTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        const int nEdit = m_grid.AddProfile(FLPS_EDIT);
        const LPCWSTR headings[] = {L"Player Name", L"Chips", L"ICM Equity $", L"Note"};
        const int profiles[] = {nEdit, nEdit, -1, nEdit};
        for (int nCol = 0; nCol < kCols; ++nCol)
            m_grid.InsertColumn(nCol, headings[nCol], 70, LVCFMT_LEFT, profiles[nCol]);
        m_rows = AddRows(kRows);
        for (int nRow = 0; nRow < kRows; ++nRow)
            for (int nCol = 1; nCol < kCols; ++nCol)
                m_grid.SetItemText(m_rows[nRow], nCol,
                                   (L"ncen"[nCol] + std::to_wstring(nRow + 1)).c_str());
    }
    Table Cells() {
        Table table(kRows);
        for (int nRow = 0; nRow < kRows; ++nRow)
            for (int nCol = 0; nCol < kCols; ++nCol)
                table[nRow].push_back(std::wstring(m_grid.GetItemText(m_rows[nRow], nCol)));
        return table;
    }
    int Paste(Cell focus, LPCWSTR lpszText) {
        m_grid.SetFocusCell(m_rows[focus.first], focus.second);
        m_notes.Clear();
        return m_grid.PasteText(lpszText);
    }
    // The cells each notification of one code named, and the texts it carried.
    std::vector<std::pair<Cell, std::wstring>> Notes(UINT nCode) {
        std::vector<std::pair<Cell, std::wstring>> notes;
        for (const NotifyRecord& r : m_notes.Log())
            if (r.nCode == nCode)
                notes.push_back(
                    {{int(std::find(m_rows.begin(), m_rows.end(), r.hRow) - m_rows.begin()),
                      r.nCol},
                     std::wstring(r.strText)});
        return notes;
    }

    static constexpr int kRows = 4;
    static constexpr int kCols = 4;
    Rows m_rows;
};

using Stored = std::vector<std::pair<Cell, std::wstring>>;

// "RC=text" entries apart by '|', for row R and column C, in the order they are pasted.
Stored Parse(const std::wstring& entries) {
    Stored stored;
    for (size_t i = 0; i < entries.size();) {
        const size_t nEnd = std::min(entries.find(L'|', i), entries.size());
        stored.push_back(
            {{entries[i] - L'0', entries[i + 1] - L'0'}, entries.substr(i + 3, nEnd - i - 3)});
        i = nEnd + 1;
    }
    return stored;
}

// The equity column is skipped in place; cells right of the last column and lines below
// the last row are dropped. A final line break ends the last line and starts no empty
// one; an empty line or cell inside the text empties its cell; text is kept as typed.
TEST_F(ClipboardTest, PasteFillsEditableCellsFromTheFocusCell) {
    struct Case {
        Cell focus;
        const wchar_t *pszText, *pszStored;
    };
    const Case cases[] = {{{0, 1}, L"50\r\n30\r\n20", L"01=50|11=30|21=20"},
                          {{1, 0}, L"Ann\t70\r\nBob\t30", L"10=Ann|11=70|20=Bob|21=30"},
                          {{2, 1}, L"1\t2\t3\t4\t5\r\n6\r\n7\r\n8", L"21=1|23=3|31=6"},
                          {{0, 2}, L"x\ty\r\nz", L"03=y"},
                          {{0, 1}, L"50\n30\n20", L"01=50|11=30|21=20"},
                          {{0, 1}, L"50\r30", L"01=50|11=30"},
                          {{0, 1}, L"50\r\n30\r\n", L"01=50|11=30"},
                          {{0, 1}, L"50\n", L"01=50"},
                          {{0, 1}, L"50\n\n 2,0 ", L"01=50|11=|21= 2,0 "},
                          {{0, 1}, L"", L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const Stored stored = Parse(c.pszStored);
        Table expected = Cells();
        for (const auto& [cell, text] : stored)
            expected[cell.first][cell.second] = text;
        EXPECT_EQ(Paste(c.focus, c.pszText), static_cast<int>(stored.size()));
        EXPECT_EQ(Cells(), expected);
        // Each stored cell was announced and ended as a typed edit, carrying its new text.
        EXPECT_EQ(Notes(FLN_ENDEDIT), stored);
        EXPECT_EQ(Notes(FLN_BEGINEDIT).size(), stored.size());
        EXPECT_EQ(m_grid.m_hFocusRow, m_rows[c.focus.first]); // the focus stays
        EXPECT_EQ(m_grid.m_pEditor, nullptr);
    }
    EXPECT_GRID_CONSISTENT();
    // Nothing without a focus cell: no focus row, or a whole row as the focus.
    m_grid.SetFocusCell(FL_ROOT, -1);
    m_notes.Clear();
    EXPECT_EQ(m_grid.PasteText(L"5"), 0);
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    EXPECT_EQ(Paste({0, 1}, L"5"), 0);
    EXPECT_TRUE(m_notes.Log().empty());
}

TEST_F(ClipboardTest, TheParentsAnswerToEachCellHolds) {
    // Each answer with what the paste of "7\t8" on (1, 0) leaves in that row.
    struct Answer {
        UINT nCode;
        LRESULT lResult;
        std::vector<std::wstring> row;
    };
    const std::vector<Answer> answers = {
        {FLN_BEGINEDIT, FLNR_VETO, {L"Player 2", L"c2", L"e2", L"n2"}},
        {FLN_ENDEDIT, FLNR_VETO, {L"Player 2", L"c2", L"e2", L"n2"}},
        {FLN_ENDEDIT, FLNR_VETO | FLNR_KEEPEDIT, {L"Player 2", L"c2", L"e2", L"n2"}},
        // No editor to keep open: the text is stored as for 0.
        {FLN_ENDEDIT, FLNR_KEEPEDIT, {L"7", L"8", L"e2", L"n2"}},
    };
    for (const Answer& a : answers) {
        SCOPED_TRACE(testing::Message() << "code " << a.nCode << " answered " << a.lResult);
        m_grid.SetItemText(m_rows[1], 0, L"Player 2");
        m_grid.SetItemText(m_rows[1], 1, L"c2");
        m_notes.AnswerWith(a.nCode, a.lResult);
        const int nStored = Paste({1, 0}, L"7\t8");
        m_notes.AnswerWith(a.nCode, 0);
        EXPECT_EQ(Cells()[1], a.row);
        EXPECT_EQ(nStored, a.row[0] == L"7" ? 2 : 0);
        EXPECT_EQ(Notes(FLN_ENDEDIT).size(), a.nCode == FLN_BEGINEDIT ? 0u : 2u);
    }

    // A parent that changes the text has its text stored.
    m_notes.EditWith(FLN_ENDEDIT, [](FL_NOTIFY& n) { n.strText = L"<" + n.strText + L">"; });
    Paste({0, 1}, L"5");
    EXPECT_EQ(std::wstring(m_grid.GetItemText(m_rows[0], 1)), L"<5>");
}

TEST_F(ClipboardTest, ARowDeletedWhileThePasteRunsIsPassedOver) {
    m_notes.EditWith(FLN_ENDEDIT, [this](FL_NOTIFY& n) {
        if (n.hRow == m_rows[0])
            m_grid.DeleteItem(m_rows[1]);
    });
    EXPECT_EQ(Paste({0, 1}, L"5\n6\n7"), 2);
    EXPECT_EQ(std::wstring(m_grid.GetItemText(m_rows[0], 1)), L"5");
    EXPECT_EQ(std::wstring(m_grid.GetItemText(m_rows[2], 1)), L"7");
    m_rows.erase(m_rows.begin() + 1);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(ClipboardTest, AnEditorOpenedWhileThePasteRunsEndsIt) {
    bool bOpened = false;
    m_notes.EditWith(FLN_ENDEDIT, [&](FL_NOTIFY&) {
        if (!std::exchange(bOpened, true)) {
            m_grid.SetFocusCell(m_rows[3], 0);
            m_grid.HandleEditMessage(WM_KEYDOWN, VK_F2, nullptr);
        }
    });
    EXPECT_EQ(Paste({0, 1}, L"5\n6\n7"), 1);
    EXPECT_TRUE(m_grid.IsEditorOpen());
    EXPECT_EQ(std::wstring(m_grid.GetItemText(m_rows[1], 1)), L"c2");
}

} // namespace
