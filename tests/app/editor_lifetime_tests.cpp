// Editor lifetime: edits ended each way an edit can end leave no editor window, no heap
// block and no GDI object behind, counted exactly over a few rounds. It counts every
// heap block through the global operator new and delete it replaces.
#include <atomic>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "afxpump.h"
#include "app_harness.h"
#include "canvas.h"
#include "real_input.h"

namespace {

std::atomic<long> g_nLiveBlocks{0};

} // namespace

// The runtime's array and nothrow forms of new and delete come here too.
void* operator new(std::size_t nSize) {
    void* p = std::malloc(nSize ? nSize : 1);
    if (!p)
        throw std::bad_alloc();
    ++g_nLiveBlocks;
    return p;
}
void operator delete(void* p) noexcept {
    if (p) {
        --g_nLiveBlocks;
        std::free(p);
    }
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

// Plays what is queued as the modal loop does, idle clean-up of temporaries included.
void Play(CDialog& dlg) {
    MSG msg;
    for (int i = 0; i < 2000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!AfxWalkPreTranslateTree(dlg.GetSafeHwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    AfxDeleteTempMaps();
}

void ClickChips(CTallyvaneDlg& dlg, int nRow) {
    Click(CTallyvaneDlgTestAccess::Grid(dlg).GetSafeHwnd(), CellPoint(dlg, nRow, kChips));
}

// Runs `round` a few times, so that one-time allocations are not counted, then counts
// heap blocks and GDI objects over 20 more.
void ExpectNothingLeftBy(const std::function<void()>& round) {
    for (int i = 0; i < 3; ++i)
        round();
    const long nBlocks = g_nLiveBlocks;
    const DWORD dwGdi = GdiObjects();
    for (int i = 0; i < 20 && !::testing::Test::HasFatalFailure(); ++i)
        round();
    EXPECT_LE(g_nLiveBlocks, nBlocks);
    EXPECT_LE(GdiObjects(), dwGdi);
}

// Each way an edit opened by a typed digit on a chip cell can end: the editor opened,
// and it went with its window. Tab moves on to the equity cell, which opens nothing;
// Left brings the focus back. Clicks alternate between rows so that none pair into a
// double-click.
TEST(EditorLifetime, EveryWayAnEditEndsLeavesNothingBehind) {
    CTallyvaneDlg dlg;
    int nClick = 0;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Enter", [] { PressKey(VK_RETURN); }},
        {"Escape", [] { PressKey(VK_ESCAPE); }},
        {"Tab", [&] { PressKey(VK_TAB), PressKey(VK_LEFT); }},
        {"click elsewhere", [&] { ClickChips(dlg, 1 + (nClick++ % 2) * 3); }},
    };
    std::vector<Step> steps = {[&] {
        const long nBlocks = g_nLiveBlocks;
        const auto pArray = std::make_unique<int[]>(4); // the count is a real one
        EXPECT_EQ(g_nLiveBlocks, nBlocks + 1);
        ClickChips(dlg, 0);
    }};
    for (const auto& [pszName, end] : ways) {
        // From the modal loop, which idles between the ways and frees the temporary
        // window objects the handlers made, as it does for the user.
        steps.push_back([&dlg, pszName = pszName, end = end] {
            SCOPED_TRACE(pszName);
            ExpectNothingLeftBy([&] {
                PressKey('7');
                Play(dlg);
                ASSERT_NE(Editor(dlg), nullptr);
                end();
                Play(dlg);
                ASSERT_EQ(Editor(dlg), nullptr);
                ASSERT_EQ(CTallyvaneDlgTestAccess::Grid(dlg).m_pEditor, nullptr);
            });
        });
    }
    RunSteps(dlg, steps);
}

TEST(EditorLifetime, DialogClosingWhileEditingLeavesNothingBehind) {
    ExpectNothingLeftBy([] {
        CTallyvaneDlg dlg;
        RunSteps(dlg, {[&] {
                     ClickChips(dlg, 2);
                     PressKey('7');
                     Play(dlg);
                     ASSERT_NE(Editor(dlg), nullptr);
                 }});
        AfxDeleteTempMaps();
    });
}

} // namespace
