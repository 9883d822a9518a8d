// The client area outside the rows: its erase, and the repaint requests for the band
// above the first row and a column's area after scrolling or a width change.
#include "flistctrl.h"

#include <algorithm>

namespace {

// A band that ends above where it starts (no rows yet) paints nothing, rather than
// the area under the header.
void FillBand(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, COLORREF cr) {
    if (nLeft < nRight && nTop < nBottom) {
        const RECT rc = {nLeft, nTop, nRight, nBottom};
        pDC->FillSolidRect(&rc, cr);
    }
}

// Strips one row high with a one-pixel gap, continuing the rows' horizontal grid lines.
void FillStripes(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, int nRow, COLORREF cr) {
    for (int y = nTop; y < nBottom; y += nRow)
        FillBand(pDC, nLeft, y, nRight, y + nRow - 1, cr);
}

} // namespace

BOOL CFListCtrl::OnEraseBkgnd(CDC* pDC) {
    DrawPart(FLDP_ERASE, pDC, nullptr, 0);
    return TRUE; // the rows are never erased: DrawItem paints them whole
}

void CFListCtrl::EraseOutsideRows(CDC* pDC) {
    if (!pDC)
        return; // WM_ERASEBKGND without a DC
    const BOOL bGrid = HasGridLines();
    RECT rcRows;
    GetVisibleRowsRect(&rcRows);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nRow = std::max(GetRowHeight(), 1);

    const int nCols = static_cast<int>(m_Columns.GetSize());
    for (int nCol = 0; nCol < nCols; nCol++) {
        const COLORREF cr = GetCellColor(FLCC_BK, nullptr, nCol);
        RECT rcBody;
        if (!GetColumnBodyRect(nCol, &rcBody))
            continue;
        if (!bGrid) {
            FillBand(pDC, rcBody.left, rcBody.top, rcBody.right, rcRows.top, cr);
            FillBand(pDC, rcBody.left, rcRows.bottom, rcBody.right, rcBody.bottom, cr);
            continue;
        }
        if (nCol > 0)
            rcBody.left += 1; // the column's left pixel stays for the vertical grid line
        FillBand(pDC, rcBody.left, rcBody.top, rcBody.right, rcRows.top - 1, cr);
        FillStripes(pDC, rcBody.left, rcRows.bottom, rcBody.right, rcClient.bottom, nRow, cr);
    }

    // Right of the last column, in the list view's own background.
    const COLORREF cr = GetCellColor(FLCC_BK, nullptr, -1);
    if (!bGrid) {
        FillBand(pDC, rcRows.right, rcRows.top - 2, rcClient.right, rcClient.bottom, cr);
        return;
    }
    FillBand(pDC, rcRows.right, rcRows.top - 2, rcClient.right, rcRows.top, cr);
    FillStripes(pDC, rcRows.right, rcRows.top, rcClient.right, rcClient.bottom, nRow, cr);
}

void CFListCtrl::InvalidateGap() {
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcHeader;
    if (CHeaderCtrl* pHeader = GetHeaderCtrl())
        pHeader->GetClientRect(&rcHeader);
    RECT rcRows;
    GetVisibleRowsRect(&rcRows);
    const RECT rcGap = {rcClient.left, rcHeader.bottom, rcClient.right, rcRows.top};
    InvalidateRect(&rcGap, TRUE);
}

void CFListCtrl::InvalidateColumnBody(int nCol) {
    RECT rcBody;
    if (!GetColumnBodyRect(nCol, &rcBody))
        return;
    CRect rcHeader;
    if (CHeaderCtrl* pHeader = GetHeaderCtrl())
        pHeader->GetClientRect(&rcHeader);
    rcBody.top = rcHeader.bottom;
    RECT rcRows;
    GetVisibleRowsRect(&rcRows);

    CRgn rgnBody;
    CRgn rgnRows;
    rgnBody.CreateRectRgnIndirect(&rcBody);
    rgnRows.CreateRectRgnIndirect(&rcRows);
    rgnBody.CombineRgn(&rgnBody, &rgnRows, RGN_DIFF);
    InvalidateRgn(&rgnBody, TRUE);
}

void CFListCtrl::TakeFocusFromEditor() {
    // An open editor loses the focus and with it ends its edit.
    if (::GetFocus() != GetSafeHwnd())
        ::SetFocus(GetSafeHwnd());
}

void CFListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    TakeFocusFromEditor();
    // The list view does not repaint the band above the first row while the thumb moves.
    if (nSBCode == SB_THUMBTRACK || nSBCode == SB_ENDSCROLL)
        InvalidateGap();
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CFListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    TakeFocusFromEditor();
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CFListCtrl::OnSysColorChange() {
    // Colours are looked up on every paint; the list view keeps its own up to date.
    CListCtrl::OnSysColorChange();
}
