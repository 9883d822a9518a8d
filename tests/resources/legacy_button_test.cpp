// "MfcButton" in a program without the common-controls manifest, built on the older
// "Button" that keeps and draws no picture beside its text.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "mfcctrls/dlginit.h"

namespace {

int g_clicks = 0;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks;
    return DefWindowProcW(window, message, wParam, lParam);
}

// The pixels of a bitmap, top row first.
std::vector<COLORREF> Pixels(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(std::size_t(width) * height);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

TEST(LegacyButton, PaintsThePictureLeftOfTheTextAndClicks) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    RegisterDialogInitControlClasses(module);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = module;
    wc.lpszClassName = L"LegacyParent";
    RegisterClassW(&wc);
    HWND parent = CreateWindowExW(0, L"LegacyParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, module, nullptr);
    HWND button = CreateWindowExW(0, L"MfcButton", L"Calculate ICM",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10, 10, 170,
                                  28, parent, reinterpret_cast<HMENU>(1005), module, nullptr);
    ASSERT_NE(button, nullptr);
    BUTTON_IMAGELIST list{};
    ASSERT_FALSE(SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    const char* properties = "<MFCButton_ImageID>129</MFCButton_ImageID>";
    ASSERT_TRUE(
        SendMessageW(button, DLGINIT_SETPROPERTIES, 0, reinterpret_cast<LPARAM>(properties)));
    auto image = reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(image, nullptr);

    RECT client{};
    GetClientRect(button, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, old);
    const std::vector<COLORREF> picture = Pixels(dc, image, 24, 24);
    const std::vector<COLORREF> painted = Pixels(dc, canvas, client.right, client.bottom);
    const int left = 6, top = (client.bottom - 24) / 2;
    int mismatches = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x)
            mismatches += ((painted[(top + y) * client.right + left + x] ^ picture[y * 24 + x]) &
                           0xFFFFFF) != 0; // the fourth byte is padding
    }
    EXPECT_EQ(mismatches, 0);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(g_clicks, 1);
    DestroyWindow(parent);
}

} // namespace
