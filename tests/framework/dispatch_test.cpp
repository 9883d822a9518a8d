// Message tables: cracking, chaining to the base class's table, commands.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_BASEONLY = WM_APP + 1;
constexpr UINT WM_BOTH = WM_APP + 2;

class BaseWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    afx_msg LRESULT OnBaseOnly(WPARAM w, LPARAM) {
        log.push_back("base-only " + std::to_string(w));
        return 11;
    }
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) {
        log.push_back("base-both");
        return 12;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        log.push_back("size " + std::to_string(nType) + " " + std::to_string(cx) + "x" +
                      std::to_string(cy));
        CWnd::OnSize(nType, cx, cy);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_MESSAGE(WM_BASEONLY, &BaseWnd::OnBaseOnly)
ON_MESSAGE(WM_BOTH, &BaseWnd::OnBoth)
ON_WM_SIZE()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    CPoint clickAt;
    UINT keyChar = 0, keyRepeat = 0, keyFlags = 0;
    int created = 0;
    UINT command = 0;
    int queryDragIcon = 0;

protected:
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) {
        log.push_back("derived-both");
        return 22;
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        created = cs->cx;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnLButtonDown(UINT, CPoint point) { clickAt = point; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        keyChar = nChar;
        keyRepeat = nRepCnt;
        keyFlags = nFlags;
    }
    afx_msg void OnApply() { command = 1; }
    afx_msg void OnRangeFirst() { command = 2; }
    afx_msg HCURSOR OnQueryDragIcon() {
        ++queryDragIcon;
        return reinterpret_cast<HCURSOR>(0x1234);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_BOTH, &DerivedWnd::OnBoth)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_COMMAND(500, &DerivedWnd::OnApply)
ON_CONTROL(EN_CHANGE, 501, &DerivedWnd::OnRangeFirst)
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"dispatch", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                 nullptr, nullptr));
    }
    void TearDown() override { wnd.DestroyWindow(); }
    DerivedWnd wnd;
};

TEST_F(DispatchTest, CreationReachesTheTableFromTheFirstMessage) {
    EXPECT_EQ(wnd.created, 300);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
}

TEST_F(DispatchTest, DerivedEntryWinsAndBaseEntryIsReached) {
    EXPECT_EQ(wnd.SendMessage(WM_BOTH), 22);
    EXPECT_EQ(wnd.SendMessage(WM_BASEONLY, 7), 11);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"derived-both", "base-only 7"}));
}

TEST_F(DispatchTest, UnhandledMessagesGetTheOriginalProcedure) {
    wnd.SetWindowText(L"caption text");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, L"caption text");
    EXPECT_EQ(wnd.GetWindowTextLength(), 12);
}

TEST_F(DispatchTest, ArgumentsAreCrackedAsTheHandlersExpect) {
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 17));
    EXPECT_EQ(wnd.clickAt, CPoint(-5, 17));
    wnd.SendMessage(WM_KEYDOWN, VK_F2, MAKELPARAM(3, 0x4001));
    EXPECT_EQ(wnd.keyChar, static_cast<UINT>(VK_F2));
    EXPECT_EQ(wnd.keyRepeat, 3u);
    EXPECT_EQ(wnd.keyFlags, 0x4001u);
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    EXPECT_EQ(wnd.log.back(), "size 0 120x80");
    EXPECT_EQ(wnd.SendMessage(WM_QUERYDRAGICON), 0x1234);
}

TEST_F(DispatchTest, CommandsMatchIdAndNotificationCode) {
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(500, 0), 0);
    EXPECT_EQ(wnd.command, 1u);
    wnd.command = 0;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(500, 1), 0); // accelerator: still the command
    EXPECT_EQ(wnd.command, 1u);
    wnd.command = 0;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_KILLFOCUS), 0);
    EXPECT_EQ(wnd.command, 0u);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_CHANGE), 0);
    EXPECT_EQ(wnd.command, 2u);
}

TEST(MessageMapTest, TablesChainToTheirBases) {
    DerivedWnd wnd;
    const AFX_MSGMAP_ENTRY* own = wnd.FindMessageEntry(WM_BOTH, 0, 0);
    const AFX_MSGMAP_ENTRY* inherited = wnd.FindMessageEntry(WM_BASEONLY, 0, 0);
    ASSERT_NE(own, nullptr);
    ASSERT_NE(inherited, nullptr);
    BaseWnd base;
    EXPECT_NE(own, base.FindMessageEntry(WM_BOTH, 0, 0));
    EXPECT_EQ(inherited, base.FindMessageEntry(WM_BASEONLY, 0, 0));
    EXPECT_EQ(wnd.FindMessageEntry(WM_APP + 99, 0, 0), nullptr);
    // Every window inherits the clean-up after WM_NCDESTROY.
    EXPECT_NE(wnd.FindMessageEntry(WM_NCDESTROY, 0, 0), nullptr);
}

} // namespace
