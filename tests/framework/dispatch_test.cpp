// Message tables: cracking, chaining to the base class's table, commands; subclassed
// system controls and the default processing of the current message.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_BASEONLY = WM_APP + 1;
constexpr UINT WM_BOTH = WM_APP + 2;

// Handlers record the arguments they were given in `cracked`.
class BaseWnd : public CWnd {
public:
    std::vector<int> cracked;

protected:
    afx_msg LRESULT OnBaseOnly(WPARAM w, LPARAM) { return 100 + static_cast<LRESULT>(w); }
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) { return 12; }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        cracked = {static_cast<int>(nType), cx, cy};
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
    int created = 0;
    UINT command = 0;

protected:
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) { return 22; }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        created = cs->cx;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        cracked = {static_cast<int>(nFlags), point.x, point.y};
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        cracked = {static_cast<int>(nChar), static_cast<int>(nRepCnt), static_cast<int>(nFlags)};
    }
    afx_msg void OnApply() { command = 1; }
    afx_msg void OnNameChange() { command = 2; }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(0x1234); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_BOTH, &DerivedWnd::OnBoth)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_COMMAND(500, &DerivedWnd::OnApply)
ON_CONTROL(EN_CHANGE, 501, &DerivedWnd::OnNameChange)
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST(DispatchTest, TablesChainToTheBaseCrackArgumentsAndMatchCommands) {
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"dispatch", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr));
    EXPECT_EQ(wnd.created, 300); // the table is reached from the first message on
    EXPECT_EQ(wnd.SendMessage(WM_BOTH), 22);
    EXPECT_EQ(wnd.SendMessage(WM_BASEONLY, 7), 107);

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 17));
    EXPECT_EQ(wnd.cracked, (std::vector<int>{MK_LBUTTON, -5, 17}));
    wnd.SendMessage(WM_KEYDOWN, VK_F2, MAKELPARAM(3, 0x4001));
    EXPECT_EQ(wnd.cracked, (std::vector<int>{VK_F2, 3, 0x4001}));
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    EXPECT_EQ(wnd.cracked, (std::vector<int>{SIZE_RESTORED, 120, 80}));
    EXPECT_EQ(wnd.SendMessage(WM_QUERYDRAGICON), 0x1234);

    // Commands match the id and, for control entries, the notification code.
    for (WORD code : {0, 1}) { // from a menu, from an accelerator
        wnd.command = 0;
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(500, code), 0);
        EXPECT_EQ(wnd.command, 1u);
    }
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_KILLFOCUS), 0);
    EXPECT_EQ(wnd.command, 1u);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_CHANGE), 0);
    EXPECT_EQ(wnd.command, 2u);
}

// An edit control whose WM_SETTEXT handler lets the control do its own work.
class TracingEdit : public CEdit {
public:
    std::vector<std::wstring> seen;
    int created = 0;
    bool nestBeforeDefault = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        ++created;
        return CEdit::OnCreate(cs);
    }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam) {
        seen.emplace_back(reinterpret_cast<LPCWSTR>(lParam));
        if (nestBeforeDefault) {
            // A nested message in between must not change what Default() hands on.
            nestBeforeDefault = false;
            SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"nested"));
        }
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TracingEdit, CEdit)
ON_WM_CREATE()
ON_MESSAGE(WM_SETTEXT, &TracingEdit::OnSetText)
END_MESSAGE_MAP()

CString textOf(HWND hWnd) {
    wchar_t buffer[64] = L"";
    ::GetWindowTextW(hWnd, buffer, 64);
    return buffer;
}

TEST(SubclassTest, DefaultHandsTheCurrentMessageToTheControl) {
    TopWindow parent;
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(300), nullptr, nullptr);
    const LONG_PTR originalProc = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    TracingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(300, &parent));
    EXPECT_EQ(edit.m_hWnd, hEdit);

    ::SetWindowTextW(hEdit, L"first");
    EXPECT_EQ(textOf(hEdit), L"first");
    edit.nestBeforeDefault = true;
    edit.SetWindowText(L"outer");
    EXPECT_EQ(textOf(hEdit), L"outer"); // not the nested message's text
    EXPECT_EQ(edit.seen, (std::vector<std::wstring>{L"first", L"outer", L"nested"}));

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), originalProc);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    ::SetWindowTextW(hEdit, L"after");
    EXPECT_EQ(edit.seen.size(), 3u);
    EXPECT_EQ(textOf(hEdit), L"after");
}

TEST(SubclassTest, SystemControlCreatedByUsSeesItsCreationAndIsTakenOnce) {
    TopWindow parent;
    TracingEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"start", WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 80, 20), &parent, 501));
    EXPECT_EQ(edit.created, 1);
    EXPECT_EQ(edit.GetDlgCtrlID(), 501);
    EXPECT_EQ(edit.GetParent(), &parent);
    EXPECT_EQ(textOf(edit.m_hWnd), L"start");
    EXPECT_TRUE(edit.seen.empty()); // the creation text came with WM_CREATE, not WM_SETTEXT

    CEdit other;
    EXPECT_FALSE(other.SubclassWindow(edit.m_hWnd));
    EXPECT_EQ(other.m_hWnd, nullptr);
    EXPECT_FALSE(other.SubclassDlgItem(99, &parent));
}

// A plain Detach leaves the window running through our procedure; whoever takes it
// over next, the edit still does its own work behind the object's handlers.
TEST(SubclassTest, ResubclassingAfterAPlainDetachKeepsTheControlsOwnProcedure) {
    TopWindow parent;
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(301), nullptr, nullptr);
    const LONG_PTR originalProc = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    TracingEdit first;
    ASSERT_TRUE(first.SubclassWindow(hEdit));
    EXPECT_EQ(first.Detach(), hEdit);
    ::SendMessageW(hEdit, EM_SETLIMITTEXT, 5, 0); // no object now: straight to the edit
    EXPECT_EQ(::SendMessageW(hEdit, EM_GETLIMITTEXT, 0, 0), 5);

    TracingEdit second;
    ASSERT_TRUE(second.SubclassWindow(hEdit));
    EXPECT_EQ(second.SendMessage(EM_GETLIMITTEXT), 5);
    second.SetWindowText(L"second"); // through the handler and Default()
    EXPECT_EQ(textOf(hEdit), L"second");
    EXPECT_EQ(second.seen, std::vector<std::wstring>{L"second"});
    second.Detach();

    // The object that let go takes the window back itself.
    ASSERT_TRUE(first.SubclassWindow(hEdit));
    first.SendMessage(EM_SETLIMITTEXT, 9);
    EXPECT_EQ(first.SendMessage(EM_GETLIMITTEXT), 9);
    EXPECT_EQ(first.UnsubclassWindow(), hEdit);
    EXPECT_EQ(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), originalProc);
}

} // namespace
