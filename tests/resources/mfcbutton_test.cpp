// "MfcButton" in the live main dialog: its picture and its push-button behaviour.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "mfcctrls/dlginit.h"
#include "resource.h"
#include "test_window.h"

namespace {

class CalculateButton : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog_.Handle(), nullptr);
        ASSERT_TRUE(dialog_.ApplyInitData());
        button_ = dialog_.Item(IDC_CALCULATE);
    }

    HBITMAP Image() const {
        return reinterpret_cast<HBITMAP>(SendMessageW(button_, BM_GETIMAGE, IMAGE_BITMAP, 0));
    }

    LRESULT Apply(const char* properties) const {
        return SendMessageW(button_, DLGINIT_SETPROPERTIES, reinterpret_cast<WPARAM>(TestModule()),
                            reinterpret_cast<LPARAM>(properties));
    }

    MainDialog dialog_;
    HWND button_ = nullptr;
};

TEST_F(CalculateButton, ShowsBitmap129WithItsKeyColourReplaced) {
    HBITMAP image = Image();
    ASSERT_NE(image, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(image, sizeof dib, &dib), int(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 24);
    EXPECT_EQ(dib.dsBm.bmHeight, 24);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    int keyPixels = 0;
    for (int y = 0; y < 24; ++y) {
        const BYTE* row = bits + y * dib.dsBm.bmWidthBytes;
        for (int x = 0; x < 24; ++x)
            keyPixels += RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]) == RGB(255, 0, 255);
    }
    EXPECT_EQ(keyPixels, 0);
    EXPECT_EQ(RGB(bits[2], bits[1], bits[0]), face); // a corner, outside the calculator
}

// With the executable's manifest the button is built on version 6's "Button", which
// draws the picture beside the text.
TEST_F(CalculateButton, IsAVersion6PushButton) {
    BUTTON_IMAGELIST list{};
    EXPECT_TRUE(SendMessageW(button_, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    EXPECT_EQ(SendMessageW(button_, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongW(button_, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(CalculateButton, ClickMessageNotifiesTheDialog) {
    SendMessageW(button_, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 1);
}

TEST_F(CalculateButton, MouseClickInsideNotifiesReleaseOutsideDoesNot) {
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(button_, WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 1);

    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(button_, WM_LBUTTONUP, 0, At(-20, -20));
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 1);
    EXPECT_EQ(GetFocus(), button_);
}

TEST_F(CalculateButton, SpaceNotifiesTheDialog) {
    SetFocus(button_);
    SendMessageW(button_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 0); // a push button fires on release
    SendMessageW(button_, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 1);
}

TEST_F(CalculateButton, RejectsBadPropertiesAndKeepsItsPicture) {
    HBITMAP before = Image();
    EXPECT_FALSE(Apply("<MFCButton_ImageID>129"));
    EXPECT_FALSE(Apply("<MFCButton_ImageID>4242</MFCButton_ImageID>")); // no such bitmap
    EXPECT_EQ(Image(), before);
    EXPECT_TRUE(Apply("<MFCButton_Style>4</MFCButton_Style>")); // no picture named: unchanged
    EXPECT_EQ(Image(), before);
}

TEST_F(CalculateButton, FreesItsPictureWhenReplacedAndWhenDestroyed) {
    HBITMAP first = Image();
    ASSERT_TRUE(Apply("<MFCButton_ImageID>129</MFCButton_ImageID>"));
    HBITMAP second = Image();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    DestroyWindow(button_);
    EXPECT_EQ(GetObjectType(second), 0u);
}

} // namespace
