// The application object and the entry point's sequence, as the program uses them: its
// InitInstance runs the main dialog and returns FALSE, so no message loop follows.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

class TestApp : public CWinApp {
public:
    int runs = 0, helps = 0;
    bool mainForgotten = false, quitLeft = true;
    BOOL InitInstance() override {
        // The main dialog's end, outside any loop, leaves no WM_QUIT behind, which
        // would end the next modal loop at once.
        CWnd main;
        main.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        m_pMainWnd = &main;
        main.DestroyWindow();
        mainForgotten = m_pMainWnd == nullptr;
        MSG msg;
        quitLeft = ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return FALSE;
    }
    int ExitInstance() override { return 100; }
    int Run() override { return ++runs; }

protected:
    afx_msg void OnHelpCommand() { ++helps; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, &TestApp::OnHelpCommand)
END_MESSAGE_MAP()

TEST(AppTest, WinMainEndsAfterAnInitInstanceThatFailsAndCommandsReachTheApplication) {
    {
        TestApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(
            AfxWinMain(::GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_SHOW),
            100); // ExitInstance's code
        EXPECT_EQ(app.runs, 0);
        EXPECT_TRUE(app.mainForgotten);
        EXPECT_FALSE(app.quitLeft);

        // A command that no top-level window handles reaches the application (its help
        // entry); nothing else does: not other notifications, nor a child's commands.
        TopWindow top;
        top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 40, 20, top.m_hWnd,
                                         reinterpret_cast<HMENU>(ID_HELP), nullptr, nullptr);
        top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), LPARAM(hButton));
        top.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_SETFOCUS), LPARAM(hButton));
        CWnd child;
        ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 5, 5), &top, 9));
        child.SendMessage(WM_COMMAND, ID_HELP, 0);
        EXPECT_EQ(app.helps, 2);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

} // namespace
