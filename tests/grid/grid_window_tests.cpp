// Row height measured through the list view.
#include <array>

#include "grid_fixture.h"

namespace {

// The list view as the dialog template makes it (neither owner-drawn nor in report
// view), or owner-drawn already, measured at creation before the grid was attached.
class GridMeasureTest : public GridTest, public ::testing::WithParamInterface<DWORD> {
protected:
    DWORD ListStyle() const override { return GetParam(); }
    void TearDown() override {
        GridTest::TearDown();
        ::DeleteObject(m_hFont);
    }
    int ItemHeight(int nItem) const {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        return ListSend(LVM_GETITEMRECT, nItem, LPARAM(&rc)) ? rc.bottom - rc.top : -1;
    }
    int FontLineHeight() {
        HDC hDC = ::GetDC(List());
        HGDIOBJ hOld = ::SelectObject(hDC, HFONT(ListSend(WM_GETFONT)));
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(hDC, &tm);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(List(), hDC);
        return tm.tmHeight + tm.tmExternalLeading;
    }
    HFONT m_hFont = ::CreateFontW(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
};

TEST_P(GridMeasureTest, GridIsMeasuredAndMeasuredAgainForANewFontOrASystemFontChange) {
    AddColumns(1);
    AddRows(40);
    EXPECT_EQ((std::array<int, 2>{m_grid.m_nLineHeight, ItemHeight(0)}),
              (std::array<int, 2>{FontLineHeight(), FontLineHeight() + 4}));
    if (GetParam() & LVS_OWNERDRAWFIXED)
        return;

    // A new font scrolls back to the top left.
    const auto left = [&] {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        ListSend(LVM_GETITEMRECT, 0, LPARAM(&rc));
        return int(rc.left);
    };
    ListSend(LVM_SETCOLUMNWIDTH, 0, 900);
    ListSend(LVM_SCROLL, 40, 0);
    ListSend(LVM_ENSUREVISIBLE, 30, FALSE);
    ASSERT_TRUE(ListSend(LVM_GETTOPINDEX) > 0 && left() < 0);
    const int nBefore = m_grid.m_nLineHeight;
    ListSend(WM_SETFONT, WPARAM(m_hFont), TRUE);
    EXPECT_GT(m_grid.m_nLineHeight, nBefore);
    EXPECT_EQ((std::array<int, 4>{m_grid.m_nLineHeight, ItemHeight(0),
                                  int(ListSend(LVM_GETTOPINDEX)), left()}),
              (std::array<int, 4>{FontLineHeight(), FontLineHeight() + 4, 0, 0}));
    EXPECT_GRID_CONSISTENT();

    // System font change measures again.
    AddColumns(1);
    AddRows(2);
    m_grid.m_nLinesPerRow = 3; // a new row height can only come from a fresh measurement
    ListSend(WM_FONTCHANGE);
    EXPECT_EQ(ItemHeight(1), 3 * m_grid.m_nLineHeight + 4);
}

INSTANTIATE_TEST_SUITE_P(Styles, GridMeasureTest,
                         ::testing::Values(DWORD(LVS_ICON | LVS_EDITLABELS),
                                           DWORD(LVS_REPORT | LVS_OWNERDRAWFIXED)));

} // namespace
