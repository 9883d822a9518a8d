// Modal dialogs: their own loop and what the dialog hands on to its controls. Pre-translation
// (the target, then its parents, then the dialog manager) is the grid's and the app's input
// tests', data exchange the calculator's (its preset pool shown, the typed one read). Nested
// dialogs, the first focus, Enter and Esc are the app's tests (the About box, the calculator's
// first payout field and its keys).
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

    LoggingEdit m_edit;
    std::function<void(TestDialog&)> run;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_NAME, m_edit); }
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
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialogEx)
ON_MESSAGE(WM_END_WITH, &TestDialog::OnEndWith)
ON_MESSAGE(WM_RUN, &TestDialog::OnRun)
ON_WM_TIMER()
END_MESSAGE_MAP()

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
