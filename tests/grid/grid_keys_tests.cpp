// Keys move the focus cell: with and without a focus row, page moves, Alt+arrows.
#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

using GridKeysTest = EditGridTest;

struct Cell {
    int nRow;
    int nCol;
};

TEST_F(GridKeysTest, WithoutAFocusRowOnlyTheKeysThatPickACellAct) {
    FitRowsPerPage(5);
    const auto noFocus = [&] { m_grid.m_hFocusRow = nullptr, m_grid.m_nFocusCol = -1; };
    struct Case {
        WORD wModifier;
        WORD wVk;
        bool bLastOnPage;
        int nCol;
        int nTop = 2;
    };
    for (const Case c :
         {Case{0, VK_DOWN, false, 0}, Case{0, VK_NEXT, false, 0}, Case{0, VK_UP, true, 0},
          Case{0, VK_PRIOR, true, 0}, Case{0, VK_TAB, false, 0}, Case{VK_SHIFT, VK_TAB, true, 2},
          Case{0, VK_UP, true, 0, 5}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.wVk << " modifier " << c.wModifier);
        // The page's last row is the one partly shown below it, or the last row of all.
        ListSend(LVM_ENSUREVISIBLE, 0, FALSE);
        ListSend(LVM_SCROLL, 0, m_grid.GetRowHeight() * c.nTop);
        const int nTop = static_cast<int>(ListSend(LVM_GETTOPINDEX));
        ASSERT_EQ(nTop, c.nTop);
        const int nRow = c.bLastOnPage
                             ? std::min(nTop + static_cast<int>(ListSend(LVM_GETCOUNTPERPAGE)),
                                        static_cast<int>(m_rows.size()) - 1)
                             : nTop;
        noFocus();
        // Tab is dialog navigation; only the Tab-advance and a direct send reach here.
        if (c.wVk == VK_TAB)
            KeyDownHolding(c.wModifier, VK_TAB);
        else
            Key(c.wVk);
        ExpectFocus(m_rows[nRow], c.nCol);
    }
    // Home, End, Left, Right, Enter and letters do nothing at all.
    noFocus();
    m_notes.Clear();
    for (int nVk : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_RETURN, int('A'), VK_F2})
        Key(static_cast<WORD>(nVk));
    EXPECT_EQ(std::make_tuple(m_grid.m_hFocusRow, Editor(), m_notes.Log().size()),
              std::make_tuple(POSITION(), HWND(), size_t(0)));
}

// Every key that moves the focus cell, from where to where; Tab (with Shift held or
// not) straight to the grid, as the Tab-advance sends it, and alone it opens nothing.
TEST_F(GridKeysTest, KeysMoveTheFocusCellWithinTheGrid) {
    FitRowsPerPage(8);
    ASSERT_EQ(ListSend(LVM_GETCOUNTPERPAGE), 8);
    struct Case {
        Cell from;
        WORD wHeld;
        WORD wVk;
        Cell to;
    };
    for (const Case c :
         {Case{{4, 1}, 0, VK_RIGHT, {4, 2}}, Case{{4, 2}, 0, VK_RIGHT, {4, 2}},
          Case{{4, 1}, 0, VK_LEFT, {4, 0}}, Case{{4, 0}, 0, VK_LEFT, {4, 0}},
          Case{{4, 0}, 0, VK_END, {4, 2}}, Case{{4, 2}, 0, VK_HOME, {4, 0}},
          Case{{4, 1}, 0, VK_UP, {3, 1}}, Case{{0, 1}, 0, VK_UP, {0, 1}},
          Case{{4, 1}, 0, VK_DOWN, {5, 1}}, Case{{9, 1}, 0, VK_DOWN, {9, 1}},
          // Page moves go one row less than a page.
          Case{{0, 1}, 0, VK_NEXT, {7, 1}}, Case{{5, 1}, 0, VK_NEXT, {9, 1}},
          Case{{9, 1}, 0, VK_PRIOR, {2, 1}}, Case{{3, 1}, 0, VK_PRIOR, {0, 1}},
          Case{{2, 0}, 0, VK_TAB, {2, 1}}, Case{{2, 2}, 0, VK_TAB, {3, 0}},
          Case{{9, 2}, 0, VK_TAB, {9, 2}}, Case{{2, 1}, VK_SHIFT, VK_TAB, {2, 0}},
          Case{{2, 0}, VK_SHIFT, VK_TAB, {1, 2}}, Case{{0, 0}, VK_SHIFT, VK_TAB, {0, 0}},
          // With Alt held the arrows do not move.
          Case{{4, 1}, VK_MENU, VK_DOWN, {4, 1}}, Case{{4, 1}, VK_MENU, VK_UP, {4, 1}}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.wVk << " holding " << c.wHeld << " from "
                                        << c.from.nRow << "," << c.from.nCol);
        Focus(m_rows[c.from.nRow], c.from.nCol);
        if (c.wVk == VK_TAB || c.wHeld == VK_MENU)
            KeyDownHolding(c.wHeld, c.wVk);
        else
            Key(c.wVk);
        ExpectFocus(m_rows[c.to.nRow], c.to.nCol);
        EXPECT_EQ(Editor(), nullptr);
    }
}

} // namespace
