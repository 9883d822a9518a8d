#include "afxstr.h"

#include "afxexcept.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

bool isFlag(wchar_t c) {
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}

bool isDigitOrStar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || c == L'*';
}

bool isLengthChar(wchar_t c) {
    return c == L'h' || c == L'l' || c == L'L' || c == L'I' || c == L'w' || c == L'z' ||
           c == L'j' || c == L't' || c == L'q' || c == L'3' || c == L'2' || c == L'6' || c == L'4';
}

// The length modifier that gives the C99 meaning of a %s/%c of the other dialect.
std::wstring textLength(const std::wstring& length, wchar_t conversion) {
    const bool upper = conversion == L'S' || conversion == L'C';
    if (length == L"h")
        return L""; // explicitly narrow
    if (length == L"l" || length == L"w")
        return L"l"; // explicitly wide
    return upper ? L"" : L"l";
}

} // namespace

std::wstring AfxTranslateFormat(const wchar_t* pszFormat) {
    std::wstring out;
    const wchar_t* p = pszFormat;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* conversionStart = p++;
        if (*p == L'%') {
            out += L"%%";
            ++p;
            continue;
        }
        while (isFlag(*p))
            ++p;
        while (isDigitOrStar(*p))
            ++p;
        if (*p == L'.') {
            ++p;
            while (isDigitOrStar(*p))
                ++p;
        }
        const wchar_t* lengthStart = p;
        while (isLengthChar(*p))
            ++p;
        const std::wstring head(conversionStart, lengthStart);
        const std::wstring length(lengthStart, p);
        const wchar_t conversion = *p;
        if (conversion == 0) {
            out += head + length;
            break;
        }
        ++p;
        if (conversion == L's' || conversion == L'S' || conversion == L'c' || conversion == L'C') {
            const wchar_t lower = conversion == L'S'   ? L's'
                                  : conversion == L'C' ? L'c'
                                                       : conversion;
            out += head + textLength(length, conversion) + lower;
        } else {
            out += head + length + conversion;
        }
    }
    return out;
}

void CString::FormatV(const wchar_t* pszFormat, va_list args) {
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    const std::wstring format = AfxTranslateFormat(pszFormat);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int n = __mingw_vsnwprintf(buffer.data(), buffer.size(), format.c_str(), copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
            m_str.assign(buffer.data(), static_cast<size_t>(n));
            return;
        }
        // A negative result means "too small" on some runtimes; past any sane size it
        // means the format itself is broken.
        if (n < 0 && buffer.size() >= (size_t{1} << 24))
            AfxThrowInvalidArgException();
        buffer.resize(n >= 0 ? static_cast<size_t>(n) + 1 : buffer.size() * 2);
    }
}

void CString::Format(const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* pszFormat, ...) {
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    *this += tail;
}
