// Modal dialogs: their own loop, pre-translation order, ending, nesting, data exchange.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_TEST = 7002; // an edit, OK and Cancel (framework_test.rc)
constexpr int IDC_NAME = 100;
constexpr UINT WM_END_WITH = WM_APP + 20; // wParam: the result
constexpr UINT WM_RUN = WM_APP + 21;
constexpr UINT_PTR SAFETY_TIMER = 77;

std::vector<std::string> g_log;

// An edit that records what reaches it.
class LoggingEdit : public CEdit {
public:
    bool swallowKeys = false;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            g_log.push_back("edit-pretranslate");
            if (swallowKeys)
                return TRUE;
        }
        return CEdit::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg UINT OnGetDlgCode() {
        g_log.push_back("edit-getdlgcode");
        return CEdit::OnGetDlgCode();
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        g_log.push_back("edit-keydown");
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSysColorChange() {
        g_log.push_back("edit-syscolorchange");
        CEdit::OnSysColorChange();
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection) {
        g_log.push_back("edit-settingchange " + std::to_string(uFlags) + " " +
                        (lpszSection && wcscmp(lpszSection, L"intl") == 0 ? "intl" : "?"));
        CEdit::OnSettingChange(uFlags, lpszSection);
    }
    afx_msg void OnFontChange() {
        g_log.push_back("edit-fontchange");
        CEdit::OnFontChange();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoggingEdit, CEdit)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_FONTCHANGE()
END_MESSAGE_MAP()

// The test dialog; onInit runs at the end of OnInitDialog, onRun from the loop.
class TestDialog : public CDialogEx {
public:
    explicit TestDialog(CWnd* pParent = nullptr) : CDialogEx(IDD_TEST, pParent) {}

    CString m_strName = L"initial";
    LoggingEdit m_edit;
    std::function<void(TestDialog&)> onInit, onRun;
    BOOL initResult = TRUE;
    bool ownerEnabledDuringRun = true;
    int nameChanges = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN)
            g_log.push_back("dialog-pretranslate");
        return CDialogEx::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Text(pDX, IDC_NAME, m_strName);
    }
    BOOL OnInitDialog() override {
        CDialogEx::OnInitDialog();
        SetTimer(SAFETY_TIMER, 10000, nullptr); // a stuck test ends instead of hanging
        if (CWnd* owner = GetOwner())
            ownerEnabledDuringRun = owner->IsWindowEnabled();
        if (onRun)
            PostMessage(WM_RUN);
        if (onInit)
            onInit(*this);
        return initResult;
    }
    afx_msg LRESULT OnEndWith(WPARAM w, LPARAM) {
        EndDialog(static_cast<int>(w));
        return 0;
    }
    afx_msg LRESULT OnRun(WPARAM, LPARAM) {
        onRun(*this);
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

TEST(ModalTest, PreTranslateRunsFromTheTargetUpBeforeTheDialogManager) {
    // IsDialogMessage (the dialog's own pre-translation) asks the edit what it wants and
    // hands the key to it; an edit that takes the key itself ends the walk.
    const std::vector<std::string> keyTaken{"edit-pretranslate"};
    const std::vector<std::string> keyPassed{"edit-pretranslate", "dialog-pretranslate",
                                             "edit-getdlgcode", "edit-keydown"};
    for (bool swallow : {false, true}) {
        g_log.clear();
        TestDialog dlg;
        dlg.onInit = [swallow](TestDialog& d) {
            d.m_edit.swallowKeys = swallow;
            d.m_edit.PostMessage(WM_KEYDOWN, 'A', 1);
            d.PostMessage(WM_END_WITH, IDOK);
        };
        EXPECT_EQ(dlg.DoModal(), IDOK);
        // From the first pre-translation on: placing the initial focus asks the edit for
        // its dialog code before any key.
        auto first = std::find(g_log.begin(), g_log.end(), "edit-pretranslate");
        const std::vector<std::string> log(first,
                                           first + std::min<ptrdiff_t>(4, g_log.end() - first));
        EXPECT_EQ(log, swallow ? keyTaken : keyPassed);
    }
}

// The exchange's own writes to the edit raise no EN_CHANGE in the dialog's table; the
// program's later change does.
// Escape and the system menu's Close are the app's own tests; WM_CLOSE cancels here.
TEST(ModalTest, DataExchangeBothWaysAroundOkNoneOnCancelAndNoNotificationsOfItsOwn) {
    for (UINT way : {UINT(IDOK), UINT(IDCANCEL), UINT(WM_CLOSE)}) {
        TestDialog dlg;
        dlg.m_strName = L"Player 1";
        CString shown;
        dlg.onInit = [&](TestDialog& d) {
            d.m_edit.GetWindowText(shown);
            d.m_edit.SetWindowText(L"Player 2");
            if (way == WM_CLOSE)
                d.PostMessage(WM_CLOSE);
            else
                d.PostMessage(WM_COMMAND, MAKEWPARAM(way, BN_CLICKED), 0);
        };
        EXPECT_EQ(dlg.DoModal(), way == IDOK ? IDOK : IDCANCEL);
        EXPECT_EQ(shown, L"Player 1");
        EXPECT_EQ(dlg.m_strName, way == IDOK ? L"Player 2" : L"Player 1");
        EXPECT_EQ(dlg.nameChanges, 1);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr); // the control let go when its window died
    }
}

TEST(ModalTest, NestedModalDialogRunsItsOwnLoopWithTheOwnerDisabled) {
    TestDialog outer;
    INT_PTR innerResult = 0;
    bool ownerEnabled = true;
    outer.onRun = [&](TestDialog& d) {
        TestDialog inner(&d);
        inner.onInit = [](TestDialog& i) { i.PostMessage(WM_END_WITH, 42); };
        innerResult = inner.DoModal();
        ownerEnabled = inner.ownerEnabledDuringRun;
        EXPECT_TRUE(d.IsWindowEnabled()); // given back when the inner one ended
        d.EndDialog(static_cast<int>(innerResult) + 1);
    };
    EXPECT_EQ(outer.DoModal(), 43);
    EXPECT_EQ(innerResult, 42);
    EXPECT_FALSE(ownerEnabled);
}

TEST(ModalTest, InitialisationDecidesTheFocusOrEndsBeforeTheLoop) {
    // TRUE: the dialog manager focuses the first tab stop; FALSE: the dialog's choice stays.
    for (BOOL result : {TRUE, FALSE}) {
        TestDialog dlg;
        int focusId = -1;
        dlg.initResult = result;
        dlg.onInit = [](TestDialog& d) { d.GetDlgItem(IDOK)->SetFocus(); };
        dlg.onRun = [&](TestDialog& d) {
            focusId = ::GetDlgCtrlID(::GetFocus()); // while the controls still exist
            d.EndDialog(IDOK);
        };
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(focusId, result ? IDC_NAME : IDOK);
    }
    TestDialog quick;
    quick.onInit = [](TestDialog& d) { d.EndDialog(7); };
    EXPECT_EQ(quick.DoModal(), 7);
    CDialog missing(9999u);
    EXPECT_EQ(missing.DoModal(), -1);
}

// The platform tells only top-level windows of these changes; the dialog's controls
// (the grid among them) learn of them from the dialog.
TEST(ModalTest, SystemWideChangesReachTheControlsThroughTheDialog) {
    g_log.clear();
    TestDialog dlg;
    dlg.onRun = [](TestDialog& d) {
        d.SendMessage(WM_SYSCOLORCHANGE);
        d.SendMessage(WM_SETTINGCHANGE, 42, reinterpret_cast<LPARAM>(L"intl"));
        d.SendMessage(WM_FONTCHANGE);
        d.m_edit.SendMessage(WM_FONTCHANGE); // a control passes nothing on
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    const std::vector<std::string> expected{"edit-syscolorchange", "edit-settingchange 42 intl",
                                            "edit-fontchange", "edit-fontchange"};
    std::vector<std::string> changes;
    std::copy_if(
        g_log.begin(), g_log.end(), std::back_inserter(changes),
        [](const std::string& entry) { return entry.find("change") != std::string::npos; });
    EXPECT_EQ(changes, expected);
}

TEST(ModalTest, ThrowingHandlerDoesNotEndTheDialog) {
    TestDialog dlg;
    dlg.onRun = [](TestDialog&) { AfxThrowInvalidArgException(); };
    dlg.onInit = [](TestDialog& d) { d.PostMessage(WM_END_WITH, 5); };
    EXPECT_EQ(dlg.DoModal(), 5);
}

} // namespace
