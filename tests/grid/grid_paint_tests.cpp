// Painting checked in pixels: rows painted into a bitmap of ours, through DrawItem or
// through the list view itself, then read back.
#include <algorithm>
#include <string>

#include "painted_fixture.h"

namespace {

constexpr RECT kAll = {0, 0, 320, 240}; // the whole canvas

COLORREF Sys(int nIndex) {
    return ::GetSysColor(nIndex);
}

class GridPaintTest : public PaintedGridTest {
protected:
    void SetUp() override {
        PaintedGridTest::SetUp();
        AddColumns(3);
        // Wider than the others: every row's last cell outgrows the off-screen bitmap.
        ListSend(LVM_SETCOLUMNWIDTH, 2, 100);
        m_rows = AddRows(4);
    }
    // The first colour in the cell's label other than its ground: the text's.
    COLORREF InkOf(POSITION hRow, int nCol) {
        const COLORREF crGround = GroundOf(hRow, nCol);
        const std::vector<COLORREF> label = m_pCanvas->Pixels(Part(hRow, nCol, FLR_LABEL));
        const auto it =
            std::find_if(label.begin(), label.end(), [&](COLORREF cr) { return cr != crGround; });
        return it == label.end() ? crGround : *it;
    }
    // Every cell as four letters of the legend ('?' for others): its ground, its text,
    // its left and its bottom edge; cells apart by ' ', rows by '|'.
    std::string Look(const std::map<COLORREF, char>& legend) {
        const auto letter = [&](COLORREF cr) { return legend.count(cr) ? legend.at(cr) : '?'; };
        std::string look;
        for (POSITION hRow : m_rows) {
            PaintRow(hRow);
            for (int nCol = 0; nCol < 3; nCol++) {
                const CRect rc = Part(hRow, nCol, FLR_CELL);
                const CPoint c = rc.CenterPoint();
                look += {letter(GroundOf(hRow, nCol)), letter(InkOf(hRow, nCol)),
                         letter(m_pCanvas->At(rc.left, c.y)),
                         letter(m_pCanvas->At(c.x, rc.bottom - 1)), ' '};
            }
            look.back() = '|';
        }
        return look;
    }
    Rows m_rows;
};

TEST_F(GridPaintTest, CellsTakeTheFocusColoursThenTheRowsThenTheColumnsThenTheLists) {
    const COLORREF crRow = RGB(40, 40, 200), crColumn = RGB(200, 40, 40);
    const COLORREF crColumnText = RGB(0, 120, 0), crFocus = RGB(1, 2, 3);
    const COLORREF colours[] = {kListBk, kListText, Sys(COLOR_HIGHLIGHT), Sys(COLOR_HIGHLIGHTTEXT),
                                crRow,   crColumn,  crColumnText,         Sys(COLOR_BTNFACE),
                                crFocus};
    std::map<COLORREF, char> legend;
    for (int i = 0; i < 9; i++)
        legend.emplace(colours[i], "LlHhRCcgF"[i]);
    m_grid.GetColumn(1)->m_crBk = crColumn;
    m_grid.GetColumn(1)->m_crText = crColumnText;
    m_grid.GetRowRecord(m_rows[0])->m_crBk = crRow;
    m_grid.GetRowRecord(m_rows[3])->m_crBk = FLCLR_SYSTEM; // counts as not set for a row
    for (POSITION hRow : m_rows)
        m_grid.SetItemText(hRow, 1, L"42"), m_grid.SetItemText(hRow, 2, L"7");
    m_grid.SetFocusCell(m_rows[1], 1);

    struct Case {
        DWORD dwFlags, dwExStyle;
        COLORREF crFocusBk;
        const char* pszLook;
    };
    const DWORD kRowFocus = FLF_ROWFOCUS, kFullRow = LVS_EX_FULLROWSELECT,
                kLines = LVS_EX_GRIDLINES;
    const Case cases[] = {
        {0, kLines, FLCLR_SYSTEM, "Rlgg Rcgg Rlgg|Llgg Hhgg Llgg|Llgg Ccgg Llgg|Llgg Ccgg Llgg|"},
        {0, 0, FLCLR_SYSTEM, "RlRR RcRR RlRR|LlLL HhHH LlLL|LlLL CcCC LlLL|LlLL CcCC LlLL|"},
        {0, kLines, crFocus, "Rlgg Rcgg Rlgg|Llgg Fhgg Llgg|Llgg Ccgg Llgg|Llgg Ccgg Llgg|"},
        {0, kLines, FLCLR_NONE, "Rlgg Rcgg Rlgg|Llgg Chgg Llgg|Llgg Ccgg Llgg|Llgg Ccgg Llgg|"},
        // Whole-row focus colours column 0 only, unless the full row is selected.
        {kRowFocus, kLines, FLCLR_SYSTEM,
         "Rlgg Rcgg Rlgg|Hhgg Ccgg Llgg|Llgg Ccgg Llgg|Llgg Ccgg Llgg|"},
        {kRowFocus, kLines | kFullRow, FLCLR_SYSTEM,
         "Rlgg Rcgg Rlgg|Hhgg Hhgg Hhgg|Llgg Ccgg Llgg|Llgg Ccgg Llgg|"},
    };
    for (const Case& c : cases) {
        m_grid.m_dwFlags = c.dwFlags;
        ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, kLines | kFullRow, c.dwExStyle);
        m_grid.m_crFocusCellBk = c.crFocusBk;
        EXPECT_EQ(Look(legend), c.pszLook) << &c - cases;
    }
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

    m_grid.m_pEditor = nullptr;
    ::DestroyWindow(editor.Detach());
    PaintRow(m_rows[1]);
    EXPECT_EQ(m_pCanvas->Count(rcEditor, kUnpainted), 0);
}

TEST_F(GridPaintTest, TextOfAnyLengthStaysInsideItsLabel) {
    std::wstring strHuge, strAstral;
    for (int i = 0; i < 1000; i++)
        strHuge += L"word word ", strAstral += i < 40 ? L"\U0001F600\U00010348" : L"";
    strAstral += L"\xD800"; // a lone high surrogate at the end
    UseProfile(m_rows[1], 1, FLPS_EDIT | FLPS_BUTTON);
    m_grid.SetFocusCell(m_rows[1], 1);

    for (const std::wstring& strText :
         {std::wstring(60, L'W'), strHuge, strAstral, std::wstring()}) {
        SCOPED_TRACE(strText.size());
        for (POSITION hRow : {m_rows[0], m_rows[1]}) {
            m_grid.SetItemText(hRow, 1, strText.c_str());
            const COLORREF crText = hRow == m_rows[1] ? Sys(COLOR_HIGHLIGHTTEXT) : kListText;
            PaintRow(hRow);
            CRect rcInset = Part(hRow, 1, FLR_LABEL);
            rcInset.DeflateRect(3, 1, 3, 2);
            EXPECT_EQ(m_pCanvas->Count(rcInset, crText) > 0, !strText.empty());
            // Column 0's own text is the only other text of the row; the button's dots
            // are the focus text colour too.
            const CRect rcCol0 = Part(hRow, 0, FLR_CELL);
            CRect rcButton;
            m_grid.GetCellRect(hRow, 1, FLR_BUTTON, &rcButton, FALSE);
            EXPECT_EQ(m_pCanvas->Count(kAll, crText) - m_pCanvas->Count(rcInset, crText) -
                          m_pCanvas->Count(rcCol0, crText),
                      hRow == m_rows[1] ? m_pCanvas->Count(rcButton, crText) : 0);
        }
    }
    // Every row was painted whole and nothing else.
    const CRect rcRow = Part(m_rows[1], 0, FLR_ROW);
    EXPECT_EQ(m_pCanvas->Count(kAll, kUnpainted), 320 * 240 - rcRow.Width() * rcRow.Height());
}

TEST_F(GridPaintTest, ExpanderShowsPlusWhenCollapsedMinusWhenExpandedNothingWithoutChildren) {
    m_grid.m_nTreeColumn = 0;
    const POSITION hChild = AddChildRow(m_rows[0]);
    const std::map<COLORREF, char> legend = {
        {RGB(172, 168, 153), 'F'}, {RGB(255, 255, 255), '.'}, {0, '#'}};
    // The 9 x 9 box in the middle of the slot, collapsed; expanded, the plus loses its
    // upright.
    std::vector<std::string> boxes[2] = {{"FFFFFFFFF", "F.......F", "F...#...F", "F...#...F",
                                          "F.#####.F", "F...#...F", "F...#...F", "F.......F",
                                          "FFFFFFFFF"}};
    boxes[1] = boxes[0];
    for (int y : {2, 3, 5, 6})
        boxes[1][y][4] = '.';
    for (bool bExpanded : {false, true}) {
        SetExpanded(m_rows[0], bExpanded);
        PaintRow(m_rows[0]);
        const CPoint c = Part(m_rows[0], 0, FLR_EXPANDER).CenterPoint();
        EXPECT_EQ(m_pCanvas->Picture({c.x - 4, c.y - 4, c.x + 5, c.y + 5}, legend),
                  boxes[bExpanded]);
    }
    // The child has no children of its own: its slot shows only the row's ground.
    PaintRow(hChild);
    const CRect rcSlot = Part(hChild, 0, FLR_EXPANDER);
    const CRect rcGround(rcSlot.left + 1, rcSlot.top, rcSlot.right, rcSlot.bottom - 1);
    EXPECT_EQ(m_pCanvas->Count(rcGround, kListBk), rcGround.Width() * rcGround.Height());
}

TEST_F(GridPaintTest, EraseFillsOnlyOutsideTheRowsInStripesThatContinueTheGridLines) {
    const COLORREF crColumn = RGB(200, 220, 255);
    m_grid.GetColumn(1)->m_crBk = crColumn;
    for (int i = 3; i >= 1; i--)
        m_grid.ShowRow(m_rows[i], FALSE); // one row left
    const int h = m_grid.GetRowHeight();
    const CRect rcRows = Part(nullptr, 0, FLR_VISIBLEROWS), rcCol1 = Part(m_rows[0], 1, FLR_CELL);
    const auto erase = [&](bool bLines) {
        SetGridLines(bLines);
        m_pCanvas->Clear();
        return ListSend(WM_ERASEBKGND, WPARAM(m_pCanvas->Dc()));
    };

    // Three rows' height of pixel column x from y down, and stripes of a colour with
    // one-pixel gaps for the horizontal grid lines.
    const std::map<COLORREF, char> legend = {{kListBk, 'L'}, {crColumn, 'C'}, {kUnpainted, '.'}};
    const auto strip = [&](int x, int y) {
        return m_pCanvas->Strip({x, y, x + 1, y + 3 * h}, legend);
    };
    const auto stripes = [&](char c) {
        const std::string stripe = std::string(h - 1, c) + '.';
        return stripe + stripe + stripe;
    };

    EXPECT_TRUE(erase(true));
    EXPECT_EQ(m_pCanvas->Count(rcRows, kUnpainted), rcRows.Width() * rcRows.Height());
    // Below the rows: column 0 and right of the columns in the list's colour, column 1 in
    // its own but its left line.
    const int y = rcRows.bottom;
    EXPECT_EQ((std::vector<std::string>{strip(rcCol1.left - 5, y), strip(rcCol1.left + 5, y),
                                        strip(rcCol1.left, y), strip(rcRows.right + 5, y)}),
              (std::vector<std::string>{stripes('L'), stripes('C'), std::string(3 * h, '.'),
                                        stripes('L')}));
    // Without grid lines, one plain block per column.
    erase(false);
    EXPECT_EQ(strip(rcCol1.left, y), std::string(3 * h, 'C'));
    // With grid lines and no rows at all, the whole client area is striped.
    m_grid.ShowRow(m_rows[0], FALSE);
    erase(true);
    EXPECT_EQ(strip(rcCol1.left + 5, 0), stripes('L'));
}

TEST_F(GridPaintTest, ItemDataNamingNoLiveRowIsNeverFollowed) {
    ASSERT_LT(PaintRow(m_rows[1]).Count(kAll, kUnpainted), 320 * 240);
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    item.lParam = 0x12345; // a dangling handle
    ListSend(LVM_SETITEMW, 0, LPARAM(&item));
    EXPECT_EQ(PaintRow(m_rows[1]).Count(kAll, kUnpainted), 320 * 240);
}

// Row 1's record lost a cell: its painting stops there, and nothing escapes into the
// list view's paint cycle.
TEST_F(GridPaintTest, ListViewsPaintCycleDrawsEveryRowAndAWidthChangeRepaintsOnlyBelowTheRows) {
    m_grid.SetItemText(m_rows[2], 2, L"0");
    XFList_Row* pRow = m_grid.GetRowRecord(m_rows[1]);
    const XFList_Item lost = pRow->m_Items[2];
    pRow->m_Items.RemoveAt(2);
    m_grid.m_bPaint = true;
    m_grid.m_Drawn.clear();
    ListSend(WM_PRINTCLIENT, WPARAM(m_pCanvas->Dc()), PRF_CLIENT);
    m_grid.m_bPaint = false;
    EXPECT_EQ(m_grid.m_Drawn.size(), 4u);
    EXPECT_NO_THROW(PaintRow(m_rows[1], true)); // the same row again, by itself
    pRow->m_Items.Add(lost);
    EXPECT_EQ((std::vector<bool>{TextPixels(m_rows[0], 0, kListText) > 0,
                                 TextPixels(m_rows[1], 0, kListText) > 0,
                                 TextPixels(m_rows[2], 2, kListText) > 0,
                                 TextPixels(m_rows[3], 2, kListText) > 0}),
              (std::vector<bool>{true, true, true, false}));

    ::ValidateRect(List(), nullptr);
    EXPECT_TRUE(m_grid.DrawPart(FLDP_INVALIDATECOLUMN, nullptr, nullptr, 1));
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(List(), hUpdate, FALSE);
    const CRect rcRow = Part(m_rows[3], 1, FLR_CELL);
    // Below the rows in column 1; not the rows (they repaint), nor column 0.
    EXPECT_EQ((std::vector<bool>{!!::PtInRegion(hUpdate, rcRow.left + 5, rcRow.bottom + 5),
                                 !!::PtInRegion(hUpdate, rcRow.left + 5, rcRow.top + 5),
                                 !!::PtInRegion(hUpdate, rcRow.left - 5, rcRow.bottom + 5)}),
              (std::vector<bool>{true, false, false}));
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

// The column fit, and the GDI objects painting, measuring and fitting give back.

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

using GridBufferTest = PaintedGridTest;

TEST_F(GridBufferTest, ColumnFitsItsWidestShownTextWithItsCellPartsOrItsHeading) {
    auto width = [&](int nCol) { return int(ListSend(LVM_GETCOLUMNWIDTH, nCol)); };
    auto fit = [&](int nCol, LPCWSTR lpszHeading) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<LPWSTR>(lpszHeading);
        ListSend(LVM_SETCOLUMNW, nCol, LPARAM(&column));
        m_grid.AutoSizeColumn(nCol);
        return width(nCol);
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

    // Label one grid line narrower than the cell, and 11 pixels to spare; the heading
    // with 20; nothing but an empty heading, the 30-pixel minimum.
    HFONT hBold = CreateCrispFont(-13, FW_BOLD);
    EXPECT_EQ(fit(1, L"C"), TextWidth(hBold, L"considerably longer") + 1 + 11);
    ::DeleteObject(hBold);
    EXPECT_EQ(fit(1, kHeading), TextWidth(m_hFont, kHeading) + 20);
    EXPECT_EQ(fit(2, L""), 30);
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

// A few rounds each of painting, measuring and fitting, counted exactly.
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
    // And a bold cell still paints heavier than a plain one.
    ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
    PaintRow(m_rows[1]);
    PaintRow(m_rows[2], true);
    EXPECT_GT(TextPixels(m_rows[1], 1, kListText), TextPixels(m_rows[2], 1, kListText));
    dc.Detach();
    ::DestroyWindow(List());
    ::DeleteObject(hOther);
}

} // namespace
