// "MfcButton" in a program without the common-controls manifest.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "mfcctrls/dlginit.h"

namespace {

constexpr int kButtonId = 1005;
int g_clicks = 0;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks;
    return DefWindowProcW(window, message, wParam, lParam);
}

// The pixels of a device-independent copy of a bitmap, top row first.
std::vector<COLORREF> Pixels(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> quads(std::size_t(width) * height);
    GetDIBits(dc, bitmap, 0, height, quads.data(), &info, DIB_RGB_COLORS);
    std::vector<COLORREF> colours;
    for (const RGBQUAD& q : quads)
        colours.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    return colours;
}

class LegacyButton : public testing::Test {
protected:
    void SetUp() override {
        HINSTANCE module = GetModuleHandleW(nullptr);
        RegisterDialogInitControlClasses(module);
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = module;
        wc.lpszClassName = L"LegacyParent";
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, L"LegacyParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, module, nullptr);
        button_ = CreateWindowExW(0, L"MfcButton", L"Calculate ICM",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10, 10, 170,
                                  28, parent_, reinterpret_cast<HMENU>(kButtonId), module, nullptr);
        g_clicks = 0;
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
    HWND button_ = nullptr;
};

TEST_F(LegacyButton, BaseIsTheOlderButton) {
    ASSERT_NE(button_, nullptr);
    BUTTON_IMAGELIST list{};
    EXPECT_FALSE(SendMessageW(button_, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
}

TEST_F(LegacyButton, PaintsThePictureLeftOfTheText) {
    const char* properties = "<MFCButton_ImageID>129</MFCButton_ImageID>";
    ASSERT_TRUE(
        SendMessageW(button_, DLGINIT_SETPROPERTIES, 0, reinterpret_cast<LPARAM>(properties)));
    auto image = reinterpret_cast<HBITMAP>(SendMessageW(button_, BM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(image, nullptr);

    RECT client{};
    GetClientRect(button_, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageW(button_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, old);

    std::vector<COLORREF> picture = Pixels(dc, image, 24, 24);
    std::vector<COLORREF> painted = Pixels(dc, canvas, client.right, client.bottom);
    const int left = 6, top = (client.bottom - 24) / 2;
    int mismatches = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x)
            mismatches += painted[(top + y) * client.right + left + x] != picture[y * 24 + x];
    }
    EXPECT_EQ(mismatches, 0);

    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST_F(LegacyButton, StillClicksLikeAPushButton) {
    SendMessageW(button_, BM_CLICK, 0, 0);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(g_clicks, 2);
}

} // namespace
