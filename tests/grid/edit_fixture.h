// A grid set up like the calculator's (names and chips editable, equities
// plain, ten rows, grid lines, cell focus) under a recording parent, driven
// with real input that a loop like the dialog's plays: pre-translation first,
// then translate and dispatch.
#pragma once

#include <string>

#include "grid_fixture.h"
#include "real_input.h"

class EditGridTest : public GridTest {
protected:
    void SetUp() override;

    // Key presses and clicks through the input queue, then played.
    void Key(WORD wVk) { PressKey(wVk), Pump(); }
    void Type(const std::wstring& text);
    void ClickCell(POSITION hRow, int nCol, bool bDouble = false);
    // Straight to the grid's handler, bypassing the input queue: for clicks that
    // must not pair into a double-click.
    void SendClick(POSITION hRow, int nCol, UINT nMsg = WM_LBUTTONDOWN, UINT nKind = FLR_LABEL);
    // A WM_KEYDOWN sent straight to the grid while the keyboard state holds wHeld
    // (or, for 0, nothing more) down.
    void KeyDownHolding(WORD wHeld, WORD wVk);
    POINT CellCentre(POSITION hRow, int nCol, UINT nKind = FLR_LABEL);

    // The open text editor's window, or null; and how many there are.
    HWND Editor() const {
        const std::vector<HWND> found = EditorWindows();
        return found.empty() ? nullptr : found.front();
    }
    int EditorCount() const { return int(EditorWindows().size()); }
    std::wstring EditorText() const;
    std::wstring Text(POSITION hRow, int nCol) {
        return std::wstring(m_grid.GetItemText(hRow, nCol));
    }
    // The focus cell, and the keyboard focus on the grid.
    void Focus(POSITION hRow, int nCol);
    void ExpectFocus(POSITION hRow, int nCol);

    Rows m_rows;
    int m_nEdit = -1;
};
