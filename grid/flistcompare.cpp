// The default row comparison used by sorting: cell texts, ignoring case.
#include "flistctrl.h"

int CFListCtrl::CompareItems(CFListCtrl* pList, int nCol, POSITION hRowA, POSITION hRowB) {
    const CString strB = pList->GetItemText(hRowB, nCol);
    const CString strA = pList->GetItemText(hRowA, nCol);
    return strA.CompareNoCase(strB);
}
