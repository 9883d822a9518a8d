#include "afxdc.h"
#include "afximagelist.h"

namespace {

void borrowList(CImageList* list, HIMAGELIST h) {
    list->m_hImageList = h;
}
void releaseList(CImageList* list) {
    list->m_hImageList = nullptr;
}
void cleanLists();

CHandleMap<HIMAGELIST, CImageList>& listMap() {
    thread_local CHandleMap<HIMAGELIST, CImageList> map(borrowList, releaseList);
    thread_local bool registered = (AfxRegisterTempMapCleaner(cleanLists), true);
    (void)registered;
    return map;
}

void cleanLists() {
    listMap().DeleteTemp();
}

} // namespace

HIMAGELIST CImageList::GetSafeHandle() const noexcept {
    const CImageList* self = this;
    asm("" : "+r"(self)); // callers may ask through a null pointer
    return self ? self->m_hImageList : nullptr;
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
    return listMap().FromHandle(hImageList);
}

void CImageList::DeleteTempMap() {
    listMap().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    if (listMap().LookupPermanent(hImageList) == nullptr)
        listMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr && listMap().LookupPermanent(hImageList) == this)
        listMap().RemoveHandle(hImageList);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
