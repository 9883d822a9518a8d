// The dialog-init controls stop exceptions at their window procedures like every other
// window of the program: a message that fails answers 0 and the control goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>

#include "mfcctrls/dlginit.h"
#include "mfcctrls/mfcbutton.h"
#include "mfcctrls/mfclink.h"

namespace {

// While set, every allocation of this program fails.
bool g_failAllocations = false;

void ThrowingOpener(HWND, const wchar_t*) {
    throw std::runtime_error("no browser");
}

class ControlBoundary : public testing::Test {
protected:
    void SetUp() override { RegisterDialogInitControlClasses(module_); }
    void TearDown() override { g_failAllocations = false; }

    HWND Make(const wchar_t* className) const {
        return CreateWindowExW(0, className, L"https://example.invalid/", WS_POPUP, 0, 0, 120, 24,
                               nullptr, nullptr, module_, nullptr);
    }

    HINSTANCE module_ = GetModuleHandleW(nullptr);
};

TEST_F(ControlBoundary, LinkWhoseOpenerThrowsAnswersZeroAndStillWorks) {
    HWND link = Make(kMfcLinkClass);
    ASSERT_NE(link, nullptr);
    MfcLinkOpener previous = SetMfcLinkOpener(ThrowingOpener);
    EXPECT_EQ(SendMessageW(link, BM_CLICK, 0, 0), 0);
    SetMfcLinkOpener(previous);
    wchar_t url[64] = L"";
    SendMessageW(link, MFCLINK_GETURL, 64, reinterpret_cast<LPARAM>(url));
    EXPECT_STREQ(url, L"https://example.invalid/");
    DestroyWindow(link);
}

TEST_F(ControlBoundary, FailedAllocationsEndInsideTheControls) {
    // A link that cannot make its state is not created at all.
    g_failAllocations = true;
    HWND link = Make(kMfcLinkClass);
    g_failAllocations = false;
    EXPECT_EQ(link, nullptr);

    HWND button = Make(kMfcButtonClass);
    ASSERT_NE(button, nullptr);
    const char properties[] = "<MFCButton_ImageID>129</MFCButton_ImageID>";
    g_failAllocations = true;
    const LRESULT applied =
        SendMessageW(button, DLGINIT_SETPROPERTIES, 0, reinterpret_cast<LPARAM>(properties));
    g_failAllocations = false;
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(IsWindow(button));
    DestroyWindow(button);
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
