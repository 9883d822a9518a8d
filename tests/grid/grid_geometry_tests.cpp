// Cell geometry against the list view's own rectangles: the parts of a cell in slot
// order, the focus-cell button, the row band, hit tests and scrolling a cell into view.
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
    int ClientWidth() {
        RECT rc;
        ::GetClientRect(List(), &rc);
        return rc.right;
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
};

// A three-level tree in column 0: top, its child, and the grandchild, all shown.
class GridTreeGeometryTest : public GridGeometryTest {
protected:
    void SetUp() override {
        GridGeometryTest::SetUp();
        m_grid.m_nTreeColumn = 0;
        AddColumns(2);
        hTop = AddRows(2)[0];
        hChild = AddChildRow(hTop);
        hGrand = AddChildRow(hChild);
        SetExpanded(hTop, true);
        SetExpanded(hChild, true);
        ASSERT_GE(Index(hGrand), 0);
    }
    POSITION hTop = nullptr, hChild = nullptr, hGrand = nullptr;
};

TEST_F(GridTreeGeometryTest, TreeColumnIsIndentedOneBoxPerLevelUnlessSwitchedOff) {
    const CRect rcCell = ListCell(hGrand, 0);
    EXPECT_EQ(Part(hGrand, 0, FLR_CELL), rcCell);
    EXPECT_EQ(Part(hGrand, 0, FLR_EXPANDER), CRect(rcCell.left + 2 * Box(), rcCell.top,
                                                   rcCell.left + 3 * Box(), rcCell.top + Box()));
    EXPECT_EQ(Part(hTop, 0, FLR_INDENTED).left, ListCell(hTop, 0).left);
    EXPECT_EQ(Part(hChild, 0, FLR_INDENTED).left, ListCell(hChild, 0).left + Box());
    // Other columns carry neither indent nor expander.
    EXPECT_EQ(Part(hGrand, 1, FLR_INDENTED), ListCell(hGrand, 1));
    EXPECT_FALSE(Has(hGrand, 1, FLR_EXPANDER));

    m_grid.m_dwFlags |= FLF_NOINDENT;
    EXPECT_EQ(Part(hGrand, 0, FLR_EXPANDER).left, rcCell.left);
    EXPECT_EQ(Part(hGrand, 0, FLR_INDENTED), rcCell);
}

TEST_F(GridTreeGeometryTest, SlotsRunExpanderCheckBoxImageAndKeepTheImageSlotWithoutAList) {
    UseProfile(hGrand, 0, FLPS_CHECKBOX);
    m_grid.GetItem(hGrand, 0)->m_nImage = 2;
    CRect rcIn = Part(hGrand, 0, FLR_INDENTED);
    const int B = Box();

    EXPECT_EQ(Part(hGrand, 0, FLR_EXPANDER).left, rcIn.left);
    EXPECT_EQ(Part(hGrand, 0, FLR_CHECKBOX),
              CRect(rcIn.left + B, rcIn.top, rcIn.left + 2 * B, rcIn.top + B));
    // No image list: no image box, but the text still leaves its slot free.
    EXPECT_FALSE(Has(hGrand, 0, FLR_IMAGE));
    EXPECT_EQ(Part(hGrand, 0, FLR_TEXT),
              CRect(rcIn.left + 3 * B + 1, rcIn.top, rcIn.right, rcIn.bottom));
    SetGridLines(false);
    EXPECT_EQ(Part(hGrand, 0, FLR_TEXT).left, rcIn.left + 3 * B);

    HIMAGELIST hImages = ImageList_Create(16, 16, ILC_COLOR32, 4, 0);
    ListSend(LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(hImages));
    rcIn = Part(hGrand, 0, FLR_INDENTED); // the list view may lay its rows out anew
    EXPECT_EQ(Part(hGrand, 0, FLR_IMAGE),
              CRect(rcIn.left + 2 * B, rcIn.top, rcIn.left + 3 * B, rcIn.top + B));
    ListSend(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ImageList_Destroy(hImages);

    // A plain cell in another column has none of the slots.
    EXPECT_FALSE(Has(hGrand, 1, FLR_CHECKBOX));
    EXPECT_FALSE(Has(hGrand, 1, FLR_IMAGE));
    EXPECT_EQ(Part(hGrand, 1, FLR_TEXT), Part(hGrand, 1, FLR_CELL));
}

class GridButtonGeometryTest : public GridGeometryTest {
protected:
    void SetUp() override {
        GridGeometryTest::SetUp();
        AddColumns(2);
        m_rows = AddRows(2);
        UseProfile(m_rows[0], 1, FLPS_EDIT | FLPS_BUTTON);
        UseProfile(m_rows[1], 1, FLPS_EDIT | FLPS_BUTTON);
        m_grid.SetFocusCell(m_rows[0], 1);
    }
    Rows m_rows;
};

TEST_F(GridButtonGeometryTest, ButtonSitsInTheFocusCellGivesWayToTheGridLineAndNeedsRoom) {
    const CRect rcText = Part(m_rows[0], 1, FLR_TEXT);
    const int w = Box() - 1;
    EXPECT_EQ(Part(m_rows[0], 1, FLR_BUTTON),
              CRect(rcText.right - w, rcText.top, rcText.right, rcText.top + w));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_LABEL),
              CRect(rcText.left, rcText.top, rcText.right - w, rcText.bottom - 1));

    SetGridLines(false);
    const CRect rcPlain = Part(m_rows[0], 1, FLR_TEXT);
    EXPECT_EQ(Part(m_rows[0], 1, FLR_BUTTON).Width(), Box());
    EXPECT_EQ(Part(m_rows[0], 1, FLR_BUTTON).Height(), Box());
    EXPECT_EQ(Part(m_rows[0], 1, FLR_LABEL),
              CRect(rcPlain.left, rcPlain.top, rcPlain.right - Box(), rcPlain.bottom));

    // Only the focus cell has one; with whole-row focus no cell does.
    EXPECT_FALSE(Has(m_rows[1], 1, FLR_BUTTON));
    EXPECT_EQ(Part(m_rows[1], 1, FLR_LABEL), Part(m_rows[1], 1, FLR_TEXT));
    m_grid.m_dwFlags |= FLF_ROWFOCUS;
    EXPECT_FALSE(Has(m_rows[0], 1, FLR_BUTTON));

    // Cell too narrow for the button keeps its whole label.
    SetGridLines(true);
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    SetColumnWidth(1, 1 + w); // text area (past the grid line) exactly w wide
    EXPECT_FALSE(Has(m_rows[0], 1, FLR_BUTTON));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_LABEL).Width(), w);

    SetColumnWidth(1, 1 + w + 1);
    EXPECT_TRUE(Has(m_rows[0], 1, FLR_BUTTON));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_LABEL).Width(), 1);
}

TEST_F(GridButtonGeometryTest, RelativePartsAreTheCellsPartsFromItsCornerAndHitTheirCell) {
    m_grid.m_nTreeColumn = 1;
    UseProfile(m_rows[0], 1, FLPS_BUTTON | FLPS_CHECKBOX);
    SetColumnWidth(1, 150);
    const CRect rcCell = Part(m_rows[0], 1, FLR_CELL);
    for (UINT nKind = FLR_CELL; nKind <= FLR_LABEL; nKind++) {
        if (nKind == FLR_IMAGE)
            continue; // no image list
        SCOPED_TRACE(nKind);
        CRect rcPart = Part(m_rows[0], 1, nKind);
        CRect rcRelative = Part(m_rows[0], 1, nKind, TRUE);
        rcRelative.OffsetRect(rcCell.left, rcCell.top);
        EXPECT_EQ(rcRelative, rcPart);

        POSITION hHit = nullptr;
        int nHit = -1;
        EXPECT_TRUE(m_grid.HitTestCell(&hHit, &nHit, rcPart.CenterPoint()));
        EXPECT_EQ(hHit, m_rows[0]);
        EXPECT_EQ(nHit, 1);
    }
    // The row kinds ignore the relative flag.
    CRect rcRow;
    m_grid.GetCellRect(m_rows[1], 0, FLR_ROW, &rcRow, TRUE);
    EXPECT_EQ(rcRow, Part(m_rows[1], 0, FLR_ROW));
    EXPECT_GT(rcRow.top, 0);
}

TEST_F(GridGeometryTest, HiddenRowsAndUnknownKindsHaveNoRectangle) {
    AddColumns(1);
    const POSITION hTop = AddRows(1)[0];
    const POSITION hHidden = AddChildRow(hTop); // under a collapsed parent
    for (UINT nKind = FLR_CELL; nKind <= FLR_ROW; nKind++)
        EXPECT_FALSE(Has(hHidden, 0, nKind)) << nKind;
    EXPECT_TRUE(Has(hTop, 0, FLR_CELL));

    CRect rc(1, 2, 3, 4);
    EXPECT_TRUE(m_grid.GetCellRect(hTop, 0, 213, &rc, FALSE));
    EXPECT_TRUE(rc.IsRectNull());
    // A column outside the row raises for the kinds that read the cell.
    EXPECT_THROW(m_grid.GetCellRect(hTop, 1, FLR_TEXT, &rc, FALSE), CInvalidArgException);
}

class GridPageTest : public GridGeometryTest {
protected:
    void ScrollToTop(int nTop) {
        ListSend(LVM_ENSUREVISIBLE, 0, FALSE);
        ListSend(LVM_SCROLL, 0, nTop * m_grid.GetRowHeight());
        ASSERT_EQ(ListSend(LVM_GETTOPINDEX), nTop);
    }
    int VisibleRows() {
        const CRect rcBand = Part(nullptr, 0, FLR_VISIBLEROWS);
        const CRect rcTop = Part(nullptr, 0, FLR_TOPROW);
        EXPECT_EQ(rcBand.top, rcTop.top);
        EXPECT_EQ(rcBand.right, rcTop.right);
        return rcBand.Height() / m_grid.GetRowHeight();
    }
};

TEST_F(GridPageTest, VisibleRowsCountThePartlyShownLastRowOnlyWhenMoreFollow) {
    AddColumns(2);
    CRect rcNone(1, 1, 1, 1);
    EXPECT_TRUE(m_grid.GetCellRect(nullptr, 0, FLR_VISIBLEROWS, &rcNone, FALSE));
    EXPECT_TRUE(rcNone.IsRectNull());
    EXPECT_FALSE(Has(nullptr, 0, FLR_TOPROW));

    AddRows(15);
    FitRowsPerPage(10);
    ASSERT_EQ(ListSend(LVM_GETCOUNTPERPAGE), 10);
    ScrollToTop(3);
    EXPECT_EQ(VisibleRows(), 11);

    // Three fewer rows: from top index 2 exactly a page remains, and no more counts.
    for (int i = 0; i < 3; i++)
        m_grid.ShowRow(m_grid.GetRowAt(14 - i), FALSE);
    ScrollToTop(2);
    EXPECT_EQ(VisibleRows(), 10);
    ScrollToTop(1);
    EXPECT_EQ(VisibleRows(), 11);
}

TEST_F(GridPageTest, HitTestFindsCellsOnlyWhereRowsAndColumnsAre) {
    AddColumns(2);
    const Rows rows = AddRows(3);
    const CRect rcCell = Part(rows[1], 1, FLR_CELL);
    POSITION hHit = nullptr;
    int nHit = -1;
    EXPECT_TRUE(m_grid.HitTestCell(&hHit, &nHit, CPoint(rcCell.left, rcCell.top)));
    EXPECT_EQ(hHit, rows[1]);
    EXPECT_EQ(nHit, 1);
    // Right and bottom edges belong to the next cell.
    EXPECT_TRUE(m_grid.HitTestCell(&hHit, &nHit, CPoint(rcCell.left + 1, rcCell.bottom)));
    EXPECT_EQ(hHit, rows[2]);

    const CRect rcLast = Part(rows[2], 1, FLR_CELL);
    EXPECT_FALSE(m_grid.HitTestCell(&hHit, &nHit, CPoint(rcLast.left + 1, rcLast.bottom + 1)));
    EXPECT_FALSE(m_grid.HitTestCell(&hHit, &nHit, CPoint(rcLast.right + 1, rcLast.top + 1)));
    // Less than a row above the first one still maps to it, then misses its cells.
    EXPECT_FALSE(m_grid.HitTestCell(&hHit, &nHit, CPoint(5, Part(rows[0], 0, FLR_CELL).top - 2)));

    // A list item whose data names no live row is never taken for one.
    ListSend(LVM_DELETEALLITEMS);
    EXPECT_FALSE(m_grid.HitTestCell(&hHit, &nHit, rcCell.CenterPoint()));
}

class GridScrollIntoViewTest : public GridGeometryTest {
protected:
    void SetUp() override {
        GridGeometryTest::SetUp();
        AddColumns(3);
        for (int nCol = 0; nCol < 3; nCol++)
            SetColumnWidth(nCol, 200);
        m_rows = AddRows(40);
    }
    void ScrollRight(int dx) { ListSend(LVM_SCROLL, dx, 0); }
    Rows m_rows;
};

TEST_F(GridScrollIntoViewTest, CellsComeIntoViewFlushForColumnZeroElseTenPixelsInside) {
    ScrollRight(120);
    ASSERT_EQ(ScrollX(), 120);
    EXPECT_TRUE(m_grid.EnsureCellVisible(m_rows[0], 0));
    EXPECT_EQ(Part(m_rows[0], 0, FLR_CELL).left, 0);

    ScrollRight(1000); // column 1 now starts left of the view
    ASSERT_LT(Part(m_rows[0], 1, FLR_CELL).left, 0);
    EXPECT_TRUE(m_grid.EnsureCellVisible(m_rows[0], 1));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_CELL).left, 10);

    // Cells right of the view end ten pixels inside unless too wide.
    ScrollRight(-10000);
    SetColumnWidth(1, 100);
    ASSERT_GT(Part(m_rows[0], 1, FLR_CELL).right, ClientWidth());
    EXPECT_TRUE(m_grid.EnsureCellVisible(m_rows[0], 1));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_CELL).right, ClientWidth() - 10);

    ScrollRight(-1000);
    SetColumnWidth(1, ClientWidth()); // wider than the view less 20
    EXPECT_TRUE(m_grid.EnsureCellVisible(m_rows[0], 1));
    EXPECT_EQ(Part(m_rows[0], 1, FLR_CELL).left, 10);
}

TEST_F(GridScrollIntoViewTest, WholeRowComesIntoViewEvenWithoutAColumn) {
    ASSERT_EQ(ListSend(LVM_GETTOPINDEX), 0);
    EXPECT_FALSE(m_grid.EnsureCellVisible(m_rows[30], -1));
    const CRect rcRow = Part(m_rows[30], 0, FLR_ROW);
    RECT rcClient;
    ::GetClientRect(List(), &rcClient);
    EXPECT_LE(rcRow.bottom, rcClient.bottom);
    EXPECT_GT(ListSend(LVM_GETTOPINDEX), 0);

    // Moving the focus cell scrolls it into view too.
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.SetFocusCell(m_rows[0], 2);
    EXPECT_EQ(ListSend(LVM_GETTOPINDEX), 0);
    EXPECT_LE(Part(m_rows[0], 2, FLR_CELL).right, ClientWidth());
    EXPECT_FALSE(m_grid.EnsureCellVisible(nullptr, 0));
}

TEST_F(GridGeometryTest, ColumnBodyRunsFromTheHeaderDownAndFollowsHorizontalScrolling) {
    AddColumns(3);
    AddRows(2);
    RECT rcHeaderItem = {};
    ::SendMessageW(HWND(ListSend(LVM_GETHEADER)), HDM_GETITEMRECT, 1, LPARAM(&rcHeaderItem));
    RECT rcClient;
    ::GetClientRect(List(), &rcClient);
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY),
              CRect(rcHeaderItem.left, rcHeaderItem.bottom, rcHeaderItem.right, rcClient.bottom));

    SetColumnWidth(0, 250);
    ListSend(LVM_SCROLL, 40, 0);
    const int nScrolled = ScrollX();
    ASSERT_GT(nScrolled, 0);
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY).left, 250 - nScrolled);
    EXPECT_EQ(Part(nullptr, 1, FLR_COLUMNBODY).left, Part(m_grid.GetRowAt(0), 1, FLR_CELL).left);
}

} // namespace
