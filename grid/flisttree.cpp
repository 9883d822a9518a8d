// The row tree: counting, navigation, and mirroring shown rows into list-view items.
#include "flistctrl.h"

int CFListCtrl::GetRowCount() {
    return static_cast<int>(m_RootRow.m_Children.GetCount());
}

POSITION CFListCtrl::GetRowAt(int nIndex) {
    if (nIndex < 0 || nIndex >= GetRowCount())
        return nullptr;
    POSITION pos = m_RootRow.m_Children.GetHeadPosition();
    for (int i = 0; i < nIndex; i++)
        m_RootRow.m_Children.GetNext(pos);
    return m_RootRow.m_Children.GetAt(pos);
}

BOOL CFListCtrl::AreChildrenHidden(POSITION hRow) {
    const XFList_Row* pRow = GetRowRecord(hRow);
    return pRow && (pRow->m_bCollapsed || pRow->m_Children.IsEmpty());
}

POSITION CFListCtrl::GetNextItem(POSITION hRow, UINT nCode) {
    if (nCode == FLGN_FIRSTONPAGE || nCode == FLGN_LASTONPAGE)
        return GetPageRow(nCode == FLGN_LASTONPAGE);
    XFList_Row* pRow = GetRowRecord(hRow);
    if (!pRow)
        return nullptr;
    switch (nCode) {
        case FLGN_CHILD:
            return pRow->m_Children.IsEmpty() ? nullptr : pRow->m_Children.GetHead();
        case FLGN_LASTCHILD:
            return pRow->m_Children.IsEmpty() ? nullptr : pRow->m_Children.GetTail();
        case FLGN_NEXT:
            return GetSibling(pRow, TRUE);
        case FLGN_NEXTVISIBLE:
            // A row that is not shown has index -1, so this yields the first item.
            return GetRowOfListItem(pRow->m_nListIndex + 1);
        case FLGN_PREVIOUS:
            return GetSibling(pRow, FALSE);
        case FLGN_PREVIOUSVISIBLE:
            return GetPreviousVisible(pRow);
        case FLGN_PARENT:
            return pRow->m_hParent;
        case FLGN_VISIBLEANCESTOR:
            return GetVisibleAncestor(hRow);
        case FLGN_TOPLEVEL:
            return GetTopLevel(hRow);
        default:
            return nullptr;
    }
}

POSITION CFListCtrl::GetSibling(XFList_Row* pRow, BOOL bNext) {
    XFList_Row* pParent = GetRowRecord(pRow->m_hParent);
    POSITION pos = pRow->m_posInParent;
    if (!pParent || !pos)
        return nullptr;
    if (bNext)
        pParent->m_Children.GetNext(pos);
    else
        pParent->m_Children.GetPrev(pos);
    return pos ? pParent->m_Children.GetAt(pos) : nullptr;
}

POSITION CFListCtrl::GetPreviousVisible(XFList_Row* pRow) {
    POSITION hAbove = GetSibling(pRow, FALSE);
    if (!hAbove)
        return pRow->m_hParent == FL_ROOT ? nullptr : pRow->m_hParent;
    // The deepest last shown descendant of the previous sibling.
    while (!AreChildrenHidden(hAbove))
        hAbove = GetRowRecord(hAbove)->m_Children.GetTail();
    return hAbove;
}

POSITION CFListCtrl::GetVisibleAncestor(POSITION hRow) {
    while (AreChildrenHidden(GetRowRecord(hRow)->m_hParent))
        hRow = GetRowRecord(hRow)->m_hParent;
    return hRow;
}

POSITION CFListCtrl::GetTopLevel(POSITION hRow) {
    while (hRow && GetRowRecord(hRow)->m_hParent != FL_ROOT)
        hRow = GetRowRecord(hRow)->m_hParent;
    return hRow;
}

POSITION CFListCtrl::GetRowOfListItem(int nItem) {
    if (nItem < 0 || nItem >= GetItemCount())
        return nullptr;
    return reinterpret_cast<POSITION>(GetItemData(nItem));
}

POSITION CFListCtrl::GetPageRow(BOOL bLast) {
    int nItem = GetTopIndex();
    if (bLast) {
        nItem += GetCountPerPage();
        if (nItem > GetItemCount() - 1)
            nItem = GetItemCount() - 1;
    }
    return GetRowOfListItem(nItem);
}

void CFListCtrl::ShowRow(POSITION hRow, BOOL bShow) {
    if (!hRow || hRow == FL_ROOT)
        return;
    XFList_Row* pRow = GetRowRecord(hRow);
    if (!bShow) {
        RemoveListItem(pRow);
        return;
    }
    if (pRow->m_nListIndex >= 0)
        return; // one list item per row, however often asked
    // A row stays hidden under a hidden or collapsed parent. Only a caller's collapse
    // of the root, or the delete-all, collapses the root: rows inserted meanwhile
    // appear when it is expanded again.
    const POSITION hParent = pRow->m_hParent;
    const XFList_Row* pParent = GetRowRecord(hParent);
    if (hParent == FL_ROOT ? pParent->m_bCollapsed
                           : pParent->m_nListIndex < 0 || AreChildrenHidden(hParent))
        return;
    AddListItem(hRow);
}

void CFListCtrl::AddListItem(POSITION hRow) {
    XFList_Row* pRow = GetRowRecord(hRow);
    const POSITION hAbove = GetNextItem(hRow, FLGN_PREVIOUSVISIBLE);
    const int nItem = hAbove ? GetRowRecord(hAbove)->m_nListIndex + 1 : 0;
    pRow->m_nListIndex = nItem;
    CListCtrl::InsertItem(LVIF_TEXT | LVIF_STATE, nItem, L"", 0, 0, 0, 0);
    SetListItemRow(nItem, hRow);

    if (!AreChildrenHidden(hRow)) {
        POSITION pos = pRow->m_Children.GetHeadPosition();
        while (pos)
            ShowRow(pRow->m_Children.GetNext(pos), TRUE);
    }
    RenumberListFrom(nItem + 1);
}

void CFListCtrl::RemoveListItem(XFList_Row* pRow) {
    if (pRow->m_nListIndex < 0)
        return;
    POSITION pos = pRow->m_Children.GetHeadPosition();
    while (pos)
        ShowRow(pRow->m_Children.GetNext(pos), FALSE);

    const int nItem = pRow->m_nListIndex;
    pRow->m_nListIndex = -1;
    SendMessage(LVM_DELETEITEM, nItem, 0);
    RenumberListFrom(nItem);
}

void CFListCtrl::RenumberListFrom(int nItem) {
    const int nCount = GetItemCount();
    for (int i = nItem; i < nCount; i++) {
        XFList_Row* pRow = GetRowRecord(reinterpret_cast<POSITION>(GetItemData(i)));
        if (pRow)
            pRow->m_nListIndex = i;
    }
}

void CFListCtrl::SetListItemRow(int nItem, POSITION hRow) {
    CListCtrl::SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, reinterpret_cast<LPARAM>(hRow));
}

void CFListCtrl::RedrawRow(POSITION hRow) {
    const XFList_Row* pRow = GetRowRecord(hRow);
    if (!pRow || pRow->m_nListIndex < 0)
        return;
    // The whole band the cells paint. The list view's own item box (LVM_REDRAWITEMS)
    // starts two pixels right of the first cell's edge, and those pixels kept what an
    // earlier paint had left there, such as the focus colour of an edited name.
    RECT rcRow;
    if (GetListItemBounds(pRow->m_nListIndex, &rcRow))
        InvalidateRect(&rcRow, FALSE);
    UpdateWindow();
}

BOOL CFListCtrl::IsLiveRow(POSITION hRow) const {
    // Item data comes from outside the records; only a position of m_Rows may be
    // dereferenced. A walk over the rows is cheap next to painting one.
    if (!hRow || hRow == FL_ROOT)
        return FALSE;
    for (POSITION pos = m_Rows.GetHeadPosition(); pos; m_Rows.GetNext(pos))
        if (pos == hRow)
            return TRUE;
    return FALSE;
}

XFList_RowRef CFListCtrl::RefRow(POSITION hRow) {
    const XFList_Row* pRow = hRow == FL_ROOT ? nullptr : GetRowRecord(hRow);
    return XFList_RowRef{hRow, pRow ? pRow->m_nSerial : 0};
}

BOOL CFListCtrl::IsSameRow(const XFList_RowRef& ref) {
    if (ref.hRow == FL_ROOT)
        return TRUE;
    // The address alone could name a row inserted after the old one was freed.
    return IsLiveRow(ref.hRow) && GetRowRecord(ref.hRow)->m_nSerial == ref.nSerial;
}

BOOL CFListCtrl::IsInSubtree(POSITION hRow, POSITION hTop) {
    for (; hRow; hRow = GetRowRecord(hRow)->m_hParent)
        if (hRow == hTop)
            return TRUE;
    return FALSE;
}
