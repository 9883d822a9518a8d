// Modal dialogs: their own loop, data exchange and what the dialog hands on to its controls.
// Pre-translation (the target, then its parents, then the dialog manager) is the grid's and the
// app's input tests'. Nested dialogs, the first focus, Enter and Esc are the app's
// tests (the About box, the calculator's first payout field and its keys).
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_TEST = 7002; // an edit, OK and Cancel (framework_test.rc)
constexpr int IDC_NAME = 100;
constexpr UINT WM_END_WITH = WM_APP + 20; // wParam: the result
constexpr UINT WM_RUN = WM_APP + 21;

std::vector<std::string> g_log;

// An edit that records what reaches it.
class LoggingEdit : public CEdit {
protected:
    afx_msg void OnSysColorChange() { g_log.push_back("edit-syscolorchange"); }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection) {
        g_log.push_back("edit-settingchange " + std::to_string(uFlags) + " " +
                        (lpszSection && wcscmp(lpszSection, L"intl") == 0 ? "intl" : "?"));
    }
    afx_msg void OnFontChange() { g_log.push_back("edit-fontchange"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoggingEdit, CEdit)
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_FONTCHANGE()
END_MESSAGE_MAP()

// The test dialog; `run` runs from its loop.
class TestDialog : public CDialogEx {
public:
    explicit TestDialog(std::function<void(TestDialog&)> fn)
        : CDialogEx(IDD_TEST), run(std::move(fn)) {}

    CString m_strName = L"Player 1";
    LoggingEdit m_edit;
    std::function<void(TestDialog&)> run;
    int nameChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Text(pDX, IDC_NAME, m_strName);
    }
    BOOL OnInitDialog() override {
        CDialogEx::OnInitDialog();
        SetTimer(1, 10000, nullptr); // a stuck test ends instead of hanging
        PostMessage(WM_RUN);
        return TRUE;
    }
    afx_msg LRESULT OnEndWith(WPARAM w, LPARAM) {
        EndDialog(static_cast<int>(w));
        return 0;
    }
    afx_msg LRESULT OnRun(WPARAM, LPARAM) {
        run(*this);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR) { EndDialog(-2); }
    afx_msg void OnNameChange() { ++nameChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialogEx)
ON_MESSAGE(WM_END_WITH, &TestDialog::OnEndWith)
ON_MESSAGE(WM_RUN, &TestDialog::OnRun)
ON_WM_TIMER()
ON_EN_CHANGE(IDC_NAME, &TestDialog::OnNameChange)
END_MESSAGE_MAP()

// The exchange's own writes to the edit raise no EN_CHANGE in the dialog's table; the
// program's later change does.
TEST(ModalTest, DataExchangeBothWaysAroundOkNoneOnCancelAndNoNotificationsOfItsOwn) {
    for (UINT way : {UINT(IDOK), UINT(IDCANCEL)}) {
        CString shown;
        TestDialog dlg([&](TestDialog& d) {
            d.m_edit.GetWindowText(shown);
            d.m_edit.SetWindowText(L"Player 2");
            d.PostMessage(WM_COMMAND, MAKEWPARAM(way, BN_CLICKED), 0);
        });
        EXPECT_EQ(dlg.DoModal(), INT_PTR(way));
        EXPECT_EQ(shown, L"Player 1");
        EXPECT_EQ(dlg.m_strName, way == IDOK ? L"Player 2" : L"Player 1");
        EXPECT_EQ(dlg.nameChanges, 1);
        EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr); // the control let go when its window died
    }
}

// The platform tells only top-level windows of colour, setting and font changes; the
// dialog's controls (the grid and its list view among them) learn of them from the dialog. A
// handler that throws ends at its own boundary, not the dialog's loop.
TEST(ModalTest, SystemWideChangesReachTheControlsAndAThrowingHandlerEndsNothing) {
    g_log.clear();
    TestDialog dlg([](TestDialog& d) {
        d.SendMessage(WM_SYSCOLORCHANGE);
        d.SendMessage(WM_SETTINGCHANGE, 42, reinterpret_cast<LPARAM>(L"intl"));
        d.SendMessage(WM_FONTCHANGE);
        d.m_edit.SendMessage(WM_FONTCHANGE); // a control passes nothing on
        d.PostMessage(WM_END_WITH, 5);
        AfxThrowInvalidArgException();
    });
    EXPECT_EQ(dlg.DoModal(), 5);
    EXPECT_EQ(g_log, (std::vector<std::string>{"edit-syscolorchange", "edit-settingchange 42 intl",
                                               "edit-fontchange", "edit-fontchange"}));
}

} // namespace
