// The system clipboard's Unicode text, read and written as another program would.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

inline std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (const HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* pText = static_cast<LPCWSTR>(::GlobalLock(hData)))
            text = pText;
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

inline bool PutOnClipboard(const std::wstring& text) {
    const SIZE_T nBytes = (text.size() + 1) * sizeof(WCHAR);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hData)
        return false;
    std::memcpy(::GlobalLock(hData), text.c_str(), nBytes);
    ::GlobalUnlock(hData);
    if (::OpenClipboard(nullptr)) {
        const bool bDone = ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, hData);
        ::CloseClipboard();
        if (bDone)
            return true;
    }
    ::GlobalFree(hData);
    return false;
}
