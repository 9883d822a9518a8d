// "MfcLink" in the live main dialog: its address, what opens it and how it looks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfcctrls/dlginit.h"
#include "mfcctrls/mfclink.h"
#include "resource.h"
#include "test_window.h"

namespace {

struct Opened {
    HWND link;
    std::wstring url;
};

std::vector<Opened> g_opened;

void RecordOpen(HWND link, const wchar_t* url) {
    g_opened.push_back({link, url});
}

std::wstring Url(HWND link) {
    wchar_t buffer[256] = {};
    SendMessageW(link, MFCLINK_GETURL, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

const std::wstring kMakerUrl = L"" TALLYVANE_MAKER_URL;

class MakerLink : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        previous_ = SetMfcLinkOpener(RecordOpen);
        ASSERT_NE(dialog_.Handle(), nullptr);
        link_ = dialog_.Item(IDC_LINK);
    }
    void TearDown() override { SetMfcLinkOpener(previous_); }

    void Click(int downX, int downY, int upX, int upY) const {
        SendMessageW(link_, WM_LBUTTONDOWN, MK_LBUTTON, At(downX, downY));
        SendMessageW(link_, WM_LBUTTONUP, 0, At(upX, upY));
    }

    LRESULT Apply(const char* properties) const {
        return SendMessageW(link_, DLGINIT_SETPROPERTIES, 0, reinterpret_cast<LPARAM>(properties));
    }

    MainDialog dialog_;
    HWND link_ = nullptr;
    MfcLinkOpener previous_ = nullptr;
};

TEST_F(MakerLink, ReportsTheAddressFromTheInitData) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    EXPECT_EQ(Url(link_), kMakerUrl);
    EXPECT_EQ(SendMessageW(link_, MFCLINK_GETURL, 0, 0), LRESULT(kMakerUrl.size()));
    wchar_t small[9];
    EXPECT_EQ(SendMessageW(link_, MFCLINK_GETURL, 9, reinterpret_cast<LPARAM>(small)),
              LRESULT(kMakerUrl.size()));
    EXPECT_EQ(std::wstring(small), kMakerUrl.substr(0, 8));
}

TEST_F(MakerLink, PrefixGoesBeforeTheAddress) {
    ASSERT_TRUE(Apply("<MFCLink_Url>quillmarsh.example/a</MFCLink_Url>"
                      "<MFCLink_UrlPrefix>https://</MFCLink_UrlPrefix>"));
    EXPECT_EQ(Url(link_), L"https://quillmarsh.example/a");
}

TEST_F(MakerLink, WithoutAnAddressItOpensItsText) {
    SetWindowTextW(link_, L"https://text.example/");
    EXPECT_EQ(Url(link_), L"https://text.example/");
    SendMessageW(link_, BM_CLICK, 0, 0);
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0].url, L"https://text.example/");
}

TEST_F(MakerLink, MalformedPropertiesChangeNothing) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    EXPECT_FALSE(Apply("<MFCLink_Url>https://other.example</MFCLink>"));
    EXPECT_EQ(Url(link_), kMakerUrl);
}

TEST_F(MakerLink, ClickOpensTheAddressOnce) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    Click(3, 3, 4, 4);
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0].link, link_);
    EXPECT_EQ(g_opened[0].url, kMakerUrl);
    EXPECT_EQ(GetFocus(), link_);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MakerLink, IncompleteClicksOpenNothing) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    Click(3, 3, -30, 3);                            // released outside
    SendMessageW(link_, WM_LBUTTONUP, 0, At(3, 3)); // released without a press
    SendMessageW(link_, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    ReleaseCapture(); // capture taken away mid-press
    SendMessageW(link_, WM_LBUTTONUP, 0, At(3, 3));
    SendMessageW(link_, WM_MOUSEMOVE, 0, At(3, 3));
    SendMessageW(link_, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(g_opened.empty());
}

TEST_F(MakerLink, SpaceAndEnterOpenOncePerPressOtherKeysNever) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    SetFocus(link_);
    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat
    SendMessageW(link_, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(g_opened.size(), 1u);
    SendMessageW(link_, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    EXPECT_EQ(g_opened.size(), 2u);
    for (WPARAM key : {WPARAM('A'), WPARAM(VK_TAB), WPARAM(VK_ESCAPE), WPARAM(VK_DOWN)})
        SendMessageW(link_, WM_KEYDOWN, key, 0x00000001);
    EXPECT_EQ(g_opened.size(), 2u);
}

// In a dialog, Enter on the focused link opens it instead of ending the dialog.
TEST_F(MakerLink, EnterReachesTheLinkThroughTheDialogManager) {
    ASSERT_TRUE(dialog_.ApplyInitData());
    SetFocus(link_);
    ASSERT_EQ(GetFocus(), link_);
    MSG enter{link_, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog_.Handle(), &enter));
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0].url, kMakerUrl);
    EXPECT_EQ(dialog_.Clicks(IDOK), 0);
}

TEST_F(MakerLink, AnswersTheDialogManagerLikeAButton) {
    LRESULT code = SendMessageW(link_, WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(code & DLGC_BUTTON);
    EXPECT_FALSE(code & DLGC_WANTMESSAGE);
    MSG space{link_, WM_KEYDOWN, VK_SPACE, 0, 0, {}};
    EXPECT_FALSE(SendMessageW(link_, WM_GETDLGCODE, VK_SPACE, reinterpret_cast<LPARAM>(&space)) &
                 DLGC_WANTMESSAGE);
    EXPECT_TRUE(GetWindowLongW(link_, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(MakerLink, ShowsTheHandCursor) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(link_, WM_SETCURSOR, reinterpret_cast<WPARAM>(link_),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
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
    COLORREF link = GetSysColor(COLOR_HOTLIGHT);
    COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(link, grey);
    EXPECT_GT(PaintedPixels(link_, link), 20); // the underline alone is wider than that
    EnableWindow(link_, FALSE);
    EXPECT_EQ(PaintedPixels(link_, link), 0);
    EXPECT_GT(PaintedPixels(link_, grey), 20);
}

} // namespace
