// ExecuteDialogInitData against windows that record what they are sent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfcctrls/dlginit.h"
#include "resource.h"
#include "test_window.h"

namespace {

struct Received {
    int id;
    UINT message;
    WPARAM module;
    std::string text;
    bool operator==(const Received&) const = default;
};

std::vector<Received> g_received;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER && message < WM_APP) {
        g_received.push_back(
            {GetDlgCtrlID(window), message, wParam, reinterpret_cast<const char*>(lParam)});
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A parent window with recording children 11 and 12.
class RecorderWindows : public testing::Test {
protected:
    void SetUp() override {
        g_received.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = TestModule();
        wc.lpszClassName = L"DlgInitRecorder";
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                  nullptr, TestModule(), nullptr);
        for (INT_PTR id : {11, 12}) {
            CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD, 0, 0, 10, 10, parent_,
                            reinterpret_cast<HMENU>(id), TestModule(), nullptr);
        }
    }
    void TearDown() override { DestroyWindow(parent_); }

    BOOL Execute(int resource) const {
        return ExecuteDialogInitData(parent_, TestModule(), MAKEINTRESOURCEW(resource));
    }

    HWND parent_ = nullptr;
};

TEST_F(RecorderWindows, SendsEachRecordToItsControlInOrder) {
    auto module = reinterpret_cast<WPARAM>(TestModule());
    EXPECT_TRUE(Execute(900));
    EXPECT_EQ(g_received, (std::vector<Received>{{11, 0x0555, module, "first"},
                                                 {12, 0x0556, module, "second"}}));
}

TEST_F(RecorderWindows, NoInitDataIsFineMalformedDataSendsNothing) {
    EXPECT_TRUE(Execute(IDD_ABOUTBOX));
    EXPECT_FALSE(Execute(901));
    EXPECT_FALSE(Execute(902));
    EXPECT_TRUE(g_received.empty());
}

} // namespace
