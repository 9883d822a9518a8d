#include "afxdc.h"
#include "afxgdi.h"
#include "afxmodule.h"

namespace {

void borrowGdi(CGdiObject* obj, HGDIOBJ h) {
    obj->m_hObject = h;
}
void releaseGdi(CGdiObject* obj) {
    obj->m_hObject = nullptr;
}
void cleanGdi() {
    AfxGdiMap().DeleteTemp();
}

} // namespace

CHandleMap<HGDIOBJ, CGdiObject>& AfxGdiMap() {
    thread_local CHandleMap<HGDIOBJ, CGdiObject> map(borrowGdi, releaseGdi);
    thread_local bool registered = (AfxRegisterTempMapCleaner(cleanGdi), true);
    (void)registered;
    return map;
}

HGDIOBJ CGdiObject::GetSafeHandle() const noexcept {
    const CGdiObject* self = this;
    asm("" : "+r"(self)); // callers may ask through a null pointer
    return self ? self->m_hObject : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return AfxGdiMap().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap() {
    AfxGdiMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    if (AfxGdiMap().LookupPermanent(hObject) == nullptr)
        AfxGdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr && AfxGdiMap().LookupPermanent(hObject) == this)
        AfxGdiMap().RemoveHandle(hObject);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
