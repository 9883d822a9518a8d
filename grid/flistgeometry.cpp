// Cell geometry: every rectangle of a cell and its parts, the row band and the areas
// no row covers, all derived afresh from the list view's own rectangles.
#include "flistctrl.h"

namespace {

RECT MakeBox(LONG x, LONG y, int nSide) {
    return RECT{x, y, static_cast<LONG>(x + nSide), static_cast<LONG>(y + nSide)};
}

} // namespace

void CFListCtrl::GetCellMetrics(POSITION hRow, int nCol, BOOL bRelative, BOOL bParts,
                                XFList_CellMetrics& m) {
    m = XFList_CellMetrics();
    // The parts read the cell and its profile first, so a column outside the row
    // raises whether or not the row is shown.
    const XFList_Item* pItem = bParts ? GetItem(hRow, nCol) : nullptr;
    const DWORD dwStyle = bParts ? GetProfileAt(pItem->m_nProfile)->m_dwStyle : 0;

    const XFList_Row* pRow = GetRowRecord(hRow);
    if (!pRow || pRow->m_nListIndex < 0 || nCol < 0 || nCol >= m_Columns.GetSize())
        return;

    const int nBox = m_nLineHeight + 4;
    m.bGridLines = HasGridLines();
    const int nGrid = m.bGridLines ? 1 : 0;
    const BOOL bTree = nCol == m_nTreeColumn;

    // Sub-item 0 reports the whole row, so the right edge always comes from the width.
    CRect rcCell;
    GetSubItemRect(pRow->m_nListIndex, nCol, LVIR_BOUNDS, rcCell);
    rcCell.right = rcCell.left + GetColumnWidth(nCol);
    m.bCell = TRUE;
    m.rcCell = rcCell;

    m.rcIndented = rcCell;
    if (bTree && !(m_dwFlags & FLF_NOINDENT))
        m.rcIndented.left += nBox * (pRow->m_nLevel - 1);
    const RECT& rcIn = m.rcIndented;

    if (bTree) {
        m.bExpander = TRUE;
        m.rcExpander = MakeBox(rcIn.left, rcIn.top, nBox);
    }
    if (bParts) {
        const BOOL bCheck = (dwStyle & FLPS_CHECKBOX) != 0;
        // The image slot is kept whenever the cell names an image, list or no list.
        const BOOL bImageSlot = pItem->m_nImage >= 0;
        const LONG xCheck = rcIn.left + (bTree ? nBox : 0);
        const LONG xImage = xCheck + (bCheck ? nBox : 0);
        if (bCheck) {
            m.bCheckBox = TRUE;
            m.rcCheckBox = MakeBox(xCheck, rcIn.top, nBox);
        }
        if (bImageSlot && GetSmallImages()) {
            m.bImage = TRUE;
            m.rcImage = MakeBox(xImage, rcIn.top, nBox);
        }

        m.rcText = rcIn;
        m.rcText.left = xImage + (bImageSlot ? nBox : 0) + nGrid;

        // The button gives way to the bottom grid line, and needs room left of it.
        const int nButton = nBox - nGrid;
        const RECT& rcText = m.rcText;
        m.bButton = (dwStyle & FLPS_BUTTON) && IsFocusCell(hRow, nCol) &&
                    rcText.right - nButton > rcText.left;
        m.rcLabel = rcText;
        if (m.bButton) {
            m.rcButton = MakeBox(rcText.right - nButton, rcText.top, nButton);
            m.rcLabel.right -= nButton;
        }
        m.rcLabel.bottom -= nGrid;
    }

    if (bRelative)
        m.Offset(-rcCell.left, -rcCell.top);
}

BOOL CFListCtrl::GetCellRect(POSITION hRow, int nCol, UINT nKind, RECT* pRect, BOOL bRelative) {
    ::SetRectEmpty(pRect);
    if (nKind >= FLR_CELL && nKind <= FLR_LABEL) {
        XFList_CellMetrics m;
        GetCellMetrics(hRow, nCol, bRelative, nKind >= FLR_CHECKBOX, m);
        BOOL bExists = m.bCell;
        const RECT* pPart = &m.rcCell;
        switch (nKind) {
            case FLR_INDENTED:
                pPart = &m.rcIndented;
                break;
            case FLR_EXPANDER:
                bExists = m.bExpander, pPart = &m.rcExpander;
                break;
            case FLR_CHECKBOX:
                bExists = m.bCheckBox, pPart = &m.rcCheckBox;
                break;
            case FLR_IMAGE:
                bExists = m.bImage, pPart = &m.rcImage;
                break;
            case FLR_TEXT:
                pPart = &m.rcText;
                break;
            case FLR_BUTTON:
                bExists = m.bButton, pPart = &m.rcButton;
                break;
            case FLR_LABEL:
                pPart = &m.rcLabel;
                break;
            default:
                break;
        }
        if (bExists)
            *pRect = *pPart;
        return bExists;
    }
    switch (nKind) {
        case FLR_ROW: {
            const XFList_Row* pRow = GetRowRecord(hRow);
            return pRow && pRow->m_nListIndex >= 0 && GetListItemBounds(pRow->m_nListIndex, pRect);
        }
        case FLR_TOPROW:
            return GetTopRowRect(pRect);
        case FLR_VISIBLEROWS:
            GetVisibleRowsRect(pRect);
            return TRUE;
        case FLR_COLUMNBODY:
            return GetColumnBodyRect(nCol, pRect);
        default:
            return TRUE; // no such kind: the empty rectangle
    }
}

BOOL CFListCtrl::GetListItemBounds(int nItem, RECT* pRect) {
    return GetItemRect(nItem, pRect, LVIR_BOUNDS);
}

BOOL CFListCtrl::GetTopRowRect(RECT* pRect) {
    if (GetItemCount() == 0)
        return FALSE;
    const POSITION hTop = GetRowOfListItem(GetTopIndex());
    return IsLiveRow(hTop) && GetCellRect(hTop, 0, FLR_ROW, pRect, FALSE);
}

void CFListCtrl::GetVisibleRowsRect(RECT* pRect) {
    RECT rcTop;
    if (!GetTopRowRect(&rcTop)) {
        ::SetRectEmpty(pRect);
        return;
    }
    int nRows = GetItemCount() - GetTopIndex();
    const int nPerPage = GetCountPerPage();
    if (nRows > nPerPage)
        nRows = nPerPage + 1; // the partly shown last row counts
    *pRect = rcTop;
    pRect->bottom = rcTop.top + nRows * (rcTop.bottom - rcTop.top);
}

BOOL CFListCtrl::GetColumnBodyRect(int nCol, RECT* pRect) {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    RECT rcHeaderItem;
    if (!pHeader || nCol < 0 || nCol >= m_Columns.GetSize() ||
        !pHeader->GetItemRect(nCol, &rcHeaderItem))
        return FALSE;
    CRect rcClient;
    GetClientRect(&rcClient);
    *pRect = RECT{rcHeaderItem.left, rcHeaderItem.bottom, rcHeaderItem.right, rcClient.bottom};

    // The header window moves left as the list scrolls; the column follows it.
    CRect rcHeaderWnd;
    pHeader->GetWindowRect(&rcHeaderWnd);
    POINT ptClient = {0, 0};
    ClientToScreen(&ptClient);
    ::OffsetRect(pRect, rcHeaderWnd.left - ptClient.x, 0);
    return TRUE;
}

int CFListCtrl::GetRowHeight() {
    RECT rcFirst;
    if (GetItemCount() == 0 || !GetListItemBounds(0, &rcFirst))
        return m_nLinesPerRow * m_nLineHeight + 4;
    return rcFirst.bottom - rcFirst.top;
}

BOOL CFListCtrl::HitTestCell(POSITION* phRow, int* pnCol, CPoint pt) {
    const int nCount = GetItemCount();
    const int nTop = GetTopIndex();
    if (nCount == 0 || nTop >= nCount)
        return FALSE;
    int nEnd = nTop + GetCountPerPage() + 1;
    if (nEnd > nCount)
        nEnd = nCount;
    RECT rcTop;
    if (!GetListItemBounds(nTop, &rcTop) || rcTop.bottom <= rcTop.top)
        return FALSE;
    // Truncation toward zero maps a point just above the first row to that row; the
    // cell test below then rejects it.
    const int nItem = nTop + (pt.y - rcTop.top) / (rcTop.bottom - rcTop.top);
    if (nItem >= nEnd || nItem < nTop)
        return FALSE;
    const POSITION hRow = GetRowOfListItem(nItem);
    if (!IsLiveRow(hRow))
        return FALSE;

    *phRow = hRow;
    const int nCols = static_cast<int>(m_Columns.GetSize());
    for (int nCol = 0; nCol < nCols; nCol++) {
        RECT rcCell;
        if (GetCellRect(hRow, nCol, FLR_CELL, &rcCell, FALSE) && ::PtInRect(&rcCell, pt)) {
            *pnCol = nCol;
            return TRUE;
        }
    }
    *pnCol = nCols;
    return FALSE;
}

BOOL CFListCtrl::EnsureCellVisible(POSITION hRow, int nCol) {
    const XFList_Row* pRow = GetRowRecord(hRow);
    if (!pRow || pRow->m_nListIndex < 0)
        return FALSE;
    if (!EnsureVisible(pRow->m_nListIndex, FALSE))
        return FALSE;
    RECT rcCell;
    if (nCol < 0 || !GetCellRect(hRow, nCol, FLR_CELL, &rcCell, FALSE))
        return FALSE;

    // Column 0 is scrolled flush with the edge; any other keeps a 10-pixel margin.
    constexpr int nMargin = 10;
    CRect rcClient;
    GetClientRect(&rcClient);
    int dx = 0;
    if (rcCell.left < rcClient.left) {
        dx = rcCell.left - rcClient.left - (nCol != 0 ? nMargin : 0);
    } else if (rcCell.right > rcClient.right) {
        dx = rcCell.right - rcClient.right + nMargin;
        if (rcCell.right - rcCell.left > rcClient.Width() - 2 * nMargin)
            dx = rcCell.left - rcClient.left - nMargin; // too wide: show its left edge
    }
    Scroll(dx, 0);
    InvalidateGap();
    return TRUE;
}

BOOL CFListCtrl::IsFocusCell(POSITION hRow, int nCol) {
    return hRow && hRow == m_hFocusRow && nCol == GetFocusCol();
}

BOOL CFListCtrl::HasGridLines() {
    return (GetExtendedStyle() & LVS_EX_GRIDLINES) != 0;
}

CImageList* CFListCtrl::GetSmallImages() {
    return GetImageList(LVSIL_SMALL);
}
