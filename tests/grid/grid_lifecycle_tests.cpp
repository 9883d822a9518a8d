// Row height measurement through the list view, and the release of every record when
// the window goes away.
#include "grid_fixture.h"

namespace {

int LineHeightOf(HWND hWnd, HFONT hFont) {
    HDC hDC = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return tm.tmHeight + tm.tmExternalLeading;
}

int ItemHeight(HWND hList, int nItem) {
    RECT rc = {};
    rc.left = LVIR_BOUNDS;
    if (!::SendMessageW(hList, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc)))
        return -1;
    return rc.bottom - rc.top;
}

class GridMeasureTest : public GridTest {
protected:
    // Like the dialog template's list view: not owner-drawn, not in report view.
    DWORD ListStyle() const override { return LVS_ICON | LVS_EDITLABELS; }
    void TearDown() override {
        GridTest::TearDown();
        for (HFONT hFont : m_fonts)
            ::DeleteObject(hFont);
    }
    HFONT MakeFont(int nHeight) {
        m_fonts.push_back(::CreateFontW(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
        return m_fonts.back();
    }
    HFONT ListFont() {
        return reinterpret_cast<HFONT>(::SendMessageW(ListHwnd(), WM_GETFONT, 0, 0));
    }
    std::vector<HFONT> m_fonts;
};

TEST_F(GridMeasureTest, FirstColumnMakesTheListViewMeasureTheGrid) {
    ASSERT_FALSE(::GetWindowLongPtrW(ListHwnd(), GWL_STYLE) & LVS_OWNERDRAWFIXED);
    EXPECT_EQ(m_grid.m_nLineHeight, 0);

    AddColumns(1);
    m_grid.InsertItem(L"Player 1", -1, -1);

    EXPECT_GT(m_grid.m_nLineHeight, 0);
    EXPECT_EQ(m_grid.m_nLineHeight, LineHeightOf(ListHwnd(), ListFont()));
    EXPECT_EQ(ItemHeight(ListHwnd(), 0), m_grid.m_nLineHeight + 4);
}

class GridOwnerDrawnMeasureTest : public GridMeasureTest {
protected:
    DWORD ListStyle() const override { return LVS_REPORT | LVS_OWNERDRAWFIXED; }
};

TEST_F(GridOwnerDrawnMeasureTest, ListViewOwnerDrawnBeforeTheGridWasAttachedIsMeasuredToo) {
    AddColumns(1);
    m_grid.InsertItem(L"Player 1", -1, -1);

    EXPECT_EQ(m_grid.m_nLineHeight, LineHeightOf(ListHwnd(), ListFont()));
    EXPECT_EQ(ItemHeight(ListHwnd(), 0), m_grid.m_nLineHeight + 4);
}

TEST_F(GridMeasureTest, NewFontIsMeasuredAndRowsTakeItsHeight) {
    AddColumns(2);
    AddRows(3);
    const int nBefore = m_grid.m_nLineHeight;

    const HFONT hFont = MakeFont(-30);
    ::SendMessageW(ListHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);

    EXPECT_EQ(ListFont(), hFont);
    EXPECT_GT(m_grid.m_nLineHeight, nBefore);
    EXPECT_EQ(m_grid.m_nLineHeight, LineHeightOf(ListHwnd(), hFont));
    EXPECT_EQ(ItemHeight(ListHwnd(), 2), m_grid.m_nLineHeight + 4);
    EXPECT_GRID_CONSISTENT();
}

TEST_F(GridMeasureTest, RowsOfSeveralLinesAreMeasuredTaller) {
    m_grid.m_nLinesPerRow = 2;
    AddColumns(1);
    m_grid.InsertItem(L"two lines", -1, -1);
    EXPECT_GT(m_grid.m_nLineHeight, 0);
    EXPECT_EQ(ItemHeight(ListHwnd(), 0), 2 * m_grid.m_nLineHeight + 4);
}

TEST_F(GridMeasureTest, SystemFontChangeMeasuresAgain) {
    AddColumns(1);
    AddRows(2);
    ASSERT_EQ(ItemHeight(ListHwnd(), 1), m_grid.m_nLineHeight + 4);

    // A new row height can only come from a fresh measurement.
    m_grid.m_nLinesPerRow = 3;
    ::SendMessageW(ListHwnd(), WM_FONTCHANGE, 0, 0);
    EXPECT_EQ(ItemHeight(ListHwnd(), 1), 3 * m_grid.m_nLineHeight + 4);
}

TEST_F(GridMeasureTest, FontChangeScrollsBackToTheFirstRow) {
    AddColumns(2);
    AddRows(40);
    ::SendMessageW(ListHwnd(), LVM_ENSUREVISIBLE, 30, FALSE);
    ASSERT_GT(::SendMessageW(ListHwnd(), LVM_GETTOPINDEX, 0, 0), 0);

    ::SendMessageW(ListHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(MakeFont(-24)), TRUE);

    EXPECT_EQ(::SendMessageW(ListHwnd(), LVM_GETTOPINDEX, 0, 0), 0);
    EXPECT_EQ(ItemHeight(ListHwnd(), 0), m_grid.m_nLineHeight + 4);
}

using GridDestroyTest = GridTest;

TEST_F(GridDestroyTest, DestroyingTheParentFreesEveryRowAndProfile) {
    m_grid.AddProfile(FLPS_EDIT);
    m_grid.AddProfile(FLPS_COMBO);
    AddColumns(3);
    const std::vector<POSITION> rows = AddRows(10);
    AddChildRow(rows[4], L"child");
    ASSERT_EQ(m_grid.m_Rows.GetCount(), 11);

    DestroyWindows();

    EXPECT_EQ(m_grid.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(m_grid.m_Rows.IsEmpty());
    EXPECT_TRUE(m_grid.m_RootRow.m_Children.IsEmpty());
    EXPECT_EQ(m_grid.GetRowCount(), 0);
    EXPECT_EQ(m_grid.m_Profiles.GetSize(), 0);
}

} // namespace
