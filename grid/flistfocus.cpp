// The focus cell: the one cell (or, with FLF_ROWFOCUS, the one row) that keys act on.
#include "flistctrl.h"

int CFListCtrl::GetFocusCol() {
    return (m_dwFlags & FLF_ROWFOCUS) ? -1 : m_nFocusCol;
}

BOOL CFListCtrl::IsEditorOpen() {
    return m_pEditor && m_pEditor->GetSafeHwnd();
}

void CFListCtrl::SetFocusCell(POSITION hRow, int nCol) {
    if (IsEditorOpen())
        return; // the focus stays on the cell being edited
    const POSITION hNew = hRow == FL_ROOT ? nullptr : hRow;
    if (hNew && (!IsLiveRow(hNew) || GetRowRecord(hNew)->m_nListIndex < 0))
        return; // only a shown row can hold the focus
    // A column past the last names the last one, also in the notification, whose
    // record could not describe a cell that does not exist.
    const int nLastCol = static_cast<int>(m_Columns.GetSize()) - 1;
    const int nNewCol = (m_dwFlags & FLF_ROWFOCUS) ? -1 : (nCol > nLastCol ? nLastCol : nCol);

    const POSITION hOld = m_hFocusRow;
    const int nOldCol = m_nFocusCol;
    m_hFocusRow = hNew;
    m_nFocusCol = nNewCol;
    if (hNew == hOld && nNewCol == nOldCol)
        return;

    RedrawRow(hOld);
    RedrawRow(hNew);
    EnsureCellVisible(hNew, nNewCol);

    FL_NOTIFY notify;
    BuildNotify(notify, hNew, nNewCol, FLN_FOCUSCHANGE);
    SendNotify(&notify);
}

void CFListCtrl::CancelEditUnder(POSITION hTop, BOOL bWithTop) {
    if (!IsEditorOpen() || !IsLiveRow(m_hEditRow) || !IsInSubtree(m_hEditRow, hTop) ||
        (!bWithTop && m_hEditRow == hTop))
        return;
    const HWND hEditor = m_pEditor->GetSafeHwnd();
    // The user's Escape: the editor gives the grid the focus and reports its end.
    ::SendMessageW(hEditor, WM_KEYDOWN, VK_ESCAPE, 0);
    if (m_pEditor) {
        // It had no focus to lose, so it did not report: the grid closes it itself.
        const POSITION hEditRow = m_hEditRow;
        m_pEditor = nullptr;
        m_hEditRow = nullptr;
        m_nEditCol = -1;
        ::DestroyWindow(hEditor);
        if (IsLiveRow(hEditRow))
            RedrawRow(hEditRow);
    }
}
