#include "test_window.h"

#include <commctrl.h>

#include "mfcctrls/dlginit.h"
#include "resource.h"

HMODULE TestModule() {
    return GetModuleHandleW(nullptr);
}

MainDialog::MainDialog() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterDialogInitControlClasses(TestModule());
    hwnd_ = CreateDialogParamW(TestModule(), MAKEINTRESOURCEW(IDD_MAIN), nullptr, Proc,
                               reinterpret_cast<LPARAM>(this));
}

MainDialog::~MainDialog() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

BOOL MainDialog::ApplyInitData() const {
    return ExecuteDialogInitData(hwnd_, TestModule(), MAKEINTRESOURCEW(IDD_MAIN));
}

int MainDialog::Clicks(int id) const {
    int count = 0;
    for (const Command& command : commands_)
        count += command.id == id && command.code == BN_CLICKED;
    return count;
}

INT_PTR CALLBACK MainDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<MainDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_COMMAND && self != nullptr) {
        self->commands_.push_back({LOWORD(wParam), HIWORD(wParam)});
        return TRUE;
    }
    return FALSE;
}
