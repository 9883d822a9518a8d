// Modal dialogs: their own loop, pre-translation order, ending, nesting, data exchange.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT WM_END_WITH = WM_APP + 20; // wParam: the result
constexpr UINT WM_RUN_INNER = WM_APP + 21;
constexpr WORD IDC_NAME = 100;
constexpr UINT_PTR SAFETY_TIMER = 77;

std::vector<std::string> g_log;

// The log from the first pre-translation on: the dialog manager asks the edit for its
// dialog code while it places the initial focus, before any posted key.
std::vector<std::string> logFromFirstKey() {
    auto first = std::find(g_log.begin(), g_log.end(), "edit-pretranslate");
    return std::vector<std::string>(first, g_log.end());
}

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
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoggingEdit, CEdit)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

// A dialog from an in-memory template with one edit, OK and Cancel.
class TestDialog : public CDialogEx {
public:
    explicit TestDialog(CWnd* pParent = nullptr) {
        m_template.Add(0x0081, IDC_NAME, L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER)
            .Add(0x0080, IDOK, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 30, 40, 14)
            .Add(0x0080, IDCANCEL, L"Cancel", WS_TABSTOP, 50, 30, 40, 14);
        InitModalIndirect(m_template.Get(), pParent);
    }

    CString m_strName = L"initial";
    LoggingEdit m_edit;
    std::vector<UINT> m_postOnInit; // messages posted to the dialog once it is up
    bool m_postKeyToEdit = false;
    UINT m_keyToPost = 'A';
    bool m_ownerEnabledDuringRun = true;
    bool m_swallowKeys = false;
    std::vector<WPARAM> m_postArgs;

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
        m_edit.swallowKeys = m_swallowKeys;
        SetTimer(SAFETY_TIMER, 10000, nullptr); // a stuck test ends instead of hanging
        if (m_postKeyToEdit)
            m_edit.PostMessage(WM_KEYDOWN, m_keyToPost, 1);
        for (size_t i = 0; i < m_postOnInit.size(); ++i)
            PostMessage(m_postOnInit[i], i < m_postArgs.size() ? m_postArgs[i] : 0);
        if (CWnd* owner = GetOwner())
            m_ownerEnabledDuringRun = owner->IsWindowEnabled();
        return TRUE;
    }
    afx_msg LRESULT OnEndWith(WPARAM w, LPARAM) {
        EndDialog(static_cast<int>(w));
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR) { EndDialog(-2); }
    DECLARE_MESSAGE_MAP()

private:
    DialogTemplate m_template{L"Test"};
};

BEGIN_MESSAGE_MAP(TestDialog, CDialogEx)
ON_MESSAGE(WM_END_WITH, &TestDialog::OnEndWith)
ON_WM_TIMER()
END_MESSAGE_MAP()

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.clear(); }
};

TEST_F(ModalTest, EndsFromAPostedMessageWithItsResult) {
    TestDialog dlg;
    dlg.m_postOnInit = {WM_END_WITH};
    dlg.m_postArgs = {1234};
    EXPECT_EQ(dlg.DoModal(), 1234);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr); // the control let go when its window died
}

TEST_F(ModalTest, PreTranslateRunsFromTargetUpToDialogBeforeDialogKeys) {
    TestDialog dlg;
    dlg.m_postKeyToEdit = true;
    dlg.m_postOnInit = {WM_END_WITH};
    dlg.m_postArgs = {IDOK};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    // IsDialogMessage (the dialog's own pre-translation) asks the edit what it wants
    // and then hands the key to it.
    const std::vector<std::string> log = logFromFirstKey();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
              (std::vector<std::string>{"edit-pretranslate", "dialog-pretranslate",
                                        "edit-getdlgcode", "edit-keydown"}));
}

TEST_F(ModalTest, ControlThatTakesTheMessageStopsTheWalk) {
    TestDialog dlg;
    dlg.m_swallowKeys = true;
    dlg.m_postKeyToEdit = true;
    dlg.m_postOnInit = {WM_END_WITH};
    dlg.m_postArgs = {IDOK};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(logFromFirstKey(), (std::vector<std::string>{"edit-pretranslate"}));
}

TEST_F(ModalTest, EscapeInTheEditCancelsThroughTheDialogManager) {
    TestDialog dlg;
    dlg.m_postKeyToEdit = true;
    dlg.m_keyToPost = VK_ESCAPE;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, CloseAndTheSystemMenuCloseCancel) {
    TestDialog closed;
    closed.m_postOnInit = {WM_CLOSE};
    EXPECT_EQ(closed.DoModal(), IDCANCEL);
    TestDialog sysClosed;
    sysClosed.m_postOnInit = {WM_SYSCOMMAND};
    sysClosed.m_postArgs = {SC_CLOSE};
    EXPECT_EQ(sysClosed.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, DataExchangeBothWaysAroundOk) {
    // Types a new name, then presses OK (which saves the controls into the members).
    class Typing : public TestDialog {
    protected:
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            CString shown;
            m_edit.GetWindowText(shown);
            shownAtStart = shown;
            m_edit.SetWindowText(L"Player 2");
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return TRUE;
        }

    public:
        CString shownAtStart;
    } typing;
    typing.m_strName = L"Player 1";
    EXPECT_EQ(typing.DoModal(), IDOK);
    EXPECT_EQ(typing.shownAtStart, L"Player 1");
    EXPECT_EQ(typing.m_strName, L"Player 2");
}

TEST_F(ModalTest, CancelLeavesTheMembersAlone) {
    class Typing : public TestDialog {
    protected:
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            m_edit.SetWindowText(L"discarded");
            PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return TRUE;
        }
    } typing;
    EXPECT_EQ(typing.DoModal(), IDCANCEL);
    EXPECT_EQ(typing.m_strName, L"initial");
}

// Runs a second modal dialog from a handler of the first.
class OuterDialog : public TestDialog {
public:
    INT_PTR innerResult = 0;
    bool innerOwnerDisabled = false;

protected:
    BOOL OnInitDialog() override {
        TestDialog::OnInitDialog();
        PostMessage(WM_RUN_INNER);
        return TRUE;
    }
    afx_msg LRESULT OnRunInner(WPARAM, LPARAM) {
        TestDialog inner(this);
        inner.m_postOnInit = {WM_END_WITH};
        inner.m_postArgs = {42};
        innerResult = inner.DoModal();
        innerOwnerDisabled = !inner.m_ownerEnabledDuringRun;
        EXPECT_TRUE(IsWindowEnabled()); // given back when the inner one ended
        EndDialog(static_cast<int>(innerResult) + 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OuterDialog, TestDialog)
ON_MESSAGE(WM_RUN_INNER, &OuterDialog::OnRunInner)
END_MESSAGE_MAP()

TEST_F(ModalTest, NestedModalDialogsEachRunTheirOwnLoop) {
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), 43);
    EXPECT_EQ(outer.innerResult, 42);
    EXPECT_TRUE(outer.innerOwnerDisabled);
}

TEST_F(ModalTest, OwnerIsDisabledWhileRunningAndEnabledAfter) {
    TopWindow owner;
    TestDialog dlg(&owner);
    dlg.m_postOnInit = {WM_END_WITH};
    dlg.m_postArgs = {IDOK};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(dlg.m_ownerEnabledDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

// Records where the focus is once the dialog runs.
class FocusProbe : public TestDialog {
public:
    int focusIdAtRun = -1;
    BOOL initResult = TRUE;

protected:
    BOOL OnInitDialog() override {
        TestDialog::OnInitDialog();
        PostMessage(WM_APP + 40);
        if (!initResult)
            GetDlgItem(IDOK)->SetFocus();
        return initResult;
    }
    afx_msg LRESULT OnProbe(WPARAM, LPARAM) {
        focusIdAtRun = ::GetDlgCtrlID(::GetFocus()); // while the controls still exist
        EndDialog(IDOK);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FocusProbe, TestDialog)
ON_MESSAGE(WM_APP + 40, &FocusProbe::OnProbe)
END_MESSAGE_MAP()

TEST_F(ModalTest, InitialisationResultDecidesTheFirstFocus) {
    FocusProbe firstTabStop;
    EXPECT_EQ(firstTabStop.DoModal(), IDOK);
    EXPECT_EQ(firstTabStop.focusIdAtRun, IDC_NAME);
    FocusProbe ownChoice;
    ownChoice.initResult = FALSE;
    EXPECT_EQ(ownChoice.DoModal(), IDOK);
    EXPECT_EQ(ownChoice.focusIdAtRun, IDOK);
}

TEST_F(ModalTest, EndDialogDuringInitialisationSkipsTheLoop) {
    class Quick : public TestDialog {
    protected:
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            EndDialog(7);
            return TRUE;
        }
    } quick;
    EXPECT_EQ(quick.DoModal(), 7);
}

// A handler's exception inside a modal loop ends only that handler.
class ThrowingDialog : public TestDialog {
protected:
    BOOL OnInitDialog() override {
        TestDialog::OnInitDialog();
        PostMessage(WM_APP + 30);
        PostMessage(WM_END_WITH, 5);
        return TRUE;
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowInvalidArgException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingDialog, TestDialog)
ON_MESSAGE(WM_APP + 30, &ThrowingDialog::OnThrow)
END_MESSAGE_MAP()

TEST_F(ModalTest, ThrowingHandlerDoesNotEndTheDialog) {
    ThrowingDialog dlg;
    EXPECT_EQ(dlg.DoModal(), 5);
}

TEST_F(ModalTest, MissingTemplateResourceFails) {
    CDialog dlg(9999u);
    EXPECT_EQ(dlg.DoModal(), -1);
}

// Notifications caused by the exchange itself do not reach the dialog's table.
class ChangeCounting : public TestDialog {
public:
    int changes = 0;

protected:
    BOOL OnInitDialog() override {
        TestDialog::OnInitDialog(); // sets the edit's text: an EN_CHANGE nobody typed
        m_strName = L"from member";
        UpdateData(FALSE);
        m_edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed")); // a real change
        PostMessage(WM_END_WITH, IDOK);
        return TRUE;
    }
    afx_msg void OnNameChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChangeCounting, TestDialog)
ON_EN_CHANGE(IDC_NAME, &ChangeCounting::OnNameChange)
END_MESSAGE_MAP()

TEST_F(ModalTest, DataExchangeMutesControlNotifications) {
    ChangeCounting dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.changes, 1);
}

} // namespace
