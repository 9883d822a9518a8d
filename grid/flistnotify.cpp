// Notifications to the parent window, and the two cell values the parent may change.
#include "flistctrl.h"

void CFListCtrl::BuildNotify(FL_NOTIFY& notify, POSITION hRow, int nCol, UINT nCode) {
    notify.hdr.code = nCode;
    notify.hdr.hwndFrom = GetSafeHwnd();
    notify.hdr.idFrom = GetSafeHwnd() ? GetDlgCtrlID() : 0;
    notify.hRow = hRow;
    notify.nCol = nCol;
    notify.bCollapsed = AreChildrenHidden(hRow);
    if (hRow && nCol >= 0) {
        const XFList_Item* pItem = GetItem(hRow, nCol); // the root has no cells: raises
        notify.strText = pItem->m_strText;
        notify.nProfile = pItem->m_nProfile;
        notify.dwData = pItem->m_dwData;
        notify.nCheck = pItem->m_nCheck;
    } else {
        notify.strText.Empty();
        notify.nProfile = -1;
        notify.dwData = 0;
        notify.nCheck = 0;
    }
}

// Every notification of the grid leaves through here.
LRESULT CFListCtrl::SendNotify(FL_NOTIFY* pNotify) {
    const HWND hReceiver = m_pNotifyWnd ? m_pNotifyWnd->GetSafeHwnd() : ::GetParent(GetSafeHwnd());
    if (!hReceiver)
        return 0;
    m_nNotifyCount++;
    return ::SendMessageW(hReceiver, WM_NOTIFY, pNotify->hdr.idFrom,
                          reinterpret_cast<LPARAM>(pNotify));
}

void CFListCtrl::SetItemData(POSITION hRow, int nCol, DWORD dwData) {
    GetItem(hRow, nCol)->m_dwData = dwData;
}

void CFListCtrl::SetCheck(POSITION hRow, int nCol, int nCheck) {
    GetItem(hRow, nCol)->m_nCheck = nCheck;
    RedrawRow(hRow);
}
