// Repaint requests for the band above the first row and a column's area outside
// the rows, after scrolling or a width change.
#include "flistctrl.h"

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
