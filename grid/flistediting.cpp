// Opening an in-place editor over the focus cell and taking its end-of-edit report:
// the whole life of an edit as the grid sees it.
#include "flistctrl.h"

#include "flistedit.h"
#include "flisteditor.h"

namespace {

// The editor kind of a cell is its profile's style under this mask.
constexpr DWORD kKindMask = FLPS_BUTTON | FLPS_EDIT | FLPS_COMBO;
constexpr DWORD kButtonCell = FLPS_BUTTON;
constexpr DWORD kTextCell = FLPS_EDIT;
constexpr DWORD kTextButtonCell = FLPS_EDIT | FLPS_BUTTON;
constexpr DWORD kDropListCell = FLPS_COMBO | FLPS_BUTTON;
constexpr DWORD kDropEditCell = FLPS_COMBO | FLPS_EDIT | FLPS_BUTTON;

BOOL IsDropDownKind(DWORD dwKind) {
    return dwKind == kDropListCell || dwKind == kDropEditCell;
}

BOOL IsEditableKind(DWORD dwKind) {
    return dwKind == kTextCell || dwKind == kTextButtonCell || IsDropDownKind(dwKind);
}

// Every opening attempt ends with the Tab-advance mark cleared, however it ends.
class ContinueKeyReset {
public:
    explicit ContinueKeyReset(UINT& nKey) : m_nKey(nKey) {}
    ContinueKeyReset(const ContinueKeyReset&) = delete;
    ContinueKeyReset& operator=(const ContinueKeyReset&) = delete;
    ~ContinueKeyReset() { m_nKey = 0; }

private:
    UINT& m_nKey;
};

} // namespace

LRESULT CFListCtrl::HandleEditMessage(UINT nMsg, WPARAM wKey, FL_ENDEDIT* pEnd) {
    if (nMsg == FLN_EDITORCLOSE)
        return CloseEditor(static_cast<UINT>(wKey), pEnd);

    const POSITION hRow = m_hFocusRow;
    const int nCol = GetFocusCol();
    if (!hRow || nCol < 0)
        return 0;
    if (IsEditorOpen())
        return 0; // one editor at a time; requests are not queued

    const ContinueKeyReset reset(m_nContinueKey);
    m_hEditRow = hRow;
    m_nEditCol = nCol;
    const DWORD dwKind = GetProfile(hRow, nCol)->m_dwStyle & kKindMask;
    switch (dwKind) {
        case kTextCell:
        case kTextButtonCell:
            // Space, or a click on the button, acts as on a button cell.
            if (!OpenTextEditor(nMsg, wKey, hRow, nCol))
                PressCellButton(nMsg, wKey, hRow, nCol);
            break;
        case kButtonCell:
            PressCellButton(nMsg, wKey, hRow, nCol);
            break;
        case kDropListCell:
        case kDropEditCell:
            OpenDropDownEditor(nMsg, wKey, hRow, nCol, dwKind == kDropEditCell);
            break;
        default:
            break; // a plain cell opens nothing
    }
    return 0;
}

BOOL CFListCtrl::OpenTextEditor(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol) {
    CString strInitial;
    if (nMsg == WM_CHAR) {
        // A typed character replaces the text.
        if (!FLStartsCellText(static_cast<WCHAR>(wKey)))
            return FALSE;
        strInitial = CString(static_cast<WCHAR>(wKey));
    } else if (nMsg == WM_LBUTTONDBLCLK || wKey == VK_RETURN || wKey == VK_F2 ||
               (wKey == VK_TAB && m_nContinueKey == VK_TAB)) {
        strInitial = GetItemText(hRow, nCol);
    } else {
        return FALSE;
    }

    const XFList_RowRef row = RefRow(hRow);
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, nCol, FLN_BEGINEDIT);
    if (SendNotify(&notify) & FLNR_VETO)
        return FALSE;
    if (IsEditorOpen())
        return TRUE; // the notification window opened one meanwhile; never two
    if (!IsFocusCellStill(row, nCol))
        return FALSE; // the handler deleted the row or moved the focus

    RECT rcLabel;
    if (!GetCellRect(hRow, nCol, FLR_LABEL, &rcLabel, FALSE))
        return FALSE; // the row is not shown: nowhere to put the editor
    rcLabel.top += 1;

    const DWORD dwStyle =
        m_nLinesPerRow > 1 ? WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN
                           : WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    auto* pEdit = new CFList_Edit(hRow, nCol);
    if (!pEdit->Create(dwStyle, rcLabel, this, FL_EDITOR_ID_TEXT))
        return FALSE; // the object has deleted itself

    m_pEditor = pEdit;
    pEdit->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    RedrawRow(hRow);

    pEdit->SetWindowText(strInitial);
    // The caret after the last character, nothing selected.
    pEdit->SetSel(strInitial.GetLength(), -1);
    pEdit->SendMessage(EM_SCROLLCARET);
    pEdit->SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), TRUE);
    ::SetFocus(pEdit->GetSafeHwnd());
    return IsEditorOpen();
}

void CFListCtrl::PressCellButton(UINT nMsg, WPARAM wKey, POSITION hRow, int nCol) {
    if (nMsg != WM_LBUTTONDOWN && !(nMsg == WM_KEYDOWN && wKey == VK_SPACE))
        return;
    const XFList_RowRef row = RefRow(hRow);
    FL_NOTIFY notify;
    BuildNotify(notify, hRow, nCol, FLN_BUTTONCLICK);
    if (SendNotify(&notify) & FLNR_VETO)
        return;
    // A button that deletes its own row is a fair use of the notification.
    ::SetFocus(m_hWnd);
    if (!IsSameRow(row))
        return;
    SetItemText(hRow, nCol, notify.strText);
    SetItemData(hRow, nCol, notify.dwData);
}

LRESULT CFListCtrl::CloseEditor(UINT nEndKey, FL_ENDEDIT* pEnd) {
    // Only the open editor's report counts: one the grid no longer waits for (its
    // edit was cancelled, or its window destroyed by someone else) is ignored.
    if (!pEnd || !m_pEditor || pEnd->hRow != m_hEditRow || pEnd->nCol != m_nEditCol)
        return 0;
    CWnd* pEditor = m_pEditor;
    m_pEditor = nullptr; // the notification window sees no open editor
    LRESULT lResult = 0;
    const BOOL bCell = IsLiveRow(m_hEditRow) && m_nEditCol >= 0;
    const DWORD dwKind = bCell ? GetProfile(m_hEditRow, m_nEditCol)->m_dwStyle & kKindMask : 0;
    if (bCell && IsEditableKind(dwKind)) {
        if (nEndKey != VK_RETURN && nEndKey != VK_TAB) {
            RedrawRow(pEnd->hRow); // Escape: the old text stays, nobody is told
        } else {
            const HWND hEditor = pEditor->GetSafeHwnd();
            const XFList_RowRef row = RefRow(pEnd->hRow);
            FL_NOTIFY notify;
            BuildNotify(notify, pEnd->hRow, pEnd->nCol, FLN_ENDEDIT);
            notify.strText = pEnd->strText;
            if (IsDropDownKind(dwKind))
                notify.dwData = pEnd->dwData;
            lResult = SendNotify(&notify);

            // The handler may have deleted the row (and a new one may have its
            // address), moved the focus, destroyed the editor or the grid, or opened
            // another editor: the edit is kept, and the text stored, only where it
            // still belongs.
            const BOOL bSame = IsSameRow(row);
            const BOOL bKeep = (lResult & FLNR_KEEPEDIT) && IsFocusCellStill(row, pEnd->nCol) &&
                               !IsEditorOpen() && FLEditorAlive(hEditor, pEditor);
            if (bKeep)
                m_pEditor = pEditor;
            else
                lResult &= ~FLNR_KEEPEDIT; // so the editor closes
            if (!(lResult & FLNR_VETO) && bSame) {
                SetItemText(pEnd->hRow, pEnd->nCol, notify.strText);
                if (IsDropDownKind(dwKind))
                    SetItemData(pEnd->hRow, pEnd->nCol, notify.dwData);
            }
            if (bSame)
                RedrawRow(pEnd->hRow);

            if (bKeep)
                return lResult; // the edit cell stays recorded
            if (nEndKey == VK_TAB && bSame && GetSafeHwnd()) {
                // Move on and open the next cell's editor, inside this report; that
                // attempt records the new edit cell.
                m_nContinueKey = VK_TAB;
                OnKeyDown(VK_TAB, 1, 0);
                m_nContinueKey = 0;
                return 0;
            }
        }
    }
    m_hEditRow = nullptr;
    m_nEditCol = -1;
    return lResult;
}

BOOL CFListCtrl::IsFocusCellStill(const XFList_RowRef& row, int nCol) {
    return IsSameRow(row) && m_hFocusRow == row.hRow && GetFocusCol() == nCol;
}

void CFListCtrl::OnEditorEnded(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    if (pNMHDR->idFrom != FL_EDITOR_ID_TEXT && pNMHDR->idFrom != FL_EDITOR_ID_COMBO)
        return;
    auto* pEnd = reinterpret_cast<FL_ENDEDIT*>(pNMHDR);
    *pResult = HandleEditMessage(FLN_EDITORCLOSE, pEnd->nEndKey, pEnd);
}

LRESULT CFListCtrl::OnParentNotify(WPARAM wParam, LPARAM lParam) {
    // An editor window destroyed by someone else than its own end of edit (a parent
    // going away): forget it, so no deleted object is ever asked for its window.
    if (LOWORD(wParam) == WM_DESTROY && m_pEditor &&
        m_pEditor->GetSafeHwnd() == reinterpret_cast<HWND>(lParam))
        m_pEditor = nullptr;
    return Default();
}
