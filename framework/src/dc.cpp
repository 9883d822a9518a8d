#include "afxdc.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace {

constexpr UINT kOriginalTypes[] = {OBJ_BITMAP, OBJ_FONT, OBJ_PEN, OBJ_BRUSH};

// The slot of m_hOriginal that an object of this type is selected into, else -1.
int slotOf(DWORD objectType) {
    if (objectType == OBJ_EXTPEN)
        objectType = OBJ_PEN;
    for (int i = 0; i < 4; ++i) {
        if (kOriginalTypes[i] == objectType)
            return i;
    }
    return -1;
}

// The DCs that keep their originals. Process-wide, so that a DC given up on another
// thread than the one that made it leaves no dangling entry behind; never destroyed,
// so that a DC object that outlives static destruction can still unregister.
struct Keepers {
    std::mutex lock;
    std::vector<CDC*> dcs;
};

Keepers& keepers() {
    static Keepers* instance = new Keepers;
    return *instance;
}

} // namespace

void CDC::KeepOriginals() {
    if (m_hDC == nullptr)
        return;
    for (int i = 0; i < 4; ++i)
        m_hOriginal[i] = ::GetCurrentObject(m_hDC, kOriginalTypes[i]);
    const auto none = [](HGDIOBJ h) { return h == nullptr; };
    if (std::all_of(std::begin(m_hOriginal), std::end(m_hOriginal), none))
        return;
    Keepers& k = keepers();
    std::lock_guard lock(k.lock);
    if (std::find(k.dcs.begin(), k.dcs.end(), this) == k.dcs.end())
        k.dcs.push_back(this);
}

void CDC::RestoreOriginals() {
    if (m_hDC != nullptr) {
        for (int i = 0; i < 4; ++i) {
            const HGDIOBJ original = m_hOriginal[i];
            if (original != nullptr && ::GetCurrentObject(m_hDC, kOriginalTypes[i]) != original)
                ::SelectObject(m_hDC, original);
        }
    }
    ForgetOriginals();
}

void CDC::ForgetOriginals() {
    const auto none = [](HGDIOBJ h) { return h == nullptr; };
    if (std::all_of(std::begin(m_hOriginal), std::end(m_hOriginal), none))
        return; // never kept (a DC someone else gave us, or a temporary)
    std::fill(std::begin(m_hOriginal), std::end(m_hOriginal), nullptr);
    Keepers& k = keepers();
    std::lock_guard lock(k.lock);
    k.dcs.erase(std::remove(k.dcs.begin(), k.dcs.end(), this), k.dcs.end());
}

void AfxDeselectObject(HGDIOBJ hObject) {
    const int slot = hObject != nullptr ? slotOf(::GetObjectType(hObject)) : -1;
    if (slot < 0)
        return;
    Keepers& k = keepers();
    std::lock_guard lock(k.lock);
    for (CDC* pDC : k.dcs) {
        const HGDIOBJ original = pDC->m_hOriginal[slot];
        if (original != nullptr && original != hObject &&
            ::GetCurrentObject(pDC->m_hDC, kOriginalTypes[slot]) == hObject)
            ::SelectObject(pDC->m_hDC, original);
    }
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    if (!CreateHandle([&] { return ::CreateCompatibleDC(AfxSafeHdc(pDC)); }))
        return FALSE;
    KeepOriginals();
    return TRUE;
}

BOOL CDC::DeleteDC() {
    RestoreOriginals();
    return DestroyHandle(::DeleteDC);
}

HDC CDC::Detach() {
    ForgetOriginals();
    return CHandleWrapper::Detach();
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, AfxSafeHandle(pObject)));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, AfxSafeHandle(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, AfxSafeHandle(pBitmap))));
}

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, AfxSafeHandle(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, AfxSafeHandle(pBrush))));
}

int CDC::SelectClipRgn(CRgn* pRgn) {
    return ::SelectClipRgn(m_hDC, static_cast<HRGN>(AfxSafeHandle(pRgn)));
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
    return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(AfxSafeHandle(pRgn)), nMode);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
    // An opaque empty text paints the rectangle in the background colour, which
    // stays set afterwards. Reversed edges (negative extents) are put in order.
    RECT rc = *lpRect;
    if (rc.left > rc.right)
        std::swap(rc.left, rc.right);
    if (rc.top > rc.bottom)
        std::swap(rc.top, rc.bottom);
    ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
    const RECT rc{x, y, x + cx, y + cy};
    FillSolidRect(&rc, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, crTopLeft, crBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight) {
    // Top and left edges stop one pixel short; right and bottom edges cover the corners.
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx, y, -1, cy, crBottomRight);
    FillSolidRect(x, y + cy, cx, -1, crBottomRight);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT previous{};
    ::MoveToEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}
