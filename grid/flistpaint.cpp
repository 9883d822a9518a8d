// Row and cell painting: each cell is composed off-screen in layers (background,
// text, expander, check box, image, focus-cell button, grid lines) and reaches the
// screen in one transfer. Colours come from one lookup, GetCellColor.
#include "flistctrl.h"
#include "flistgdi.h"

#include <exception>

namespace {

constexpr COLORREF kExpanderFill = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kExpanderFrame = RGB(172, 168, 153);

// The order in which a cell's layers are drawn: later ones paint over earlier ones.
constexpr UINT kCellSteps[] = {FLDP_BACKGROUND, FLDP_TEXT,   FLDP_EXPANDER, FLDP_CHECKBOX,
                               FLDP_IMAGE,      FLDP_BUTTON, FLDP_GRIDLINES};

// Gives the list view's DC back untouched however the row's painting ends.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC hDC) {
        Attach(hDC);
        m_nSaved = SaveDC();
    }
    ~CBorrowedDC() override {
        RestoreDC(m_nSaved);
        Detach();
    }

private:
    int m_nSaved = 0;
};

} // namespace

void CFListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CBorrowedDC dc(lpDIS->hDC);
    // The list view calls this from its paint cycle, which no exception may unwind:
    // a row that cannot be painted keeps what it showed.
    try {
        if (IsEditorOpen()) {
            CRect rcEditor;
            m_pEditor->GetWindowRect(&rcEditor);
            if (!rcEditor.IsRectEmpty()) {
                ScreenToClient(&rcEditor);
                CRgn rgnEditor;
                rgnEditor.CreateRectRgnIndirect(&rcEditor);
                dc.SelectClipRgn(&rgnEditor, RGN_DIFF); // cells never paint over the editor
            }
        }
        // Item data is only trusted once it names a live row.
        const POSITION hRow = reinterpret_cast<POSITION>(GetItemData(lpDIS->itemID));
        if (!IsLiveRow(hRow))
            return;
        const int nCols = static_cast<int>(m_Columns.GetSize());
        for (int nCol = 0; nCol < nCols; nCol++)
            DrawCell(&dc, hRow, nCol);
    } catch (const std::exception&) {
    }
}

void CFListCtrl::DrawCell(CDC* pDC, POSITION hRow, int nCol) {
    XFList_CellMetrics m;
    GetCellMetrics(hRow, nCol, FALSE, TRUE, m);
    const CRect rcCell = m.rcCell;
    if (!m.bCell || !PrepareMemDC(pDC, rcCell))
        return;
    // The list font goes back out of the off-screen DC after the cell, so the DC
    // never holds a font that its owner may delete.
    struct CReleaseFont {
        HDC hDC;
        ~CReleaseFont() { ::SelectObject(hDC, ::GetStockObject(SYSTEM_FONT)); }
    } releaseFont{m_dcMem.GetSafeHdc()};

    m.Offset(-rcCell.left, -rcCell.top);
    for (UINT nStep : kCellSteps)
        DrawCellPart(nStep, &m_dcMem, hRow, nCol, m);
    pDC->BitBlt(rcCell.left, rcCell.top, rcCell.Width(), rcCell.Height(), &m_dcMem, 0, 0, SRCCOPY);
}

BOOL CFListCtrl::DrawPart(UINT nStep, CDC* pDC, POSITION hRow, int nCol) {
    switch (nStep) {
        case FLDP_ERASE:
            EraseOutsideRows(pDC);
            return TRUE;
        case FLDP_INVALIDATEGAP:
            InvalidateGap();
            return TRUE;
        case FLDP_INVALIDATECOLUMN:
            InvalidateColumnBody(nCol);
            return TRUE;
        default:
            break;
    }
    if (nStep < FLDP_BACKGROUND || nStep > FLDP_GRIDLINES)
        return TRUE;
    if (!pDC && nStep != FLDP_BACKGROUND)
        return FALSE; // only the background goes to the off-screen DC whatever it is given
    XFList_CellMetrics m;
    GetCellMetrics(hRow, nCol, TRUE, TRUE, m);
    return DrawCellPart(nStep, pDC, hRow, nCol, m);
}

BOOL CFListCtrl::DrawCellPart(UINT nStep, CDC* pDC, POSITION hRow, int nCol,
                              const XFList_CellMetrics& m) {
    switch (nStep) {
        case FLDP_BACKGROUND: {
            if (!m.bCell)
                return FALSE;
            // Always the off-screen DC: the colours set here serve the later layers.
            const COLORREF crBk = GetCellColor(FLCC_BK, hRow, nCol);
            const COLORREF crText = GetCellColor(FLCC_TEXT, hRow, nCol);
            m_dcMem.FillSolidRect(&m.rcCell, crBk);
            m_dcMem.SetBkColor(crBk);
            m_dcMem.SetTextColor(crText);
            return TRUE;
        }
        case FLDP_EXPANDER:
            if (!m.bExpander)
                return FALSE;
            if (GetNextItem(hRow, FLGN_CHILD))
                DrawExpander(pDC, hRow, m.rcExpander);
            return TRUE;
        case FLDP_CHECKBOX:
            if (!m.bCheckBox)
                return FALSE;
            DrawCheckBox(pDC, hRow, nCol, m.rcCheckBox);
            return TRUE;
        case FLDP_IMAGE:
            if (!m.bImage)
                return FALSE;
            DrawImage(pDC, GetItem(hRow, nCol)->m_nImage, m.rcImage);
            return TRUE;
        case FLDP_BUTTON:
            if (!m.bButton)
                return FALSE;
            DrawButton(pDC, hRow, nCol, m.rcButton);
            return TRUE;
        case FLDP_TEXT:
            if (!m.bCell)
                return FALSE;
            DrawCellText(pDC, hRow, nCol, m.rcLabel);
            return TRUE;
        case FLDP_GRIDLINES:
            if (!m.bCell)
                return FALSE;
            if (m.bGridLines) {
                // Of this frame only the left column and the bottom row fall inside
                // the cell: each cell draws its own two lines.
                RECT rcFrame = m.rcCell;
                rcFrame.top -= 1;
                rcFrame.right += 1;
                const COLORREF crLine = ::GetSysColor(COLOR_BTNFACE);
                pDC->Draw3dRect(&rcFrame, crLine, crLine);
            }
            return TRUE;
        default:
            return TRUE;
    }
}

COLORREF CFListCtrl::GetCellColor(UINT nWhich, POSITION hRow, int nCol) {
    const BOOL bBk = nWhich == FLCC_BK;
    // No column must never match the focus column -1 of whole-row focus.
    const int nCell = nCol == -1 ? -2 : nCol;
    if (hRow && hRow == m_hFocusRow) {
        if (nCell == GetFocusCol()) {
            if (bBk && IsEditorOpen())
                return ListColor(TRUE); // the editor shows the cell's value on plain ground
            const COLORREF cr = bBk ? m_crFocusCellBk : m_crFocusCellText;
            if (cr != FLCLR_NONE)
                return MapFocusColor(cr, bBk ? COLOR_HIGHLIGHT : COLOR_HIGHLIGHTTEXT);
        }
        if (((m_dwFlags & FLF_ROWFOCUS) && nCell == 0) ||
            (GetExtendedStyle() & LVS_EX_FULLROWSELECT)) {
            const COLORREF cr = bBk ? m_crFocusRowBk : m_crFocusRowText;
            if (cr != FLCLR_NONE)
                return MapFocusColor(cr, bBk ? COLOR_HIGHLIGHT : COLOR_HIGHLIGHTTEXT);
        }
    }
    if (hRow) {
        const XFList_Row* pRow = GetRowRecord(hRow);
        const COLORREF cr = bBk ? pRow->m_crBk : pRow->m_crText;
        if (cr != FLCLR_NONE && cr != FLCLR_SYSTEM)
            return cr;
    }
    if (nCell >= 0) {
        const XFList_Column* pColumn = GetColumn(nCell);
        const COLORREF cr = bBk ? pColumn->m_crBk : pColumn->m_crText;
        if (cr != FLCLR_NONE && cr != FLCLR_SYSTEM)
            return cr;
    }
    return ListColor(bBk);
}

COLORREF CFListCtrl::ListColor(BOOL bBk) {
    // The list view may answer with its "use the default" value instead of a colour.
    const COLORREF cr = bBk ? GetBkColor() : GetTextColor();
    if (cr == CLR_DEFAULT || cr == CLR_NONE)
        return ::GetSysColor(bBk ? COLOR_WINDOW : COLOR_WINDOWTEXT);
    return cr;
}

COLORREF CFListCtrl::MapFocusColor(COLORREF crValue, int nSysColor) {
    return crValue == FLCLR_SYSTEM ? ::GetSysColor(nSysColor) : crValue;
}

void CFListCtrl::DrawExpander(CDC* pDC, POSITION hRow, const RECT& rcBox) {
    const BOOL bCollapsed = AreChildrenHidden(hRow);
    CImageList* pImages = GetSmallImages();
    if (m_nCollapsedImage >= 0 && pImages && m_nCollapsedImage < pImages->GetImageCount()) {
        pImages->Draw(pDC, bCollapsed ? m_nCollapsedImage : m_nExpandedImage,
                      CPoint(rcBox.left, rcBox.top), ILD_TRANSPARENT);
        return;
    }
    // A 9 x 9 box centred in the expander slot, with a minus, or a plus when collapsed.
    const int cx = (rcBox.left + rcBox.right) / 2;
    const int cy = (rcBox.top + rcBox.bottom) / 2;
    const RECT rc = {cx - 4, cy - 4, cx + 5, cy + 5};
    pDC->FillSolidRect(&rc, kExpanderFill);
    pDC->Draw3dRect(&rc, kExpanderFrame, kExpanderFrame);
    pDC->MoveTo(rc.left + 2, rc.top + 4);
    pDC->LineTo(rc.right - 2, rc.top + 4);
    if (bCollapsed) {
        pDC->MoveTo(rc.left + 4, rc.top + 2);
        pDC->LineTo(rc.left + 4, rc.bottom - 2);
    }
}

void CFListCtrl::DrawCheckBox(CDC* pDC, POSITION hRow, int nCol, RECT rcBox) {
    const XFList_Item* pItem = GetItem(hRow, nCol);
    const XFList_ControlProfile* pProfile = GetProfileAt(pItem->m_nProfile);
    int nImage = -1;
    UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT; // unchecked, and any unknown state
    switch (pItem->m_nCheck) {
        case 0:
            nImage = pProfile->m_nImageUnchecked;
            break;
        case 1:
            nImage = pProfile->m_nImageChecked;
            nState = DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT;
            break;
        case 2:
            nImage = pProfile->m_nImageIndeterminate;
            nState = DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE;
            break;
        default:
            break;
    }
    // A state image without an image list to take it from falls back to the box.
    if (nImage >= 0 && GetSmallImages()) {
        DrawImage(pDC, nImage, rcBox);
        return;
    }
    ::InflateRect(&rcBox, -2, -2);
    pDC->DrawFrameControl(&rcBox, DFC_BUTTON, nState);
}

void CFListCtrl::DrawImage(CDC* pDC, int nImage, const RECT& rcBox) {
    CImageList* pImages = GetSmallImages();
    if (!pImages)
        return;
    IMAGEINFO info = {};
    const int nHeight =
        pImages->GetImageInfo(nImage, &info) ? info.rcImage.bottom - info.rcImage.top : 0;
    const int y = (rcBox.top + rcBox.bottom) / 2 - nHeight / 2 + 1;
    pImages->Draw(pDC, nImage, CPoint(rcBox.left, y), ILD_TRANSPARENT);
}

// A plus on a plain face: two 2-pixel bars across a square. The drop-down editor
// paints its button the same way.
void CFListCtrl::DrawPlusFace(CDC* pDC, RECT rcButton) {
    RECT rcFace = rcButton;
    ::InflateRect(&rcFace, -1, -1);
    pDC->FillSolidRect(&rcFace, ::GetSysColor(COLOR_BTNFACE));
    const COLORREF crGlyph = ::GetSysColor(COLOR_BTNTEXT);
    const int nLeft = rcFace.left + 3;
    const int nTop = rcFace.top + 3;
    int nRight = rcFace.right - 3;
    if ((nRight - nLeft) % 2 != 0)
        nRight -= 1;
    const int nBottom = nTop + (nRight - nLeft);
    const int cx = (nLeft + nRight) / 2;
    const int cy = (nTop + nBottom) / 2;
    const RECT rcAcross = {nLeft, cy - 1, nRight, cy + 1};
    const RECT rcDown = {cx - 1, nTop, cx + 1, nBottom};
    pDC->FillSolidRect(&rcAcross, crGlyph);
    pDC->FillSolidRect(&rcDown, crGlyph);
}

void CFListCtrl::DrawButton(CDC* pDC, POSITION hRow, int nCol, RECT rcButton) {
    pDC->DrawFrameControl(&rcButton, DFC_SCROLL, DFCS_SCROLLDOWN);
    const DWORD dwStyle = GetProfile(hRow, nCol)->m_dwStyle;
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crGlyph = ::GetSysColor(COLOR_BTNTEXT);
    if (dwStyle & FLPS_PLUSBUTTON) {
        DrawPlusFace(pDC, rcButton);
    } else if ((dwStyle & (FLPS_BUTTON | FLPS_COMBO)) != (FLPS_BUTTON | FLPS_COMBO)) {
        // A plain button reads "..."; a drop-down cell keeps the arrow.
        RECT rcLabel = {rcButton.left + 2, rcButton.top + 1, rcButton.right - 1,
                        rcButton.bottom - 1};
        pDC->SetBkColor(crFace);
        pDC->SetTextColor(crGlyph);
        pDC->DrawText(L"...", -1, &rcLabel, DT_CENTER);
    }
}

void CFListCtrl::DrawCellText(CDC* pDC, POSITION hRow, int nCol, RECT rcLabel) {
    rcLabel.left += 3;
    rcLabel.top += 1;
    rcLabel.right -= 3;
    rcLabel.bottom -= 2;
    // Drawn from the top and clipped to the label: no centring, no ellipsis.
    UINT nFormat = GetColumn(nCol)->m_nAlign | DT_NOPREFIX | DT_EXTERNALLEADING;
    if (m_nLinesPerRow > 1)
        nFormat |= DT_WORDBREAK;
    const CString& strText = GetItem(hRow, nCol)->m_strText;
    if (!GetRowRecord(hRow)->m_bBold) {
        pDC->DrawText(strText, &rcLabel, nFormat);
        return;
    }
    LOGFONTW lf = {};
    ::GetObjectW(pDC->GetCurrentObject(OBJ_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    CFont fontBold;
    fontBold.CreateFontIndirect(&lf);
    CFListSelection font(pDC->GetSafeHdc(), fontBold);
    pDC->DrawText(strText, &rcLabel, nFormat);
}
