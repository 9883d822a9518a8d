// Window objects and their handles: temporaries, self-deletion, destruction.
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

} // namespace
