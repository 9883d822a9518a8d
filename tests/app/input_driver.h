// Real input for the dialog under test: keys and clicks queued as a user's are, and
// played by the dialog's own modal loop (PreTranslateMessage and the dialog's keyboard
// handling included) between the steps of a test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "afxwin.h"

using Step = std::function<void()>;

// Runs the steps one by one from inside dlg.DoModal(), each once the modal loop has
// handled everything the one before queued; then ends the dialog, unless it ended
// by itself. Returns how many steps ran.
size_t RunSteps(CDialog& dlg, std::vector<Step> steps);

// Key presses through the system's input queue, to whichever window has the focus
// when the loop takes them, exactly as typed: keys down and up, with the characters
// the loop's TranslateMessage makes of them.
void PressKey(WORD wVk);
void PressKeyWith(WORD wModifier, WORD wVk); // e.g. VK_SHIFT, VK_TAB
void TypeText(const std::wstring& text);     // digits, letters, '.', '-', ' '

// A left click (or double-click) at a point of a window's client area, through the
// input queue too: the window under the point gets it, the focus moves as it would.
void Click(HWND hWnd, POINT ptClient);
void DoubleClick(HWND hWnd, POINT ptClient);
// Presses the left button at one point, moves to another and lets go there.
void Drag(HWND hWnd, POINT ptFrom, POINT ptTo);
