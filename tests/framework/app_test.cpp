// The application object and the entry point's sequence.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TestApp : public CWinApp {
public:
    explicit TestApp(BOOL initResult, LPCTSTR name = nullptr)
        : CWinApp(name), m_initResult(initResult) {}
    std::vector<std::string> calls;
    BOOL m_initResult;

    BOOL InitInstance() override {
        calls.push_back("init");
        CWinApp::InitInstance();
        if (m_initResult)
            ::PostQuitMessage(17); // Run() ends with WM_QUIT's code
        return m_initResult;
    }
    int ExitInstance() override {
        calls.push_back("exit");
        return m_initResult ? CWinApp::ExitInstance() : 3;
    }
    int Run() override {
        calls.push_back("run");
        return CWinApp::Run();
    }
};

TEST(AppTest, WinMainRunsTheLoopOnlyAfterASuccessfulInitInstance) {
    for (BOOL init : {FALSE, TRUE}) {
        TestApp app(init);
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(
            AfxWinMain(::GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_SHOW),
            init ? 17 : 3); // WM_QUIT's code or ExitInstance's
        const std::vector<std::string> calls{"init", "run", "exit"};
        EXPECT_EQ(app.calls, init ? calls : (std::vector<std::string>{"init", "exit"}));
        EXPECT_EQ(app.m_hInstance, ::GetModuleHandleW(nullptr));
        EXPECT_STREQ(app.m_pszAppName, L"framework_window_tests"); // the module's name
        app.SetRegistryKey(L"Quillmarsh");
        EXPECT_STREQ(app.m_pszRegistryKey, L"Quillmarsh");
        EXPECT_STREQ(app.m_pszProfileName, L"framework_window_tests");
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    TestApp named(FALSE, L"Tallyvane");
    EXPECT_STREQ(named.m_pszAppName, L"Tallyvane");
}

TEST(AppTest, TheLoopEndsWhenTheMainWindowIsDestroyed) {
    TestApp app(TRUE); // its ExitInstance hands on the WM_QUIT code
    auto* wnd = new TopWindow;
    app.m_pMainWnd = wnd;
    EXPECT_EQ(AfxGetMainWnd(), wnd);
    wnd->PostMessage(WM_CLOSE); // the default closing destroys the window
    EXPECT_EQ(app.CWinApp::Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    delete wnd;

    // A dialog-based program runs its main dialog from InitInstance, outside the
    // loop: its end leaves no WM_QUIT behind, so a second modal dialog still runs.
    CWnd first;
    ASSERT_TRUE(first.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    app.m_pMainWnd = &first;
    first.DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// An application whose table has the help entry, as the program's has.
class HelpApp : public CWinApp {
public:
    int helps = 0;

protected:
    afx_msg void OnHelpCommand() { ++helps; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpApp, CWinApp)
ON_COMMAND(ID_HELP, &HelpApp::OnHelpCommand)
END_MESSAGE_MAP()

// A window that handles one command itself.
class CommandWnd : public TopWindow {
public:
    int handled = 0;

protected:
    afx_msg void OnOwnCommand() { ++handled; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandWnd, TopWindow)
ON_COMMAND(ID_HELP, &CommandWnd::OnOwnCommand)
END_MESSAGE_MAP()

TEST(AppTest, CommandsThatNoWindowHandlesReachTheApplication) {
    HelpApp app;
    TopWindow top;
    top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0); // a menu command
    top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 1), 0); // an accelerator
    EXPECT_EQ(app.helps, 2);

    // A button's click is a command too; its other notifications are not.
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"Help", WS_CHILD, 0, 0, 40, 20, top.m_hWnd,
                                     reinterpret_cast<HMENU>(ID_HELP), nullptr, nullptr);
    top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_SETFOCUS),
                    reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(app.helps, 3);

    // A window's own entry wins; a child window sends nothing on.
    CommandWnd own;
    own.SendMessage(WM_COMMAND, ID_HELP, 0);
    EXPECT_EQ(own.handled, 1);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", 0, CRect(0, 0, 5, 5), &top, 9));
    child.SendMessage(WM_COMMAND, ID_HELP, 0);
    EXPECT_EQ(app.helps, 3);
}

} // namespace
