// CImageList: owns an image list it created or was attached to; FromHandle borrows
// (the list view's own lists, for example).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "afxhandlemap.h"

class CDC;

class CImageList : public CHandleWrapper<CImageList, HIMAGELIST> {
public:
    virtual ~CImageList() { DeleteImageList(); }

    HIMAGELIST m_hImageList = nullptr;
    static constexpr auto kHandle = &CImageList::m_hImageList;

    // For a pointer that may be null, AfxSafeHandle(pImageList) instead.
    HIMAGELIST GetSafeHandle() const noexcept { return m_hImageList; }
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
        // Refuses, creating nothing, when the object already holds a list.
        return CreateHandle([&] { return ImageList_Create(cx, cy, nFlags, nInitial, nGrow); });
    }
    BOOL DeleteImageList() { return DestroyHandle(ImageList_Destroy); }

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
