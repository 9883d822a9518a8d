// No C++ exception crosses into the platform: a throwing handler ends there.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_THROW = WM_APP + 10;
constexpr UINT WM_ECHO = WM_APP + 11;
constexpr UINT WM_NESTED_THROW = WM_APP + 12;

class ThrowingWnd : public CWnd {
public:
    int echoes = 0;
    bool reachedEnd = false;

protected:
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
        CArray<int, int> empty;
        empty.GetAt(3); // raises the invalid-argument exception
        reachedEnd = true;
        return 99;
    }
    afx_msg LRESULT OnEcho(WPARAM w, LPARAM) {
        ++echoes;
        return static_cast<LRESULT>(w);
    }
    afx_msg LRESULT OnNestedThrow(WPARAM, LPARAM) {
        SendMessage(WM_THROW); // the nested handler's exception stays in the nested call
        AfxThrowInvalidArgException();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_MESSAGE(WM_THROW, &ThrowingWnd::OnThrow)
ON_MESSAGE(WM_ECHO, &ThrowingWnd::OnEcho)
ON_MESSAGE(WM_NESTED_THROW, &ThrowingWnd::OnNestedThrow)
END_MESSAGE_MAP()

TEST(ExceptionBoundaryTest, EachHandlerEndsAtItsOwnBoundaryAndTheWindowGoesOn) {
    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_THROW), 0);
    EXPECT_FALSE(wnd.reachedEnd);
    EXPECT_EQ(wnd.SendMessage(WM_NESTED_THROW), 0);
    EXPECT_EQ(wnd.SendMessage(WM_ECHO, 7), 7);

    // A posted message dispatched by a loop does not unwind the loop.
    wnd.PostMessage(WM_THROW);
    wnd.PostMessage(WM_ECHO, 1);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    EXPECT_EQ(wnd.echoes, 2);

    // The per-thread message state was restored: Default() still works.
    wnd.SetWindowText(L"still fine");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, L"still fine");
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

TEST(ExceptionBoundaryTest, ObjectIsDetachedEvenWhenItsNcDestroyThrows) {
    ThrowOnNcDestroy wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

} // namespace
