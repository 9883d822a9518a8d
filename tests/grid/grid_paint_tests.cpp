// Painting checked in pixels: rows painted into a bitmap of ours, through DrawItem or
// through the list view itself, then read back.
#include <algorithm>
#include <array>
#include <string>

#include "painted_fixture.h"

namespace {

COLORREF Sys(int nIndex) {
    return ::GetSysColor(nIndex);
}

class GridPaintTest : public PaintedGridTest {
protected:
    void SetUp() override {
        PaintedGridTest::SetUp();
        AddColumns(3);
        m_rows = AddRows(4);
    }
    Rows m_rows;
};

TEST_F(GridPaintTest, FocusCellInHighlightRestOfRowInListColoursEachCellWithItsGridLines) {
    m_grid.SetItemText(m_rows[1], 1, L"42");
    m_grid.SetFocusCell(m_rows[1], 1);
    PaintRow(m_rows[1]);
    for (int nCol = 0; nCol < 3; nCol++) {
        SCOPED_TRACE(nCol);
        const bool bFocus = nCol == 1;
        EXPECT_EQ(GroundOf(m_rows[1], nCol), bFocus ? Sys(COLOR_HIGHLIGHT) : kListBk);
        const CRect rcCell = Part(m_rows[1], nCol, FLR_CELL);
        for (int y = rcCell.top; y < rcCell.bottom; y++)
            ASSERT_EQ(m_pCanvas->At(rcCell.left, y), Sys(COLOR_BTNFACE)) << "left line " << y;
        for (int x = rcCell.left; x < rcCell.right; x++)
            ASSERT_EQ(m_pCanvas->At(x, rcCell.bottom - 1), Sys(COLOR_BTNFACE)) << "bottom " << x;
        // Nothing above or below the row.
        EXPECT_EQ(m_pCanvas->At(rcCell.left + 5, rcCell.top - 1), kUnpainted);
        EXPECT_EQ(m_pCanvas->At(rcCell.left + 5, rcCell.bottom), kUnpainted);
    }
    EXPECT_GT(TextPixels(m_rows[1], 0, kListText), 0);                // "Player 2"
    EXPECT_GT(TextPixels(m_rows[1], 1, Sys(COLOR_HIGHLIGHTTEXT)), 0); // "42"
    EXPECT_EQ(TextPixels(m_rows[1], 1, kListText), 0);

    // Whole-row focus colours column 0 only, unless the full row is selected.
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    PaintRow(m_rows[1]);
    EXPECT_EQ(GroundOf(m_rows[1], 0), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(GroundOf(m_rows[1], 1), kListBk);
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    PaintRow(m_rows[1]);
    EXPECT_EQ(GroundOf(m_rows[1], 2), Sys(COLOR_HIGHLIGHT));
    // Other rows keep the list's colours.
    PaintRow(m_rows[0]);
    EXPECT_EQ(GroundOf(m_rows[0], 0), kListBk);
}

TEST_F(GridPaintTest, RowColourBeatsColumnColourAndTheFocusBeatsBoth) {
    const COLORREF crColumnBk = RGB(200, 40, 40), crColumnText = RGB(0, 120, 0);
    const COLORREF crRowBk = RGB(40, 40, 200);
    m_grid.GetColumn(1)->m_crBk = crColumnBk;
    m_grid.GetColumn(1)->m_crText = crColumnText;
    m_grid.GetRowRecord(m_rows[0])->m_crBk = crRowBk;
    m_grid.GetRowRecord(m_rows[3])->m_crBk = FLCLR_SYSTEM; // counts as not set at row level
    m_grid.SetItemText(m_rows[2], 1, L"77");
    m_grid.SetFocusCell(m_rows[1], 1);

    PaintRow(m_rows[0]);
    EXPECT_EQ(GroundOf(m_rows[0], 1), crRowBk);
    EXPECT_EQ(GroundOf(m_rows[0], 0), crRowBk);
    PaintRow(m_rows[1]);
    EXPECT_EQ(GroundOf(m_rows[1], 1), Sys(COLOR_HIGHLIGHT));
    PaintRow(m_rows[2]);
    EXPECT_EQ(GroundOf(m_rows[2], 1), crColumnBk);
    EXPECT_GT(TextPixels(m_rows[2], 1, crColumnText), 0);
    EXPECT_EQ(GroundOf(m_rows[2], 2), kListBk);
    PaintRow(m_rows[3]);
    EXPECT_EQ(GroundOf(m_rows[3], 1), crColumnBk);

    // Without a row: the column's colour, or the list's for no column.
    EXPECT_EQ(m_grid.GetCellColor(FLCC_BK, nullptr, 1), crColumnBk);
    EXPECT_EQ(m_grid.GetCellColor(FLCC_TEXT, nullptr, -1), kListText);
    // Set focus colours other than the system's are used as they are.
    m_grid.m_crFocusCellBk = RGB(1, 2, 3);
    EXPECT_EQ(m_grid.GetCellColor(FLCC_BK, m_rows[1], 1), RGB(1, 2, 3));
    m_grid.m_crFocusCellBk = FLCLR_NONE; // the lookup goes on down to the column
    EXPECT_EQ(m_grid.GetCellColor(FLCC_BK, m_rows[1], 1), crColumnBk);
}

TEST_F(GridPaintTest, OpenEditorShowsTheCellOnPlainGroundAndIsNeverPaintedOver) {
    m_grid.SetFocusCell(m_rows[1], 1);
    const CRect rcLabel = Part(m_rows[1], 1, FLR_LABEL);
    const CRect rcEditor(rcLabel.left + 20, rcLabel.top, rcLabel.right, rcLabel.bottom);
    CWnd editor;
    editor.Attach(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, rcEditor.left,
                                    rcEditor.top, rcEditor.Width(), rcEditor.Height(), List(),
                                    nullptr, nullptr, nullptr));
    m_grid.m_pEditor = &editor;

    PaintRow(m_rows[1]);
    EXPECT_EQ(m_pCanvas->At(rcLabel.left + 5, rcLabel.top + 2), kListBk);
    EXPECT_EQ(m_pCanvas->Count(rcEditor, kUnpainted), rcEditor.Width() * rcEditor.Height());
    EXPECT_EQ(GroundOf(m_rows[1], 0), kListBk);

    m_grid.m_pEditor = nullptr;
    ::DestroyWindow(editor.Detach());
    PaintRow(m_rows[1]);
    EXPECT_EQ(m_pCanvas->Count(rcEditor, kUnpainted), 0);
}

TEST_F(GridPaintTest, TextOfAnyLengthStaysInsideItsLabel) {
    const std::wstring strWide(60, L'W');
    std::wstring strHuge;
    for (int i = 0; i < 1000; i++)
        strHuge += L"word word ";
    std::wstring strAstral;
    for (int i = 0; i < 40; i++)
        strAstral += L"\U0001F600\U00010348";
    strAstral += L"\xD800"; // a lone high surrogate at the end
    UseProfile(m_rows[1], 1, FLPS_EDIT | FLPS_BUTTON);
    m_grid.SetFocusCell(m_rows[1], 1);

    for (const std::wstring& strText : {strWide, strHuge, strAstral, std::wstring()}) {
        SCOPED_TRACE(strText.size());
        m_grid.SetItemText(m_rows[0], 1, strText.c_str());
        m_grid.SetItemText(m_rows[1], 1, strText.c_str());
        for (POSITION hRow : {m_rows[0], m_rows[1]}) {
            const COLORREF crText = hRow == m_rows[1] ? Sys(COLOR_HIGHLIGHTTEXT) : kListText;
            PaintRow(hRow);
            CRect rcInset = Part(hRow, 1, FLR_LABEL);
            rcInset.DeflateRect(3, 1, 3, 2);
            const int nInside = m_pCanvas->Count(rcInset, crText);
            EXPECT_EQ(nInside > 0, !strText.empty());
            // Column 0's own text is the only other text of the row.
            const CRect rcCol0 = Part(hRow, 0, FLR_CELL);
            CRect rcButton;
            m_grid.GetCellRect(hRow, 1, FLR_BUTTON, &rcButton, FALSE);
            EXPECT_EQ(m_pCanvas->CountOutside(rcInset, crText, &rcCol0) -
                          (hRow == m_rows[1] ? m_pCanvas->Count(rcButton, crText) : 0),
                      0);
        }
    }
    // Every row was painted whole and nothing else.
    const CRect rcRow = Part(m_rows[1], 0, FLR_ROW);
    EXPECT_EQ(m_pCanvas->CountOutside(rcRow, kUnpainted),
              320 * 240 - rcRow.Width() * rcRow.Height());
}

TEST_F(GridPaintTest, TwoLineRowsWrap) {
    m_grid.m_nLinesPerRow = 2;
    ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE); // measures the rows anew
    m_grid.SetItemText(m_rows[0], 1, L"one two three four five six");
    PaintRow(m_rows[0]);
    CRect rcSecondLine = Part(m_rows[0], 1, FLR_LABEL);
    rcSecondLine.top += 1 + m_grid.m_nLineHeight;
    EXPECT_GT(m_pCanvas->Count(rcSecondLine, kListText), 0);
}

TEST_F(GridPaintTest, ExpanderShowsPlusWhenCollapsedMinusWhenExpandedNothingWithoutChildren) {
    m_grid.m_nTreeColumn = 0;
    const POSITION hChild = AddChildRow(m_rows[0]);
    const COLORREF crFrame = RGB(172, 168, 153), crFill = RGB(255, 255, 255), crInk = 0;
    for (bool bExpanded : {false, true}) {
        SCOPED_TRACE(bExpanded);
        SetExpanded(m_rows[0], bExpanded);
        PaintRow(m_rows[0]);
        const CPoint c = Part(m_rows[0], 0, FLR_EXPANDER).CenterPoint();
        const CRect rc(c.x - 4, c.y - 4, c.x + 5, c.y + 5); // the 9 x 9 box
        for (int i = 0; i < 9; i++) {
            EXPECT_EQ(m_pCanvas->At(rc.left + i, rc.top), crFrame);
            EXPECT_EQ(m_pCanvas->At(rc.left + i, rc.bottom - 1), crFrame);
            EXPECT_EQ(m_pCanvas->At(rc.left, rc.top + i), crFrame);
            EXPECT_EQ(m_pCanvas->At(rc.right - 1, rc.top + i), crFrame);
        }
        EXPECT_EQ(m_pCanvas->At(rc.left + 1, rc.top + 1), crFill);
        for (int dx = -2; dx <= 2; dx++)
            EXPECT_EQ(m_pCanvas->At(c.x + dx, c.y), crInk) << dx;
        for (int dy : {-2, -1, 1, 2})
            EXPECT_EQ(m_pCanvas->At(c.x, c.y + dy), bExpanded ? crFill : crInk) << dy;
        EXPECT_EQ(m_pCanvas->At(c.x + 3, c.y), crFill);
    }
    // The child has no children of its own: its slot shows only the row's ground.
    PaintRow(hChild);
    const CRect rcSlot = Part(hChild, 0, FLR_EXPANDER);
    const CRect rcGround(rcSlot.left + 1, rcSlot.top, rcSlot.right, rcSlot.bottom - 1);
    EXPECT_EQ(m_pCanvas->Count(rcGround, kListBk), rcGround.Width() * rcGround.Height());
}

TEST_F(GridPaintTest, CheckBoxStatesDrawThreeDifferentBoxesAndUnknownStatesAnEmptyOne) {
    std::vector<std::vector<COLORREF>> boxes;
    for (int nCheck : {0, 1, 2, 7}) {
        UseProfile(m_rows[0], 1, FLPS_CHECKBOX);
        m_grid.GetItem(m_rows[0], 1)->m_nCheck = nCheck;
        PaintRow(m_rows[0]);
        CRect rcBox = Part(m_rows[0], 1, FLR_CHECKBOX);
        EXPECT_EQ(m_pCanvas->At(rcBox.left + 1, rcBox.top + 1), kListBk); // the 2-pixel margin
        rcBox.DeflateRect(2, 2);
        boxes.push_back(m_pCanvas->Pixels(rcBox));
    }
    EXPECT_NE(boxes[0], boxes[1]);
    EXPECT_NE(boxes[1], boxes[2]);
    EXPECT_NE(boxes[0], boxes[2]);
    EXPECT_EQ(boxes[3], boxes[0]);
    auto ink = [](const std::vector<COLORREF>& box) {
        return std::count(box.begin(), box.end(), Sys(COLOR_WINDOWTEXT));
    };
    EXPECT_EQ(ink(boxes[0]), 0);
    EXPECT_GT(ink(boxes[1]), 0);
    EXPECT_LT(ink(boxes[2]), ink(boxes[1])); // greyed
}

// Rows of glyph pixels in a button: for each pixel row, the runs of glyph colour.
std::vector<std::vector<int>> GlyphRuns(const Canvas& canvas, const CRect& rc, COLORREF cr) {
    std::vector<std::vector<int>> rows;
    for (int y = rc.top; y < rc.bottom; y++) {
        std::vector<int> runs;
        int nRun = 0;
        for (int x = rc.left; x <= rc.right; x++) {
            if (x < rc.right && canvas.At(x, y) == cr) {
                nRun++;
            } else if (nRun) {
                runs.push_back(nRun);
                nRun = 0;
            }
        }
        if (!runs.empty())
            rows.push_back(runs);
    }
    return rows;
}

TEST_F(GridPaintTest, FocusCellButtonsShowDotsAnArrowOrAPlus) {
    UseProfile(m_rows[0], 1, FLPS_EDIT | FLPS_BUTTON);
    UseProfile(m_rows[1], 1, FLPS_COMBO | FLPS_BUTTON);
    UseProfile(m_rows[2], 1, FLPS_EDIT | FLPS_BUTTON | FLPS_PLUSBUTTON);
    const COLORREF crGlyph = Sys(COLOR_BTNTEXT);

    m_grid.SetFocusCell(m_rows[0], 1);
    PaintRow(m_rows[0]);
    const auto dots = GlyphRuns(*m_pCanvas, Part(m_rows[0], 1, FLR_BUTTON), crGlyph);
    ASSERT_FALSE(dots.empty());
    EXPECT_LE(dots.size(), 2u); // one baseline of dots
    EXPECT_EQ(dots[0].size(), 3u);

    m_grid.SetFocusCell(m_rows[1], 1);
    PaintRow(m_rows[1]);
    const auto arrow = GlyphRuns(*m_pCanvas, Part(m_rows[1], 1, FLR_BUTTON), crGlyph);
    ASSERT_GE(arrow.size(), 3u);
    for (size_t i = 1; i < arrow.size(); i++) {
        ASSERT_EQ(arrow[i].size(), 1u);
        EXPECT_LT(arrow[i][0], arrow[i - 1][0]); // narrowing downwards
    }

    m_grid.SetFocusCell(m_rows[2], 1);
    PaintRow(m_rows[2]);
    CRect rcFace = Part(m_rows[2], 1, FLR_BUTTON);
    rcFace.DeflateRect(1, 1);
    const int nLeft = rcFace.left + 3, nTop = rcFace.top + 3;
    const int nRight = rcFace.right - 3 - (rcFace.right - 3 - nLeft) % 2;
    const CPoint c((nLeft + nRight) / 2, (nTop + nTop + nRight - nLeft) / 2);
    EXPECT_EQ(m_pCanvas->At(c.x, c.y), crGlyph);
    EXPECT_EQ(m_pCanvas->At(nLeft, c.y), crGlyph);
    EXPECT_EQ(m_pCanvas->At(c.x, nTop), crGlyph);
    EXPECT_EQ(m_pCanvas->At(nLeft, nTop), Sys(COLOR_BTNFACE));
    EXPECT_EQ(m_pCanvas->At(nLeft - 1, c.y), Sys(COLOR_BTNFACE));

    // The cell that lost the focus shows no button.
    PaintRow(m_rows[0]);
    const CRect rcCell = Part(m_rows[0], 1, FLR_CELL);
    EXPECT_EQ(m_pCanvas->At(rcCell.right - 3, rcCell.top + 3), kListBk);
}

TEST_F(GridPaintTest, EraseFillsOnlyOutsideTheRowsInStripesThatContinueTheGridLines) {
    const COLORREF crColumn = RGB(200, 220, 255);
    m_grid.GetColumn(1)->m_crBk = crColumn;
    for (int i = 3; i >= 1; i--)
        m_grid.ShowRow(m_rows[i], FALSE); // one row left
    const int h = m_grid.GetRowHeight();
    CRect rcRows;
    m_grid.GetCellRect(nullptr, 0, FLR_VISIBLEROWS, &rcRows, FALSE);
    const CRect rcCol1 = Part(m_rows[0], 1, FLR_CELL);

    EXPECT_TRUE(ListSend(WM_ERASEBKGND, WPARAM(m_pCanvas->Dc())));
    EXPECT_EQ(m_pCanvas->Count(rcRows, kUnpainted), rcRows.Width() * rcRows.Height());
    for (int y = rcRows.bottom; y + h < 200; y += h) {
        SCOPED_TRACE(y);
        EXPECT_EQ(m_pCanvas->At(rcCol1.left - 5, y), kListBk);
        EXPECT_EQ(m_pCanvas->At(rcCol1.left + 5, y + h - 2), crColumn);
        EXPECT_EQ(m_pCanvas->At(rcCol1.left + 5, y + h - 1), kUnpainted); // the gap
        EXPECT_EQ(m_pCanvas->At(rcCol1.left, y), kUnpainted);             // the column's left line
        EXPECT_EQ(m_pCanvas->At(rcRows.right + 5, y), kListBk);
        EXPECT_EQ(m_pCanvas->At(rcRows.right + 5, y + h - 1), kUnpainted);
    }

    // Without grid lines the area below the rows is one plain block per column.
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, 0);
    m_pCanvas->Clear();
    ListSend(WM_ERASEBKGND, WPARAM(m_pCanvas->Dc()));
    const CRect rcBelow(rcCol1.left, rcRows.bottom, rcCol1.right, rcRows.bottom + 3 * h);
    EXPECT_EQ(m_pCanvas->Count(rcBelow, crColumn), rcBelow.Width() * rcBelow.Height());

    // With grid lines and no rows at all, the whole client area is striped in the
    // list's background.
    ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    m_grid.ShowRow(m_rows[0], FALSE);
    m_pCanvas->Clear();
    ListSend(WM_ERASEBKGND, WPARAM(m_pCanvas->Dc()));
    EXPECT_EQ(m_pCanvas->At(rcCol1.left + 5, 0), kListBk);
    EXPECT_EQ(m_pCanvas->At(rcCol1.left + 5, h - 1), kUnpainted);
    EXPECT_EQ(m_pCanvas->At(rcCol1.left + 5, h), kListBk);
}

TEST_F(GridPaintTest, ItemDataNamingNoLiveRowIsNeverFollowedAndBrokenRowsDoNotThrow) {
    const int nAll = 320 * 240;
    PaintRow(m_rows[1]);
    ASSERT_LT(m_pCanvas->CountOutside(CRect(), kUnpainted), nAll);

    // A dangling handle in the list view's item data.
    const LPARAM bogus = 0x12345;
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    item.lParam = bogus;
    ListSend(LVM_SETITEMW, 0, LPARAM(&item));
    PaintRow(m_rows[1]);
    EXPECT_EQ(m_pCanvas->CountOutside(CRect(), kUnpainted), nAll);
    item.lParam = LPARAM(m_rows[1]);
    ListSend(LVM_SETITEMW, 0, LPARAM(&item));

    // A row whose record lost a cell: painting stops there, nothing escapes.
    XFList_Row* pRow = m_grid.GetRowRecord(m_rows[1]);
    const XFList_Item lost = pRow->m_Items[2];
    pRow->m_Items.RemoveAt(2);
    EXPECT_NO_THROW(PaintRow(m_rows[1]));
    EXPECT_EQ(GroundOf(m_rows[1], 0), kListBk);
    pRow->m_Items.Add(lost);

    // Through the list view's own paint cycle as well.
    m_grid.m_bPaint = true;
    pRow->m_Items.RemoveAt(2);
    m_grid.RedrawRow(m_rows[1]);
    pRow->m_Items.Add(lost);
    m_grid.m_bPaint = false;
}

TEST_F(GridPaintTest, ListViewsPaintCycleDrawsEveryRowAndAWidthChangeRepaintsOnlyBelowTheRows) {
    m_grid.SetItemText(m_rows[2], 2, L"0");
    m_grid.m_bPaint = true;
    m_grid.m_Drawn.clear();
    ListSend(WM_PRINTCLIENT, WPARAM(m_pCanvas->Dc()), PRF_CLIENT);
    m_grid.m_bPaint = false;
    EXPECT_EQ(m_grid.m_Drawn.size(), 4u);
    EXPECT_GT(TextPixels(m_rows[0], 0, kListText), 0);
    EXPECT_GT(TextPixels(m_rows[2], 2, kListText), 0);
    EXPECT_EQ(TextPixels(m_rows[3], 2, kListText), 0);

    // Width change repaints only the columns area outside the rows.
    ::ValidateRect(List(), nullptr);
    EXPECT_TRUE(m_grid.DrawPart(FLDP_INVALIDATECOLUMN, nullptr, nullptr, 1));
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(List(), hUpdate, FALSE);
    const CRect rcRow = Part(m_rows[3], 1, FLR_CELL);
    EXPECT_TRUE(::PtInRegion(hUpdate, rcRow.left + 5, rcRow.bottom + 5));
    EXPECT_FALSE(::PtInRegion(hUpdate, rcRow.left + 5, rcRow.top + 5));    // the rows repaint
    EXPECT_FALSE(::PtInRegion(hUpdate, rcRow.left - 5, rcRow.bottom + 5)); // column 0
    ::DeleteObject(hUpdate);
}

TEST_F(GridPaintTest, ScrollingTakesTheKeyboardFocusFromAnEditor) {
    HWND hEditor = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 20, 50, 15, List(),
                                     nullptr, nullptr, nullptr);
    for (UINT nMsg : {UINT(WM_HSCROLL), UINT(WM_VSCROLL)}) {
        ::SetFocus(hEditor);
        ASSERT_EQ(::GetFocus(), hEditor);
        ListSend(nMsg, SB_ENDSCROLL);
        EXPECT_EQ(::GetFocus(), List()) << nMsg;
    }
    ::DestroyWindow(hEditor);
}

// The off-screen bitmap, row heights from the font, and the column fit.

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

// Width, height, bits per pixel and 1 for bottom-up of a DIB section.
using Shape = std::array<LONG, 4>;
Shape ShapeOf(HGDIOBJ hBitmap) {
    DIBSECTION ds = {};
    if (::GetObjectW(hBitmap, sizeof(ds), &ds) != sizeof(ds))
        return {};
    return {ds.dsBm.bmWidth, ds.dsBm.bmHeight, ds.dsBm.bmBitsPixel, ds.dsBmih.biHeight > 0};
}

using GridBufferTest = PaintedGridTest;

TEST_F(GridBufferTest, OffScreenBitmapTakesExactlyTheSizeOfACellThatDoesNotFit) {
    CDC dc;
    dc.Attach(m_pCanvas->Dc());
    // Cell (x, y, cx, cy), then the bitmap's shape; a smaller cell reuses the bitmap.
    const std::pair<RECT, Shape> cases[] = {
        {{0, 0, 80, 17}, {80, 17, 32, 1}},   {{40, 60, 160, 77}, {120, 17, 32, 1}},
        {{0, 0, 60, 30}, {60, 30, 32, 1}},   {{5, 5, 55, 15}, {60, 30, 32, 1}},
        {{0, 0, 100, 20}, {100, 20, 32, 1}}, {{0, 0, 150, 18}, {150, 18, 32, 1}}};
    HDC hMem = nullptr;
    HGDIOBJ hLast = nullptr;
    for (const auto& [rc, shape] : cases) {
        EXPECT_TRUE(m_grid.PrepareMemDC(&dc, rc));
        const HGDIOBJ hBitmap = m_grid.m_bmpMem.GetSafeHandle();
        EXPECT_EQ(ShapeOf(hBitmap), shape) << rc.left;
        EXPECT_EQ(hBitmap == hLast, rc.left == 5) << rc.left;
        EXPECT_EQ(::GetCurrentObject(m_grid.m_dcMem.GetSafeHdc(), OBJ_BITMAP), hBitmap);
        EXPECT_EQ(::GetCurrentObject(m_grid.m_dcMem.GetSafeHdc(), OBJ_FONT), m_hFont);
        EXPECT_TRUE(!hMem || m_grid.m_dcMem.GetSafeHdc() == hMem); // one DC for the grid's life
        hMem = m_grid.m_dcMem.GetSafeHdc(), hLast = hBitmap;
    }
    EXPECT_EQ(m_grid.m_nMemWidth, 150);
    EXPECT_EQ(m_grid.m_nMemHeight, 18);
    // An empty cell has nothing to compose and leaves the bitmap alone.
    EXPECT_FALSE(m_grid.PrepareMemDC(&dc, RECT{0, 0, 0, 40}));
    EXPECT_EQ(m_grid.m_nMemHeight, 18);
    dc.Detach();
}

TEST_F(GridBufferTest, ColumnFitsItsWidestShownTextWithItsCellPartsOrItsHeading) {
    auto width = [&](int nCol) { return int(ListSend(LVM_GETCOLUMNWIDTH, nCol)); };
    auto setHeading = [&](int nCol, LPCWSTR lpszHeading) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<LPWSTR>(lpszHeading);
        ListSend(LVM_SETCOLUMNW, nCol, LPARAM(&column));
    };
    const wchar_t kHeading[] = L"A heading much wider than any of the cells below it";
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
    HFONT hBold = CreateCrispFont(-13, FW_BOLD);
    EXPECT_EQ(width(1), TextWidth(hBold, L"considerably longer") + 1 + 11);
    ::DeleteObject(hBold);

    setHeading(1, kHeading);
    m_grid.AutoSizeColumn(1);
    EXPECT_EQ(width(1), TextWidth(m_hFont, kHeading) + 20);

    // Nothing to measure but an empty heading: the 30-pixel minimum.
    setHeading(2, L"");
    m_grid.AutoSizeColumn(2);
    EXPECT_EQ(width(2), 30);

    // -1 means the only column of a header-less grid; this one has a header.
    const int nBefore = width(0);
    m_grid.AutoSizeColumn(-1);
    m_grid.AutoSizeColumn(3);
    EXPECT_EQ(width(0), nBefore);
    m_grid.m_nLinesPerRow = 2;
    m_grid.AutoSizeColumn(1);
    EXPECT_EQ(width(1), TextWidth(m_hFont, kHeading) + 20);
}

class GridHeaderlessFitTest : public PaintedGridTest {
protected:
    DWORD ListStyle() const override { return LVS_REPORT | LVS_NOCOLUMNHEADER; }
};

TEST_F(GridHeaderlessFitTest, OnlyColumnFollowsItsRowsAsTheyAreAddedAndChanged) {
    m_grid.InsertColumn(0, L"A heading that must not count for a grid without a header", 300,
                        LVCFMT_LEFT, -1);
    const Rows rows = AddRows(2);
    EXPECT_EQ(int(ListSend(LVM_GETCOLUMNWIDTH, 0)), TextWidth(m_hFont, L"Player 2") + 12);
    m_grid.SetItemText(rows[0], 0, L"Player with a longer name");
    EXPECT_EQ(int(ListSend(LVM_GETCOLUMNWIDTH, 0)),
              TextWidth(m_hFont, L"Player with a longer name") + 12);
}

// Painting, measuring and fitting give back every GDI object they make: a few rounds
// each, counted exactly.
TEST_F(GridPaintTest, PaintingMeasuringAndFittingGiveBackEveryHandle) {
    for (int i = 0; i < 4; i++) {
        m_grid.SetItemText(m_rows[i], 1, L"1500");
        m_grid.GetRowRecord(m_rows[i])->m_bBold = i != 2; // a font made for every bold cell
    }
    m_grid.SetFocusCell(m_rows[3], 1);
    HFONT hOther = CreateCrispFont(-15);
    CDC dc;
    dc.Attach(m_pCanvas->Dc());
    const auto round = [&](int i) {
        for (POSITION hRow : m_rows)
            PaintRow(hRow, true);
        m_grid.PrepareMemDC(&dc, i % 2 ? RECT{0, 0, 80, 17} : RECT{0, 0, 60, 300});
        ListSend(WM_SETFONT, WPARAM(i % 2 ? m_hFont : hOther), FALSE);
        m_grid.AutoSizeColumn(i % 3);
    };
    round(1);
    const DWORD dwBefore = GdiObjects();
    const HPEN hPen = ::CreatePen(PS_SOLID, 1, 0); // the count is a real one
    EXPECT_EQ(GdiObjects(), dwBefore + 1);
    ::DeleteObject(hPen);
    for (int i = 0; i < 6; i++)
        round(i);
    EXPECT_LE(GdiObjects(), dwBefore);
    // And the cells still paint as they should: the focus cell, a bold cell heavier.
    ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
    m_pCanvas->Clear();
    for (POSITION hRow : m_rows)
        PaintRow(hRow, true);
    EXPECT_EQ(GroundOf(m_rows[3], 1), Sys(COLOR_HIGHLIGHT));
    EXPECT_GT(TextPixels(m_rows[1], 1, kListText), TextPixels(m_rows[2], 1, kListText));
    dc.Detach();
    ::DestroyWindow(List());
    ::DeleteObject(hOther);
}

} // namespace
