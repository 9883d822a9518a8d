// Profiles, columns, rows and cell text: the grid's own records.
#include "flistctrl.h"

#include <memory>

int CFListCtrl::AddProfile(DWORD dwStyle) {
    XFList_ControlProfile* pProfile = new XFList_ControlProfile;
    pProfile->m_dwStyle = dwStyle;
    return static_cast<int>(m_Profiles.Add(pProfile));
}

int CFListCtrl::InsertColumn(int nCol, CString strHeading, int nWidth, int nFormat, int nProfile) {
    // A position past the end would put our records and the list view's column at
    // different places, so it is refused like a negative one, before anything changes.
    if (nCol < 0 || nCol > m_Columns.GetSize())
        AfxThrowInvalidArgException();

    const BOOL bWasOwnerDrawn = (GetStyle() & LVS_OWNERDRAWFIXED) != 0;
    ModifyStyle(0, LVS_REPORT | LVS_OWNERDRAWFIXED, 0);
    m_Columns.InsertAt(nCol, MakeColumn(nFormat, nProfile));
    InsertCellIntoRows(nCol, nProfile);
    const int nResult = CListCtrl::InsertColumn(nCol, strHeading, nFormat, nWidth, -1);

    // The list view asks for the row height only while owner-drawn, and may have asked
    // before this object was attached to it: make sure the grid gets measured.
    if (!bWasOwnerDrawn || m_nLineHeight == 0)
        RequestMeasure();
    return nResult;
}

XFList_Column CFListCtrl::MakeColumn(int nFormat, int nProfile) {
    XFList_Column column;
    column.m_nProfile = nProfile;
    // The format is compared whole: with any further flag the column aligns left.
    if (nFormat == LVCFMT_RIGHT)
        column.m_nAlign = DT_RIGHT;
    else if (nFormat == LVCFMT_CENTER)
        column.m_nAlign = DT_CENTER;
    else
        column.m_nAlign = DT_LEFT;
    return column;
}

void CFListCtrl::InsertCellIntoRows(int nCol, int nProfile) {
    POSITION pos = m_Rows.GetHeadPosition();
    while (pos)
        m_Rows.GetNext(pos)->m_Items.InsertAt(nCol, XFList_Item(nProfile));
}

POSITION CFListCtrl::InsertItem(CString strText, int nImage, int nProfile) {
    return InsertItem(FL_ROOT, strText, nImage, nProfile);
}

POSITION CFListCtrl::InsertItem(POSITION hParent, CString strText, int nImage, int nProfile) {
    const int nTextCol = m_nTreeColumn < 0 ? 0 : m_nTreeColumn;
    if (nTextCol >= m_Columns.GetSize())
        AfxThrowInvalidArgException();

    std::unique_ptr<XFList_Row> pNew(new XFList_Row);
    for (INT_PTR i = 0; i < m_Columns.GetSize(); i++)
        pNew->m_Items.Add(XFList_Item(m_Columns[i].m_nProfile));
    XFList_Item& cell = pNew->m_Items[nTextCol];
    cell.m_strText = strText;
    cell.m_nImage = nImage;
    if (nProfile >= 0)
        cell.m_nProfile = nProfile;

    XFList_Row* pParent = GetRowRecord(hParent);
    XFList_Row* pRow = pNew.get();
    const POSITION hRow = m_Rows.AddTail(pRow);
    pNew.release(); // owned through m_Rows from here on
    pRow->m_hSelf = hRow;
    pRow->m_nSerial = m_nNextSerial++;
    pRow->m_hParent = hParent;
    pRow->m_nLevel = pParent->m_nLevel + 1;
    pRow->m_posInParent = pParent->m_Children.AddTail(hRow);

    ShowRow(hRow, TRUE);
    RedrawRow(hParent); // a first child gives the parent its expander
    AutoSizeColumn(-1);
    return hRow;
}

void CFListCtrl::SetItemText(POSITION hRow, int nCol, CString strText) {
    GetItem(hRow, nCol)->m_strText = strText;
    AutoSizeColumn(-1);
    RedrawRow(hRow);
}

CString CFListCtrl::GetItemText(POSITION hRow, int nCol) {
    return GetItem(hRow, nCol)->m_strText;
}

CString CFListCtrl::GetColumnHeading(int nCol) {
    constexpr int nChars = 200;
    WCHAR szText[nChars] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT;
    column.pszText = szText;
    column.cchTextMax = nChars;
    SendMessage(LVM_GETCOLUMNW, nCol, reinterpret_cast<LPARAM>(&column));
    szText[nChars - 1] = L'\0';
    return CString(szText);
}

XFList_Row* CFListCtrl::GetRowRecord(POSITION hRow) {
    if (!hRow)
        return nullptr;
    if (hRow == FL_ROOT)
        return &m_RootRow;
    return m_Rows.GetAt(hRow);
}

XFList_Item* CFListCtrl::GetItem(POSITION hRow, int nCol) {
    XFList_Row* pRow = GetRowRecord(hRow);
    if (!pRow || nCol < 0 || nCol >= pRow->m_Items.GetSize())
        AfxThrowInvalidArgException();
    return &pRow->m_Items[nCol];
}

XFList_Column* CFListCtrl::GetColumn(int nCol) {
    if (nCol < 0 || nCol >= m_Columns.GetSize())
        AfxThrowInvalidArgException();
    return &m_Columns[nCol];
}

XFList_ControlProfile* CFListCtrl::GetProfileAt(int nIndex) {
    if (nIndex == -1)
        return &m_DefaultProfile;
    if (nIndex < -1 || nIndex >= m_Profiles.GetSize())
        AfxThrowInvalidArgException();
    return m_Profiles[nIndex];
}

XFList_ControlProfile* CFListCtrl::GetProfile(POSITION hRow, int nCol) {
    return GetProfileAt(GetItem(hRow, nCol)->m_nProfile);
}
