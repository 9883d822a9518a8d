// What stays on the screen after rows are repainted, read back from the list view's
// own window: a repaint request must cover every pixel the row's cells paint, or the
// pixels left out keep whatever an earlier paint put there.
#include <gtest/gtest.h>

#include "edit_fixture.h"

namespace {

class GridRepaintTest : public EditGridTest {
protected:
    // Pixels of colour cr in the cell as the screen shows it.
    int ScreenPixels(POSITION hRow, int nCol, COLORREF cr) {
        RECT rc = {};
        EXPECT_TRUE(m_grid.GetCellRect(hRow, nCol, FLR_CELL, &rc, FALSE));
        const HDC hDC = ::GetDC(List());
        int n = 0;
        for (LONG y = rc.top; y < rc.bottom; ++y)
            for (LONG x = rc.left; x < rc.right; ++x)
                n += ::GetPixel(hDC, x, y) == cr;
        ::ReleaseDC(List(), hDC);
        return n;
    }
};

// An edit ended with Enter leaves its cell focused, and the repaint under the closed
// editor paints it in the focus colour, from the cell's first pixel. Moving the focus
// to the next cell must repaint all of it: no line of the focus colour may stay behind,
// in the first column (whose left pixels the list view's item box leaves out) or any.
TEST_F(GridRepaintTest, NoFocusColourStaysAfterAnEditEndedWithEnter) {
    m_grid.m_bPaint = true;
    const COLORREF crFocus = ::GetSysColor(COLOR_HIGHLIGHT);
    for (int nCol : {0, 1}) {
        for (int i = 1; i <= 3; ++i) {
            Focus(m_rows[i], nCol);
            ASSERT_GT(ScreenPixels(m_rows[i], nCol, crFocus), 0) << "the focus cell is shown";
            Key(VK_F2);
            ASSERT_NE(Editor(), nullptr);
            Key(VK_RETURN);
            SendClick(m_rows[i], 2);
        }
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(ScreenPixels(m_rows[i], nCol, crFocus), 0)
                << "row " << i << ", column " << nCol;
    }
}

} // namespace
