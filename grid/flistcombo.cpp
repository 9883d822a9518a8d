#include "flistcombo.h"

#include "flistctrl.h"
#include "flisteditor.h"

CFList_ComboBox::CFList_ComboBox(CFListCtrl* pGrid, POSITION hRow, int nCol,
                                 CArray<FL_COMBOITEM>* pComboItems, CString strInitText,
                                 DWORD dwInitData)
    : m_pComboItems(pComboItems), m_strInitText(strInitText), m_dwInitData(dwInitData),
      m_hRow(hRow), m_nCol(nCol), m_nEndKey(VK_RETURN), m_pGrid(pGrid) {}

CFList_ComboBox::~CFList_ComboBox() = default;

BEGIN_MESSAGE_MAP(CFList_ComboBox, CComboBox)
// int OnCreate(LPCREATESTRUCT lpCreateStruct)
ON_WM_CREATE()
// void OnX(), reflected from the grid
ON_CONTROL_REFLECT(CBN_KILLFOCUS, &CFList_ComboBox::OnKillFocusReflect)
ON_CONTROL_REFLECT(CBN_CLOSEUP, &CFList_ComboBox::OnCloseUp)
ON_CONTROL_REFLECT(CBN_EDITCHANGE, &CFList_ComboBox::OnEditChange)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
ON_WM_KEYDOWN()
// void OnPaint()
ON_WM_PAINT()
END_MESSAGE_MAP()

int CFList_ComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, GetParent()->SendMessage(WM_GETFONT), TRUE);
    FillList();
    Preselect();
    SetFocus();
    return 0;
}

// Every entry keeps its own item data, also where a sorted list puts it; the cell's
// current value is always among the entries.
void CFList_ComboBox::FillList() {
    BOOL bMatched = FALSE;
    for (INT_PTR i = 0; i < m_pComboItems->GetSize(); i++) {
        const FL_COMBOITEM& entry = m_pComboItems->GetAt(i);
        SetItemData(AddString(entry.strText), entry.dwData);
        if (entry.strText == m_strInitText && entry.dwData == m_dwInitData)
            bMatched = TRUE;
    }
    if (!bMatched)
        SetItemData(AddString(m_strInitText), m_dwInitData);
}

void CFList_ComboBox::Preselect() {
    const int nCount = GetCount();
    for (int i = 0; i < nCount; i++) {
        CString strText;
        GetLBText(i, strText);
        if (strText == m_strInitText && GetItemData(i) == m_dwInitData) {
            SetCurSel(i);
            return;
        }
    }
    SetCurSel(-1);
}

void CFList_ComboBox::OnKeyDown(UINT nChar, UINT, UINT) {
    if (m_nEndKey != END_TEXTCHANGED)
        m_nEndKey = nChar;
    switch (nChar) {
        case VK_ESCAPE:
            m_nEndKey = VK_ESCAPE; // discards a changed text too
            FLEditorGiveFocusToGrid(this);
            break;
        case VK_TAB:
        case VK_RETURN:
            FLEditorGiveFocusToGrid(this);
            break;
        default:
            m_nEndKey = VK_RETURN;
            Default();
    }
}

void CFList_ComboBox::OnEditChange() {
    m_nEndKey = END_TEXTCHANGED;
}

// Closing the list, by choosing an entry or otherwise, ends the edit.
void CFList_ComboBox::OnCloseUp() {
    FLEditorGiveFocusToGrid(this);
}

void CFList_ComboBox::ReadResult(CString& strText, DWORD& dwData) {
    const int nSel = GetCurSel();
    if (nSel == -1 || m_nEndKey == END_TEXTCHANGED) {
        GetWindowText(strText);
        dwData = 0;
    } else {
        GetLBText(nSel, strText);
        dwData = static_cast<DWORD>(GetItemData(nSel));
    }
}

void CFList_ComboBox::OnKillFocusReflect() {
    FL_ENDEDIT end;
    ReadResult(end.strText, end.dwData);
    if (m_nEndKey == END_TEXTCHANGED)
        m_nEndKey = VK_RETURN; // a typed text always ends like Enter
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
        SetFocus();
    } else
        PostMessage(WM_CLOSE); // destroyed once this notification has been handled
}

void CFList_ComboBox::PostNcDestroy() {
    delete this;
}

BOOL CFList_ComboBox::PreTranslateMessage(MSG* pMsg) {
    return FLEditorPreTranslate(pMsg) || CComboBox::PreTranslateMessage(pMsg);
}

// The combo box paints itself, then its frame is painted over so that it blends into
// the grid cell: window-coloured edges, a flat button, the neighbours' backgrounds.
void CFList_ComboBox::OnPaint() {
    Default();
    // The frame reads the cell's row, which only the open editor may rely on: once
    // its edit ended the row may be gone before the posted close arrives.
    if (m_pGrid->m_pEditor != this)
        return;
    CClientDC dc(this);
    PaintFlatFrame(dc);
}

COLORREF CFList_ComboBox::NeighbourBackground(UINT nCode) {
    return m_pGrid->GetCellColor(FLCC_BK, m_pGrid->GetNextItem(m_hRow, nCode), m_nCol);
}

void CFList_ComboBox::PaintFlatFrame(CDC& dc) {
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const BOOL bGridLines =
        (m_pGrid->SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_GRIDLINES) != 0;
    CRect rc;
    GetClientRect(&rc);
    const CRect rcClient = rc;

    dc.Draw3dRect(&rc, crWindow, crWindow);
    rc.InflateRect(-1, -1);
    dc.Draw3dRect(&rc, crWindow, crWindow);

    CRect rcButton(rc.right - rc.Height() + 2, rc.top + 1, rc.right + 1, rc.bottom - 1);
    dc.Draw3dRect(&rcButton, crWindow, crWindow);
    rcButton.left += 1;
    dc.Draw3dRect(&rcButton, crWindow, crWindow);
    rcButton.left += 1;
    rcButton.bottom -= 1;
    if (bGridLines) {
        dc.Draw3dRect(&rcButton, crWindow, crWindow);
        rcButton.left += 1;
        rcButton.bottom -= 1;
    }
    dc.DrawFrameControl(&rcButton, DFC_SCROLL, DFCS_SCROLLDOWN);
    if (m_pGrid->GetProfile(m_hRow, m_nCol)->m_dwStyle & FLPS_PLUSBUTTON)
        CFListCtrl::DrawPlusFace(&dc, rcButton);

    const COLORREF crAbove = NeighbourBackground(FLGN_PREVIOUSVISIBLE);
    CRect rcTop(rc.left - 1, rc.top - 1, rc.right + 1, rc.top + 1);
    dc.Draw3dRect(&rcTop, crAbove, crAbove);

    if (bGridLines) {
        const COLORREF crLine = ::GetSysColor(COLOR_BTNFACE);
        CRect rcLines(rcClient.left, rcClient.top + 1, rcClient.right + 1, rcClient.bottom - 3);
        dc.Draw3dRect(&rcLines, crLine, crLine);
        CRect rcLeft(rcClient.left, rcClient.top + 1, rcClient.left + 1, rcClient.bottom - 3);
        rcLeft.InflateRect(0, -1);
        dc.Draw3dRect(&rcLeft, crWindow, crWindow);
    }

    const COLORREF crBelow =
        m_pGrid->m_nLinesPerRow == 1 ? NeighbourBackground(FLGN_NEXTVISIBLE) : crWindow;
    CRect rcBottom(rc.left - 1, rc.bottom - 2, rc.right + 1, rc.bottom + 1);
    dc.FillSolidRect(&rcBottom, crBelow);
}
