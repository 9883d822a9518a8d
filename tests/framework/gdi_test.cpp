// GDI object ownership. What the grid draws with them is the grid's paint tests'.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiObjectTest, OwnersDeleteTemporariesBorrow) {
    HBRUSH borrowed = ::CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_EQ(CBrush::FromHandle(borrowed)->m_hObject, borrowed);
    CGdiObject::DeleteTempMap();
    EXPECT_NE(::GetObjectType(borrowed), 0u); // the temporary left it alive
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(borrowed));
    }
    EXPECT_EQ(::GetObjectType(borrowed), 0u); // the owner deleted it
}

// An object deleted while selected into a DC the framework made is freed at once, the DC
// getting its own back; whichever of the two goes first. The grid's cell buffer, a DC and
// a bitmap that live as long as the grid, relies on it.
TEST(GdiObjectTest, SelectedObjectsAreFreedWhicheverOfThemAndTheirDCGoesFirst) {
    for (bool bitmapFirst : {true, false}) {
        CDC dc;
        CBitmap bitmap;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 80, 17, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        ASSERT_TRUE(bitmap.CreateDIBSection(&dc, &bmi, DIB_RGB_COLORS, &bits));
        dc.SelectObject(&bitmap);
        const HGDIOBJ hBitmap = bitmap.m_hObject;
        const HDC hDC = dc.m_hDC;
        if (bitmapFirst) {
            bitmap.DeleteObject();
            EXPECT_NE(::GetCurrentObject(hDC, OBJ_BITMAP), nullptr); // the DC's own is back
        } else {
            dc.DeleteDC();
            EXPECT_EQ(::GetObjectType(hDC), 0u);
            EXPECT_TRUE(bitmap.DeleteObject());
        }
        EXPECT_EQ(::GetObjectType(hBitmap), 0u);
    }
}

} // namespace
