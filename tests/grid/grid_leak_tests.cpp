// The GDI handles that painting, measuring and fitting must give back, checked by
// doing each more often than the process's handle table could bear a leak. A long
// run, so an entry of its own.
#include "painted_fixture.h"

namespace {

using GridLeakTest = PaintedGridTest;

TEST_F(GridLeakTest, PaintingMeasuringAndFittingGiveBackEveryHandle) {
    AddColumns(3);
    const Rows rows = AddRows(10);
    for (int i = 0; i < 10; i++) {
        m_grid.SetItemText(rows[i], 1, L"1500");
        m_grid.GetRowRecord(rows[i])->m_bBold = i != 4; // a font made for every bold cell
    }
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    m_grid.SetFocusCell(rows[3], 1);
    HFONT hOther = CreateCrispFont(-15);
    CDC dc;
    dc.Attach(m_pCanvas->Dc());
    auto paintAll = [&] {
        for (POSITION hRow : rows)
            PaintRow(hRow, true);
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
    m_pCanvas->Clear();
    paintAll();
    EXPECT_EQ(GroundOf(rows[5], 1), kListBk);
    EXPECT_GT(TextPixels(rows[5], 1, kListText), TextPixels(rows[4], 1, kListText)); // heavier
    dc.Detach();
    ::DestroyWindow(List());
    ::DeleteObject(hOther);
}

} // namespace
