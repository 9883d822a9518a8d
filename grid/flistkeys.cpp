// The keyboard: keys move the focus cell and open editors; typed characters open the
// text editor; Alt+Up and Alt+Down, which arrive as system keys, open drop-downs.
#include "flistctrl.h"

#include <algorithm>

void CFListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (HandleClipboardKey(nChar))
        return; // Ctrl+C, Ctrl+V
    const BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    const int nCols = static_cast<int>(m_Columns.GetSize());
    if (!m_hFocusRow) {
        // Only a key that picks a first cell does anything, and no editor opens.
        switch (nChar) {
            case VK_DOWN:
            case VK_NEXT:
                FocusPageRow(FALSE, 0);
                break;
            case VK_UP:
            case VK_PRIOR:
                FocusPageRow(TRUE, 0);
                break;
            case VK_TAB:
                FocusPageRow(bShift, bShift ? nCols - 1 : 0);
                break;
            default:
                break;
        }
        return;
    }

    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    const int nFocusCol = GetFocusCol();
    const int nItem = GetRowRecord(m_hFocusRow)->m_nListIndex;
    const int nItems = GetItemCount();
    const int nPage = GetCountPerPage();
    switch (nChar) {
        case VK_TAB:
            if (!bShift) {
                if (nFocusCol < nCols - 1)
                    SetFocusCell(m_hFocusRow, nFocusCol + 1);
                else if (nItem < nItems - 1)
                    FocusListItem(nItem + 1, 0);
            } else {
                if (nFocusCol > 0)
                    SetFocusCell(m_hFocusRow, nFocusCol - 1);
                else if (nItem > 0)
                    FocusListItem(nItem - 1, nCols - 1);
            }
            break;
        case VK_SPACE:
            break; // a button press, below
        // Page moves go one row less than a page, so the old row stays in sight, but
        // at least one row: a page may hold less than two.
        case VK_PRIOR:
            FocusListItem(std::max(0, nItem - std::max(1, nPage - 1)), nFocusCol);
            break;
        case VK_NEXT:
            FocusListItem(std::min(nItems - 1, nItem + std::max(1, nPage - 1)), nFocusCol);
            break;
        case VK_END:
            if (nFocusCol < nCols - 1)
                SetFocusCell(m_hFocusRow, nCols - 1);
            break;
        case VK_RIGHT:
            if (nFocusCol < nCols - 1)
                SetFocusCell(m_hFocusRow, nFocusCol + 1);
            break;
        case VK_HOME:
            if (nFocusCol > 0)
                SetFocusCell(m_hFocusRow, 0);
            break;
        case VK_LEFT:
            if (nFocusCol > 0)
                SetFocusCell(m_hFocusRow, nFocusCol - 1);
            break;
        // With Alt held Up and Down open a drop-down instead of moving.
        case VK_UP:
            if (nItem > 0 && !bAlt)
                FocusListItem(nItem - 1, nFocusCol);
            break;
        case VK_DOWN:
            if (nItem < nItems - 1 && !bAlt)
                FocusListItem(nItem + 1, nFocusCol);
            break;
        case VK_ADD:
        case VK_SUBTRACT:
            // On a row with children the keypad's plus and minus are tree keys, and
            // their characters start no edit; elsewhere they type a sign, as '-' does.
            if (!GetRowRecord(m_hFocusRow)->m_Children.IsEmpty())
                DropPendingChar(nChar == VK_ADD ? L'+' : L'-');
            Expand(m_hFocusRow, nChar == VK_SUBTRACT);
            break;
        default:
            // Called directly for the Tab-advance too, so not through Default(), which
            // would replay whatever message is current.
            DefWindowProc(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
            break;
    }
    HandleEditMessage(WM_KEYDOWN, nChar, nullptr);
}

void CFListCtrl::DropPendingChar(WCHAR ch) {
    // The loop translated the key before dispatching it, so its character waits next in
    // the queue; a key sent without one leaves any other character alone.
    MSG msg;
    if (::PeekMessageW(&msg, m_hWnd, WM_CHAR, WM_CHAR, PM_NOREMOVE) && msg.wParam == ch)
        ::PeekMessageW(&msg, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE);
}

void CFListCtrl::FocusListItem(int nItem, int nCol) {
    if (const POSITION hRow = GetRowOfListItem(nItem))
        SetFocusCell(hRow, nCol);
}

void CFListCtrl::FocusPageRow(BOOL bLast, int nCol) {
    // An empty grid has no row to focus, and nothing to report.
    if (const POSITION hRow = GetNextItem(nullptr, bLast ? FLGN_LASTONPAGE : FLGN_FIRSTONPAGE))
        SetFocusCell(hRow, nCol);
}

void CFListCtrl::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    Default();
    HandleEditMessage(WM_CHAR, nChar, nullptr);
}

UINT CFListCtrl::OnGetDlgCode() {
    // With a focus cell the grid takes Enter itself (it opens the editor); the dialog
    // would otherwise press its default button.
    UINT nCode = CListCtrl::OnGetDlgCode();
    const auto* pMsg = reinterpret_cast<const MSG*>(GetCurrentMessage()->lParam);
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_hFocusRow)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

BOOL CFListCtrl::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_SYSKEYDOWN && (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_UP) &&
        !IsEditorOpen()) {
        HandleEditMessage(WM_KEYDOWN, pMsg->wParam, nullptr);
        return TRUE;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}
