// The mouse: clicks and double-clicks move the focus cell, toggle check boxes and
// expanders, press cell buttons and open editors; the context menu request.
#include "flistctrl.h"

void CFListCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point) {
    HandleClick(FALSE, point); // the list view's own click handling is never used
}

void CFListCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint point) {
    HandleClick(TRUE, point);
}

void CFListCtrl::HandleClick(BOOL bDoubleClick, CPoint pt) {
    // First of all: an open editor loses the focus, and its edit ends.
    ::SetFocus(m_hWnd); // not CWnd::SetFocus: no temporary object for the old focus window

    POSITION hRow = nullptr;
    int nCol = -1;
    if (!HitTestCell(&hRow, &nCol, pt))
        return;

    RECT rcPart;
    if (GetCellRect(hRow, nCol, FLR_EXPANDER, &rcPart, FALSE) && ::PtInRect(&rcPart, pt)) {
        Expand(hRow, !AreChildrenHidden(hRow)); // the focus cell stays where it is
        return;
    }

    const POSITION hOldRow = m_hFocusRow;
    const int nOldCol = GetFocusCol();
    const XFList_RowRef row = RefRow(hRow);
    SetFocusCell(hRow, nCol);
    if (m_dwFlags & FLF_ROWFOCUS)
        return;
    // The focus change's handler may have deleted the row or moved the focus on.
    if (!IsFocusCellStill(row, nCol))
        return;

    if (GetCellRect(hRow, nCol, FLR_CHECKBOX, &rcPart, FALSE) && ::PtInRect(&rcPart, pt)) {
        ClickCheckBox(hRow, nCol);
        return;
    }
    // A button is drawn only on the focus cell, so only a click that did not move the
    // focus can press it.
    if (hRow == hOldRow && nCol == nOldCol && GetCellRect(hRow, nCol, FLR_BUTTON, &rcPart, FALSE) &&
        ::PtInRect(&rcPart, pt)) {
        HandleEditMessage(WM_LBUTTONDOWN, 0, nullptr);
        return;
    }
    if (bDoubleClick && GetCellRect(hRow, nCol, FLR_LABEL, &rcPart, FALSE) &&
        ::PtInRect(&rcPart, pt))
        HandleEditMessage(WM_LBUTTONDBLCLK, 0, nullptr);
}

void CFListCtrl::ClickCheckBox(POSITION hRow, int nCol) {
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, nCol, FLN_CHECKCLICK);
    // The record proposes the new state: toggled for an auto-check profile, else the
    // current one, which the notification window replaces with what it wants.
    if (GetProfileAt(notify.nProfile)->m_dwStyle & FLPS_AUTOCHECK)
        notify.nCheck = notify.nCheck == 0 ? 1 : 0;
    const XFList_RowRef row = RefRow(hRow);
    if (!(SendNotify(&notify) & FLNR_VETO) && IsSameRow(row))
        SetCheck(hRow, nCol, notify.nCheck);
}

void CFListCtrl::OnContextMenu(CWnd* pWnd, CPoint pos) {
    CPoint pt = pos;
    ScreenToClient(&pt);
    POSITION hRow = nullptr;
    int nCol = -1;
    if (HitTestCell(&hRow, &nCol, pt))
        SetFocusCell(hRow, nCol);
    CListCtrl::OnContextMenu(pWnd, pos); // the parent may show a menu; the grid has none
}
