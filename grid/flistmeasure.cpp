// Row height: the list view asks for it, and is made to ask again when the font changes.
#include "flistctrl.h"

void CFListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    const int nTop = GetTopIndex();
    if (m_nLineHeight > 0 && nTop >= 0)
        ScrollToFirstItem(nTop);

    CClientDC dc(this);
    const HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
    const HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), hFont);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc.GetSafeHdc(), &tm);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    lpMIS->itemHeight = m_nLinesPerRow * m_nLineHeight + 4;
}

// Before the row height changes, scroll back to the first item and to the header's
// horizontal origin, so the old scroll offsets do not apply to the new rows.
void CFListCtrl::ScrollToFirstItem(int nTop) {
    RECT rcItem = {};
    rcItem.left = LVIR_BOUNDS;
    if (!SendMessage(LVM_GETITEMRECT, nTop, reinterpret_cast<LPARAM>(&rcItem)))
        ::SetRectEmpty(&rcItem);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int dx = 0;
    if (CHeaderCtrl* pHeader = GetHeaderCtrl()) {
        CRect rcHeader;
        pHeader->GetWindowRect(&rcHeader);
        dx = rcHeader.left - rcWindow.left;
    }
    const int dy = -(rcItem.bottom - rcItem.top) * nTop;
    SendMessage(LVM_SCROLL, dx, dy);
}

LRESULT CFListCtrl::OnSetFont(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    RequestMeasure();
    return lResult;
}

void CFListCtrl::OnFontChange() {
    Default();
    RequestMeasure();
}

// The list view measures its rows on a size change; tell it of one at the current size.
void CFListCtrl::RequestMeasure() {
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    WINDOWPOS wp = {};
    wp.hwnd = GetSafeHwnd();
    wp.cx = rcWindow.Width();
    wp.cy = rcWindow.Height();
    wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}
