// Column widths the user drags in the header: the grid keeps them in its records and
// repaints the column. Everything else in WM_NOTIFY goes to the framework, which
// reflects the editors' end-of-edit reports into the grid's own table.
#include "flistctrl.h"

BOOL CFListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    switch (pHdr->code) {
        case HDN_ITEMCHANGINGA:
        case HDN_ITEMCHANGINGW:
        case HDN_ITEMCHANGEDA:
        case HDN_ITEMCHANGEDW: {
            // HDITEMA and HDITEMW agree on the mask and the width.
            const auto* pHeader = reinterpret_cast<const NMHEADERW*>(lParam);
            if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT && pHeader->pitem &&
                (pHeader->pitem->mask & HDI_WIDTH))
                TakeColumnWidth(pHeader->iItem, pHeader->pitem->cxy);
            break;
        }
        default:
            break;
    }
    *pResult = 0;
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

void CFListCtrl::TakeColumnWidth(int nCol, int cxy) {
    // A resize ends an open edit, which commits.
    if (::GetFocus() != m_hWnd)
        ::SetFocus(m_hWnd);
    const int nWidth = static_cast<int>(static_cast<WORD>(cxy));
    XFList_Column* pColumn = GetColumn(nCol); // out of range raises
    // The header reports our own LVM_SETCOLUMNWIDTH once more; then they agree.
    if (pColumn->m_nWidth == nWidth)
        return;
    pColumn->m_nWidth = nWidth;
    SetColumnWidth(nCol, nWidth);
    InvalidateColumnBody(nCol);
}
