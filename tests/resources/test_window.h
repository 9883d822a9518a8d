// A live main dialog (template 103) for the control tests, logging its WM_COMMANDs.
#pragma once

#include <windows.h>

#include <vector>

struct Command {
    int id;
    int code;
};

class MainDialog {
public:
    MainDialog();
    ~MainDialog();
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    BOOL ApplyInitData() const;

    // BN_CLICKED notifications the dialog received from control id.
    int Clicks(int id) const;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::vector<Command> commands_;
};

HMODULE TestModule();

// lParam of a mouse message at client point x, y.
inline LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
