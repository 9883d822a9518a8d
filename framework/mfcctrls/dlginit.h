// Dialog-init data: per-control property texts stored beside a dialog template,
// applied to the dialog's controls once they exist.
//
// The data is a resource of type DLGINIT_RESOURCE_TYPE named like the template. It is
// little-endian and packed without padding:
//
//   record, repeated:  WORD  control id (never 0)
//                      WORD  message to send the control
//                      DWORD byte count n
//                      n bytes of UTF-8 property text, no terminator
//   end of list:       WORD  0
//
// Bytes after the end of the list (the resource compiler's alignment) are ignored.
// A property text is a sequence of <Name>value</Name> pairs (see property_tags.h).
#pragma once

#include <windows.h>

#include "mfcctrls/dlginit_format.h"

// Registers the window classes "MfcButton" and "MfcLink" for the whole process.
// Calls after the first change nothing.
void RegisterDialogInitControlClasses(HINSTANCE hInstance);

// Sends each control of hDlg named in the init data of lpszTemplateName (looked up in
// hModule) its record's message, wParam = hModule and lParam = the property text,
// NUL-terminated. Records whose control is missing are skipped. Returns TRUE when the
// template has no init data, FALSE (having sent nothing) when the data is malformed.
BOOL ExecuteDialogInitData(HWND hDlg, HMODULE hModule, LPCWSTR lpszTemplateName);
