#include "wndstate.h"

#include "afxexcept.h"

#include <cstdio>
#include <exception>

AfxWndThreadState& AfxWndState() {
    thread_local AfxWndThreadState state;
    return state;
}

void AfxReportBoundaryException(const char* where, UINT message) noexcept {
    // Describe the exception in flight; nothing here may throw again.
    const char* what = "unknown exception";
    try {
        throw;
    } catch (const CInvalidArgException&) {
        what = "invalid argument exception";
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    wchar_t text[256];
    int n = 0;
    const auto put = [&](const char* s) {
        for (; *s && n < 200; ++s)
            text[n++] = static_cast<unsigned char>(*s);
    };
    put("Tallyvane: ");
    put(what);
    put(" stopped in ");
    put(where);
    char tail[32];
    std::snprintf(tail, sizeof tail, " (message 0x%04X)\n", message);
    put(tail);
    text[n] = 0;
    ::OutputDebugStringW(text);
}
