// GDI object wrappers. An object owns the handle it created or was attached to and
// deletes it when destroyed; FromHandle gives a temporary wrapper that only borrows.
//
// Create* on an object that already holds a handle refuses (FALSE) before making
// anything, so nothing can be orphaned: to replace the object, DeleteObject first.
// DeleteObject may be called while the object is still selected into a DC that the
// framework obtained (CreateCompatibleDC, CPaintDC, CClientDC, CWindowDC): that DC
// gets its original object back first, so the deletion always frees the handle, on
// Windows (which refuses to delete a selected bitmap) as well as under Wine (which
// would only defer it). A DC given to a wrapper with Attach is not watched.
#pragma once

#include "afxhandlemap.h"
#include "afxtypes.h"

class CGdiObject : public CHandleWrapper<CGdiObject, HGDIOBJ> {
public:
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ m_hObject = nullptr;
    static constexpr auto kHandle = &CGdiObject::m_hObject;

    // For a pointer that may be null, AfxSafeHandle(pObject) instead.
    HGDIOBJ GetSafeHandle() const noexcept { return m_hObject; }
    BOOL DeleteObject();

    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    operator HPEN() const noexcept { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN hPen) { return HandleMap().FromHandle<CPen>(hPen); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
        return CreateHandle([&] { return ::CreatePen(nPenStyle, nWidth, crColor); });
    }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH hBrush) { return HandleMap().FromHandle<CBrush>(hBrush); }
    BOOL CreateSolidBrush(COLORREF crColor) {
        return CreateHandle([&] { return ::CreateSolidBrush(crColor); });
    }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT hFont) { return HandleMap().FromHandle<CFont>(hFont); }
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont) {
        return CreateHandle([&] { return ::CreateFontIndirectW(lpLogFont); });
    }
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP hBitmap) { return HandleMap().FromHandle<CBitmap>(hBitmap); }
    BOOL CreateCompatibleBitmap(class CDC* pDC, int nWidth, int nHeight);
    // A section whose pixels the caller reaches through *ppvBits.
    BOOL CreateDIBSection(class CDC* pDC, const BITMAPINFO* pbmi, UINT iUsage, void** ppvBits);
};

class CRgn : public CGdiObject {
public:
    operator HRGN() const noexcept { return static_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN hRgn) { return HandleMap().FromHandle<CRgn>(hRgn); }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) {
        return CreateHandle([&] { return ::CreateRectRgn(x1, y1, x2, y2); });
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) {
        return CreateHandle([&] { return ::CreateRectRgnIndirect(lpRect); });
    }
    // Stores the combination of the two regions in this one (which must exist).
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
        return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(AfxSafeHandle(pRgn1)),
                            static_cast<HRGN>(AfxSafeHandle(pRgn2)), nCombineMode);
    }
    BOOL PtInRegion(POINT point) const {
        return ::PtInRegion(static_cast<HRGN>(m_hObject), point.x, point.y);
    }
};
