#include "painted_fixture.h"

void PaintedGridTest::SetUp() {
    GridTest::SetUp();
    ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
    SetGridLines(true);
    ListSend(LVM_SETBKCOLOR, 0, kListBk);
    ListSend(LVM_SETTEXTCOLOR, 0, kListText);
}

void PaintedGridTest::TearDown() {
    m_pCanvas.reset();
    GridTest::TearDown();
    ::DeleteObject(m_hFont);
}

CRect PaintedGridTest::Part(POSITION hRow, int nCol, UINT nKind, BOOL bRelative) {
    CRect rc;
    EXPECT_TRUE(m_grid.GetCellRect(hRow, nCol, nKind, &rc, bRelative)) << "kind " << nKind;
    return rc;
}

Canvas& PaintedGridTest::PaintRow(POSITION hRow, bool bKeep) {
    if (!bKeep)
        m_pCanvas->Clear();
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTVIEW;
    dis.CtlID = 1014;
    dis.itemID = Index(hRow);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = List();
    dis.hDC = m_pCanvas->Dc();
    m_grid.GetCellRect(hRow, 0, FLR_ROW, &dis.rcItem, FALSE);
    m_grid.CFListCtrl::DrawItem(&dis);
    return *m_pCanvas;
}
