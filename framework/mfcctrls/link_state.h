// What one "MfcLink" window keeps, and the steps its window procedure delegates.
#pragma once

#include <windows.h>

#include <string>

struct LinkState {
    std::wstring url;           // empty: open the window text
    HFONT font = nullptr;       // from WM_SETFONT, owned by the sender
    HFONT underlined = nullptr; // owned: font, underlined
    bool pressed = false;       // left button went down here and is still held
};

// The window text, which the link shows.
std::wstring LinkText(HWND link);

// The address the link opens.
std::wstring LinkTarget(HWND link, const LinkState& state);

// Hands the link's address to the current opener.
void OpenLink(HWND link, const LinkState& state);

// Paints the link into dc: background as the parent gives static controls, the text
// underlined in the link colour and, while focused, a focus rectangle around it.
void PaintLink(HWND link, HDC dc, const LinkState& state);

// Mouse and keyboard handling; each returns what the window procedure answers.
LRESULT LinkMouseDown(HWND link, LinkState& state);
LRESULT LinkMouseUp(HWND link, LinkState& state, LPARAM point);
LRESULT LinkKeyDown(HWND link, LinkState& state, WPARAM key, LPARAM flags);
LRESULT LinkDialogCode(const MSG* message);
