// "MfcButton" and "MfcLink" in a live main dialog (template 103): pictures, clicks,
// keys, addresses and what opens them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "mfcctrls/dlginit.h"
#include "mfcctrls/mfclink.h"
#include "resource.h"

namespace {

std::vector<std::wstring> g_opened;

void RecordOpen(HWND, const wchar_t* url) {
    g_opened.push_back(url);
}

const std::wstring kMakerUrl = L"" TALLYVANE_MAKER_URL;

std::map<int, int> g_clicks; // BN_CLICKED notifications the dialog received, by id

INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks[LOWORD(wParam)];
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

// lParam of a mouse message at client point x, y.
LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

class MainDialogControls : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        g_clicks.clear();
        previousOpener_ = SetMfcLinkOpener(RecordOpen);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        RegisterDialogInitControlClasses(module_);
        dialog_ = CreateDialogParamW(module_, MAKEINTRESOURCEW(IDD_MAIN), nullptr, Proc, 0);
        ASSERT_NE(dialog_, nullptr);
        button_ = GetDlgItem(dialog_, IDC_CALCULATE);
        link_ = GetDlgItem(dialog_, IDC_LINK);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        SetMfcLinkOpener(previousOpener_);
    }

    BOOL ApplyInitData() const {
        return ExecuteDialogInitData(dialog_, module_, MAKEINTRESOURCEW(IDD_MAIN));
    }
    LRESULT Apply(HWND control, const char* properties) const {
        return SendMessageW(control, DLGINIT_SETPROPERTIES, reinterpret_cast<WPARAM>(module_),
                            reinterpret_cast<LPARAM>(properties));
    }
    HBITMAP Image() const {
        return reinterpret_cast<HBITMAP>(SendMessageW(button_, BM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    std::wstring Url() const {
        wchar_t buffer[128] = {};
        SendMessageW(link_, MFCLINK_GETURL, 128, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    HINSTANCE module_ = GetModuleHandleW(nullptr);
    HWND dialog_ = nullptr, button_ = nullptr, link_ = nullptr;
    MfcLinkOpener previousOpener_ = nullptr;
};

// With the executable's manifest the button is built on version 6's "Button", which
// draws the picture beside the text.
TEST_F(MainDialogControls, ButtonShowsBitmap129WithItsKeyColourReplaced) {
    ASSERT_TRUE(ApplyInitData());
    BUTTON_IMAGELIST list{};
    EXPECT_TRUE(SendMessageW(button_, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    EXPECT_EQ(SendMessageW(button_, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
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

TEST_F(MainDialogControls, ButtonClicksNotifyTheDialog) {
    ASSERT_TRUE(ApplyInitData());
    SendMessageW(button_, BM_CLICK, 0, 0);
    EXPECT_EQ(g_clicks[IDC_CALCULATE], 1);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(button_, WM_LBUTTONUP, 0, At(6, 6));
    EXPECT_EQ(g_clicks[IDC_CALCULATE], 2);
    EXPECT_EQ(GetFocus(), button_);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(button_, WM_LBUTTONUP, 0, At(-20, -20)); // released outside
    EXPECT_EQ(g_clicks[IDC_CALCULATE], 2);
    SendMessageW(button_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(g_clicks[IDC_CALCULATE], 2); // a push button fires on release
    SendMessageW(button_, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(g_clicks[IDC_CALCULATE], 3);
}

TEST_F(MainDialogControls, ButtonKeepsItsPictureOnBadPropertiesFreesReplacedOnes) {
    ASSERT_TRUE(ApplyInitData());
    HBITMAP first = Image();
    EXPECT_FALSE(Apply(button_, "<MFCButton_ImageID>129"));
    EXPECT_FALSE(Apply(button_, "<MFCButton_ImageID>4242</MFCButton_ImageID>")); // no bitmap
    EXPECT_TRUE(Apply(button_, "<MFCButton_Style>4</MFCButton_Style>"));         // names no picture
    EXPECT_EQ(Image(), first);
    ASSERT_TRUE(Apply(button_, "<MFCButton_ImageID>129</MFCButton_ImageID>"));
    HBITMAP second = Image();
    ASSERT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    DestroyWindow(button_);
    EXPECT_EQ(GetObjectType(second), 0u);
}

TEST_F(MainDialogControls, LinkTakesItsAddressFromTheInitData) {
    SetWindowTextW(link_, L"https://text.example/");
    EXPECT_EQ(Url(), L"https://text.example/"); // none given yet: the text is the address
    ASSERT_TRUE(ApplyInitData());
    EXPECT_EQ(Url(), kMakerUrl);
    wchar_t small[9];
    EXPECT_EQ(SendMessageW(link_, MFCLINK_GETURL, 9, reinterpret_cast<LPARAM>(small)),
              LRESULT(kMakerUrl.size()));
    EXPECT_EQ(std::wstring(small), kMakerUrl.substr(0, 8));

    EXPECT_FALSE(Apply(link_, "<MFCLink_Url>https://other.example</MFCLink>"));
    EXPECT_EQ(Url(), kMakerUrl);
    EXPECT_TRUE(Apply(link_, "<MFCLink_Url>q.example/a</MFCLink_Url><MFCLink_UrlPrefix>https://"
                             "</MFCLink_UrlPrefix>"));
    EXPECT_EQ(Url(), L"https://q.example/a");
}

TEST_F(MainDialogControls, LinkOpensOncePerClickSpaceOrEnterEvenThroughTheDialogManager) {
    ASSERT_TRUE(ApplyInitData());
    SendMessageW(link_, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    EXPECT_EQ(GetFocus(), link_);
    SendMessageW(link_, WM_LBUTTONUP, 0, At(4, 4));
    EXPECT_EQ(g_opened, std::vector<std::wstring>{kMakerUrl});
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageW(link_, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    SendMessageW(link_, WM_LBUTTONUP, 0, At(-30, 3)); // released outside
    SendMessageW(link_, WM_LBUTTONUP, 0, At(3, 3));   // released without a press
    SendMessageW(link_, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    ReleaseCapture(); // capture taken away mid-press
    SendMessageW(link_, WM_LBUTTONUP, 0, At(3, 3));
    EXPECT_EQ(g_opened.size(), 1u);
    SendMessageW(link_, BM_CLICK, 0, 0); // a mnemonic or a program clicks it
    EXPECT_EQ(g_opened.size(), 2u);

    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat
    SendMessageW(link_, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(g_opened.size(), 3u);
    SendMessageW(link_, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    for (WPARAM key : {WPARAM('A'), WPARAM(VK_TAB), WPARAM(VK_ESCAPE), WPARAM(VK_DOWN)})
        SendMessageW(link_, WM_KEYDOWN, key, 1);
    EXPECT_EQ(g_opened.size(), 4u);

    // Enter on the focused link opens it instead of ending the dialog.
    EXPECT_TRUE(SendMessageW(link_, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
    MSG enter{link_, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog_, &enter));
    EXPECT_EQ(g_opened.size(), 5u);
    EXPECT_EQ(g_clicks[IDOK], 0);
}

// Counts the pixels of one colour in what the link paints into a bitmap.
int PaintedPixels(HWND link, COLORREF colour) {
    RECT client{};
    GetClientRect(link, &client);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    SendMessageW(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    int count = 0;
    const auto* pixel = static_cast<const BYTE*>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i, pixel += 4)
        count += RGB(pixel[2], pixel[1], pixel[0]) == colour;
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    return count;
}

TEST_F(MainDialogControls, LinkPaintsInTheLinkColourAndGreyWhenDisabled) {
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(grey, kMfcLinkColour);
    EXPECT_GT(PaintedPixels(link_, kMfcLinkColour), 20); // the underline alone is that wide
    EnableWindow(link_, FALSE);
    EXPECT_EQ(PaintedPixels(link_, kMfcLinkColour), 0);
    EXPECT_GT(PaintedPixels(link_, grey), 20);
}

} // namespace
