// CString: a UTF-16 string with value semantics.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <ostream>
#include <string>

class CString {
public:
    CString() = default;
    CString(std::nullptr_t) {}
    CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
    CString(const wchar_t* pch, int nLength)
        : m_str(pch ? pch : L"", pch && nLength > 0 ? nLength : 0) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(const std::wstring& str) : m_str(str) {}

    operator LPCWSTR() const noexcept { return m_str.c_str(); }
    LPCWSTR GetString() const noexcept { return m_str.c_str(); }
    const std::wstring& str() const noexcept { return m_str; }

    int GetLength() const noexcept { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const noexcept { return m_str.empty(); }
    void Empty() noexcept { m_str.clear(); }

    // Indexes outside the string raise the invalid-argument exception.
    wchar_t GetAt(int nIndex) const;
    void SetAt(int nIndex, wchar_t ch);
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }

    int Compare(LPCWSTR psz) const noexcept;
    // Ordinal, locale-independent comparison that folds case.
    int CompareNoCase(LPCWSTR psz) const noexcept;

    // Formats like swprintf, with the original framework's reading of %s and %c
    // (wide in a wide string; %S and %C narrow), and any result length.
    void Format(const wchar_t* pszFormat, ...);
    void FormatV(const wchar_t* pszFormat, va_list args);
    void AppendFormat(const wchar_t* pszFormat, ...);

    // Reads string nID of the resource module. FALSE when missing or empty.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Direct writes: the buffer holds at least nMinBufLength characters plus the
    // terminator; ReleaseBuffer(-1) takes the length from the first terminator.
    LPWSTR GetBuffer(int nMinBufLength);
    LPWSTR GetBuffer() { return GetBuffer(0); }
    void ReleaseBuffer(int nNewLength = -1);

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    int Find(wchar_t ch, int nStart = 0) const noexcept;
    int Find(LPCWSTR pszSub, int nStart = 0) const noexcept;

    CString& operator=(const wchar_t* psz) {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator=(wchar_t ch) {
        m_str.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* psz) {
        if (psz)
            m_str += psz;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        m_str += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) {
        return CString(a.m_str + b.m_str);
    }
    friend CString operator+(const CString& a, const wchar_t* b) {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const wchar_t* a, const CString& b) {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, wchar_t ch) {
        CString r(a);
        r += ch;
        return r;
    }

    friend bool operator==(const CString& a, const CString& b) noexcept {
        return a.m_str == b.m_str;
    }
    friend bool operator==(const CString& a, const wchar_t* b) noexcept {
        return a.Compare(b) == 0;
    }
    friend bool operator==(const wchar_t* a, const CString& b) noexcept {
        return b.Compare(a) == 0;
    }
    friend bool operator!=(const CString& a, const CString& b) noexcept { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) noexcept { return !(a == b); }
    friend bool operator!=(const wchar_t* a, const CString& b) noexcept { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) noexcept { return a.m_str < b.m_str; }

private:
    std::wstring m_str;
};

// Rewrites a format of the original framework's dialect into the C99 dialect of
// wide printf: %s/%c gain the wide length, %S/%C become the narrow forms.
std::wstring AfxTranslateFormat(const wchar_t* pszFormat);

// Lets test frameworks and streams show the text rather than the object's bytes.
inline std::ostream& operator<<(std::ostream& os, const CString& s) {
    std::string narrow;
    for (wchar_t c : s.str())
        narrow += c < 128 ? static_cast<char>(c) : '?';
    return os << '"' << narrow << '"';
}
