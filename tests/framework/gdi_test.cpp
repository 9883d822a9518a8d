// Drawing wrappers on a memory DC, GDI object ownership, menus and the list control.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF WHITE = RGB(255, 255, 255);

class MemoryDCTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CClientDC screen(nullptr);
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 20));
        // A DC created compatible with the screen starts with a one-pixel monochrome
        // bitmap: select a colour one of the screen's format.
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 20, 20, WHITE);
    }
    void TearDown() override { dc.SelectObject(previous); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
};

TEST_F(MemoryDCTest, FillSolidRectPaintsAndKeepsTheColourAsBackground) {
    dc.SetBkColor(BLUE);
    dc.FillSolidRect(CRect(2, 2, 5, 4), RED);
    EXPECT_EQ(dc.GetPixel(2, 2), RED);
    EXPECT_EQ(dc.GetPixel(4, 3), RED);
    EXPECT_EQ(dc.GetPixel(5, 3), WHITE);
    EXPECT_EQ(dc.GetPixel(4, 4), WHITE);
    EXPECT_EQ(dc.GetBkColor(), RED);
}

TEST_F(MemoryDCTest, Draw3dRectEdgesLikeTheOriginal) {
    // Top and left in the first colour; right and bottom, one pixel inside the
    // rectangle's far edges, in the second.
    dc.Draw3dRect(CRect(1, 1, 6, 5), RED, BLUE);
    EXPECT_EQ(dc.GetPixel(1, 1), RED);
    EXPECT_EQ(dc.GetPixel(4, 1), RED);
    EXPECT_EQ(dc.GetPixel(1, 3), RED);
    EXPECT_EQ(dc.GetPixel(5, 1), BLUE); // top-right corner belongs to the right edge
    EXPECT_EQ(dc.GetPixel(5, 4), BLUE);
    EXPECT_EQ(dc.GetPixel(1, 4), BLUE); // bottom-left corner belongs to the bottom edge
    EXPECT_EQ(dc.GetPixel(3, 2), WHITE);
    EXPECT_EQ(dc.GetPixel(6, 2), WHITE);
    EXPECT_EQ(dc.GetPixel(3, 5), WHITE);
}

TEST_F(MemoryDCTest, SelectObjectReturnsWhatWasSelected) {
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
    LOGFONTW back{};
    EXPECT_GT(font.GetLogFont(&back), 0);
    EXPECT_EQ(back.lfHeight, -13);
    TEXTMETRICW tm{};
    EXPECT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_GT(tm.tmHeight, 0);
}

TEST_F(MemoryDCTest, ClippingWithARegionDifference) {
    CRgn clip;
    ASSERT_TRUE(clip.CreateRectRgn(0, 0, 20, 20));
    dc.SelectClipRgn(&clip);
    CRgn hole;
    ASSERT_TRUE(hole.CreateRectRgnIndirect(CRect(5, 5, 10, 10)));
    dc.SelectClipRgn(&hole, RGN_DIFF);
    dc.FillSolidRect(CRect(0, 0, 20, 20), RED);
    EXPECT_EQ(dc.GetPixel(6, 6), WHITE);
    EXPECT_EQ(dc.GetPixel(2, 2), RED);
    dc.SelectClipRgn(nullptr);
}

TEST(GdiObjectTest, OwnersDeleteTemporariesBorrow) {
    HBRUSH borrowed = ::CreateSolidBrush(RED);
    {
        CBrush* temp = CBrush::FromHandle(borrowed);
        EXPECT_EQ(temp->m_hObject, borrowed);
        CGdiObject::DeleteTempMap();
    }
    EXPECT_NE(::GetObjectType(borrowed), 0u); // the temporary left it alive
    HGDIOBJ owned = nullptr;
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(borrowed));
        owned = brush.m_hObject;
    }
    EXPECT_EQ(::GetObjectType(owned), 0u); // the owner deleted it

    CRgn a, b, result;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 0, 10, 10);
    result.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_DIFF), SIMPLEREGION);
    CRect box;
    result.GetRgnBox(box);
    EXPECT_EQ(box, CRect(0, 0, 5, 10));
}

TEST(MenuTest, SystemMenuGetsAnEntry) {
    TopWindow wnd;
    CMenu* menu = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    const int before = menu->GetMenuItemCount();
    ASSERT_GT(before, 0);
    EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, 16, L"&About Test..."));
    EXPECT_EQ(menu->GetMenuItemCount(), before + 2);
    CString text;
    EXPECT_EQ(menu->GetMenuString(16, text, MF_BYCOMMAND), 14);
    EXPECT_EQ(text, L"&About Test...");
    EXPECT_EQ(menu->GetMenuItemID(before + 1), 16u);
    EXPECT_EQ(wnd.GetSystemMenu(FALSE), menu); // the same temporary until idle
}

TEST(ListCtrlTest, ItemsColumnsAndData) {
    TopWindow parent;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 1014));
    EXPECT_EQ(list.InsertColumn(0, L"Player Name", LVCFMT_LEFT, 100), 0);
    EXPECT_EQ(list.InsertColumn(1, L"Chips", LVCFMT_LEFT, 80), 1);
    EXPECT_EQ(list.GetColumnWidth(1), 80);
    list.SetColumnWidth(1, 90);
    EXPECT_EQ(list.GetColumnWidth(1), 90);
    wchar_t heading[32] = L"";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = 32;
    EXPECT_TRUE(list.GetColumn(1, &column));
    EXPECT_STREQ(heading, L"Chips");

    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_STATE, 0, L"", 0, 0, 0, 0), 0);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_STATE, 0, L"", 0, 0, 0, 0), 0);
    EXPECT_TRUE(list.SetItem(0, 0, LVIF_PARAM, nullptr, 0, 0, 0, 0x1234));
    EXPECT_TRUE(list.SetItemData(1, 0x5678));
    EXPECT_EQ(list.GetItemData(0), 0x1234u);
    EXPECT_EQ(list.GetItemData(1), 0x5678u);
    EXPECT_EQ(list.GetItemCount(), 2);
    list.SetItemText(1, 1, L"250");
    EXPECT_EQ(list.GetItemText(1, 1), L"250");
    EXPECT_EQ(list.GetTopIndex(), 0);

    CRect row, cell;
    EXPECT_TRUE(list.GetItemRect(1, row, LVIR_BOUNDS));
    EXPECT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.left, 100);
    EXPECT_EQ(cell.top, row.top);

    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES));
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), nullptr);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemData(0), 0x5678u);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

} // namespace
