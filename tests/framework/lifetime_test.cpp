// Window objects and their handles: temporaries, self-deletion, destruction; and the
// exception boundary: no C++ exception crosses into the platform, a throwing handler
// ends there.
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

// The grid's editors delete themselves after their window; temporary objects stand for
// windows without one until the loop idles.
TEST(LifetimeTest, TemporariesLastUntilIdleSelfDeletionAndTheDestructorEndTheWindow) {
    g_deleted = 0;
    AfxDeleteTempMaps(); // start from none
    HWND hParent = nullptr, hChild = nullptr;
    {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hParent = parent.m_hWnd;
        auto* child = new SelfDeleting;
        ASSERT_TRUE(child->Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));
        hChild = child->m_hWnd;
        EXPECT_EQ(CWnd::FromHandlePermanent(hChild), child);
        HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hParent,
                                       reinterpret_cast<HMENU>(42), nullptr, nullptr);
        CWnd* temp = CWnd::FromHandle(plain);
        ASSERT_NE(temp, nullptr);
        EXPECT_EQ(parent.GetDlgItem(42), temp);
        EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
        EXPECT_EQ(CWnd::FromHandle(hParent), &parent);
        EXPECT_EQ(AfxWndFromHandle<CEdit>(plain)->m_hWnd, plain); // a typed view beside it
        EXPECT_EQ(temp->m_hWnd, plain);

        // While a handler runs temporaries stay; at idle they go, and the window stays.
        ++AfxTempMapLock();
        AfxDeleteTempMaps();
        EXPECT_EQ(AfxWndMap().TemporaryCount(), 2u);
        --AfxTempMapLock();
        AfxDeleteTempMaps();
        EXPECT_EQ(AfxWndMap().TemporaryCount(), 0u);
        EXPECT_TRUE(::IsWindow(plain));
    } // the parent's window goes with its object, and takes the child along
    EXPECT_EQ(g_deleted, 1);
    EXPECT_FALSE(::IsWindow(hParent));
    EXPECT_EQ(CWnd::FromHandlePermanent(hChild), nullptr);
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
    afx_msg void OnNcDestroy() { AfxThrowInvalidArgException(); } // before the clean-up
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_MESSAGE(WM_THROW, &ThrowingWnd::OnThrow)
ON_MESSAGE(WM_ECHO, &ThrowingWnd::OnEcho)
ON_MESSAGE(WM_NESTED_THROW, &ThrowingWnd::OnNestedThrow)
ON_WM_NCDESTROY()
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

    // The object is detached even when its WM_NCDESTROY handler throws.
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

} // namespace
