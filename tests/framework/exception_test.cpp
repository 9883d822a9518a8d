// No C++ exception crosses into the platform: a throwing handler ends there.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT WM_THROW = WM_APP + 10;
constexpr UINT WM_ECHO = WM_APP + 11;
constexpr UINT WM_THROW_AFTER_DEFAULT = WM_APP + 12;

// Collects what the program writes with OutputDebugString (raised as an exception
// to a process without debugger).
std::wstring g_debugText;

LONG CALLBACK captureDebugOutput(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code == 0x4001000A /* wide debug print */) {
        g_debugText +=
            reinterpret_cast<const wchar_t*>(info->ExceptionRecord->ExceptionInformation[1]);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    if (code == DBG_PRINTEXCEPTION_C) {
        g_debugText += std::wstring(
            reinterpret_cast<const char*>(info->ExceptionRecord->ExceptionInformation[1]),
            reinterpret_cast<const char*>(info->ExceptionRecord->ExceptionInformation[1]) +
                info->ExceptionRecord->ExceptionInformation[0] - 1);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class ThrowingWnd : public CWnd {
public:
    int handledAfter = 0;
    bool reachedEnd = false;

protected:
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
        CArray<int, int> empty;
        empty.GetAt(3); // raises the invalid-argument exception
        reachedEnd = true;
        return 99;
    }
    afx_msg LRESULT OnEcho(WPARAM w, LPARAM) {
        ++handledAfter;
        return static_cast<LRESULT>(w);
    }
    afx_msg LRESULT OnThrowAfterDefault(WPARAM, LPARAM) {
        SendMessage(WM_THROW); // the nested handler's exception stays in the nested call
        AfxThrowInvalidArgException();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_MESSAGE(WM_THROW, &ThrowingWnd::OnThrow)
ON_MESSAGE(WM_ECHO, &ThrowingWnd::OnEcho)
ON_MESSAGE(WM_THROW_AFTER_DEFAULT, &ThrowingWnd::OnThrowAfterDefault)
END_MESSAGE_MAP()

class ExceptionBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_debugText.clear();
        m_handler = ::AddVectoredExceptionHandler(1, captureDebugOutput);
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void TearDown() override { ::RemoveVectoredExceptionHandler(m_handler); }
    ThrowingWnd wnd;
    PVOID m_handler = nullptr;
};

TEST_F(ExceptionBoundaryTest, SentMessageReturnsZeroAndTheWindowGoesOn) {
    EXPECT_EQ(wnd.SendMessage(WM_THROW), 0);
    EXPECT_FALSE(wnd.reachedEnd);
    EXPECT_NE(g_debugText.find(L"invalid argument"), std::wstring::npos) << "debug output";
    EXPECT_EQ(wnd.SendMessage(WM_ECHO, 7), 7);
    EXPECT_EQ(wnd.handledAfter, 1);
    // The per-thread message state was restored: Default() still works.
    wnd.SetWindowText(L"still fine");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, L"still fine");
}

TEST_F(ExceptionBoundaryTest, PostedMessageDispatchedByALoopDoesNotUnwindIt) {
    wnd.PostMessage(WM_THROW);
    wnd.PostMessage(WM_ECHO, 1);
    PumpPending();
    EXPECT_EQ(wnd.handledAfter, 1);
}

TEST_F(ExceptionBoundaryTest, NestedHandlersEachEndAtTheirOwnBoundary) {
    EXPECT_EQ(wnd.SendMessage(WM_THROW_AFTER_DEFAULT), 0);
    EXPECT_EQ(wnd.SendMessage(WM_ECHO, 3), 3);
}

// A window whose WM_NCDESTROY handler throws before the base class's clean-up.
class ThrowOnNcDestroy : public CWnd {
protected:
    afx_msg void OnNcDestroy() { AfxThrowInvalidArgException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowOnNcDestroy, CWnd)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST(ExceptionCleanupTest, ObjectIsDetachedEvenWhenItsNcDestroyThrows) {
    ThrowOnNcDestroy wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

} // namespace
