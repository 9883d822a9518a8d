// Subclassed system controls and the default processing of the current message.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    EXPECT_NE(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), originalProc);

    ::SetWindowTextW(hEdit, L"first");
    EXPECT_EQ(textOf(hEdit), L"first");
    edit.nestBeforeDefault = true;
    edit.SetWindowText(L"outer");
    EXPECT_EQ(textOf(hEdit), L"outer"); // not the nested message's text
    EXPECT_EQ(edit.seen, (std::vector<std::wstring>{L"first", L"outer", L"nested"}));

    // The control's own behaviour is intact beneath the table.
    edit.SetSel(1, 3);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), originalProc);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    ::SetWindowTextW(hEdit, L"after");
    EXPECT_EQ(edit.seen.size(), 3u);
    EXPECT_EQ(textOf(hEdit), L"after");
}

TEST(SubclassTest, SystemClassCreatedByUsSeesItsOwnCreation) {
    TopWindow parent;
    TracingEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"start", WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 80, 20), &parent, 501));
    EXPECT_EQ(edit.created, 1);
    EXPECT_EQ(edit.GetDlgCtrlID(), 501);
    EXPECT_EQ(edit.GetParent(), &parent);
    EXPECT_EQ(textOf(edit.m_hWnd), L"start");
    // The edit's own creation text passed through WM_CREATE, not WM_SETTEXT.
    EXPECT_TRUE(edit.seen.empty());
}

TEST(SubclassTest, ObjectCannotTakeAWindowTwice) {
    TopWindow parent;
    CEdit a, b;
    ASSERT_TRUE(a.Create(WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 10));
    EXPECT_FALSE(b.SubclassWindow(a.m_hWnd));
    EXPECT_EQ(b.m_hWnd, nullptr);
    EXPECT_FALSE(b.SubclassDlgItem(99, &parent));
}

} // namespace
