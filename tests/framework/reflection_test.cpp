// Notifications reflected to the control that sent them, before the parent's table.
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

// A list view that measures and draws its own rows, and hears its header.
class OwnerList : public CListCtrl {
public:
    int measured = 0;
    int drawn = 0;
    int lastHeaderClick = -1;

protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT mis) {
        ++measured;
        mis->itemHeight = 31;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    afx_msg void OnHeaderClick(NMHDR* hdr, LRESULT* result) {
        lastHeaderClick = reinterpret_cast<NMHEADERW*>(hdr)->iItem;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnerList, CListCtrl)
ON_WM_MEASUREITEM_REFLECT()
ON_NOTIFY(HDN_ITEMCLICKW, 0, &OwnerList::OnHeaderClick)
END_MESSAGE_MAP()

class ListParent : public TopWindow {
public:
    int parentMeasured = 0;
    int parentDrawn = 0;

protected:
    afx_msg LRESULT OnMeasure(WPARAM, LPARAM) {
        ++parentMeasured;
        return TRUE;
    }
    afx_msg LRESULT OnDraw(WPARAM, LPARAM) {
        ++parentDrawn;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListParent, TopWindow)
ON_MESSAGE(WM_MEASUREITEM, &ListParent::OnMeasure)
ON_MESSAGE(WM_DRAWITEM, &ListParent::OnDraw)
END_MESSAGE_MAP()

TEST(ReflectionTest, OwnerDrawAndHeaderMessagesReachARealListView) {
    ListParent parent;
    OwnerList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200),
                            &parent, 1014));
    list.InsertColumn(0, L"Player Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"Chips", LVCFMT_LEFT, 100);
    list.InsertItem(0, L"");
    list.InsertItem(1, L"");

    // The list view asks its parent for the row height; the parent finds it by id.
    CRect first, second;
    ASSERT_TRUE(list.GetItemRect(0, first, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(1, second, LVIR_BOUNDS));
    EXPECT_GT(list.measured, 0);
    EXPECT_EQ(first.Height(), 31);
    EXPECT_EQ(second.top - first.top, 31);
    EXPECT_EQ(parent.parentMeasured, 0);
    // A measure request for an id without window object stays with the parent.
    MEASUREITEMSTRUCT other{ODT_LISTVIEW, 999, 0, 0, 0, 0};
    parent.SendMessage(WM_MEASUREITEM, 999, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(parent.parentMeasured, 1);

    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTVIEW;
    dis.CtlID = 1014;
    dis.hwndItem = list.m_hWnd;
    const int drawnBefore = list.drawn;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 1014, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(list.drawn, drawnBefore + 1);
    EXPECT_EQ(parent.parentDrawn, 0);

    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    NMHEADERW nm{};
    nm.hdr = {header->m_hWnd, 0, HDN_ITEMCLICKW};
    nm.iItem = 1;
    list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(list.lastHeaderClick, 1);
}

} // namespace
