#include "afxdc.h"
#include "afxgdi.h"
#include "afxmodule.h"

BOOL CGdiObject::DeleteObject() {
    // Windows refuses to delete a bitmap that is still selected, and Wine only defers
    // it: take it out of the DCs we know first, so that it is gone when this returns.
    AfxDeselectObject(m_hObject);
    return DestroyHandle(::DeleteObject);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return CreateHandle([&] { return ::CreateCompatibleBitmap(AfxSafeHdc(pDC), nWidth, nHeight); });
}

BOOL CBitmap::CreateDIBSection(CDC* pDC, const BITMAPINFO* pbmi, UINT iUsage, void** ppvBits) {
    if (m_hObject != nullptr && ppvBits != nullptr)
        *ppvBits = nullptr; // refused: no pixels to hand out
    return CreateHandle(
        [&] { return ::CreateDIBSection(AfxSafeHdc(pDC), pbmi, iUsage, ppvBits, nullptr, 0); });
}
