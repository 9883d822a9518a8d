// The text editor: keys that end the edit, the report to the grid, self-deletion.
#include "flistedit.h"

#include "flisteditor.h"

CFList_Edit::CFList_Edit(POSITION hRow, int nCol)
    : m_nEndKey(VK_RETURN), m_hRow(hRow), m_nCol(nCol) {}

CFList_Edit::~CFList_Edit() = default;

BEGIN_MESSAGE_MAP(CFList_Edit, CEdit)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
ON_WM_KEYDOWN()
// void OnKillFocus(CWnd* pNewWnd)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CFList_Edit::PreTranslateMessage(MSG* pMsg) {
    return FLEditorPreTranslate(pMsg) || CEdit::PreTranslateMessage(pMsg);
}

void CFList_Edit::PostNcDestroy() {
    delete this;
}

void CFList_Edit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    m_nEndKey = nChar;
    switch (nChar) {
        case VK_RETURN:
            // Control+Enter breaks the line of a multi-line cell instead.
            if (::GetKeyState(VK_CONTROL) < 0 && (GetStyle() & ES_MULTILINE)) {
                CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
                return;
            }
            FLEditorGiveFocusToGrid(this); // this object may be gone now
            return;
        case VK_TAB:
        case VK_ESCAPE:
            FLEditorGiveFocusToGrid(this);
            return;
        default:
            // Any other key: an end by losing the focus (a click elsewhere) commits.
            m_nEndKey = VK_RETURN;
            CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CFList_Edit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);

    FL_ENDEDIT end;
    GetWindowText(end.strText);
    end.hRow = m_hRow;
    end.nCol = m_nCol;
    end.nEndKey = m_nEndKey;
    LRESULT lResult = 0;
    if (!FLEditorReportEnd(this, end, &lResult))
        return; // destroyed, with the grid, while the report was handled

    if (lResult & FLNR_KEEPEDIT) {
        // The edit goes on; a later loss of the focus ends it as Enter again, not as
        // the key that ended this round.
        m_nEndKey = VK_RETURN;
        ::SetFocus(m_hWnd);
        return;
    }
    DestroyWindow(); // deletes this object
}
