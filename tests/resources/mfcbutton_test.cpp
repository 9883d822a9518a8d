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
    void Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        SendMessageW(button_, message, wParam, lParam);
    }

    MainDialog dialog_;
    HWND button_ = nullptr;
};

TEST_F(CalculateButton, ShowsBitmap129WithItsKeyColourReplaced) {
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(Image(), sizeof dib, &dib), int(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 24);
    EXPECT_EQ(dib.dsBm.bmHeight, 24);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
    int keyPixels = 0;
    for (int y = 0; y < 24; ++y) {
        const BYTE* row = bits + y * dib.dsBm.bmWidthBytes;
        for (int x = 0; x < 24; ++x)
            keyPixels += RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]) == RGB(255, 0, 255);
    }
    EXPECT_EQ(keyPixels, 0);
    EXPECT_EQ(RGB(bits[2], bits[1], bits[0]), GetSysColor(COLOR_BTNFACE)); // a corner
}

// With the executable's manifest the button is built on version 6's "Button", which
// draws the picture beside the text.
TEST_F(CalculateButton, IsAVersion6PushButton) {
    BUTTON_IMAGELIST list{};
    EXPECT_TRUE(SendMessageW(button_, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    EXPECT_EQ(SendMessageW(button_, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(CalculateButton, ClicksNotifyTheDialog) {
    Send(BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 1);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 2);
    EXPECT_EQ(GetFocus(), button_);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(-20, -20)); // released outside
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 2);

    Send(WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 2); // a push button fires on release
    Send(WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(dialog_.Clicks(IDC_CALCULATE), 3);
}

TEST_F(CalculateButton, RejectsBadPropertiesAndKeepsItsPicture) {
    HBITMAP before = Image();
    EXPECT_FALSE(Apply("<MFCButton_ImageID>129"));
    EXPECT_FALSE(Apply("<MFCButton_ImageID>4242</MFCButton_ImageID>")); // no such bitmap
    EXPECT_TRUE(Apply("<MFCButton_Style>4</MFCButton_Style>"));         // names no picture
    EXPECT_EQ(Image(), before);
}

TEST_F(CalculateButton, FreesItsPictureWhenReplacedAndWhenDestroyed) {
    HBITMAP first = Image();
    ASSERT_TRUE(Apply("<MFCButton_ImageID>129</MFCButton_ImageID>"));
    HBITMAP second = Image();
    ASSERT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    DestroyWindow(button_);
    EXPECT_EQ(GetObjectType(second), 0u);
}

} // namespace
