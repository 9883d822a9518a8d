// Opening the drop-down editor over the focus cell of a drop-down cell.
#include "flistctrl.h"

#include "flistcombo.h"
#include "flisteditor.h"

namespace {

// The keys and clicks that drop the list of a focused drop-down cell.
BOOL OpensDropDown(UINT nMsg, WPARAM wKey, BOOL bContinueTab) {
    if (nMsg == WM_LBUTTONDOWN || nMsg == WM_LBUTTONDBLCLK)
        return TRUE;
    if (nMsg != WM_KEYDOWN)
        return FALSE;
    switch (wKey) {
        case VK_UP:
        case VK_DOWN:
            return ::GetKeyState(VK_MENU) < 0;
        case VK_RETURN:
        case VK_F2:
            return TRUE;
        case VK_TAB:
            return bContinueTab;
        default:
            return FALSE;
    }
}

} // namespace

void CFListCtrl::OpenDropDownEditor(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol,
                                    BOOL bEditable) {
    XFList_ControlProfile* pProfile = GetProfile(hRow, nCol);
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, nCol, FLN_BEGINCOMBO);
    if (nMsg == WM_CHAR) {
        // Only the editable kind takes a typed character, as its new text.
        if (!bEditable || !FLStartsCellText(static_cast<WCHAR>(wKey)))
            return;
        pProfile->m_strText = CString(static_cast<WCHAR>(wKey));
        pProfile->m_dwData = 0;
    } else {
        if (!OpensDropDown(nMsg, wKey, m_nContinueKey == VK_TAB))
            return;
        pProfile->m_strText = notify.strText;
        pProfile->m_dwData = notify.dwData;
    }
    const XFList_RowRef row = RefRow(hRow);
    if (SendNotify(&notify) & FLNR_VETO)
        return;
    // The notification window may have opened an editor, deleted the row, moved the
    // focus or destroyed the grid, and its profiles with it.
    if (IsEditorOpen() || !IsFocusCellStill(row, nCol))
        return;
    pProfile = GetProfile(hRow, nCol);

    RECT rc;
    if (!GetCellRect(hRow, nCol, FLR_TEXT, &rc, FALSE))
        return; // the row is not shown: nowhere to put the editor
    // Room for the selection field and about nine entries below it.
    const int nItemHeight = m_nLineHeight + 3;
    rc.top -= 2;
    rc.bottom = rc.top + 10 * nItemHeight;

    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                    (bEditable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
    if (pProfile->m_dwStyle & FLPS_SORTED)
        dwStyle |= CBS_SORT;
    auto* pCombo = new CFList_ComboBox(this, hRow, nCol, &pProfile->m_ComboItems,
                                       pProfile->m_strText, pProfile->m_dwData);
    if (!pCombo->Create(dwStyle, rc, this, FL_EDITOR_ID_COMBO))
        return; // the object has deleted itself

    m_pEditor = pCombo;
    pCombo->SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), nItemHeight);
    RedrawRow(hRow);
    if (!bEditable)
        pCombo->SetFocus();
    pCombo->SendMessage(CB_SHOWDROPDOWN, TRUE);
    if (bEditable) {
        // The caret after the last character of the text.
        pCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(pProfile->m_strText.GetLength(), -1));
    }
}
