// The off-screen buffer every cell is composed in: one DC for the grid's lifetime and
// one bitmap, replaced only when a cell does not fit it.
#include "flistctrl.h"

BOOL CFListCtrl::PrepareMemDC(CDC* pDC, RECT rcCell) {
    if (!m_dcMem.GetSafeHdc() && !m_dcMem.CreateCompatibleDC(pDC))
        return FALSE;
    const int nWidth = rcCell.right - rcCell.left;
    const int nHeight = rcCell.bottom - rcCell.top;
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE; // nothing to compose

    if (!m_bmpMem.GetSafeHandle() || m_nMemWidth < nWidth || m_nMemHeight < nHeight) {
        // Exactly this cell's size, even if smaller than before in the other dimension.
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = nWidth;
        bmi.bmiHeader.biHeight = nHeight; // positive: rows bottom-up
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        const HBITMAP hNew =
            ::CreateDIBSection(m_dcMem.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        if (!hNew)
            return FALSE; // the old bitmap stays; this cell is not drawn
        // The new bitmap goes in before the old one is deleted: a bitmap still selected
        // into a DC cannot be.
        ::SelectObject(m_dcMem.GetSafeHdc(), hNew);
        m_bmpMem.DeleteObject();
        m_bmpMem.Attach(hNew);
        m_nMemWidth = nWidth;
        m_nMemHeight = nHeight;
    }
    ::SelectObject(m_dcMem.GetSafeHdc(), pDC->GetCurrentObject(OBJ_FONT));
    return TRUE;
}
