// Keys move the focus cell: with and without a focus row, page moves, Alt+arrows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

using ::testing::IsEmpty;

using GridKeysTest = EditGridTest;

struct Cell {
    int nRow;
    int nCol;
};

TEST_F(GridKeysTest, WithoutAFocusRowOnlyTheKeysThatPickACellAct) {
    FitRowsPerPage(5);
    struct Case {
        WORD wModifier;
        WORD wVk;
        bool bLastOnPage;
        int nCol;
    };
    for (const Case c :
         {Case{0, VK_DOWN, false, 0}, Case{0, VK_NEXT, false, 0}, Case{0, VK_UP, true, 0},
          Case{0, VK_PRIOR, true, 0}, Case{0, VK_TAB, false, 0}, Case{VK_SHIFT, VK_TAB, true, 2}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.wVk << " modifier " << c.wModifier);
        // The page starts at row 2; its last row is the one partly shown below it.
        ListSend(LVM_ENSUREVISIBLE, 0, FALSE);
        ListSend(LVM_SCROLL, 0, m_grid.GetRowHeight() * 2);
        const int nTop = static_cast<int>(ListSend(LVM_GETTOPINDEX));
        ASSERT_EQ(nTop, 2);
        const int nRow =
            c.bLastOnPage ? nTop + static_cast<int>(ListSend(LVM_GETCOUNTPERPAGE)) : nTop;
        m_grid.m_hFocusRow = nullptr;
        m_grid.m_nFocusCol = -1;
        // Tab is dialog navigation; only the Tab-advance and a direct send reach here.
        if (c.wVk == VK_TAB) {
            BYTE state[256] = {};
            ::GetKeyboardState(state);
            state[VK_SHIFT] = c.wModifier ? 0x80 : 0;
            ::SetKeyboardState(state);
            ListSend(WM_KEYDOWN, VK_TAB, 1);
            state[VK_SHIFT] = 0;
            ::SetKeyboardState(state);
        } else {
            Key(c.wVk);
        }
        EXPECT_EQ(m_grid.m_hFocusRow, m_rows[nRow]);
        EXPECT_EQ(m_grid.m_nFocusCol, c.nCol);
    }
    // Home, End, Left, Right, Enter and letters do nothing at all.
    m_grid.m_hFocusRow = nullptr;
    m_grid.m_nFocusCol = -1;
    m_notes.Clear();
    for (int nVk : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_RETURN, int('A'), VK_F2})
        Key(static_cast<WORD>(nVk));
    EXPECT_EQ(m_grid.m_hFocusRow, nullptr);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THAT(m_notes.Codes(), IsEmpty());
}

TEST_F(GridKeysTest, ArrowsHomeAndEndMoveWithinTheGrid) {
    struct Case {
        Cell from;
        WORD wVk;
        Cell to;
    };
    for (const Case c : {Case{{4, 1}, VK_RIGHT, {4, 2}}, Case{{4, 2}, VK_RIGHT, {4, 2}},
                         Case{{4, 1}, VK_LEFT, {4, 0}}, Case{{4, 0}, VK_LEFT, {4, 0}},
                         Case{{4, 0}, VK_END, {4, 2}}, Case{{4, 2}, VK_HOME, {4, 0}},
                         Case{{4, 1}, VK_UP, {3, 1}}, Case{{0, 1}, VK_UP, {0, 1}},
                         Case{{4, 1}, VK_DOWN, {5, 1}}, Case{{9, 1}, VK_DOWN, {9, 1}}}) {
        SCOPED_TRACE(testing::Message()
                     << "key " << c.wVk << " from " << c.from.nRow << "," << c.from.nCol);
        Focus(m_rows[c.from.nRow], c.from.nCol);
        Key(c.wVk);
        EXPECT_EQ(m_grid.m_hFocusRow, m_rows[c.to.nRow]);
        EXPECT_EQ(m_grid.m_nFocusCol, c.to.nCol);
    }
}

TEST_F(GridKeysTest, TabMovesToTheNextCellAndWrapsToTheNextRow) {
    struct Case {
        Cell from;
        bool bShift;
        Cell to;
    };
    for (const Case c :
         {Case{{2, 0}, false, {2, 1}}, Case{{2, 2}, false, {3, 0}}, Case{{9, 2}, false, {9, 2}},
          Case{{2, 1}, true, {2, 0}}, Case{{2, 0}, true, {1, 2}}, Case{{0, 0}, true, {0, 0}}}) {
        SCOPED_TRACE(testing::Message()
                     << c.from.nRow << "," << c.from.nCol << " shift " << c.bShift);
        Focus(m_rows[c.from.nRow], c.from.nCol);
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = c.bShift ? 0x80 : 0;
        ::SetKeyboardState(state);
        ListSend(WM_KEYDOWN, VK_TAB, 1);
        state[VK_SHIFT] = 0;
        ::SetKeyboardState(state);
        EXPECT_EQ(m_grid.m_hFocusRow, m_rows[c.to.nRow]);
        EXPECT_EQ(m_grid.m_nFocusCol, c.to.nCol);
        // Not a continuation of an edit: Tab alone opens nothing.
        EXPECT_EQ(Editor(), nullptr);
    }
}

TEST_F(GridKeysTest, PageMovesGoOneRowLessThanAPage) {
    FitRowsPerPage(8);
    ASSERT_EQ(ListSend(LVM_GETCOUNTPERPAGE), 8);
    struct Case {
        int nFrom;
        WORD wVk;
        int nTo;
    };
    for (const Case c :
         {Case{0, VK_NEXT, 7}, Case{5, VK_NEXT, 9}, Case{9, VK_PRIOR, 2}, Case{3, VK_PRIOR, 0}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.wVk << " from " << c.nFrom);
        Focus(m_rows[c.nFrom], 1);
        Key(c.wVk);
        EXPECT_EQ(m_grid.m_hFocusRow, m_rows[c.nTo]);
        EXPECT_EQ(m_grid.m_nFocusCol, 1);
    }
}

TEST_F(GridKeysTest, AltUpAndAltDownDoNotMove) {
    Focus(m_rows[4], 1);
    KeyWith(VK_MENU, VK_DOWN);
    KeyWith(VK_MENU, VK_UP);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[4]);
    EXPECT_EQ(Editor(), nullptr);
    // A WM_KEYDOWN that comes with Alt held does not move either.
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_MENU] = 0x80;
    ::SetKeyboardState(state);
    ListSend(WM_KEYDOWN, VK_DOWN, 1);
    state[VK_MENU] = 0;
    ::SetKeyboardState(state);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[4]);
    Key(VK_DOWN);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[5]);
}

TEST_F(GridKeysTest, PlusAndMinusExpandAndCollapseTheFocusRow) {
    const POSITION hChild = AddChildRow(m_rows[2]);
    Focus(m_rows[2], 0);
    Key(VK_ADD);
    EXPECT_GE(Index(hChild), 0);
    Key(VK_SUBTRACT);
    EXPECT_EQ(Index(hChild), -1);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridKeysTest, RowFocusArrowsStillMoveBetweenRows) {
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    Focus(m_rows[1], 0);
    Key(VK_DOWN);
    EXPECT_EQ(m_grid.m_hFocusRow, m_rows[2]);
    EXPECT_EQ(m_grid.GetFocusCol(), -1);
}

} // namespace
