// "MfcButton": the system push button with a picture left of its text, the picture
// named by the MFCButton_ImageID property of its dialog-init data.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMfcButtonClass[] = L"MfcButton";

// Registers the class once, as a superclass of the "Button" class that the process's
// activation context provides. Returns false when the class could not be registered.
bool RegisterMfcButtonClass(HINSTANCE hInstance);
