// Notifications reflected to the control that sent them, before the parent's table. The list
// view's own reflected messages (row height, owner drawing, header clicks) are those the grid
// lives on: tests/grid runs them on the real grid.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT CODE_REFLECTED = 1244;
constexpr UINT CODE_PARENT_ONLY = 1250;
constexpr int CHILD_ID = 77;

std::vector<std::string> g_log;

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

class ParentWnd : public TopWindow {
protected:
    afx_msg void OnChildReflected(NMHDR*, LRESULT* result) {
        g_log.push_back("parent-1244");
        *result = 9;
    }
    afx_msg void OnChildOther(NMHDR*, LRESULT* result) {
        g_log.push_back("parent-other");
        *result = 3;
    }
    afx_msg void OnChildChange() { g_log.push_back("parent-change"); }
    afx_msg void OnChildKillFocus() { g_log.push_back("parent-killfocus"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, TopWindow)
ON_NOTIFY(CODE_REFLECTED, CHILD_ID, &ParentWnd::OnChildReflected)
ON_NOTIFY(CODE_PARENT_ONLY, CHILD_ID, &ParentWnd::OnChildOther)
ON_CONTROL(EN_CHANGE, CHILD_ID, &ParentWnd::OnChildChange)
ON_CONTROL(EN_KILLFOCUS, CHILD_ID, &ParentWnd::OnChildKillFocus)
END_MESSAGE_MAP()

TEST(ReflectionTest, TheSendersReflectEntryWinsTheParentGetsTheRest) {
    g_log.clear();
    ParentWnd parent;
    ChildCtrl child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, CHILD_ID));
    const auto notify = [&](CWnd& to, HWND from, UINT_PTR id, UINT code) {
        NMHDR hdr{from, id, code};
        return to.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
    };
    EXPECT_EQ(notify(parent, child.m_hWnd, CHILD_ID, CODE_REFLECTED), 5);
    EXPECT_EQ(notify(parent, child.m_hWnd, CHILD_ID, CODE_PARENT_ONLY), 3);
    // An editor tells its parent (here the child control) with hwndFrom = that parent.
    EXPECT_EQ(notify(child, child.m_hWnd, 501, CODE_REFLECTED), 5);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(CHILD_ID, EN_CHANGE),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(CHILD_ID, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    // A control without window object has nothing to reflect into.
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(CHILD_ID), nullptr, nullptr);
    EXPECT_EQ(notify(parent, plain, CHILD_ID, CODE_REFLECTED), 9);
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"child-notify 77", "parent-other", "child-notify 501",
                                        "child-change", "parent-killfocus", "parent-1244"}));
}

} // namespace
