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

} // namespace
