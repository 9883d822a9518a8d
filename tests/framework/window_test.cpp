// Message tables: cracking (the grid's input tests go through its own), chaining to the base
// class's table, commands, notifications reflected to their sender; Default() in a subclassed
// system control.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT WM_BASEONLY = WM_APP + 1;
constexpr UINT WM_BOTH = WM_APP + 2;
constexpr UINT CODE_REFLECTED = 1244;
constexpr UINT CODE_PARENT_ONLY = 1250;
constexpr int CHILD_ID = 77;

std::vector<std::string> g_log;

class BaseWnd : public CWnd {
protected:
    afx_msg LRESULT OnBaseOnly(WPARAM w, LPARAM) { return 100 + static_cast<LRESULT>(w); }
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) { return 12; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_MESSAGE(WM_BASEONLY, &BaseWnd::OnBaseOnly)
ON_MESSAGE(WM_BOTH, &BaseWnd::OnBoth)
END_MESSAGE_MAP()

// Handlers record the arguments they were given.
class DerivedWnd : public BaseWnd {
public:
    int created = 0;
    std::vector<int> cracked;

protected:
    afx_msg LRESULT OnBoth(WPARAM, LPARAM) { return 22; }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        created = cs->cx;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        cracked = {static_cast<int>(nFlags), point.x, point.y};
    }
    afx_msg void OnNameChange() { g_log.push_back("name-change"); }
    // Notifications from children: the sender's own reflect entry comes first.
    afx_msg void OnChildReflected(NMHDR*, LRESULT* result) {
        g_log.push_back("parent-1244");
        *result = 9;
    }
    afx_msg void OnChildOther(NMHDR*, LRESULT* result) {
        g_log.push_back("parent-other");
        *result = 3;
    }
    afx_msg void OnChildKillFocus() { g_log.push_back("parent-killfocus"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_BOTH, &DerivedWnd::OnBoth)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_NOTIFY(CODE_REFLECTED, CHILD_ID, &DerivedWnd::OnChildReflected)
ON_NOTIFY(CODE_PARENT_ONLY, CHILD_ID, &DerivedWnd::OnChildOther)
ON_CONTROL(EN_CHANGE, CHILD_ID, &DerivedWnd::OnNameChange)
ON_CONTROL(EN_KILLFOCUS, CHILD_ID, &DerivedWnd::OnChildKillFocus)
END_MESSAGE_MAP()

// A control that takes some of its own notifications back.
class ChildCtrl : public CWnd {
protected:
    afx_msg void OnOwnNotify(NMHDR* hdr, LRESULT* result) {
        g_log.push_back("child-notify " + std::to_string(hdr->idFrom));
        *result = 5;
    }
    afx_msg void OnOwnChange() { g_log.push_back("child-change"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChildCtrl, CWnd)
ON_NOTIFY_REFLECT(CODE_REFLECTED, &ChildCtrl::OnOwnNotify)
ON_CONTROL_REFLECT(EN_CHANGE, &ChildCtrl::OnOwnChange)
END_MESSAGE_MAP()

TEST(DispatchTest, TablesChainCrackArgumentsAndReflectNotifications) {
    g_log.clear();
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"dispatch", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr));
    EXPECT_EQ(wnd.created, 300); // the table is reached from the first message on
    EXPECT_EQ(wnd.SendMessage(WM_BOTH), 22);
    EXPECT_EQ(wnd.SendMessage(WM_BASEONLY, 7), 107);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-5), 17));
    EXPECT_EQ(wnd.cracked, (std::vector<int>{MK_LBUTTON, -5, 17}));

    ChildCtrl child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 50, 20), &wnd, CHILD_ID));
    const auto notify = [&](CWnd& to, HWND from, UINT_PTR id, UINT code) {
        NMHDR hdr{from, id, code};
        return to.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
    };
    EXPECT_EQ(notify(wnd, child.m_hWnd, CHILD_ID, CODE_REFLECTED), 5);
    EXPECT_EQ(notify(wnd, child.m_hWnd, CHILD_ID, CODE_PARENT_ONLY), 3);
    // An editor tells its parent (here the child control) with hwndFrom = that parent.
    EXPECT_EQ(notify(child, child.m_hWnd, 501, CODE_REFLECTED), 5);
    for (WORD code : {EN_CHANGE, EN_KILLFOCUS})
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(CHILD_ID, code), LPARAM(child.m_hWnd));
    // A control without window object has nothing to reflect into.
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, wnd.m_hWnd,
                                   reinterpret_cast<HMENU>(CHILD_ID), nullptr, nullptr);
    EXPECT_EQ(notify(wnd, plain, CHILD_ID, CODE_REFLECTED), 9);
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"child-notify 77", "parent-other", "child-notify 501",
                                        "child-change", "parent-killfocus", "parent-1244"}));
}

// An edit control whose WM_SETTEXT handler sends itself another message before it lets the
// control do its own work.
class NestingEdit : public CEdit {
public:
    bool nest = true;

protected:
    afx_msg LRESULT OnSetText(WPARAM, LPARAM) {
        if (std::exchange(nest, false))
            SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"nested"));
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NestingEdit, CEdit)
ON_MESSAGE(WM_SETTEXT, &NestingEdit::OnSetText)
END_MESSAGE_MAP()

// The dialog subclasses its grid, whose handlers call Default() after nested messages.
TEST(SubclassTest, DefaultHandsOnTheMessageBeingHandledNotTheLastNestedOne) {
    TopWindow parent;
    ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent.m_hWnd,
                      reinterpret_cast<HMENU>(300), nullptr, nullptr);
    NestingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(300, &parent));
    edit.SetWindowText(L"outer");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, L"outer");
}

} // namespace
