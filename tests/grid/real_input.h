// Real input through the system's input queue, as a user's: keys go to whichever
// window has the focus when a message loop takes them (the loop's TranslateMessage
// makes the characters), clicks to the window under the point.
#pragma once

#include <string>

#include "afxwin.h"

void PressKey(WORD wVk);
void PressKeyWith(WORD wModifier, WORD wVk); // e.g. VK_SHIFT, VK_TAB
void TypeText(const std::wstring& text);     // digits, letters, '.', '-', ' '

// A left click (or, for 2, a double-click) at a point of a window's client area.
void Click(HWND hWnd, POINT ptClient, int nClicks = 1);
// Presses the left button at one point, moves to another and lets go there.
void Drag(HWND hWnd, POINT ptFrom, POINT ptTo);
