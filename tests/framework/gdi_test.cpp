// Drawing on a memory DC, GDI object ownership and the list control's composite members.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF WHITE = RGB(255, 255, 255);

TEST(MemoryDCTest, FillsAndEdgesPaintTheOriginalsPixelsSelectObjectReturnsThePrevious) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CClientDC screen(nullptr);
    CBitmap bitmap; // the DC starts with a one-pixel monochrome bitmap: use the screen's format
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 20));
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 20, 20, WHITE);
    dc.SetBkColor(BLUE);
    dc.FillSolidRect(CRect(12, 12, 15, 14), RED);
    EXPECT_EQ(dc.GetBkColor(), RED); // the fill colour stays as background
    // Top and left in the first colour; right and bottom, one pixel inside the far
    // edges, in the second, which also takes the top-right and bottom-left corners.
    dc.Draw3dRect(CRect(1, 1, 6, 5), RED, BLUE);
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {12, 12, RED}, {14, 13, RED}, {15, 13, WHITE}, {14, 14, WHITE}, {1, 1, RED},
        {4, 1, RED},   {1, 3, RED},   {5, 1, BLUE},    {5, 4, BLUE},    {1, 4, BLUE},
        {3, 2, WHITE}, {6, 2, WHITE}, {3, 5, WHITE},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(dc.GetPixel(p.x, p.y), p.colour) << p.x << "," << p.y;

    LOGFONTW lf{};
    lf.lfHeight = -13;
    wcscpy(lf.lfFaceName, L"Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    HGDIOBJ before = dc.GetCurrentObject(OBJ_FONT);
    CFont* old = dc.SelectObject(&font);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, before);
    EXPECT_EQ(dc.GetCurrentObject(OBJ_FONT), font.m_hObject);
    EXPECT_EQ(dc.SelectObject(old), &font); // the permanent object, not a temporary
    EXPECT_EQ(dc.SelectObject(previous), &bitmap);
}

TEST(GdiObjectTest, OwnersDeleteTemporariesBorrow) {
    HBRUSH borrowed = ::CreateSolidBrush(RED);
    EXPECT_EQ(CBrush::FromHandle(borrowed)->m_hObject, borrowed);
    CGdiObject::DeleteTempMap();
    EXPECT_NE(::GetObjectType(borrowed), 0u); // the temporary left it alive
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(borrowed));
    }
    EXPECT_EQ(::GetObjectType(borrowed), 0u); // the owner deleted it
}

TEST(ListCtrlTest, ItemDataLongTextAndSubItemGeometry) {
    TopWindow parent;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 1014));
    list.InsertColumn(0, L"Player Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"Chips", LVCFMT_LEFT, 80);
    EXPECT_EQ(list.InsertItem(0, L"a"), 0);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT, 0, L"b", 0, 0, 0, 0), 0);
    EXPECT_TRUE(list.SetItem(0, 0, LVIF_PARAM, nullptr, 0, 0, 0, 0x1234));
    EXPECT_TRUE(list.SetItemData(1, 0x5678));
    EXPECT_EQ(list.GetItemData(0), 0x1234u);
    EXPECT_EQ(list.GetItemData(1), 0x5678u);
    EXPECT_EQ(list.GetItemText(1, 0), L"a");

    const std::wstring longText(600, L'x'); // more than the first buffer GetItemText tries
    list.SetItemText(1, 1, longText.c_str());
    EXPECT_EQ(list.GetItemText(1, 1).str(), longText);

    CRect row, cell;
    EXPECT_TRUE(list.GetItemRect(1, row, LVIR_BOUNDS));
    EXPECT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.left, 100);
    EXPECT_EQ(cell.top, row.top);
}

} // namespace
