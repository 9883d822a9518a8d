// "MfcButton" and "MfcLink" in a live main dialog (template 103), set up by its init
// data: the picture, the address and what opens it, painting; and their window
// procedures as exception boundaries. Clicking "Calculate ICM" is the app's tests'.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas.h"
#include "mfcctrls/dlginit.h"
#include "mfcctrls/mfcbutton.h"
#include "mfcctrls/mfclink.h"
#include "resource.h"

namespace {

std::vector<std::wstring> g_opened;
int g_okPresses = 0;
bool g_failAllocations = false; // while set, every allocation of this program fails

INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM wParam, LPARAM) {
    g_okPresses += message == WM_COMMAND && LOWORD(wParam) == IDOK;
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

const std::wstring kMakerUrl = L"" TALLYVANE_MAKER_URL;

class MainDialogControls : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        previousOpener_ =
            SetMfcLinkOpener([](HWND, const wchar_t* url) { g_opened.push_back(url); });
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
        g_failAllocations = false;
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
// draws the picture beside the text: bitmap 129, its key colour replaced.
TEST_F(MainDialogControls, ButtonShowsItsPictureKeepsItOnBadPropertiesFreesReplacedOnes) {
    ASSERT_TRUE(ApplyInitData());
    HBITMAP first = Image();
    Canvas picture(24, 24, nullptr); // its unpainted colour is the key colour
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, first);
    BitBlt(picture.Dc(), 0, 0, 24, 24, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    EXPECT_EQ(picture.Count({0, 0, 24, 24}, kUnpainted), 0);
    EXPECT_EQ(picture.At(0, 23), GetSysColor(COLOR_BTNFACE)); // a corner

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

TEST_F(MainDialogControls, LinkTakesItsAddressFromTheInitDataAndPaintsInItsColour) {
    SetWindowTextW(link_, L"https://text.example/");
    EXPECT_EQ(Url(), L"https://text.example/"); // none given yet: the text is the address
    // The cases of dlginit_cases.rc: each record in order, none of a list that does not
    // parse, none to a control that is not there.
    const auto execute = [&](int resource) {
        return ExecuteDialogInitData(dialog_, module_, MAKEINTRESOURCEW(resource));
    };
    EXPECT_TRUE(execute(IDD_ABOUTBOX));  // no init data is fine
    for (int cut : {901, 902, 903, 904}) // cut short or overlong: none of it is applied
        EXPECT_FALSE(execute(cut)) << cut;
    EXPECT_EQ(Url(), L"https://text.example/");
    EXPECT_TRUE(execute(900));
    EXPECT_EQ(Url(), L"second");
    ASSERT_TRUE(ApplyInitData());
    EXPECT_EQ(Url(), kMakerUrl);
    wchar_t small[9];
    EXPECT_EQ(SendMessageW(link_, MFCLINK_GETURL, 9, reinterpret_cast<LPARAM>(small)),
              LRESULT(kMakerUrl.size()));
    EXPECT_EQ(std::wstring(small), kMakerUrl.substr(0, 8));
    EXPECT_TRUE(Apply(link_, "<MFCLink_Url>q.example/a</MFCLink_Url><MFCLink_UrlPrefix>https://"
                             "</MFCLink_UrlPrefix>"));
    EXPECT_EQ(Url(), L"https://q.example/a");
    RECT client{};
    GetClientRect(link_, &client);
    Canvas painted(client.right, client.bottom, nullptr);
    SendMessageW(link_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.Dc()), PRF_CLIENT);
    EXPECT_GT(painted.Count(client, kMfcLinkColour), 20); // the underline alone is that wide
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
    EXPECT_EQ(g_opened.size(), 1u);
    SendMessageW(link_, BM_CLICK, 0, 0); // a mnemonic or a program clicks it
    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(link_, WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat
    for (WPARAM key : {WPARAM('A'), WPARAM(VK_TAB), WPARAM(VK_ESCAPE), WPARAM(VK_DOWN)})
        SendMessageW(link_, WM_KEYDOWN, key, 1);
    EXPECT_EQ(g_opened.size(), 3u);

    // Enter on the focused link opens it instead of pressing the dialog's default button.
    MSG enter{link_, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog_, &enter));
    EXPECT_EQ(g_opened.size(), 4u);
    EXPECT_EQ(g_okPresses, 0);

    // An opener that throws ends at the link's procedure: the message answers 0.
    SetMfcLinkOpener([](HWND, const wchar_t*) { throw std::runtime_error("no browser"); });
    EXPECT_EQ(SendMessageW(link_, BM_CLICK, 0, 0), 0);
    EXPECT_EQ(Url(), kMakerUrl);
}

// Failed allocations end inside the controls: a link that cannot make its state is not
// created, a button that cannot take its picture answers 0 and lives on.
TEST_F(MainDialogControls, FailedAllocationsEndInsideTheControls) {
    g_failAllocations = true;
    HWND link = CreateWindowExW(0, kMfcLinkClass, L"", WS_POPUP, 0, 0, 120, 24, nullptr, nullptr,
                                module_, nullptr);
    const LRESULT applied = Apply(button_, "<MFCButton_ImageID>129</MFCButton_ImageID>");
    g_failAllocations = false;
    EXPECT_EQ(link, nullptr);
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(IsWindow(button_));
}

} // namespace

// The program's allocation functions, so that a test can make them fail.
void* operator new(std::size_t size) {
    if (!g_failAllocations) {
        if (void* p = std::malloc(size != 0 ? size : 1))
            return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
