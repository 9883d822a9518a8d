#include "afxdc.h"
#include "afximagelist.h"

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ImageList_Draw(m_hImageList, nImage, AfxSafeHdc(pDC), pt.x, pt.y, nStyle);
}
