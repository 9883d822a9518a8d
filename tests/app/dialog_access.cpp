#include "dialog_access.h"

void TypeInto(CDialog& dlg, int nID, LPCWSTR lpszText) {
    ::SetDlgItemTextW(dlg.GetSafeHwnd(), nID, lpszText);
}

std::wstring TextOf(CDialog& dlg, int nID) {
    wchar_t szText[256] = {};
    ::GetDlgItemTextW(dlg.GetSafeHwnd(), nID, szText, 256);
    return szText;
}

void EnterChips(CTallyvaneDlg& dlg, const std::vector<LPCWSTR>& chips) {
    CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
    for (int i = 0; i < static_cast<int>(chips.size()); ++i)
        grid.SetItemText(grid.GetRowAt(i), 1, chips[i]);
}

void PressCalculate(CTallyvaneDlg& dlg) {
    ::SendMessageW(::GetDlgItem(dlg.GetSafeHwnd(), IDC_CALCULATE), BM_CLICK, 0, 0);
}

std::vector<std::wstring> ColumnTexts(CTallyvaneDlg& dlg, int nCol) {
    CFListCtrl& grid = CTallyvaneDlgTestAccess::Grid(dlg);
    std::vector<std::wstring> texts;
    for (int i = 0; i < grid.GetRowCount(); ++i)
        texts.emplace_back(static_cast<LPCWSTR>(grid.GetItemText(grid.GetRowAt(i), nCol)));
    return texts;
}
