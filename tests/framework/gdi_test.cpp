// Drawing on a memory DC, GDI object ownership and the list control's composite members.
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// The process's live GDI objects. Wine answers GetGuiResources with 0, so there the
// count is what is left of the handle table: the pens that can still be made.
long GdiObjectCount() {
    if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<long>(n);
    std::vector<HPEN> pens;
    while (pens.size() < 200000) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, static_cast<COLORREF>(pens.size()));
        if (pen == nullptr)
            break;
        pens.push_back(pen);
    }
    for (HPEN pen : pens)
        ::DeleteObject(pen);
    return -static_cast<long>(pens.size());
}

bool IsGdiObject(HGDIOBJ h) {
    return ::GetObjectType(h) != 0;
}

// Runs `round` once, which also fills the system's caches, then `times` more: one leaked
// handle per round would show in the count.
void ExpectNoGdiLeak(const std::function<void()>& round, int times) {
    round();
    const long baseline = GdiObjectCount();
    for (int i = 0; i < times; ++i)
        round();
    EXPECT_EQ(GdiObjectCount(), baseline);
}

TEST(GdiObjectTest, CreateOnAWrapperThatHoldsAHandleRefusesAndMakesNothing) {
    LOGFONTW lf{};
    lf.lfHeight = -13;
    wcscpy(lf.lfFaceName, L"Tahoma");
    const CRect box(0, 0, 4, 4);
    ExpectNoGdiLeak(
        [&] {
            CPen pen;
            CBrush brush;
            CFont font;
            CRgn rgn;
            CBitmap bitmap, section;
            CDC dc;
            CImageList images;
            BITMAPINFO bmi{};
            bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RED) && brush.CreateSolidBrush(RED) &&
                        font.CreateFontIndirect(&lf) && rgn.CreateRectRgnIndirect(box) &&
                        dc.CreateCompatibleDC(nullptr) &&
                        bitmap.CreateCompatibleBitmap(&dc, 4, 4) &&
                        section.CreateDIBSection(&dc, &bmi, DIB_RGB_COLORS, &bits) &&
                        images.Create(8, 8, ILC_COLOR32, 1, 1));
            const HGDIOBJ held = pen.m_hObject;
            const HDC heldDC = dc.m_hDC;
            const BOOL again[] = {
                pen.CreatePen(PS_SOLID, 2, BLUE),
                brush.CreateSolidBrush(BLUE),
                font.CreateFontIndirect(&lf),
                rgn.CreateRectRgn(0, 0, 2, 2),
                rgn.CreateRectRgnIndirect(box),
                bitmap.CreateCompatibleBitmap(&dc, 2, 2),
                section.CreateDIBSection(&dc, &bmi, DIB_RGB_COLORS, &bits),
                dc.CreateCompatibleDC(nullptr),
                images.Create(8, 8, ILC_COLOR32, 1, 1),
            };
            for (BOOL result : again)
                EXPECT_FALSE(result);
            EXPECT_EQ(pen.m_hObject, held);
            EXPECT_EQ(dc.m_hDC, heldDC);
            EXPECT_EQ(bits, nullptr); // a refused section hands out no pixels
        },
        200);
}

// An object deleted while selected into a DC the framework made is freed at once, the DC
// getting its own back; whichever of the two goes first. The grid's buffer relies on it.
TEST(GdiObjectTest, SelectedObjectsAreFreedWhicheverOfThemAndTheirDCGoesFirst) {
    for (bool bitmapFirst : {true, false}) {
        CDC dc;
        CBitmap bitmap;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        for (int cx : {80, 120}) { // a new section in place of the one still selected
            const HGDIOBJ old = bitmap.m_hObject;
            bitmap.DeleteObject();
            EXPECT_TRUE(old == nullptr || !IsGdiObject(old)) << "the replaced bitmap lives on";
            BITMAPINFO bmi{};
            bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, 17, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            ASSERT_TRUE(bitmap.CreateDIBSection(&dc, &bmi, DIB_RGB_COLORS, &bits));
            dc.SelectObject(&bitmap);
        }
        dc.FillSolidRect(0, 0, 120, 17, RED);
        EXPECT_EQ(dc.GetPixel(119, 16), RED);
        const HGDIOBJ hBitmap = bitmap.m_hObject;
        const HDC hDC = dc.m_hDC;
        if (bitmapFirst) {
            bitmap.DeleteObject();
            EXPECT_NE(::GetCurrentObject(hDC, OBJ_BITMAP), nullptr); // the DC's own is back
        } else {
            dc.DeleteDC();
            EXPECT_FALSE(IsGdiObject(hDC));
            EXPECT_TRUE(bitmap.DeleteObject());
        }
        EXPECT_FALSE(IsGdiObject(hBitmap));
    }

    // A font and a pen made after a window's DC go before it, while selected.
    TopWindow wnd;
    CClientDC client(&wnd);
    const HGDIOBJ clientFont = client.GetCurrentObject(OBJ_FONT);
    HGDIOBJ font = nullptr, pen = nullptr;
    {
        LOGFONTW lf{};
        lf.lfHeight = -20;
        CFont big;
        ASSERT_TRUE(big.CreateFontIndirect(&lf));
        CPen thick(PS_SOLID, 3, BLUE);
        client.SelectObject(&big);
        client.SelectObject(&thick);
        font = big.m_hObject;
        pen = thick.m_hObject;
    }
    EXPECT_FALSE(IsGdiObject(font));
    EXPECT_FALSE(IsGdiObject(pen));
    EXPECT_EQ(client.GetCurrentObject(OBJ_FONT), clientFont);
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
