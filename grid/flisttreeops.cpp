// Changing the shape of the row tree: expanding and collapsing, deleting, and
// exchanging siblings, each keeping the list view an exact mirror of the shown rows.
#include "flistctrl.h"

void CFListCtrl::SuspendRedraw() {
    m_nRedrawLock = m_nRedrawLock + 1 < 0 ? 0 : m_nRedrawLock + 1;
    SendMessage(WM_SETREDRAW, m_nRedrawLock <= 0, 0);
}

void CFListCtrl::ResumeRedraw() {
    m_nRedrawLock = m_nRedrawLock - 1 < 0 ? 0 : m_nRedrawLock - 1;
    SendMessage(WM_SETREDRAW, m_nRedrawLock <= 0, 0);
}

void CFListCtrl::Expand(POSITION hRow, BOOL bCollapse) {
    if (AreChildrenHidden(hRow) == bCollapse)
        return;
    XFList_Row* pRow = GetRowRecord(hRow);
    pRow->m_bCollapsed = bCollapse;

    const POSITION hParent = pRow->m_hParent;
    if (!hParent || !AreChildrenHidden(hParent)) {
        SuspendRedraw();
        for (POSITION pos = pRow->m_Children.GetHeadPosition(); pos;)
            ShowRow(pRow->m_Children.GetNext(pos), !bCollapse);
        ResumeRedraw();
    }
    if (hRow != FL_ROOT) {
        FL_NOTIFY notify;
        BuildNotify(notify, hRow, -1, FLN_EXPANDCHANGE);
        SendNotify(&notify);
    }

    const XFList_Row* pFocus = GetRowRecord(m_hFocusRow);
    if (pFocus && pFocus->m_nListIndex < 0)
        SetFocusCell(hRow, GetFocusCol()); // the focus went into the collapsed subtree
    else
        RedrawRow(hRow);
    AutoSizeColumn(-1);
}

void CFListCtrl::DeleteItem(POSITION hRow) {
    Expand(hRow, TRUE);
    if (hRow != FL_ROOT) {
        FL_NOTIFY notify;
        BuildNotify(notify, hRow, -1, FLN_DELETEROW);
        SendNotify(&notify);
    }
    if (hRow == m_hFocusRow) {
        POSITION hNext = GetNextItem(hRow, FLGN_NEXT);
        if (!hNext)
            hNext = GetNextItem(hRow, FLGN_PREVIOUSVISIBLE);
        SetFocusCell(hNext, GetFocusCol());
    }

    XFList_Row* pRow = GetRowRecord(hRow);
    for (POSITION hChild = GetNextItem(hRow, FLGN_CHILD); hChild;) {
        const POSITION hFollowing = GetNextItem(hChild, FLGN_NEXT);
        DeleteItem(hChild);
        hChild = hFollowing;
    }
    if (hRow == FL_ROOT) {
        Expand(FL_ROOT, FALSE); // rows inserted later are shown again
        return;
    }

    ShowRow(hRow, FALSE);
    XFList_Row* pParent = GetRowRecord(pRow->m_hParent);
    pParent->m_Children.RemoveAt(pRow->m_posInParent);
    RedrawRow(pRow->m_hParent);
    m_Rows.RemoveAt(hRow);
    delete pRow;
}

void CFListCtrl::SwapRows(POSITION hRowA, POSITION hRowB) {
    const BOOL bShownA = !AreChildrenHidden(hRowA);
    const BOOL bShownB = !AreChildrenHidden(hRowB);
    Expand(hRowA, TRUE);
    Expand(hRowB, TRUE);

    XFList_Row* pA = GetRowRecord(hRowA);
    XFList_Row* pB = GetRowRecord(hRowB);
    CList<POSITION>& siblings = GetRowRecord(pA->m_hParent)->m_Children;
    siblings.SetAt(pA->m_posInParent, hRowB);
    siblings.SetAt(pB->m_posInParent, hRowA);
    const POSITION posA = pA->m_posInParent;
    pA->m_posInParent = pB->m_posInParent;
    pB->m_posInParent = posA;

    if (pA->m_nListIndex >= 0) {
        const int nIndexA = pA->m_nListIndex;
        pA->m_nListIndex = pB->m_nListIndex;
        pB->m_nListIndex = nIndexA;
        SetListItemRow(pA->m_nListIndex, hRowA);
        SetListItemRow(pB->m_nListIndex, hRowB);
    }

    if (bShownA)
        Expand(hRowA, FALSE);
    if (bShownB)
        Expand(hRowB, FALSE);
    RedrawRow(hRowA);
    RedrawRow(hRowB);
}
