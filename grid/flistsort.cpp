// Sorting rows by a column's text from a header click, and fitting a column from a
// divider double click.
#include "flistctrl.h"

void CFListCtrl::OnHeaderItemClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const NMHEADERW* pHeader = reinterpret_cast<const NMHEADERW*>(pNMHDR);
    if (pHeader->iButton != 0)
        return; // only the left button sorts
    XFList_Column* pColumn = GetColumn(pHeader->iItem);
    const BOOL bDescending = pColumn->m_bSortDescending;
    SortColumn(pHeader->iItem, bDescending);
    pColumn->m_bSortDescending = !bDescending;
}

void CFListCtrl::OnHeaderDividerDblClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const int nCol = reinterpret_cast<const NMHEADERW*>(pNMHDR)->iItem;
    if (nCol >= 0 && nCol < m_Columns.GetSize())
        AutoSizeColumn(nCol);
}

void CFListCtrl::SortColumn(int nCol, BOOL bDescending) {
    GetColumn(nCol)->m_bSortDescending = bDescending;
    SuspendRedraw();
    SortChildren(nCol, FL_ROOT, TRUE);
    m_nRedrawLock = 0;
    SendMessage(WM_SETREDRAW, TRUE, 0);
    // Rows repainted while painting was off were not drawn; show the new order.
    Invalidate();
}

// A stable bubble sort over the linked children: only strictly out-of-order
// neighbours change places, so equal rows keep their order.
void CFListCtrl::SortChildren(int nCol, POSITION hParent, BOOL bRecursive) {
    CList<POSITION>& children = GetRowRecord(hParent)->m_Children;
    if (children.GetCount() > 2) {
        const BOOL bDescending = GetColumn(nCol)->m_bSortDescending;
        BOOL bSwapped = TRUE;
        while (bSwapped) {
            bSwapped = FALSE;
            POSITION pos = children.GetHeadPosition();
            POSITION posNext = pos;
            children.GetNext(posNext);
            while (posNext) {
                const POSITION hA = children.GetAt(pos);
                const POSITION hB = children.GetAt(posNext);
                const int nOrder = m_pfnCompare(this, nCol, hA, hB);
                if (bDescending ? nOrder < 0 : nOrder > 0) {
                    SwapRows(hA, hB); // the entry at pos now holds B, the next one A
                    bSwapped = TRUE;
                }
                pos = posNext;
                children.GetNext(posNext);
            }
        }
    }
    if (bRecursive) {
        for (POSITION pos = children.GetHeadPosition(); pos;)
            SortChildren(nCol, children.GetNext(pos), TRUE);
    }
}

// The default comparison: the cells' texts, ignoring case; numbers compare as text.
int CFListCtrl::CompareItems(CFListCtrl* pList, int nCol, POSITION hRowA, POSITION hRowB) {
    const CString strB = pList->GetItemText(hRowB, nCol);
    const CString strA = pList->GetItemText(hRowA, nCol);
    return strA.CompareNoCase(strB);
}
