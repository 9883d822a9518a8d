// "MfcLink" in the live main dialog: its address, what opens it and how it looks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfcctrls/dlginit.h"
#include "mfcctrls/mfclink.h"
#include "resource.h"
#include "test_window.h"

namespace {

std::vector<std::wstring> g_opened;

void RecordOpen(HWND, const wchar_t* url) {
    g_opened.push_back(url);
}

const std::wstring kMakerUrl = L"" TALLYVANE_MAKER_URL;

class MakerLink : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        previous_ = SetMfcLinkOpener(RecordOpen);
        link_ = dialog_.Item(IDC_LINK);
        ASSERT_NE(link_, nullptr);
    }
    void TearDown() override { SetMfcLinkOpener(previous_); }

    std::wstring Url() const {
        wchar_t buffer[128] = {};
        SendMessageW(link_, MFCLINK_GETURL, 128, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    LRESULT Apply(const char* properties) const {
        return SendMessageW(link_, DLGINIT_SETPROPERTIES, 0, reinterpret_cast<LPARAM>(properties));
    }
    void Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        SendMessageW(link_, message, wParam, lParam);
    }

    MainDialog dialog_;
    HWND link_ = nullptr;
    MfcLinkOpener previous_ = nullptr;
};

TEST_F(MakerLink, TakesItsAddressFromTheInitData) {
    SetWindowTextW(link_, L"https://text.example/");
    EXPECT_EQ(Url(), L"https://text.example/"); // none given yet: the text is the address
    ASSERT_TRUE(dialog_.ApplyInitData());
    EXPECT_EQ(Url(), kMakerUrl);
    wchar_t small[9];
    EXPECT_EQ(SendMessageW(link_, MFCLINK_GETURL, 9, reinterpret_cast<LPARAM>(small)),
              LRESULT(kMakerUrl.size()));
    EXPECT_EQ(std::wstring(small), kMakerUrl.substr(0, 8));

    EXPECT_FALSE(Apply("<MFCLink_Url>https://other.example</MFCLink>"));
    EXPECT_EQ(Url(), kMakerUrl);
    EXPECT_TRUE(Apply("<MFCLink_Url>q.example/a</MFCLink_Url><MFCLink_UrlPrefix>https://"
                      "</MFCLink_UrlPrefix>"));
    EXPECT_EQ(Url(), L"https://q.example/a");
}

TEST_F(MakerLink, ClickOpensTheAddressIncompleteClicksDoNot) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    EXPECT_EQ(GetFocus(), link_);
    Send(WM_LBUTTONUP, 0, At(4, 4));
    EXPECT_EQ(g_opened, std::vector<std::wstring>{kMakerUrl});
    EXPECT_EQ(GetCapture(), nullptr);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    Send(WM_LBUTTONUP, 0, At(-30, 3)); // released outside
    Send(WM_LBUTTONUP, 0, At(3, 3));   // released without a press
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    ReleaseCapture(); // capture taken away mid-press
    Send(WM_LBUTTONUP, 0, At(3, 3));
    EXPECT_EQ(g_opened.size(), 1u);

    Send(BM_CLICK, 0, 0); // a mnemonic or a program clicks it
    EXPECT_EQ(g_opened.size(), 2u);
}

TEST_F(MakerLink, SpaceAndEnterOpenOncePerPressOtherKeysNever) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    SetFocus(link_);
    Send(WM_KEYDOWN, VK_SPACE, 0x00390001);
    Send(WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat
    Send(WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(g_opened.size(), 1u);
    Send(WM_KEYDOWN, VK_RETURN, 0x001C0001);
    EXPECT_EQ(g_opened.size(), 2u);
    for (WPARAM key : {WPARAM('A'), WPARAM(VK_TAB), WPARAM(VK_ESCAPE), WPARAM(VK_DOWN)})
        Send(WM_KEYDOWN, key, 1);
    EXPECT_EQ(g_opened.size(), 2u);
}

// In a dialog, Enter on the focused link opens it instead of ending the dialog.
TEST_F(MakerLink, EnterReachesTheLinkThroughTheDialogManager) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    SetFocus(link_);
    MSG enter{link_, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog_.Handle(), &enter));
    EXPECT_EQ(g_opened, std::vector<std::wstring>{kMakerUrl});
    EXPECT_EQ(dialog_.Clicks(IDOK), 0);
    EXPECT_TRUE(SendMessageW(link_, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
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

TEST_F(MakerLink, PaintsInTheLinkColourAndGreyWhenDisabled) {
    COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(grey, kMfcLinkColour);
    EXPECT_GT(PaintedPixels(link_, kMfcLinkColour), 20); // the underline alone is that wide
    EnableWindow(link_, FALSE);
    EXPECT_EQ(PaintedPixels(link_, kMfcLinkColour), 0);
    EXPECT_GT(PaintedPixels(link_, grey), 20);
}

} // namespace
