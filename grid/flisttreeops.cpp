// Changing the shape of the row tree: expanding and collapsing, deleting, and
// exchanging siblings, each keeping the list view an exact mirror of the shown rows.
//
// Each notification runs the parent's handler in the middle of the change, and the
// handler may change the tree again: delete or insert rows, sort, move the focus, even
// destroy the grid. So every row handle held across a notification is checked with
// IsSameRow before it is used again, and the focus is kept off freed and hidden rows.
#include "flistctrl.h"

#include <vector>

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
    const XFList_RowRef row = RefRow(hRow);
    if (bCollapse) {
        CancelEditUnder(hRow, FALSE); // an edit below goes out of sight: it ends first
        if (!IsSameRow(row) || AreChildrenHidden(hRow) == bCollapse)
            return;
    }
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

    // The focus went into the collapsed subtree: it comes up to this row, or, when the
    // handler changed the tree meanwhile, to whichever row above it is still shown.
    if (!KeepFocusShown() && IsSameRow(row))
        RedrawRow(hRow);
    AutoSizeColumn(-1);
}

BOOL CFListCtrl::KeepFocusShown() {
    const XFList_Row* pFocus = GetRowRecord(m_hFocusRow);
    if (!pFocus || pFocus->m_nListIndex >= 0)
        return FALSE;
    POSITION hShown = m_hFocusRow;
    while (hShown != FL_ROOT && GetRowRecord(hShown)->m_nListIndex < 0)
        hShown = GetRowRecord(hShown)->m_hParent;
    SetFocusCell(hShown, GetFocusCol()); // FL_ROOT: no focus row
    // Should the handler have hidden it again, no row is better than a hidden one.
    pFocus = GetRowRecord(m_hFocusRow);
    if (pFocus && pFocus->m_nListIndex < 0)
        m_hFocusRow = nullptr;
    return TRUE;
}

void CFListCtrl::MoveFocusOff(POSITION hRow) {
    POSITION hNext = GetNextItem(hRow, FLGN_NEXT);
    if (!hNext)
        hNext = GetNextItem(hRow, FLGN_PREVIOUSVISIBLE);
    SetFocusCell(hNext, GetFocusCol());
    // A handler that put the focus back on the row about to go loses it.
    if (m_hFocusRow == hRow)
        m_hFocusRow = nullptr;
}

void CFListCtrl::DeleteItem(POSITION hRow) {
    if (hRow == FL_ROOT) {
        DeleteAllRows();
        return;
    }
    const XFList_RowRef row = RefRow(hRow);
    CancelEditUnder(hRow, TRUE);
    Expand(hRow, TRUE);
    if (!IsSameRow(row))
        return; // the handler of the collapse deleted it
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, -1, FLN_DELETEROW);
    SendNotify(&notify);

    // Until nothing of the row is left that a handler could still reach: no edit on
    // it, no focus on it, no children. Each step may notify, and the handler may undo
    // an earlier one or delete the row itself.
    while (IsSameRow(row)) {
        XFList_Row* pRow = GetRowRecord(hRow);
        if (IsEditorOpen() && IsInSubtree(m_hEditRow, hRow))
            CancelEditUnder(hRow, TRUE);
        else if (m_hFocusRow == hRow)
            MoveFocusOff(hRow);
        else if (!pRow->m_Children.IsEmpty())
            DeleteItem(pRow->m_Children.GetHead()); // depth first, each with its notification
        else
            break;
    }
    if (!IsSameRow(row))
        return;

    // Nothing is sent from here on.
    XFList_Row* pRow = GetRowRecord(hRow);
    ShowRow(hRow, FALSE);
    XFList_Row* pParent = GetRowRecord(pRow->m_hParent);
    pParent->m_Children.RemoveAt(pRow->m_posInParent);
    RedrawRow(pRow->m_hParent);
    m_Rows.RemoveAt(hRow);
    delete pRow;
}

void CFListCtrl::DeleteAllRows() {
    CancelEditUnder(FL_ROOT, TRUE);
    Expand(FL_ROOT, TRUE);
    // The rows there are now. Rows a handler inserts meanwhile stay, and are shown
    // when the root is expanded again below.
    std::vector<XFList_RowRef> rows;
    for (POSITION pos = m_RootRow.m_Children.GetHeadPosition(); pos;)
        rows.push_back(RefRow(m_RootRow.m_Children.GetNext(pos)));
    for (const XFList_RowRef& ref : rows)
        if (IsSameRow(ref))
            DeleteItem(ref.hRow);
    Expand(FL_ROOT, FALSE); // rows inserted later are shown again
}

void CFListCtrl::SwapRows(POSITION hRowA, POSITION hRowB) {
    // Sorting swaps often, mostly without notifying: the rows are looked up again
    // only once a handler has run.
    const XFList_RowRef a = RefRow(hRowA);
    const XFList_RowRef b = RefRow(hRowB);
    const UINT nSent = m_nNotifyCount;
    const auto there = [&](const XFList_RowRef& ref) {
        return m_nNotifyCount == nSent || IsSameRow(ref);
    };
    const BOOL bShownA = !AreChildrenHidden(hRowA);
    const BOOL bShownB = !AreChildrenHidden(hRowB);
    Expand(hRowA, TRUE);
    if (there(a) && there(b))
        Expand(hRowB, TRUE);
    if (!there(a) || !there(b))
        return; // a handler deleted one of them

    XFList_Row* pA = GetRowRecord(hRowA);
    XFList_Row* pB = GetRowRecord(hRowB);
    // Normally both are collapsed now and their list items change places; should a
    // handler have expanded one again, both leave the list and come back in order.
    const BOOL bInPlace = AreChildrenHidden(hRowA) && AreChildrenHidden(hRowB);
    if (!bInPlace) {
        ShowRow(hRowA, FALSE);
        ShowRow(hRowB, FALSE);
    }
    CList<POSITION>& siblings = GetRowRecord(pA->m_hParent)->m_Children;
    siblings.SetAt(pA->m_posInParent, hRowB);
    siblings.SetAt(pB->m_posInParent, hRowA);
    const POSITION posA = pA->m_posInParent;
    pA->m_posInParent = pB->m_posInParent;
    pB->m_posInParent = posA;

    if (!bInPlace) {
        for (POSITION pos = siblings.GetHeadPosition(); pos;)
            ShowRow(siblings.GetNext(pos), TRUE); // shown rows refuse
    } else if (pA->m_nListIndex >= 0) {
        const int nIndexA = pA->m_nListIndex;
        pA->m_nListIndex = pB->m_nListIndex;
        pB->m_nListIndex = nIndexA;
        SetListItemRow(pA->m_nListIndex, hRowA);
        SetListItemRow(pB->m_nListIndex, hRowB);
    }

    if (bShownA && there(a))
        Expand(hRowA, FALSE);
    if (bShownB && there(b))
        Expand(hRowB, FALSE);
    if (there(a))
        RedrawRow(hRowA);
    if (there(b))
        RedrawRow(hRowB);
}
