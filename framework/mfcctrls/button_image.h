// The picture of an "MfcButton".
#pragma once

#include <windows.h>

// Magenta pixels of a button picture stand for the button's face.
inline constexpr COLORREF kButtonImageKey = RGB(255, 0, 255);

// Bitmap resource id of module as a DIB section whose key pixels are painted in the
// button face colour; null when the bitmap cannot be loaded.
HBITMAP LoadButtonImage(HMODULE module, int id);

// Draws image at the left of the button, vertically centred, shifted while pushed and
// greyed while disabled. For base buttons that draw no picture beside their text.
void DrawButtonImage(HWND button, HDC dc, HBITMAP image);
