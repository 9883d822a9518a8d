// Cell geometry against the list view's own rectangles: the parts of a cell in slot
// order, the focus-cell button, hit tests and scrolling a cell into view.
#include "painted_fixture.h"

void PrintTo(const CRect& rc, std::ostream* os) {
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace {

class GridGeometryTest : public PaintedGridTest {
protected:
    int Box() const { return m_grid.m_nLineHeight + 4; }
    // The cell as the list view's header and item rectangles place it (unscrolled).
    CRect ListCell(POSITION hRow, int nCol) {
        RECT rcHeader = {}, rcItem = {LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(HWND(ListSend(LVM_GETHEADER)), HDM_GETITEMRECT, nCol, LPARAM(&rcHeader));
        ListSend(LVM_GETITEMRECT, Index(hRow), LPARAM(&rcItem));
        return CRect(rcHeader.left, rcItem.top, rcHeader.right, rcItem.bottom);
    }
    void SetColumnWidth(int nCol, int nWidth) {
        ListSend(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(nWidth, 0));
    }
    // How far the list is scrolled to the right.
    int ScrollX() {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        ListSend(LVM_GETITEMRECT, 0, LPARAM(&rc));
        return -rc.left;
    }
    POSITION Hit(CPoint pt, int* pnCol = nullptr) {
        POSITION hHit = nullptr;
        int nHit = -1;
        const BOOL bHit = m_grid.HitTestCell(&hHit, &nHit, pt);
        if (pnCol)
            *pnCol = nHit;
        return bHit ? hHit : nullptr;
    }
};

// The layouts a cell's parts take, each part's rectangle relative to its cell.
enum Layout { kPlain, kNoGridLines, kRowFocus, kNarrow, kRoomForButton };

TEST_F(GridGeometryTest, PartsRunIndentExpanderCheckBoxImageTextAndTheFocusCellsButton) {
    // A three-level tree in column 0, all shown; the top row's cell in column 1 is the
    // focus cell, and it and the child's have a button.
    m_grid.m_nTreeColumn = 0;
    AddColumns(2);
    const POSITION hTop = AddRows(2)[0], hChild = AddChildRow(hTop), hGrand = AddChildRow(hChild);
    SetExpanded(hTop, true);
    SetExpanded(hChild, true);
    UseProfile(hGrand, 0, FLPS_CHECKBOX);
    m_grid.GetItem(hGrand, 0)->m_nImage = 2; // keeps the image slot, with or without a list
    UseProfile(hTop, 1, FLPS_EDIT | FLPS_BUTTON);
    UseProfile(hChild, 1, FLPS_EDIT | FLPS_BUTTON);
    m_grid.SetFocusCell(hTop, 1);
    SetColumnWidth(0, 120);
    const int B = Box(), W = 120, w = B - 1; // the button gives way to the grid line
    const CRect none;
    struct Case {
        Layout layout;
        POSITION hRow;
        int nCol;
        UINT nKind;
        CRect rc;
    };
    const Case cases[] = {
        {kPlain, hGrand, 0, FLR_CELL, {0, 0, W, B}},
        {kPlain, hGrand, 0, FLR_INDENTED, {2 * B, 0, W, B}},
        {kPlain, hGrand, 0, FLR_EXPANDER, {2 * B, 0, 3 * B, B}},
        {kPlain, hGrand, 0, FLR_CHECKBOX, {3 * B, 0, 4 * B, B}},
        {kPlain, hGrand, 0, FLR_IMAGE, none},
        {kPlain, hGrand, 0, FLR_TEXT, {5 * B + 1, 0, W, B}},
        {kPlain, hGrand, 0, FLR_BUTTON, none},
        {kPlain, hGrand, 0, FLR_LABEL, {5 * B + 1, 0, W, B - 1}},
        {kPlain, hChild, 0, FLR_INDENTED, {B, 0, W, B}},
        {kPlain, hTop, 0, FLR_INDENTED, {0, 0, W, B}},
        {kPlain, hGrand, 1, FLR_INDENTED, {0, 0, W, B}},
        {kPlain, hGrand, 1, FLR_EXPANDER, none},
        {kPlain, hGrand, 1, FLR_CHECKBOX, none},
        {kPlain, hGrand, 1, FLR_TEXT, {1, 0, W, B}},
        {kPlain, hTop, 1, FLR_BUTTON, {W - w, 0, W, w}},
        {kPlain, hTop, 1, FLR_LABEL, {1, 0, W - w, B - 1}},
        {kPlain, hChild, 1, FLR_BUTTON, none}, // only the focus cell has one
        {kPlain, hChild, 1, FLR_LABEL, {1, 0, W, B - 1}},
        {kNoGridLines, hGrand, 0, FLR_TEXT, {5 * B, 0, W, B}},
        {kNoGridLines, hTop, 1, FLR_BUTTON, {W - B, 0, W, B}},
        {kNoGridLines, hTop, 1, FLR_LABEL, {0, 0, W - B, B}},
        {kRowFocus, hTop, 1, FLR_BUTTON, none},
        // A cell too narrow for the button keeps its whole label.
        {kNarrow, hTop, 1, FLR_BUTTON, none},
        {kNarrow, hTop, 1, FLR_LABEL, {1, 0, 1 + w, B - 1}},
        {kRoomForButton, hTop, 1, FLR_BUTTON, {2, 0, 2 + w, w}},
        {kRoomForButton, hTop, 1, FLR_LABEL, {1, 0, 2, B - 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        SetGridLines(c.layout != kNoGridLines);
        m_grid.m_dwFlags = c.layout == kRowFocus ? FLF_ROWFOCUS : 0;
        SetColumnWidth(1, c.layout == kNarrow ? 1 + w : c.layout == kRoomForButton ? 2 + w : W);
        if (c.rc.IsRectNull()) {
            EXPECT_FALSE(Has(c.hRow, c.nCol, c.nKind));
            continue;
        }
        EXPECT_EQ(Part(c.hRow, c.nCol, c.nKind, TRUE), c.rc);
        // From the list view's own cell, and hitting that cell.
        CRect rcAbsolute = c.rc;
        const CRect rcList = ListCell(c.hRow, c.nCol);
        rcAbsolute.OffsetRect(rcList.left, rcList.top);
        EXPECT_EQ(Part(c.hRow, c.nCol, c.nKind), rcAbsolute);
        int nHit = -1;
        EXPECT_TRUE(Hit(rcAbsolute.CenterPoint(), &nHit) == c.hRow && nHit == c.nCol);
    }

    // The row kinds ignore the relative flag.
    CRect rcRow;
    m_grid.GetCellRect(hChild, 0, FLR_ROW, &rcRow, TRUE);
    EXPECT_EQ(rcRow, Part(hChild, 0, FLR_ROW));
    EXPECT_GT(rcRow.top, 0);
    // Hidden rows have no rectangle of any kind; a column outside the row raises for the
    // kinds that read the cell.
    SetExpanded(hChild, false);
    for (UINT nKind = FLR_CELL; nKind <= FLR_ROW; nKind++)
        EXPECT_FALSE(Has(hGrand, 0, nKind)) << nKind;
    EXPECT_THROW(m_grid.GetCellRect(hTop, 2, FLR_TEXT, &rcRow, FALSE), CInvalidArgException);
}

TEST_F(GridGeometryTest, HitTestFindsCellsOnlyWhereRowsAndColumnsAre) {
    AddColumns(2);
    const Rows rows = AddRows(3);
    const CRect rcCell = Part(rows[1], 1, FLR_CELL), rcLast = Part(rows[2], 1, FLR_CELL);
    // Right and bottom edges belong to the next cell; less than a row above the first
    // one still maps to it, then misses its cells.
    EXPECT_EQ((std::vector<POSITION>{Hit(CPoint(rcCell.left, rcCell.top)),
                                     Hit(CPoint(rcCell.left + 1, rcCell.bottom)),
                                     Hit(CPoint(rcLast.left + 1, rcLast.bottom + 1)),
                                     Hit(CPoint(rcLast.right + 1, rcLast.top + 1)),
                                     Hit(CPoint(5, Part(rows[0], 0, FLR_CELL).top - 2))}),
              (Rows{rows[1], rows[2], nullptr, nullptr, nullptr}));
    // A list item whose data names no live row is never taken for one.
    ListSend(LVM_DELETEALLITEMS);
    EXPECT_EQ(Hit(rcCell.CenterPoint()), nullptr);
}

TEST_F(GridGeometryTest, CellsComeIntoViewFlushForColumnZeroElseTenPixelsInside) {
    AddColumns(3);
    for (int nCol = 0; nCol < 3; nCol++)
        SetColumnWidth(nCol, 200);
    const Rows rows = AddRows(40);
    CRect rcClient;
    ::GetClientRect(List(), &rcClient);
    const int W = rcClient.right;
    // Scrolled to x, column 1 this wide, the cell of this column made visible: where
    // its left edge ends (or, for bRight, its right edge). Too wide a cell shows its left.
    struct Case {
        int x, nWidth, nCol;
        bool bRight;
        int nEdge;
    };
    const Case cases[] = {{120, 200, 0, false, 0},
                          {1120, 200, 1, false, 10},
                          {0, 100, 1, true, W - 10},
                          {0, W, 1, false, 10}};
    for (const Case& c : cases) {
        SetColumnWidth(1, c.nWidth);
        ListSend(LVM_SCROLL, -10000, 0);
        ListSend(LVM_SCROLL, c.x, 0);
        const CRect rcBefore = Part(rows[0], c.nCol, FLR_CELL);
        ASSERT_TRUE(rcBefore.left < 0 || rcBefore.right > W) << c.x;
        EXPECT_TRUE(m_grid.EnsureCellVisible(rows[0], c.nCol));
        const CRect rc = Part(rows[0], c.nCol, FLR_CELL);
        EXPECT_EQ(c.bRight ? rc.right : rc.left, c.nEdge) << c.x;
    }

    // The whole row, even without a column; moving the focus cell scrolls it into view.
    ListSend(LVM_SCROLL, -10000, 0);
    EXPECT_FALSE(m_grid.EnsureCellVisible(rows[30], -1));
    EXPECT_LE(Part(rows[30], 0, FLR_ROW).bottom, rcClient.bottom);
    EXPECT_GT(ListSend(LVM_GETTOPINDEX), 0);
    m_grid.SetFocusCell(rows[0], 2);
    EXPECT_EQ(ListSend(LVM_GETTOPINDEX), 0);
    EXPECT_LE(Part(rows[0], 2, FLR_CELL).right, W);
}

TEST_F(GridGeometryTest, ColumnBodyRunsFromTheHeaderDownAndFollowsHorizontalScrolling) {
    AddColumns(3);
    AddRows(2);
    RECT rcHeaderItem = {}, rcClient;
    ::SendMessageW(HWND(ListSend(LVM_GETHEADER)), HDM_GETITEMRECT, 1, LPARAM(&rcHeaderItem));
    ::GetClientRect(List(), &rcClient);
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY),
              CRect(rcHeaderItem.left, rcHeaderItem.bottom, rcHeaderItem.right, rcClient.bottom));
    SetColumnWidth(0, 250);
    ListSend(LVM_SCROLL, 40, 0);
    ASSERT_GT(ScrollX(), 0);
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY).left, 250 - ScrollX());
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY).left, Part(m_grid.GetRowAt(0), 1, FLR_CELL).left);
}

} // namespace
