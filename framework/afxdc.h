// Device contexts. CDC owns a DC it created (and deletes it); CPaintDC, CClientDC
// and CWindowDC borrow their window's DC for their lifetime; FromHandle and Attach
// wrap a DC that someone else gives back.
//
// A DC the framework obtains itself (all but FromHandle and Attach) remembers the
// bitmap, font, pen and brush it started with. Before the DC is deleted or given
// back they are selected into it again, so that whatever the program selected is
// free to be deleted, whichever of the DC and the object goes first; and a GDI
// object deleted while selected into such a DC is first replaced there by the
// original (see CGdiObject::DeleteObject).
#pragma once

#include "afxgdi.h"
#include "afxstr.h"

class CWnd;

class CDC : public CHandleWrapper<CDC, HDC> {
public:
    virtual ~CDC() { DeleteDC(); }

    HDC m_hDC = nullptr;
    static constexpr auto kHandle = &CDC::m_hDC;

    // For a pointer that may be null, AfxSafeHdc(pDC) instead.
    HDC GetSafeHdc() const noexcept { return m_hDC; }
    // Selects the original objects back first (a DC the framework made).
    BOOL DeleteDC();
    // Refuses, creating nothing, when the object already holds a DC.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Lets go of the DC as it is: nothing is selected back, nothing deleted.
    HDC Detach();

    // Selection: each returns what was selected before (a temporary wrapper).
    CGdiObject* SelectObject(CGdiObject* pObject);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ GetCurrentObject(UINT uObjectType) const {
        return ::GetCurrentObject(m_hDC, uObjectType);
    }

    // Clipping.
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);

    // Colours and modes.
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    // Filling and frames. FillSolidRect leaves crColor as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    void Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight);
    void FillRect(LPCRECT lpRect, CBrush* pBrush) {
        ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(AfxSafeHandle(pBrush)));
    }
    BOOL Rectangle(LPCRECT lpRect) {
        return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
        return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }

    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    // Lines.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }

    // Text.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
        return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
    }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
        return ::DrawTextW(m_hDC, str.GetString(), str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const {
        return GetTextExtent(str.GetString(), str.GetLength());
    }

    // Bit-block transfers.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, AfxSafeHandle(pSrcDC), xSrc, ySrc, dwRop);
    }

protected:
    // For a DC just obtained: notes its original objects and makes it one of the DCs
    // that a deleted object is selected out of.
    void KeepOriginals();
    // Selects the original objects back and forgets them.
    void RestoreOriginals();

private:
    friend void AfxDeselectObject(HGDIOBJ hObject);
    void ForgetOriginals();
    // Bitmap, font, pen and brush, in the order of kOriginalTypes in dc.cpp.
    HGDIOBJ m_hOriginal[4] = {};
};

// The DC of a possibly null DC object.
inline HDC AfxSafeHdc(const CDC* pDC) noexcept {
    return AfxSafeHandle(pDC);
}

// Replaces hObject by the original object in every DC that keeps its originals
// (see above), so that hObject can be deleted.
void AfxDeselectObject(HGDIOBJ hObject);

// BeginPaint/EndPaint around the object's lifetime.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};

// The window's client-area DC (the screen's for a null window), released at the end.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// The whole window's DC, released at the end.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
