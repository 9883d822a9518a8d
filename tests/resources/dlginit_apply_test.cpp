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
        parent_ = CreateWindowExW(0, L"DlgInitRecorder", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                  nullptr, TestModule(), nullptr);
        for (int id : {11, 12}) {
            CreateWindowExW(0, L"DlgInitRecorder", L"", WS_CHILD, 0, 0, 10, 10, parent_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), TestModule(),
                            nullptr);
        }
    }
    void TearDown() override { DestroyWindow(parent_); }

    BOOL Execute(int resource) {
        return ExecuteDialogInitData(parent_, TestModule(), MAKEINTRESOURCEW(resource));
    }

    HWND parent_ = nullptr;
};

TEST_F(RecorderWindows, SendsEachRecordToItsControlInOrder) {
    EXPECT_TRUE(Execute(900));
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].id, 11);
    EXPECT_EQ(g_received[0].message, 0x0555u);
    EXPECT_EQ(g_received[0].module, reinterpret_cast<WPARAM>(TestModule()));
    EXPECT_EQ(g_received[0].text, "first");
    EXPECT_EQ(g_received[1].id, 12);
    EXPECT_EQ(g_received[1].message, 0x0556u);
    EXPECT_EQ(g_received[1].text, "second");
}

TEST_F(RecorderWindows, TemplateWithoutInitDataIsFine) {
    EXPECT_TRUE(Execute(IDD_ABOUTBOX));
    EXPECT_TRUE(g_received.empty());
}

TEST_F(RecorderWindows, MalformedDataSendsNothing) {
    EXPECT_FALSE(Execute(901));
    EXPECT_FALSE(Execute(902));
    EXPECT_TRUE(g_received.empty());
}

TEST(MainDialogInit, CreatesEveryControlAndAppliesTheData) {
    MainDialog dialog;
    ASSERT_NE(dialog.Handle(), nullptr);
    for (int id : {IDC_PAYOUT1, IDC_PAYOUT5, IDC_GRID, IDC_CALCULATE, IDC_LINK, IDC_POOL})
        EXPECT_NE(dialog.Item(id), nullptr) << id;
    EXPECT_TRUE(dialog.ApplyInitData());
    EXPECT_NE(SendMessageW(dialog.Item(IDC_CALCULATE), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

} // namespace
