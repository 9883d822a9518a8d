// A grid painted row by row into a canvas, for tests that read the painted pixels.
#pragma once

#include <memory>

#include "canvas.h"
#include "grid_fixture.h"

// A grid in the crisp font, with grid lines and list colours of its own, and a canvas
// its rows are painted into as the list view would ask for them.
constexpr COLORREF kListBk = RGB(250, 250, 235);
constexpr COLORREF kListText = RGB(30, 30, 140);

class PaintedGridTest : public GridTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void SetGridLines(bool bOn) {
        ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, bOn ? LVS_EX_GRIDLINES : 0);
    }
    bool Has(POSITION hRow, int nCol, UINT nKind) {
        RECT rc;
        return m_grid.GetCellRect(hRow, nCol, nKind, &rc, FALSE) != FALSE;
    }
    CRect Part(POSITION hRow, int nCol, UINT nKind, BOOL bRelative = FALSE);
    void UseProfile(POSITION hRow, int nCol, DWORD dwStyle) {
        m_grid.GetItem(hRow, nCol)->m_nProfile = m_grid.AddProfile(dwStyle);
    }
    // Paints one row through DrawItem, into the canvas cleared first unless bKeep.
    Canvas& PaintRow(POSITION hRow, bool bKeep = false);
    // The canvas's colour at a point of the cell's label that short texts leave free.
    COLORREF GroundOf(POSITION hRow, int nCol) {
        const CRect rc = Part(hRow, nCol, FLR_LABEL);
        return m_pCanvas->At(rc.right - 4, rc.bottom - 2);
    }
    int TextPixels(POSITION hRow, int nCol, COLORREF cr) {
        return m_pCanvas->Count(Part(hRow, nCol, FLR_LABEL), cr);
    }

    HFONT m_hFont = CreateCrispFont(-13);
    std::unique_ptr<Canvas> m_pCanvas = std::make_unique<Canvas>(320, 240, m_hFont);
};
