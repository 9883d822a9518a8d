#include "afxstr.h"

#include "afxexcept.h"
#include "afxmodule.h"

#include <algorithm>
#include <cwctype>

wchar_t CString::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, wchar_t ch) {
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(nIndex)] = ch;
}

int CString::Compare(LPCWSTR psz) const noexcept {
    return m_str.compare(psz ? psz : L"");
}

int CString::CompareNoCase(LPCWSTR psz) const noexcept {
    // Folds A-Z to lower case only, as _wcsicmp does in the "C" locale the program
    // runs under, but without depending on whatever locale is current.
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : int(c); };
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = psz ? psz : L"";
    for (;; ++a, ++b) {
        const int d = fold(*a) - fold(*b);
        if (d != 0 || *a == 0)
            return d;
    }
}

BOOL CString::LoadString(UINT nID) {
    return LoadString(AfxGetResourceHandle(), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID) {
    // With a zero buffer size the call hands back a pointer into the resource itself.
    const wchar_t* text = nullptr;
    int n = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr) {
        return FALSE;
    }
    m_str.assign(text, static_cast<size_t>(n));
    return TRUE;
}

LPWSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        const size_t end = m_str.find(L'\0');
        if (end != std::wstring::npos)
            m_str.resize(end);
        return;
    }
    if (nNewLength > GetLength())
        AfxThrowInvalidArgException();
    m_str.resize(static_cast<size_t>(nNewLength));
}

CString CString::Left(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(static_cast<size_t>(GetLength() - nCount)));
}

int CString::Find(wchar_t ch, int nStart) const noexcept {
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(nStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCWSTR pszSub, int nStart) const noexcept {
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t at = m_str.find(pszSub, static_cast<size_t>(nStart));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}
