// Fitting a column's width to its texts.
#include "flistctrl.h"
#include "flistgdi.h"

#include <algorithm>

void CFListCtrl::AutoSizeColumn(int nCol) {
    if (m_nLinesPerRow > 1)
        return; // wrapped text has no single width to fit
    const BOOL bHeader = !(GetStyle() & LVS_NOCOLUMNHEADER);
    if (nCol == -1) {
        // -1 names the only column of a grid without a header.
        if (bHeader || m_Columns.GetSize() != 1)
            return;
        nCol = 0;
    } else if (nCol < 0 || nCol >= m_Columns.GetSize()) {
        return;
    }

    CClientDC dc(this);
    HFONT hListFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
    if (!hListFont)
        hListFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTW lf = {};
    ::GetObjectW(hListFont, sizeof(lf), &lf);
    CFont fontNormal;
    fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    CFont fontBold;
    fontBold.CreateFontIndirect(&lf);
    CFListSelection font(dc.GetSafeHdc(), fontNormal);
    bool bBoldSelected = false;

    int nBest = 0;
    for (POSITION pos = m_Rows.GetHeadPosition(); pos;) {
        const POSITION hRow = pos;
        const XFList_Row* pRow = m_Rows.GetNext(pos);
        if (pRow->m_nListIndex < 0)
            continue; // rows hidden in a collapsed subtree take no room
        XFList_CellMetrics m;
        GetCellMetrics(hRow, nCol, FALSE, TRUE, m);
        if (!m.bCell)
            continue;
        if (bBoldSelected != (pRow->m_bBold != FALSE)) {
            bBoldSelected = !bBoldSelected;
            font.Switch(bBoldSelected ? fontBold : fontNormal);
        }
        RECT rcText = {};
        dc.DrawText(pRow->m_Items[nCol].m_strText, &rcText, DT_CALCRECT);
        // Everything the cell holds besides its label (indent, slots, grid line, a
        // shown button), the text itself and a margin.
        const int nNeed = (m.rcCell.right - m.rcCell.left) - (m.rcLabel.right - m.rcLabel.left) +
                          (rcText.right - rcText.left) + 11;
        nBest = std::max(nBest, nNeed);
    }
    if (bHeader) {
        if (bBoldSelected)
            font.Switch(fontNormal);
        RECT rcText = {};
        dc.DrawText(GetColumnHeading(nCol), &rcText, DT_CALCRECT);
        nBest = std::max(nBest, static_cast<int>(rcText.right - rcText.left) + 20);
    }
    if (nBest != 0)
        SetColumnWidth(nCol, std::max(nBest, 30));
}
