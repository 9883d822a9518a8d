// Test-side view of the main dialog: its grid and its real child controls.
#pragma once

#include <string>
#include <vector>

#include "tallyvanedlg.h"

class CTallyvaneDlgTestAccess {
public:
    static CFListCtrl& Grid(CTallyvaneDlg& dlg) { return dlg.m_grid; }
};

// Types a text into one of the dialog's edit controls.
void TypeInto(CDialog& dlg, int nID, LPCWSTR lpszText);
std::wstring TextOf(CDialog& dlg, int nID);

// Stores the chip counts in the first rows' "Chips" cells, as the cell editor would.
void EnterChips(CTallyvaneDlg& dlg, const std::vector<LPCWSTR>& chips);

// Presses "Calculate ICM" through the button control itself.
void PressCalculate(CTallyvaneDlg& dlg);

std::vector<std::wstring> ColumnTexts(CTallyvaneDlg& dlg, int nCol);
