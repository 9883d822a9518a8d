// Keeps C++ exceptions inside the controls' window procedures: unwinding through the
// platform's frames is undefined, so a failing message ends at the boundary instead.
#pragma once

#include <windows.h>

// Runs f; an exception stops here, is reported to the debugger output and the
// message answers fallback.
template <class F>
LRESULT GuardControlProc(const wchar_t* control, LRESULT fallback, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        wchar_t text[160];
        wsprintfW(text, L"Tallyvane: an exception stopped in the %ls window procedure\n", control);
        OutputDebugStringW(text);
        return fallback;
    }
}
