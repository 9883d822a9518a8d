// Runs test code inside a dialog's own modal loop: a thread timer fires once the loop
// is pumping, the code drives the dialog through its real controls or through real
// input (keys and clicks queued as a user's are, played by the dialog's own loop,
// PreTranslateMessage and the dialog's keyboard handling included), then the dialog ends.
// And the test-side view of the main dialog: its grid and its real child controls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tallyvanedlg.h"

// Runs fn from the thread's message loop (whichever modal loop is pumping then).
// Returns a ticket for CancelIfPending.
UINT_PTR RunLater(std::function<void()> fn);

// Drops fn if it has not run yet; returns whether it was still pending.
bool CancelIfPending(UINT_PTR nTicket);

// What DoModal returns when the harness, not the dialog, ended the run.
constexpr INT_PTR kEndedByHarness = 0x7E57;

// Runs the steps one by one from inside dlg.DoModal() as the program's main window, each
// once the modal loop has handled everything the one before queued; then ends the dialog
// with kEndedByHarness, unless it ended by itself. A dialog that ends before every step
// ran fails the test. Returns what DoModal returned.
using Step = std::function<void()>;
INT_PTR RunSteps(CDialog& dlg, std::vector<Step> steps);

class CTallyvaneDlgTestAccess {
public:
    static CFListCtrl& Grid(CTallyvaneDlg& dlg) { return dlg.m_grid; }
};

constexpr int kNames = 0;
constexpr int kChips = 1;
constexpr int kEquity = 2;

// Types a text into one of the dialog's edit controls; reads one.
void TypeInto(CDialog& dlg, int nID, LPCWSTR lpszText);
std::wstring TextOf(CDialog& dlg, int nID);

// Types the payouts into places 1, 2, ... and stores the chip counts in the first rows'
// "Chips" cells, as the cell editor would.
void EnterInputs(CTallyvaneDlg& dlg, const std::vector<LPCWSTR>& payouts,
                 const std::vector<LPCWSTR>& chips);

// Presses "Calculate ICM" through the button control itself.
void PressCalculate(CTallyvaneDlg& dlg);

std::vector<std::wstring> ColumnTexts(CTallyvaneDlg& dlg, int nCol);

// The middle of a cell's label in the grid's client coordinates; the open text editor.
POINT CellPoint(CTallyvaneDlg& dlg, int nRow, int nCol);
HWND Editor(CTallyvaneDlg& dlg);
