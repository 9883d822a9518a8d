#include "mfcctrls/dlginit.h"

#include <commctrl.h>

#include "mfcctrls/dlginit_records.h"
#include "mfcctrls/mfcbutton.h"
#include "mfcctrls/mfclink.h"

void RegisterDialogInitControlClasses(HINSTANCE hInstance) {
    // Loads the common controls of the process's activation context first, so that the
    // button is built on version 6's "Button" whenever the program's manifest asks for it.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterMfcButtonClass(hInstance);
    RegisterMfcLinkClass(hInstance);
}

BOOL ExecuteDialogInitData(HWND hDlg, HMODULE hModule, LPCWSTR lpszTemplateName) {
    HRSRC found = FindResourceW(hModule, lpszTemplateName, MAKEINTRESOURCEW(DLGINIT_RESOURCE_TYPE));
    if (found == nullptr)
        return TRUE;
    HGLOBAL loaded = LoadResource(hModule, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return FALSE;
    auto records = ParseDialogInitRecords(data, SizeofResource(hModule, found));
    if (!records)
        return FALSE;
    for (const DialogInitRecord& record : *records) {
        HWND control = GetDlgItem(hDlg, record.controlId);
        if (control != nullptr) {
            SendMessageW(control, record.message, reinterpret_cast<WPARAM>(hModule),
                         reinterpret_cast<LPARAM>(record.text.c_str()));
        }
    }
    return TRUE;
}
