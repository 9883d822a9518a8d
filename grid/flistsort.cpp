// Sorting rows by a column's text from a header click, and fitting a column from a
// divider double click.
#include "flistctrl.h"

#include <vector>

void CFListCtrl::OnHeaderItemClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const NMHEADERW* pHeader = reinterpret_cast<const NMHEADERW*>(pNMHDR);
    if (pHeader->iButton != 0)
        return; // only the left button sorts
    const int nCol = pHeader->iItem;
    const BOOL bDescending = GetColumn(nCol)->m_bSortDescending;
    // The header does not take the focus: an open edit ends here first, stored as a
    // click elsewhere stores it, so that no row moves under the editor. An edit the
    // parent keeps open keeps the rows where they are.
    if (IsEditorOpen())
        ::SetFocus(m_hWnd);
    if (IsEditorOpen() || !GetSafeHwnd())
        return;
    SortColumn(nCol, bDescending);
    GetColumn(nCol)->m_bSortDescending = !bDescending;
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
    if (!GetSafeHwnd())
        return; // a handler destroyed the grid
    SendMessage(WM_SETREDRAW, TRUE, 0);
    // Rows repainted while painting was off were not drawn; show the new order.
    Invalidate();
}

// A stable bubble sort over the linked children: only strictly out-of-order
// neighbours change places, so equal rows keep their order. An exchange of rows with
// shown children notifies, and the handler may change the rows: after any
// notification the rows held are checked before they are used again.
void CFListCtrl::SortChildren(int nCol, POSITION hParent, BOOL bRecursive) {
    const XFList_RowRef parent = RefRow(hParent);
    const INT_PTR nCount = GetRowRecord(hParent)->m_Children.GetCount();
    if (nCount > 2) {
        const BOOL bDescending = GetColumn(nCol)->m_bSortDescending;
        // No more passes than rows: a handler that undoes exchanges cannot keep the
        // sort going for ever.
        BOOL bSwapped = TRUE;
        for (INT_PTR nPass = 0; bSwapped && nPass <= nCount; nPass++) {
            bSwapped = FALSE;
            POSITION hA = GetNextItem(hParent, FLGN_CHILD);
            POSITION hB = hA ? GetNextItem(hA, FLGN_NEXT) : nullptr;
            while (hB) {
                const int nOrder = m_pfnCompare(this, nCol, hA, hB);
                if (bDescending ? nOrder < 0 : nOrder > 0) {
                    const UINT nSent = m_nNotifyCount;
                    const XFList_RowRef a = RefRow(hA);
                    SwapRows(hA, hB); // A now stands where B stood
                    bSwapped = TRUE;
                    if (m_nNotifyCount != nSent && !IsSameRow(parent))
                        return;
                    if (m_nNotifyCount != nSent && !IsSameRow(a))
                        break; // the next pass starts afresh
                } else {
                    hA = hB;
                }
                hB = GetNextItem(hA, FLGN_NEXT);
            }
        }
    }
    if (bRecursive) {
        std::vector<XFList_RowRef> children;
        for (POSITION pos = GetRowRecord(hParent)->m_Children.GetHeadPosition(); pos;)
            children.push_back(RefRow(GetRowRecord(hParent)->m_Children.GetNext(pos)));
        const UINT nSent = m_nNotifyCount;
        for (const XFList_RowRef& child : children)
            if (m_nNotifyCount == nSent || IsSameRow(child))
                SortChildren(nCol, child.hRow, TRUE);
    }
}

// The default comparison: the cells' texts, ignoring case; numbers compare as text.
int CFListCtrl::CompareItems(CFListCtrl* pList, int nCol, POSITION hRowA, POSITION hRowB) {
    const CString strB = pList->GetItemText(hRowB, nCol);
    const CString strA = pList->GetItemText(hRowA, nCol);
    return strA.CompareNoCase(strB);
}
