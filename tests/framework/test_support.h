// A hidden top-level window of the framework's default class, to parent controls.
#pragma once

#include "afxwin.h"

class TopWindow : public CWnd {
public:
    TopWindow() {
        CreateEx(0, nullptr, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
    }
    ~TopWindow() override { DestroyWindow(); }
};
