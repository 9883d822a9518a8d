// The off-screen bitmap, row heights from the font, and the column fit.
#include <algorithm>

#include "canvas.h"
#include "grid_fixture.h"

namespace {

// Width of a text as DrawText measures it in this font.
int TextWidth(HFONT hFont, LPCWSTR lpszText) {
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    RECT rc = {};
    ::DrawTextW(hDC, lpszText, -1, &rc, DT_CALCRECT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return rc.right - rc.left;
}

class GridBufferTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
        ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    }
    void TearDown() override {
        GridTest::TearDown();
        ::DeleteObject(m_hFont);
        ::DeleteObject(m_hBold);
    }
    int ColumnWidth(int nCol) { return int(ListSend(LVM_GETCOLUMNWIDTH, nCol)); }
    int ItemHeight(int nItem) {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        return ListSend(LVM_GETITEMRECT, nItem, LPARAM(&rc)) ? rc.bottom - rc.top : -1;
    }
    void SetHeading(int nCol, LPCWSTR lpszHeading) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<LPWSTR>(lpszHeading);
        ListSend(LVM_SETCOLUMNW, nCol, LPARAM(&column));
    }

    HFONT m_hFont = CreateCrispFont(-13);
    HFONT m_hBold = CreateCrispFont(-13, FW_BOLD);
};

struct BitmapShape {
    LONG nWidth, nHeight;
    WORD nBits;
    bool bBottomUp;
    bool operator==(const BitmapShape&) const = default;
};

BitmapShape ShapeOf(HGDIOBJ hBitmap) {
    DIBSECTION ds = {};
    if (::GetObjectW(hBitmap, sizeof(ds), &ds) != sizeof(ds))
        return BitmapShape{0, 0, 0, false};
    return BitmapShape{ds.dsBm.bmWidth, ds.dsBm.bmHeight, ds.dsBm.bmBitsPixel,
                       ds.dsBmih.biHeight > 0};
}

void PrintTo(const BitmapShape& s, std::ostream* os) {
    *os << s.nWidth << " x " << s.nHeight << ", " << s.nBits << " bits"
        << (s.bBottomUp ? ", bottom-up" : ", top-down");
}

TEST_F(GridBufferTest, OffScreenBitmapTakesExactlyTheSizeOfACellThatDoesNotFit) {
    Canvas canvas(10, 10, m_hFont);
    CDC dc;
    dc.Attach(canvas.Dc());
    auto prepare = [&](int x, int y, int cx, int cy) {
        EXPECT_TRUE(m_grid.PrepareMemDC(&dc, RECT{x, y, x + cx, y + cy}));
        return ShapeOf(m_grid.m_bmpMem.GetSafeHandle());
    };
    EXPECT_EQ(prepare(0, 0, 80, 17), (BitmapShape{80, 17, 32, true}));
    EXPECT_EQ(::GetCurrentObject(m_grid.m_dcMem.GetSafeHdc(), OBJ_BITMAP),
              m_grid.m_bmpMem.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(m_grid.m_dcMem.GetSafeHdc(), OBJ_FONT), m_hFont);
    const HDC hMem = m_grid.m_dcMem.GetSafeHdc();

    EXPECT_EQ(prepare(40, 60, 120, 17), (BitmapShape{120, 17, 32, true}));
    EXPECT_EQ(prepare(0, 0, 60, 30), (BitmapShape{60, 30, 32, true}));
    // A smaller cell reuses the bitmap.
    const HGDIOBJ hKept = m_grid.m_bmpMem.GetSafeHandle();
    EXPECT_EQ(prepare(5, 5, 50, 10), (BitmapShape{60, 30, 32, true}));
    EXPECT_EQ(m_grid.m_bmpMem.GetSafeHandle(), hKept);
    EXPECT_EQ(prepare(0, 0, 100, 20), (BitmapShape{100, 20, 32, true}));
    EXPECT_EQ(prepare(0, 0, 150, 18), (BitmapShape{150, 18, 32, true}));
    EXPECT_EQ(m_grid.m_nMemWidth, 150);
    EXPECT_EQ(m_grid.m_nMemHeight, 18);
    EXPECT_EQ(m_grid.m_dcMem.GetSafeHdc(), hMem); // one DC for the grid's lifetime
    // An empty cell has nothing to compose and leaves the bitmap alone.
    EXPECT_FALSE(m_grid.PrepareMemDC(&dc, RECT{0, 0, 0, 40}));
    EXPECT_EQ(m_grid.m_nMemHeight, 18);
    dc.Detach();
}

TEST_F(GridBufferTest, RowsAreLinesTimesTheFontsLineHeightPlusFour) {
    HFONT hFont13 = ::CreateFontW(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                  NONANTIALIASED_QUALITY, 0, L"Tahoma");
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont13);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    ASSERT_EQ(tm.tmHeight + tm.tmExternalLeading, 13);

    AddColumns(1);
    ListSend(WM_SETFONT, WPARAM(hFont13), FALSE);
    EXPECT_EQ(m_grid.GetRowHeight(), 17); // no rows yet: what the list view is told
    AddRows(2);
    EXPECT_EQ(ItemHeight(1), 17);
    EXPECT_EQ(m_grid.GetRowHeight(), 17);

    m_grid.m_nLinesPerRow = 2;
    ListSend(WM_SETFONT, WPARAM(hFont13), FALSE);
    EXPECT_EQ(ItemHeight(1), 30);
    EXPECT_EQ(m_grid.GetRowHeight(), 30);
    ::DestroyWindow(List()); // before the font goes
    ::DeleteObject(hFont13);
}

TEST_F(GridBufferTest, ColumnFitsItsWidestShownTextWithItsCellPartsOrItsHeading) {
    AddColumns(3);
    const Rows rows = AddRows(3);
    m_grid.SetItemText(rows[0], 1, L"short");
    m_grid.SetItemText(rows[1], 1, L"considerably longer");
    m_grid.SetItemText(rows[2], 1, L"considerably longer");
    m_grid.GetRowRecord(rows[2])->m_bBold = TRUE;
    const POSITION hHidden = AddChildRow(rows[0]); // under a collapsed parent
    m_grid.SetItemText(hHidden, 1, L"a hidden text far wider than anything shown above");

    // Label one grid line narrower than the cell, and 11 pixels to spare.
    m_grid.AutoSizeColumn(1);
    EXPECT_EQ(ColumnWidth(1), TextWidth(m_hBold, L"considerably longer") + 1 + 11);

    SetHeading(1, L"A heading much wider than any of the cells below it");
    m_grid.AutoSizeColumn(1);
    EXPECT_EQ(ColumnWidth(1),
              TextWidth(m_hFont, L"A heading much wider than any of the cells below it") + 20);

    // Nothing to measure but an empty heading: the 30-pixel minimum.
    SetHeading(2, L"");
    m_grid.AutoSizeColumn(2);
    EXPECT_EQ(ColumnWidth(2), 30);

    // -1 means the only column of a header-less grid; this one has a header.
    const int nBefore = ColumnWidth(0);
    m_grid.AutoSizeColumn(-1);
    m_grid.AutoSizeColumn(3);
    EXPECT_EQ(ColumnWidth(0), nBefore);
    m_grid.m_nLinesPerRow = 2;
    m_grid.AutoSizeColumn(1);
    EXPECT_EQ(ColumnWidth(1),
              TextWidth(m_hFont, L"A heading much wider than any of the cells below it") + 20);
}

class GridHeaderlessFitTest : public GridBufferTest {
protected:
    DWORD ListStyle() const override { return LVS_REPORT | LVS_NOCOLUMNHEADER; }
};

TEST_F(GridHeaderlessFitTest, OnlyColumnFollowsItsRowsAsTheyAreAddedAndChanged) {
    m_grid.InsertColumn(0, L"A heading that must not count for a grid without a header", 300,
                        LVCFMT_LEFT, -1);
    const Rows rows = AddRows(2);
    EXPECT_EQ(ColumnWidth(0), TextWidth(m_hFont, L"Player 2") + 12);
    m_grid.SetItemText(rows[0], 0, L"Player with a longer name");
    EXPECT_EQ(ColumnWidth(0), TextWidth(m_hFont, L"Player with a longer name") + 12);
}

} // namespace
