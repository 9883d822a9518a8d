// "MfcButton" in a program without the common-controls manifest, built on the older
// "Button" that keeps and draws no picture beside its text: the button paints it itself.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "canvas.h"
#include "mfcctrls/dlginit.h"

TEST(LegacyButton, PaintsThePictureLeftOfTheText) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    RegisterDialogInitControlClasses(module);
    HWND button = CreateWindowExW(0, L"MfcButton", L"Calculate ICM", WS_POPUP | WS_VISIBLE, 10, 10,
                                  170, 28, nullptr, nullptr, module, nullptr);
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
    Canvas painted(client.right, client.bottom, nullptr), picture(24, 24, nullptr);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.Dc()), PRF_CLIENT);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, image);
    BitBlt(picture.Dc(), 0, 0, 24, 24, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    const LONG top = (client.bottom - 24) / 2;
    EXPECT_EQ(painted.Pixels({6, top, 30, top + 24}), picture.Pixels({0, 0, 24, 24}));
    DestroyWindow(button);
}
