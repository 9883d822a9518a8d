// Window objects and their handles: temporaries, self-deletion, destruction; and the
// exception boundary: no C++ exception crosses into the platform, a throwing handler ends there.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

int g_deleted = 0;

class SelfDeleting : public CWnd {
public:
    ~SelfDeleting() override { ++g_deleted; }

protected:
    void PostNcDestroy() override { delete this; }
};

TEST(LifetimeTest, PostNcDestroyRunsAfterDetachAndMayDeleteTheObject) {
    g_deleted = 0;
    TopWindow parent;
    auto* child = new SelfDeleting;
    ASSERT_TRUE(child->Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5));
    HWND hChild = child->m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hChild), child);
    parent.DestroyWindow(); // takes the child with it
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hChild), nullptr);
    EXPECT_FALSE(::IsWindow(hChild));

    auto* top = new SelfDeleting;
    ASSERT_TRUE(top->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(top->DestroyWindow()); // its own DestroyWindow deletes it on the way
    EXPECT_EQ(g_deleted, 2);
}

TEST(LifetimeTest, TemporaryObjectsForHandlesWithoutOne) {
    AfxDeleteTempMaps(); // start from none
    TopWindow parent;
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(42), nullptr, nullptr);
    CWnd* temp = CWnd::FromHandle(plain);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandle(plain), temp); // one temporary per handle
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_EQ(parent.GetDlgItem(42), temp);
    EXPECT_EQ(CWnd::FromHandle(parent.m_hWnd), &parent);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    // Typed temporaries do not disturb a typed view of the same handle.
    EXPECT_EQ(AfxWndFromHandle<CEdit>(plain)->m_hWnd, plain);
    EXPECT_EQ(temp->m_hWnd, plain); // still readable until the idle clean-up

    // While a handler runs temporaries stay; at idle they go, and the window stays.
    ++AfxTempMapLock();
    AfxDeleteTempMaps();
    EXPECT_EQ(AfxWndMap().TemporaryCount(), 2u);
    --AfxTempMapLock();
    AfxDeleteTempMaps();
    EXPECT_EQ(AfxWndMap().TemporaryCount(), 0u);
    EXPECT_TRUE(::IsWindow(plain));
}

TEST(LifetimeTest, DestructorDestroysTheWindowDetachLeavesItAlone) {
    HWND created = nullptr;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        created = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(created));
    EXPECT_EQ(CWnd::FromHandlePermanent(created), nullptr);

    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                  nullptr, nullptr);
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hWnd));
        EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
        CWnd other;
        EXPECT_FALSE(other.Attach(hWnd));
        EXPECT_EQ(wnd.Detach(), hWnd);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    ::DestroyWindow(hWnd);

    // Code with an optional object asks the free helpers, never a member through null.
    EXPECT_EQ(AfxSafeHwnd(nullptr), nullptr);
    EXPECT_EQ(AfxSafeHdc(nullptr), nullptr);
    EXPECT_EQ(AfxSafeHandle(static_cast<const CFont*>(nullptr)), nullptr);
    CClientDC screen(nullptr); // the screen's DC, for no window
    EXPECT_EQ(AfxSafeHdc(&screen), screen.m_hDC);
    EXPECT_NE(screen.m_hDC, nullptr);
}

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
