// "MfcLink": the window text shown as a hyperlink that opens an address when clicked,
// or when Space or Enter is pressed while it has the focus. The address comes from the
// MFCLink_UrlPrefix and MFCLink_Url properties of its dialog-init data; without an
// MFCLink_Url the window text itself is opened.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMfcLinkClass[] = L"MfcLink";

// The colour of an enabled link's text; a disabled one is drawn in COLOR_GRAYTEXT.
inline constexpr COLORREF kMfcLinkColour = RGB(0, 0, 255);

// Copies the address the link opens into the buffer at lParam, which holds wParam
// characters, truncated to fit and NUL-terminated; lParam may be null. Returns the
// address's full length in characters.
inline constexpr UINT MFCLINK_GETURL = WM_USER + 1;

// How the link opens an address. The default hands it to the shell (ShellExecuteW).
using MfcLinkOpener = void (*)(HWND link, const wchar_t* url);

// Makes opener the one every link uses (null restores the default) and returns the one
// it replaces. Lets tests watch the links without starting a browser.
MfcLinkOpener SetMfcLinkOpener(MfcLinkOpener opener);

// Registers the class once. Returns false when the class could not be registered.
bool RegisterMfcLinkClass(HINSTANCE hInstance);
