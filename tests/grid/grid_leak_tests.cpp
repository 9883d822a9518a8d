// The GDI handles that painting, measuring and fitting must give back, checked by
// doing each more often than the process's handle table could bear a leak. A long
// run, so an entry of its own.
#include "canvas.h"
#include "grid_fixture.h"

namespace {

class GridLeakTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
        ListSend(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    }
    void TearDown() override {
        GridTest::TearDown();
        ::DeleteObject(m_hFont);
    }
    HFONT m_hFont = CreateCrispFont(-13);
};

TEST_F(GridLeakTest, PaintingMeasuringAndFittingGiveBackEveryHandle) {
    AddColumns(3);
    const Rows rows = AddRows(10);
    for (int i = 0; i < 10; i++) {
        m_grid.SetItemText(rows[i], 1, L"1500");
        m_grid.GetRowRecord(rows[i])->m_bBold = i != 4; // a font made for every bold cell
    }
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.SetFocusCell(rows[3], 1);
    const COLORREF crBk = RGB(250, 250, 235), crText = RGB(30, 30, 140);
    ListSend(LVM_SETBKCOLOR, 0, crBk);
    ListSend(LVM_SETTEXTCOLOR, 0, crText);
    HFONT hOther = CreateCrispFont(-15);
    Canvas canvas(320, 240, m_hFont);
    CDC dc;
    dc.Attach(canvas.Dc());
    auto paintAll = [&] {
        for (int i = 0; i < 10; i++) {
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_LISTVIEW;
            dis.itemID = i;
            dis.hwndItem = List();
            dis.hDC = canvas.Dc();
            m_grid.CFListCtrl::DrawItem(&dis);
        }
    };
    paintAll();
    const DWORD nBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);

    // More cells than the process's GDI handle table could hold if each leaked one.
    for (int nPass = 0; nPass < 2600; nPass++)
        paintAll();
    for (int i = 0; i < 2000; i++)
        m_grid.PrepareMemDC(&dc, i % 2 ? RECT{0, 0, 80, 17} : RECT{0, 0, 60, 30});
    for (int i = 0; i < 1000; i++) {
        ListSend(WM_SETFONT, WPARAM(i % 2 ? m_hFont : hOther), FALSE);
        m_grid.AutoSizeColumn(i % 3);
    }
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), nBefore);

    // And a bold cell still paints as it should, in a bitmap that has to be made anew.
    ListSend(WM_SETFONT, WPARAM(m_hFont), FALSE);
    ListSend(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(m_grid.m_nMemWidth + 40, 0));
    canvas.Clear();
    paintAll();
    CRect rcLabel;
    m_grid.GetCellRect(rows[5], 1, FLR_LABEL, &rcLabel, FALSE);
    EXPECT_EQ(canvas.At(rcLabel.right - 3, rcLabel.bottom - 2), crBk);
    const int nBoldInk = canvas.Count(rcLabel, crText);
    m_grid.GetCellRect(rows[4], 1, FLR_LABEL, &rcLabel, FALSE);
    EXPECT_GT(nBoldInk, canvas.Count(rcLabel, crText)); // same text, heavier
    dc.Detach();
    ::DestroyWindow(List());
    ::DeleteObject(hOther);
}

} // namespace
